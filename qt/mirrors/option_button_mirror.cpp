#include "qt/mirrors/option_button_mirror.hpp"

#include <QKeyEvent>

#include "qt/key_translation.hpp"
#include "qt/text_positions.hpp"

namespace panelkit2::qt {

QWidget* OptionButtonMirror::CreateWidget(QWidget* parent) {
    auto* button = new QRadioButton(parent);
    button->setAutoExclusive(false);
    QObject::connect(button, &QRadioButton::clicked, this,
                     [this] { Forward([this] { mButton.UserClick(); }); });
    return button;
}

// Keys go to the model first; the arrows are the model's (it moves through the group),
// the rest (Space) Qt turns into a click.
bool OptionButtonMirror::FilterInput(QObject* watched, QEvent* event) {
    if (watched != Widget() || event->type() != QEvent::KeyPress) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return false;
    const int16_t code = KeyCodeOf(key);
    if (code == 0) return false;
    const int16_t shift = ShiftStateOf(key.modifiers());
    Forward([&] { mButton.UserKeyDown(code, shift); });
    switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            return true;
        default:
            return false;
    }
}

void OptionButtonMirror::ApplyContent(uint32_t mask) {
    auto* button = static_cast<QRadioButton*>(Widget());
    if (mask & Bit(host::WidgetProperty::Text))
        button->setText(TextPositions::ToQString(mButton.Caption()));
    if (button->isChecked() != mButton.Value()) button->setChecked(mButton.Value());
}

}  // namespace panelkit2::qt
