// The automation interface of Command, in published member order, and its event.

#include "panelkit2/choice/command.hpp"

namespace panelkit2 {

namespace {

using B = Bind<Command>;
using V = VarType;

MemberDef Run(std::string_view name, DispId id, void (Command::*procedure)()) {
    return MemberDef{name,
                     id,
                     MemberKind::Method,
                     V::Empty,
                     {},
                     [procedure](Dispatchable& self, Args) -> Variant {
                         (static_cast<Command&>(self).*procedure)();
                         return {};
                     }};
}

using StringProcedure = void (Command::*)(std::string&);

MemberDef WithString(std::string_view name, DispId id, std::string_view param,
                     StringProcedure procedure) {
    return MemberDef{name,
                     id,
                     MemberKind::Method,
                     V::Empty,
                     {ByRef(param, V::String)},
                     [procedure](Dispatchable& self, Args a) -> Variant {
                         (static_cast<Command&>(self).*procedure)(a[0].StringRef());
                         return {};
                     }};
}

std::vector<MemberDef> CommandMembers() {
    return {
        B::Get("CtlID", 0x68030006, V::Integer,
               [](Command& c, Args) -> Variant { return c.CtlID(); }),
        B::Get("ForeColor", 0x68030005, V::Long,
               [](Command& c, Args) -> Variant { return static_cast<int32_t>(c.ForeColor()); }),
        B::Let("ForeColor", 0x68030005, {ByRef("Value", V::Long)},
               [](Command& c, Args a) -> Variant {
                   c.ForeColor(static_cast<host::OleColor>(a[0].LongRef()));
                   return {};
               }),
        B::Get("BackColor", 0x68030004, V::Long,
               [](Command& c, Args) -> Variant { return static_cast<int32_t>(c.BackColor()); }),
        B::Let("BackColor", 0x68030004, {ByRef("Value", V::Long)},
               [](Command& c, Args a) -> Variant {
                   c.BackColor(static_cast<host::OleColor>(a[0].LongRef()));
                   return {};
               }),
        B::Get("Caption", 0x68030003, V::String,
               [](Command& c, Args) -> Variant { return c.Caption(); }),
        B::Let("Caption", 0x68030003, {ByRef("Value", V::String)},
               [](Command& c, Args a) -> Variant {
                   c.Caption(a[0].StringRef());
                   return {};
               }),
        B::Get("DesiredWidth", 0x68030002, V::Long,
               [](Command& c, Args) -> Variant { return c.DesiredWidth(); }),
        B::Get("Action", 0x68030001, V::String,
               [](Command& c, Args) -> Variant { return c.Action(); }),
        B::Let("Action", 0x68030001, {ByRef("Value", V::String)},
               [](Command& c, Args a) -> Variant {
                   c.Action(a[0].StringRef());
                   return {};
               }),
        B::Get("Show", 0x68030000, V::Boolean,
               [](Command& c, Args) -> Variant { return c.Show(); }),
        B::Method("SetSelectionOption", 0x60030007, V::Empty, {ByRef("vblnClicked", V::Boolean)},
                  [](Command& c, Args a) -> Variant {
                      bool value = a[0].AsBoolean();
                      c.SetSelectionOption(value);
                      a[0].SetBoolean(value);
                      return {};
                  }),
        B::Method("GetSelectedOption", 0x60030008, V::String, {},
                  [](Command& c, Args) -> Variant { return c.GetSelectedOption(); }),
        B::Method("GetSelectedAction", 0x60030009, V::String, {},
                  [](Command& c, Args) -> Variant { return c.GetSelectedAction(); }),
        Run("Clear", 0x6003000a, &Command::Clear),
        B::Method("SetCaption", 0x60030013, V::Empty, {ByVal("strNewValue", V::String)},
                  [](Command& c, Args a) -> Variant {
                      c.SetCaption(a[0].StringRef());
                      return {};
                  }),
        Run("SetClicked", 0x6003000b, &Command::SetClicked),
        WithString("AddOption", 0x6003000c, "vData", &Command::AddOption),
        WithString("AddCaption", 0x6003000d, "CaptionString", &Command::AddCaption),
        WithString("AddHelp", 0x6003000e, "HelpString", &Command::AddHelp),
        WithString("AddAction", 0x6003000f, "vData", &Command::AddAction),
        Run("Paint", 0x60030011, &Command::Paint),
        Run("UserControl_Resize", 0x60030012, &Command::UserControl_Resize),
    };
}

std::vector<EventDef> CommandEvents() {
    return {{"ButtonPushed", 1, {ByRef("strAction", V::String)}}};
}

}  // namespace

const InterfaceTable& Command::ClassInterface() {
    static const InterfaceTable table("PanelKit2.Command", CommandMembers(), CommandEvents());
    return table;
}

const InterfaceTable& Command::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
