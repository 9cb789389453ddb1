#include "qt/mirrors/frame_mirror.hpp"

#include "qt/mirrors/frame_widget.hpp"
#include "qt/text_positions.hpp"

namespace panelkit2::qt {

QWidget* FrameMirror::CreateWidget(QWidget* parent) {
    return new FrameWidget(parent);
}

void FrameMirror::ApplyContent(uint32_t mask) {
    if (mask & Bit(host::WidgetProperty::Text))
        static_cast<FrameWidget*>(Widget())->SetCaption(TextPositions::ToQString(mFrame.Caption()));
}

}  // namespace panelkit2::qt
