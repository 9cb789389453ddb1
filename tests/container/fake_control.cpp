#include "tests/container/fake_control.hpp"

#include <vector>

namespace panelkit2::container_test {

namespace {

using B = Bind<FakeControl>;
using V = VarType;

std::vector<MemberDef> Members() {
    return {
        B::Get("CtlID", 1, V::Integer, [](FakeControl& c, Args) -> Variant { return c.ctlId; }),
        B::Get("Show", 2, V::Boolean, [](FakeControl& c, Args) -> Variant { return c.show; }),
        B::Get("DesiredWidth", 3, V::Long,
               [](FakeControl& c, Args) -> Variant { return c.desiredWidth; }),
        B::Method("GetSelectedAction", 4, V::String, {},
                  [](FakeControl& c, Args) -> Variant { return c.action; }),
        B::Method("Clear", 5, V::Empty, {},
                  [](FakeControl& c, Args) -> Variant {
                      ++c.clears;
                      return {};
                  }),
        B::Get("CaptionWidth", 6, V::Integer,
               [](FakeControl& c, Args) -> Variant { return c.captionWidth; }),
        B::Let("CaptionWidth", 6, {ByVal("Value", V::Integer)},
               [](FakeControl& c, Args a) -> Variant {
                   c.captionWidth = a[0].AsInteger();
                   return {};
               }),
        B::Get("FieldWidth", 7, V::Long,
               [](FakeControl& c, Args) -> Variant { return c.fieldWidth; }),
        B::Let("FieldWidth", 7, {ByVal("Value", V::Long)}, [](FakeControl& c, Args a) -> Variant {
            c.fieldWidth = a[0].AsLong();
            return {};
        })};
}

}  // namespace

FakeControl::FakeControl(ControlID kind, float height, int32_t desiredWidth)
    : ControlBase("FakeControl"), ctlId(static_cast<int16_t>(kind)), desiredWidth(desiredWidth) {
    UserControl.Height(height);
}

const InterfaceTable& FakeControl::Interface() const {
    static const InterfaceTable table(
        "Test.FakeControl", Members(),
        {{"ButtonPushed", kButtonPushed, {ByRef("strAction", V::String)}},
         {"HelpPop",
          kHelpPop,
          {ByRef("strHelp", V::String), ByRef("X", V::Long), ByRef("Y", V::Long)}},
         {"Hidepop", kHidepop, {}}});
    return table;
}

const InterfaceTable& Mute::Interface() const {
    static const InterfaceTable table("Test.Mute", {});
    return table;
}

}  // namespace panelkit2::container_test
