// The automation interface of Heading, in published member order. Indexes, texts and
// numbers are passed by reference; Caption writes the highest block index back on a quiet
// end.

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/display/heading.hpp"

namespace panelkit2 {

const InterfaceTable& Heading::ClassInterface() {
    using M = Members<Heading>;
    using H = Heading;
    static const InterfaceTable table(
        "PanelKit2.Heading",
        {
            M::Property("Caption", 0x68030005, &H::Caption, &H::Caption),
            M::Get("TotalHeight", 0x68030004, &H::TotalHeight),
            M::Property("BackColor", 0x68030003, &H::BackColor, &H::BackColor),
            M::Property("ForeColor", 0x68030002, &H::ForeColor, &H::ForeColor),
            M::Let("ScrollBottom", 0x68030001, &H::ScrollBottom),
            M::Get("Blank", 0x68030000, &H::Blank),
            M::Method("ResetScrollBar", 0x60030006, &H::ResetScrollBar),
            M::Method("SetListHeight", 0x60030007, &H::SetListHeight, {By::Ref, Opt(int16_t{-1})}),
            M::Method("SetListWidth", 0x60030008, &H::SetListWidth, {By::Ref, Opt(int16_t{-1})}),
            M::Method("Position", 0x60030009, &H::Position),
            M::Method("Reposition", 0x6003000a, &H::Reposition),
            M::Method("ResizeLast", 0x6003000b, &H::ResizeLast),
            M::Method("AddText", 0x6003000c, &H::AddText, {Opt(std::string())}),
            M::Method("AddList", 0x6003000d, &H::AddList),
            M::Method("AddListItem", 0x6003000e, &H::AddListItem),
            M::Method("AddItem", 0x6003000f, &H::AddItem),
            M::Method("Clear", 0x60030010, &H::Clear),
        });
    return table;
}

const InterfaceTable& Heading::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
