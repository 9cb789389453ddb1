#include "panelkit2/toolkit/frame.hpp"

#include <utility>

namespace panelkit2::host {

Frame::Frame(Widget* parent, std::string name)
    : Widget(WidgetKind::Frame, parent, std::move(name)) {}

void Frame::Caption(std::string value) {
    if (value == mstrCaption) return;
    mstrCaption = std::move(value);
    NotifyChanged(WidgetProperty::Text);
}

bool Frame::IsClippedOut(const Widget& child) const noexcept {
    if (child.Parent() != this) return false;
    // Touching an edge shows nothing: the areas are half-open.
    return child.Left() >= Width() || child.Top() >= Height() ||
           child.Left() + child.Width() <= 0 || child.Top() + child.Height() <= 0;
}

void Frame::CopyDesignFrom(const Widget& source) {
    Widget::CopyDesignFrom(source);
    if (const auto* frame = dynamic_cast<const Frame*>(&source)) Caption(frame->mstrCaption);
}

}  // namespace panelkit2::host
