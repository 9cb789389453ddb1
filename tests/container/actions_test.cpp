// Collecting the actions of a page, showing and hiding it, and persisting the container.

#include <gtest/gtest.h>

#include <vector>

#include "panelkit2/choice/check.hpp"
#include "panelkit2/container/library_classes.hpp"
#include "tests/container/port_test_support.hpp"

namespace panelkit2::container_test {
namespace {

using K = ControlID;

// A new page of controls answering the given actions, none of them added for layout.
std::string ActionsOfPage(ControlPort& port, const std::vector<std::string>& answers) {
    port.NewCanvas();
    port.UseCreator(K::Radio, [] { return Fake(K::Radio); });
    for (const auto& answer : answers)
        std::dynamic_pointer_cast<FakeControl>(port.GetNewControl(7))->action = answer;
    return port.GetSelectedActions();
}

TEST(container_Actions, AnswersJoinInCreationOrderAfterTheFirstNonEmptyOne) {
    ControlPort port;
    EXPECT_EQ(ActionsOfPage(port, {"", "A", "", "B"}), "A,,B");
    EXPECT_EQ(ActionsOfPage(port, {"A", ""}), "A,");
    EXPECT_EQ(ActionsOfPage(port, {"", "", ""}), "");
    EXPECT_EQ(ActionsOfPage(port, {"A", "", ""}), "A,,");

    // The container's own actions stand only for a page without controls.
    port.NewCanvas();
    port.SetAction("X");
    Call(port, "SetAction", {"Y"});
    EXPECT_EQ(port.GetSelectedActions(), "X,Y");
    EXPECT_EQ(ActionsOfPage(port, {"A"}), "A");

    port.mcolCtl()->Add(ObjectRef(std::make_shared<Mute>()));
    ExpectError(438, "PanelKit::ControlPort.GetSelectedActions",
                [&] { port.GetSelectedActions(); });
}

// A whole page through late binding, as a script host drives it.
TEST(container_Actions, APageOfChecksFromRequestToAnswer) {
    const ObjectRef port = LibraryClasses().Create("PanelKit2.ControlPort");
    const ObjectRef logging = Call(*port, "GetNewControl", {int16_t{0}}).AsObject();
    Call(*logging, "SetCaption", {"Enable logging"});
    for (const char* text : {"TRUE", "log=on", "FALSE", "log=off"})
        Call(*logging, text[0] == 'l' ? "AddAction" : "AddOption", {text});
    Call(*port, "AddControl", {logging});
    const ObjectRef hidden = Call(*port, "GetNewControl", {int16_t{0}}).AsObject();
    Call(*hidden, "AddAction", {"always"});
    EXPECT_TRUE(Call(*port, "Position").AsBoolean());
    Call(*port, "ShowControls");
    EXPECT_TRUE(Get(*logging, "Visible").AsBoolean());
    EXPECT_FALSE(Get(*hidden, "Visible").AsBoolean());
    EXPECT_EQ(Get(*port, "GetSelectedActions").AsString(), "log=off,always");

    dynamic_cast<Check&>(*logging).CaptionLabel().UserClick();  // the user checks the box
    EXPECT_EQ(Get(*port, "GetSelectedActions").AsString(), "log=on,always");
    Call(*port, "HideControls");
    EXPECT_FALSE(Get(*logging, "Visible").AsBoolean());
}

TEST(container_Actions, ShowControlsShowsCommandsToo) {
    ControlPort port;
    auto button = Added(port, K::CommandButton);
    button->Surface().Visible(false);
    port.ShowControls();
    EXPECT_TRUE(button->Surface().Visible());

    port.mcolCtlCommand()->Add(ObjectRef(std::make_shared<Mute>()));
    ExpectError(438, "PanelKit::ControlPort.ShowControls", [&] { port.ShowControls(); });
    port.mcolCtl()->Add(Variant("not a control"));
    ExpectError(13, "PanelKit::ControlPort.HideControls", [&] { port.HideControls(); });
}

TEST(container_Actions, AppearanceIsPersistedAndReadBack) {
    ControlPort port;
    EXPECT_EQ(port.SaveProperties().Keys(), (std::vector<std::string>{"BackColor", "ForeColor"}));
    port.Surface().Width(5000);
    port.Surface().Height(2500);
    Let(port, "Border", true);
    Let(port, "BackColor", int32_t{0x00FF0000});
    Let(port, "ForeColor", int32_t{0x000000FF});
    host::PropertyBag bag = port.SaveProperties();
    ControlPort copy;
    copy.LoadProperties(bag);
    EXPECT_EQ(copy.Surface().Width(), 5000);
    EXPECT_EQ(copy.Surface().Height(), 2500);
    EXPECT_TRUE(copy.Border());
    EXPECT_EQ(copy.ScrollAreaFrame().BackColor(), 0x00FF0000u);
    EXPECT_EQ(copy.ViewportFrame().ForeColor(), 0x000000FFu);
}

}  // namespace
}  // namespace panelkit2::container_test
