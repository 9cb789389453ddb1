#include "qt/mirrors/command_button_mirror.hpp"

#include "qt/text_positions.hpp"

namespace panelkit2::qt {

QWidget* CommandButtonMirror::CreateWidget(QWidget* parent) {
    auto* button = new QPushButton(parent);
    // Return pushes the focused button, as Space does (outside dialogs Qt leaves Return to
    // the default button alone).
    button->setAutoDefault(true);
    QObject::connect(button, &QPushButton::clicked, this,
                     [this] { Forward([this] { mButton.UserClick(); }); });
    return button;
}

void CommandButtonMirror::ApplyContent(uint32_t mask) {
    auto* button = static_cast<QPushButton*>(Widget());
    if (mask & Bit(host::WidgetProperty::Text)) {
        button->setText(TextPositions::ToQString(mButton.Caption()));
        button->setDefault(mButton.Default());
    }
    if (mask & Bit(host::WidgetProperty::Pressed)) button->setDown(mButton.Pressed());
}

}  // namespace panelkit2::qt
