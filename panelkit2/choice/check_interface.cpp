// The automation interface of Check, in published member order.

#include "panelkit2/choice/check.hpp"

namespace panelkit2 {

namespace {

using B = Bind<Check>;
using V = VarType;

std::vector<MemberDef> CheckMembers() {
    return {
        B::Get("CtlID", 0x68030009, V::Integer,
               [](Check& c, Args) -> Variant { return c.CtlID(); }),
        B::Get("ForeColor", 0x68030008, V::Long,
               [](Check& c, Args) -> Variant { return static_cast<int32_t>(c.ForeColor()); }),
        B::Let("ForeColor", 0x68030008, {ByRef("Value", V::Long)},
               [](Check& c, Args a) -> Variant {
                   c.ForeColor(static_cast<host::OleColor>(a[0].LongRef()));
                   return {};
               }),
        B::Get("BackColor", 0x68030007, V::Long,
               [](Check& c, Args) -> Variant { return static_cast<int32_t>(c.BackColor()); }),
        B::Let("BackColor", 0x68030007, {ByRef("Value", V::Long)},
               [](Check& c, Args a) -> Variant {
                   c.BackColor(static_cast<host::OleColor>(a[0].LongRef()));
                   return {};
               }),
        B::Get("Caption", 0x68030006, V::String,
               [](Check& c, Args) -> Variant { return c.Caption(); }),
        B::Let("Caption", 0x68030006, {ByVal("Value", V::String)},
               [](Check& c, Args a) -> Variant {
                   c.Caption(a[0].StringRef());
                   return {};
               }),
        B::Get("DesiredWidth", 0x68030005, V::Long,
               [](Check& c, Args) -> Variant { return c.DesiredWidth(); }),
        B::Get("Bottom", 0x68030004, V::Long, [](Check& c, Args) -> Variant { return c.Bottom(); }),
        B::Get("Right", 0x68030003, V::Long, [](Check& c, Args) -> Variant { return c.Right(); }),
        B::Get("Value", 0x68030002, V::Boolean,
               [](Check& c, Args) -> Variant { return c.Value(); }),
        B::Let("Value", 0x68030002, {ByVal("Value", V::Boolean)},
               [](Check& c, Args a) -> Variant {
                   c.Value(a[0].AsBoolean());
                   return {};
               }),
        B::Get("Action", 0x68030001, V::String,
               [](Check& c, Args) -> Variant { return c.Action(); }),
        B::Let("Action", 0x68030001, {ByRef("Value", V::String)},
               [](Check& c, Args a) -> Variant {
                   c.Action(a[0].StringRef());
                   return {};
               }),
        B::Get("Show", 0x68030000, V::Boolean, [](Check& c, Args) -> Variant { return c.Show(); }),
        B::Method("Clear", 0x6003000a, V::Empty, {},
                  [](Check& c, Args) -> Variant {
                      c.Clear();
                      return {};
                  }),
        B::Method("SetCaption", 0x60030012, V::Empty, {ByVal("strNewValue", V::String)},
                  [](Check& c, Args a) -> Variant {
                      c.SetCaption(a[0].StringRef());
                      return {};
                  }),
        B::Method("AddHelp", 0x6003000b, V::Empty, {ByRef("HelpString", V::String)},
                  [](Check& c, Args a) -> Variant {
                      c.AddHelp(a[0].StringRef());
                      return {};
                  }),
        B::Method("AddCaption", 0x6003000c, V::Empty, {ByRef("CaptionString", V::String)},
                  [](Check& c, Args a) -> Variant {
                      c.AddCaption(a[0].StringRef());
                      return {};
                  }),
        B::Method("AddOption", 0x6003000d, V::Empty, {ByRef("vData", V::String)},
                  [](Check& c, Args a) -> Variant {
                      c.AddOption(a[0].StringRef());
                      return {};
                  }),
        B::Method("AddAction", 0x6003000e, V::Empty, {ByRef("vData", V::String)},
                  [](Check& c, Args a) -> Variant {
                      c.AddAction(a[0].StringRef());
                      return {};
                  }),
        B::Method("SetSelectedOption", 0x6003000f, V::Empty, {ByRef("vData", V::Boolean)},
                  [](Check& c, Args a) -> Variant {
                      bool value = a[0].AsBoolean();
                      c.SetSelectedOption(value);
                      a[0].SetBoolean(value);
                      return {};
                  }),
        B::Method("GetSelectedOption", 0x60030010, V::Boolean, {},
                  [](Check& c, Args) -> Variant { return c.GetSelectedOption(); }),
        B::Method("GetSelectedAction", 0x60030011, V::String, {},
                  [](Check& c, Args) -> Variant { return c.GetSelectedAction(); }),
    };
}

}  // namespace

const InterfaceTable& Check::ClassInterface() {
    static const InterfaceTable table("PanelKit2.Check", CheckMembers());
    return table;
}

const InterfaceTable& Check::Interface() const {
    return ClassInterface();
}

}  // namespace panelkit2
