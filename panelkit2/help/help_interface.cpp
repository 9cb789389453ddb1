// The late-bound interface of Help. The class is private, so these identifiers are the
// library's own: properties from 0x68030000 and methods from 0x60030000, in member order.

#include "panelkit2/help/help.hpp"

namespace panelkit2 {

namespace {

using B = Bind<Help>;
using V = VarType;

MemberDef Run(std::string_view name, DispId id, void (Help::*procedure)()) {
    return MemberDef{name,
                     id,
                     MemberKind::Method,
                     V::Empty,
                     {},
                     [procedure](Dispatchable& self, Args) -> Variant {
                         (static_cast<Help&>(self).*procedure)();
                         return {};
                     }};
}

std::vector<MemberDef> HelpMembers() {
    return {
        B::Get("Visible", 0x68030000, V::Boolean,
               [](Help& h, Args) -> Variant { return h.Visible(); }),
        B::Let("Visible", 0x68030000, {ByVal("Value", V::Boolean)},
               [](Help& h, Args a) -> Variant {
                   h.Visible(a[0].AsBoolean());
                   return {};
               }),
        B::Get("Caption", 0x68030001, V::String,
               [](Help& h, Args) -> Variant { return h.Caption(); }),
        B::Let("Caption", 0x68030001, {ByVal("Value", V::String)},
               [](Help& h, Args a) -> Variant {
                   h.Caption(a[0].StringRef());
                   return {};
               }),
        B::Method("PopUpBalloon", 0x60030000, V::Empty,
                  {ByRef("strText", V::String), ByRef("X", V::Long), ByRef("Y", V::Long)},
                  [](Help& h, Args a) -> Variant {
                      h.PopUpBalloon(a[0].StringRef(), a[1].LongRef(), a[2].LongRef());
                      return {};
                  }),
        Run("HideBalloon", 0x60030001, &Help::HideBalloon),
        Run("EnableTimer", 0x60030002, &Help::EnableTimer),
        Run("DisableTimer", 0x60030003, &Help::DisableTimer),
        B::Method("SetTimer", 0x60030004, V::Empty, {ByRef("interval", V::Integer)},
                  [](Help& h, Args a) -> Variant {
                      h.SetTimer(a[0].IntegerRef());
                      return {};
                  }),
    };
}

}  // namespace

const InterfaceTable& Help::ClassInterface() {
    static const InterfaceTable table("PanelKit2.Help", HelpMembers());
    return table;
}

const InterfaceTable& Help::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
