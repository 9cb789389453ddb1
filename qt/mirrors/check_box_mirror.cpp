#include "qt/mirrors/check_box_mirror.hpp"

#include "qt/text_positions.hpp"

namespace panelkit2::qt {

namespace {
Qt::CheckState StateOf(int16_t value) {
    switch (value) {
        case host::CheckBox::Checked:
            return Qt::Checked;
        case host::CheckBox::Grayed:
            return Qt::PartiallyChecked;
        default:
            return Qt::Unchecked;
    }
}
}  // namespace

QWidget* CheckBoxMirror::CreateWidget(QWidget* parent) {
    auto* box = new QCheckBox(parent);
    box->setTristate(true);
    QObject::connect(box, &QCheckBox::clicked, this,
                     [this] { Forward([this] { mBox.UserClick(); }); });
    return box;
}

void CheckBoxMirror::ApplyContent(uint32_t mask) {
    auto* box = static_cast<QCheckBox*>(Widget());
    if (mask & Bit(host::WidgetProperty::Text))
        box->setText(TextPositions::ToQString(mBox.Caption()));
    if (box->checkState() != StateOf(mBox.Value())) box->setCheckState(StateOf(mBox.Value()));
}

}  // namespace panelkit2::qt
