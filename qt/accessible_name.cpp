#include "qt/accessible_name.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "panelkit2/toolkit/check_box.hpp"
#include "panelkit2/toolkit/command_button.hpp"
#include "panelkit2/toolkit/frame.hpp"
#include "panelkit2/toolkit/label.hpp"
#include "panelkit2/toolkit/option_button.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2::qt {

namespace {

using host::WidgetKind;

std::string OwnCaption(const host::Widget& widget) {
    switch (widget.Kind()) {
        case WidgetKind::Label:
            return static_cast<const host::Label&>(widget).Caption();
        case WidgetKind::WrapLabel:
            return static_cast<const host::WrapLabel&>(widget).Caption();
        case WidgetKind::CheckBox:
            return static_cast<const host::CheckBox&>(widget).Caption();
        case WidgetKind::OptionButton:
            return static_cast<const host::OptionButton&>(widget).Caption();
        case WidgetKind::CommandButton:
            return static_cast<const host::CommandButton&>(widget).Caption();
        case WidgetKind::Frame:
            return static_cast<const host::Frame&>(widget).Caption();
        default:
            return {};
    }
}

}  // namespace

bool IsLabel(const host::Widget& widget) {
    return widget.Kind() == WidgetKind::Label || widget.Kind() == WidgetKind::WrapLabel;
}

bool TakesInput(const host::Widget& widget) {
    switch (widget.Kind()) {
        case WidgetKind::TextBox:
        case WidgetKind::ComboBox:
        case WidgetKind::ListBox:
        case WidgetKind::CheckBox:
        case WidgetKind::OptionButton:
        case WidgetKind::CommandButton:
        case WidgetKind::VScrollBar:
        case WidgetKind::Slider:
        case WidgetKind::UpDown:
            return true;
        default:
            return false;
    }
}

namespace {

// The caption of the sibling label standing for the widget: on its row, the one sharing
// most of its height (the nearest of those); else above it, the nearest.
std::string NeighbourCaption(const host::Widget& widget) {
    const host::Widget* parent = widget.Parent();
    if (!parent) return {};
    const float top = widget.Top();
    const float bottom = top + widget.Height();
    const host::Widget* beside = nullptr;
    const host::Widget* above = nullptr;
    float besideOverlap = 0;
    float besideDistance = std::numeric_limits<float>::infinity();
    float aboveDistance = std::numeric_limits<float>::infinity();
    for (const host::Widget* sibling : parent->Children()) {
        if (sibling == &widget || !IsLabel(*sibling) || !sibling->Visible() ||
            OwnCaption(*sibling).empty())
            continue;
        const float siblingTop = sibling->Top();
        const float siblingBottom = siblingTop + sibling->Height();
        const float overlap = std::min(bottom, siblingBottom) - std::max(top, siblingTop);
        if (overlap > 0) {
            const float distance = std::fabs(sibling->Left() - widget.Left());
            if (overlap > besideOverlap ||
                (overlap == besideOverlap && distance < besideDistance)) {
                besideOverlap = overlap;
                besideDistance = distance;
                beside = sibling;
            }
        } else if (siblingBottom <= top && top - siblingBottom < aboveDistance) {
            aboveDistance = top - siblingBottom;
            above = sibling;
        }
    }
    if (beside) return OwnCaption(*beside);
    return above ? OwnCaption(*above) : std::string();
}

}  // namespace

std::string AccessibleNameOf(const host::Widget& widget) {
    if (std::string own = OwnCaption(widget); !own.empty()) return own;
    if (!TakesInput(widget)) return widget.ToolTipText();
    if (std::string neighbour = NeighbourCaption(widget); !neighbour.empty()) return neighbour;
    if (widget.Parent() && !widget.Parent()->ToolTipText().empty())
        return widget.Parent()->ToolTipText();
    return widget.ToolTipText();
}

}  // namespace panelkit2::qt
