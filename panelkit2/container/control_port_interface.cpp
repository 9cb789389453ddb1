// The automation interface of ControlPort: properties from 0x68030000, methods from
// 0x60030000, the enumerator at -4, and the events in published order.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/container/control_port.hpp"

namespace panelkit2 {

namespace {

constexpr DispId kNewEnum = -4;

std::vector<ParamDef> MouseParams() {
    return {ByRef("Button", VarType::Integer), ByRef("Shift", VarType::Integer),
            ByRef("X", VarType::Single), ByRef("Y", VarType::Single)};
}

}  // namespace

const InterfaceTable& ControlPort::ClassInterface() {
    using M = Members<ControlPort>;
    using P = ControlPort;
    static const InterfaceTable table(
        "PanelKit2.ControlPort",
        {
            M::Property("mcolCtl", 0x68030000, &P::mcolCtl, &P::mcolCtl),
            M::Property("mcolCtlVisible", 0x68030001, &P::mcolCtlVisible, &P::mcolCtlVisible),
            M::Property("mcolCtlCommand", 0x68030002, &P::mcolCtlCommand, &P::mcolCtlCommand),
            M::Get("CommandControls", 0x68030003, &P::CommandControls),
            M::Get("Bottom", 0x68030004, &P::Bottom),
            M::Property("Border", 0x68030005, &P::Border, &P::Border, {By::Val}),
            M::Property("BackColor", 0x68030006, &P::BackColor, &P::BackColor),
            M::Property("ForeColor", 0x68030007, &P::ForeColor, &P::ForeColor),
            M::Method("GetNewControl", 0x60030000, &P::GetNewControl),
            M::Method("AddControl", 0x60030001, &P::AddControl, {By::Ref, Opt(true)}),
            M::Method("AddControlIdx", 0x60030002, &P::AddControlIdx, {By::Ref, Opt(true)}),
            M::Method("GetControl", 0x60030003, &P::GetControl),
            M::Method("NewCanvas", 0x60030004, &P::NewCanvas),
            M::Method("Position", 0x60030005, &P::Position),
            M::Method("PositionStack", 0x60030006, &P::PositionStack),
            M::Method("PositionTop", 0x60030007, &P::PositionTop),
            M::Method("PositionLast", 0x60030008, &P::PositionLast),
            M::Method("PositionLeft", 0x60030009, &P::PositionLeft),
            M::Method("ResetScrollBar", 0x6003000a, &P::ResetScrollBar),
            M::Method("SetAction", 0x6003000b, &P::SetAction),
            M::Method("GetSelectedActions", 0x6003000c, &P::GetSelectedActions),
            M::Method("ShowControls", 0x6003000d, &P::ShowControls),
            M::Method("HideControls", 0x6003000e, &P::HideControls),
            M::Method("HideAllPopUps", 0x6003000f, &P::HideAllPopUps),
            M::Method("NewEnum", kNewEnum, &P::NewEnum),
        },
        {
            Event(P::Events::CommandButtonPushed, "CommandButtonPushed",
                  {ByRef("strAction", VarType::String)}),
            Event(P::Events::Click, "Click"),
            Event(P::Events::MouseDown, "MouseDown", MouseParams()),
            Event(P::Events::MouseMove, "MouseMove", MouseParams()),
            Event(P::Events::MouseUp, "MouseUp", MouseParams()),
        });
    return table;
}

const InterfaceTable& ControlPort::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
