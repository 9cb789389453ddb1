#include "qt/mirrors/combo_box_mirror.hpp"

#include "qt/text_positions.hpp"

namespace panelkit2::qt {

QWidget* ComboBoxMirror::CreateWidget(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    QObject::connect(combo, &QComboBox::activated, this, [this](int index) {
        Forward([&] { mCombo.UserPick(static_cast<int16_t>(index)); });
    });
    return combo;
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
