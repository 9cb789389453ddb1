#include "panelkit2/toolkit/extender.hpp"

#include "panelkit2/automation/binder.hpp"

namespace panelkit2::host {

// Every member is passed by value and answered by the placed widget itself.
const InterfaceTable& Extender::Interface() const {
    using M = Members<Extender>;
    using W = Widget;
    namespace id = extender_id;
    static const InterfaceTable table(
        "PanelKit2.Extender",
        {
            M::Property("Left", id::Left, &W::Left, &W::Left, {By::Val}),
            M::Property("Top", id::Top, &W::Top, &W::Top, {By::Val}),
            M::Property("Width", id::Width, &W::Width, &W::Width, {By::Val}),
            M::Property("Height", id::Height, &W::Height, &W::Height, {By::Val}),
            M::Property("Visible", id::Visible, &W::Visible, &W::Visible, {By::Val}),
            M::Property("Enabled", id::Enabled, &W::Enabled, &W::Enabled, {By::Val}),
            M::Property("TabIndex", id::TabIndex, &W::TabIndex, &W::TabIndex, {By::Val}),
            M::Property("TabStop", id::TabStop, &W::TabStop, &W::TabStop, {By::Val}),
            M::Property("ToolTipText", id::ToolTipText, &W::ToolTipText, &W::ToolTipText,
                        {By::Val}),
            M::Method("Move", id::Move, &W::Move, {By::Val, By::Val, By::Val, By::Val}),
            M::Method("SetFocus", id::SetFocus, &W::SetFocus),
            M::Get("Name", id::Name, &W::Name),
            M::Get("Index", id::Index, &W::Index),
        });
    return table;
}

}  // namespace panelkit2::host
