#include "qt/mirrors/option_button_mirror.hpp"

#include "qt/text_positions.hpp"

namespace panelkit2::qt {

QWidget* OptionButtonMirror::CreateWidget(QWidget* parent) {
    auto* button = new QRadioButton(parent);
    button->setAutoExclusive(false);
    QObject::connect(button, &QRadioButton::clicked, this,
                     [this] { Forward([this] { mButton.UserClick(); }); });
    return button;
}

void OptionButtonMirror::ApplyContent(uint32_t mask) {
    auto* button = static_cast<QRadioButton*>(Widget());
    if (mask & Bit(host::WidgetProperty::Text))
        button->setText(TextPositions::ToQString(mButton.Caption()));
    if (button->isChecked() != mButton.Value()) button->setChecked(mButton.Value());
}

}  // namespace panelkit2::qt
