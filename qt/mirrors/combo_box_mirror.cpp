#include "qt/mirrors/combo_box_mirror.hpp"

#include <QKeyEvent>
#include <QMouseEvent>

#include "qt/key_translation.hpp"
#include "qt/text_positions.hpp"

namespace panelkit2::qt {

QWidget* ComboBoxMirror::CreateWidget(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    QObject::connect(combo, &QComboBox::activated, this, [this](int index) {
        Forward([&] { mCombo.UserPick(static_cast<int16_t>(index)); });
    });
    return combo;
}

// The model steps through the entries itself (Qt would step and report a pick); keys that
// open the list reach the model and then Qt, which shows the list. Space, which opens
// Qt's list but not the model's, stops here.
bool ComboBoxMirror::FilterInput(QObject* watched, QEvent* event) {
    if (watched != Widget()) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            Forward([this] { mCombo.UserDropDown(); });
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return false;
    const int16_t code = KeyCodeOf(key);
    if (code == 0) return false;
    const int16_t shift = ShiftStateOf(key.modifiers());
    Forward([&] { mCombo.UserKeyDown(code, shift); });
    if (key.modifiers() & Qt::AltModifier) return false;
    switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Space:
            return true;
        default:
            return false;
    }
}

void ComboBoxMirror::ApplyContent(uint32_t mask) {
    auto* combo = static_cast<QComboBox*>(Widget());
    if (mask & Bit(host::WidgetProperty::List)) {
        QStringList entries;
        for (int16_t i = 0; i < mCombo.ListCount(); ++i)
            entries.append(TextPositions::ToQString(mCombo.List(i)));
        combo->clear();
        combo->addItems(entries);
    }
    if (combo->currentIndex() != mCombo.ListIndex()) combo->setCurrentIndex(mCombo.ListIndex());
}

}  // namespace panelkit2::qt
