#include "qt/mirrors/label_mirror.hpp"

#include "qt/text_positions.hpp"

namespace panelkit2::qt {

namespace {
Qt::Alignment AlignmentOf(int16_t alignment) {
    switch (alignment) {
        case host::Label::AlignRight:
            return Qt::AlignRight | Qt::AlignTop;
        case host::Label::AlignCenter:
            return Qt::AlignHCenter | Qt::AlignTop;
        default:
            return Qt::AlignLeft | Qt::AlignTop;
    }
}
}  // namespace

QWidget* LabelMirror::CreateWidget(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void LabelMirror::ApplyContent(uint32_t mask) {
    if (!(mask & Bit(host::WidgetProperty::Text))) return;
    auto* label = static_cast<QLabel*>(Widget());
    label->setAlignment(AlignmentOf(mLabel.Alignment()));
    label->setText(TextPositions::ToQString(mLabel.Caption()));
}

}  // namespace panelkit2::qt
