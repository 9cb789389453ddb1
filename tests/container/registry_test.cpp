// Handing out controls from the control arrays, registering them for layout, forgetting a
// page.

#include <gtest/gtest.h>

#include "panelkit2/container/library_classes.hpp"
#include "tests/container/port_test_support.hpp"

namespace panelkit2::container_test {
namespace {

using K = ControlID;

TEST(container_Registry, ControlsAreArrayElementsReusedPageAfterPage) {
    ControlPort port;
    const ObjectRef first = port.GetNewControl(0);
    const ObjectRef second = port.GetNewControl(0);
    EXPECT_EQ(Get(*first, "Index").AsInteger(), 1);
    EXPECT_EQ(Get(*second, "Index").AsInteger(), 2);
    EXPECT_EQ(dynamic_cast<ControlBase&>(*first).Surface().Parent(), &port.ScrollAreaFrame());
    EXPECT_FALSE(Get(*first, "Visible").AsBoolean());

    Call(*first, "SetCaption", {"Enable logging"});
    Let(*first, "Value", true);
    port.NewCanvas();
    EXPECT_EQ(port.mcolCtl()->Count(), 0);
    const ObjectRef again = port.GetNewControl(0);
    EXPECT_EQ(again, first);
    EXPECT_EQ(Get(*again, "Caption").AsString(), "");
    EXPECT_FALSE(Get(*again, "Value").AsBoolean());
    EXPECT_EQ(port.Templates(K::Check).Count(), 3);  // the template and two elements
    EXPECT_EQ(port.GetControl(1), first);
}

TEST(container_Registry, NewElementsStartFromTheirTemplate) {
    ControlPort port;
    std::shared_ptr<FakeControl> made;
    port.UseCreator(K::Slide, [&] { return made = Fake(K::Slide); });
    ASSERT_EQ(port.GetNewControl(9), made);
    EXPECT_EQ(made->Width(), 3570);
    EXPECT_EQ(made->Height(), 1020);
    EXPECT_EQ(static_cast<uint32_t>(made->readValues.ReadProperty("ForeColor").AsLong()),
              host::colors::ButtonText);
    EXPECT_EQ(made->clears, 1);
}

TEST(container_Registry, KindsThatCannotBeMadeFailUnderTheNewControlSource) {
    ControlPort port;
    ExpectError(9, "PanelKit::ControlPort.NewControl", [&] { port.GetNewControl(12); });
    ExpectError(9, "PanelKit::ControlPort.NewControl", [&] { port.GetNewControl(-1); });
    ExpectError(6, "", [&] { Call(port, "GetNewControl", {40000}); });
    port.UseCreator(K::Radio, [] { return std::make_shared<Mute>(); });
    ExpectError(429, "PanelKit::ControlPort.NewControl", [&] { port.GetNewControl(7); });
    EXPECT_EQ(port.mcolCtl()->Count(), 0);
    // A kind whose class is not in the library yet, if there still is one.
    for (int16_t kind = 0; kind < kControlIDCount; ++kind) {
        if (LibraryClasses().IsRegistered(TemplateOf(kind).progId)) continue;
        try {
            port.GetNewControl(kind);
            ADD_FAILURE() << "made " << TemplateOf(kind).progId;
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.Number(), 429);
            EXPECT_NE(error.Description().find("not available yet"), std::string::npos);
        }
        break;
    }
}

TEST(container_Registry, OnlyControlsToBeShownAreAddedEachTimeTheyAreAdded) {
    ControlPort port;
    auto empty = Fake(K::Check);
    empty->show = false;
    port.AddControl(ObjectRef(empty));
    port.AddControl(ObjectRef(Fake(K::Check)), false);
    EXPECT_FALSE(port.Position());  // nothing was added

    auto check = Added(port, K::Check);
    port.AddControl(ObjectRef(check));
    Added(port, K::CommandButton, 375);
    EXPECT_EQ(port.mcolCtlVisible()->Count(), 2);
    EXPECT_EQ(Get(*Get(port, "CommandControls").AsObject(), "Count").AsLong(), 1);
    ExpectError(13, "", [&] { Let(port, "mcolCtl", ObjectRef(check)); });  // not a collection
    // The container's enumerator visits the controls added for layout, commands excepted.
    EXPECT_EQ(Get(port, "NewEnum").AsObject(), port.mcolCtlVisible());

    // By position, even an empty control is added.
    port.UseCreator(K::TextArea, [&] { return empty; });
    port.GetNewControl(11);
    port.AddControlIdx(1);
    EXPECT_EQ(port.mcolCtlVisible()->Item(3).AsObject(), empty);
    ExpectError(9, "PanelKit::ControlPort.AddControlIdx", [&] { port.AddControlIdx(2); });
    ExpectError(9, "PanelKit::ControlPort.GetControl", [&] { port.GetControl(0); });
}

TEST(container_Registry, WhatCannotBeAControlFailsUnderAddControl) {
    ControlPort port;
    const std::string source = "PanelKit::ControlPort.AddControl";
    ExpectError(438, source, [&] { port.AddControl(ObjectRef(std::make_shared<Mute>())); });
    ExpectError(13, source, [&] { port.AddControl(Variant(5)); });
    ExpectError(91, source, [&] { port.AddControl(Variant()); });
    // A kind outside the table is appended, then fails to be counted.
    auto stranger = Fake(K::Check);
    stranger->ctlId = 40;
    ExpectError(9, source, [&] { port.AddControl(ObjectRef(stranger)); });
    EXPECT_EQ(port.mcolCtlVisible()->Count(), 1);
}

TEST(container_Registry, NewCanvasStopsAtAFailingControlAndKeepsTheRest) {
    ControlPort port;
    auto element = Fake(K::Check);
    port.UseCreator(K::Check, [&] { return element; });
    port.GetNewControl(0);
    port.mcolCtl()->Add(ObjectRef(std::make_shared<Mute>()));
    port.mcolCtl()->Add(ObjectRef(Fake(K::Check)));
    ExpectError(438, "PanelKit::ControlPort.NewCanvas", [&] { port.NewCanvas(); });
    EXPECT_EQ(element->clears, 2);
    EXPECT_EQ(port.mcolCtl()->Count(), 2);
}

}  // namespace
}  // namespace panelkit2::container_test
