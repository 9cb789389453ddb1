// Events between the container, its children and the host; help popups and the message
// hook that keeps them out of the way.

#include <gtest/gtest.h>

#include "panelkit2/choice/command.hpp"
#include "panelkit2/toolkit/form.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "tests/container/port_test_support.hpp"

namespace panelkit2::container_test {
namespace {

using K = ControlID;

class container_Events : public ::testing::Test {
  protected:
    container_Events() : window("Assistant") {
        host::Host::Current().ResetServices();
        window.Move(1500, 3000, 9000, 6000);  // 100, 200 pixels from the screen's corner
        port.Surface().SetParent(&window);
        port.Advise(log);
        port.UseCreator(K::Slide, [] { return Fake(K::Slide); });
    }
    std::shared_ptr<FakeControl> NewSlider() {
        return std::dynamic_pointer_cast<FakeControl>(port.GetNewControl(9));
    }
    float PopupCentre() {
        const host::Form& popup = port.HelpPopup().PopupForm();
        return popup.Left() + popup.Width() / 2;
    }

    host::Form window;
    ControlPort port;
    std::shared_ptr<EventLog> log = std::make_shared<EventLog>();
};

TEST_F(container_Events, APushedCommandReachesTheHostWithItsAction) {
    auto command = std::dynamic_pointer_cast<Command>(port.GetNewControl(2));
    ASSERT_TRUE(command);
    command->AddOption("TRUE");
    command->AddAction("NEXT");
    port.AddControl(ObjectRef(command));
    port.Position();
    port.ShowControls();
    window.Show();
    command->Button().UserClick();
    EXPECT_EQ(log->events, (std::vector<std::string>{"CommandButtonPushed(NEXT)"}));
}

TEST_F(container_Events, MouseOnTheContainerItselfIsReportedUnchanged) {
    window.Show();
    port.UserMouseMove(0, 0, 130, 350.5f);
    port.UserMouseDown(2, 1, 130, 350);
    port.UserMouseUp(2, 1, 130, 350);  // not the left button: no click
    port.UserClick(10, 20);
    port.UserMouseDown(1, 0, 10, 20);
    port.UserMouseUp(1, 0, -10, 20);  // released outside: no click
    EXPECT_EQ(log->events,
              (std::vector<std::string>{"MouseMove(0, 0, 130, 350.5)", "MouseDown(2, 1, 130, 350)",
                                        "MouseUp(2, 1, 130, 350)", "MouseDown(1, 0, 10, 20)",
                                        "MouseUp(1, 0, 10, 20)", "Click()",
                                        "MouseDown(1, 0, 10, 20)", "MouseUp(1, 0, -10, 20)"}));
    log->events.clear();
    window.Hide();
    port.UserClick();
    EXPECT_TRUE(log->events.empty());
}

TEST_F(container_Events, HelpPopsUpUnderTheSliderPointInScreenTwips) {
    auto slider = NewSlider();
    slider->Surface().Move(200, 400);
    slider->Raise(kHelpPop, {"Drag to choose", int32_t{100}, int32_t{50}});
    ASSERT_TRUE(port.HelpPopup().Visible());
    EXPECT_EQ(port.HelpPopup().Caption(), "Drag to choose");
    // 200 + 100 + 1500 across, 400 + 50 + 3000 down: the popup hangs centred below it.
    EXPECT_EQ(port.HelpPopup().PopupForm().Top(), 3450);
    EXPECT_EQ(PopupCentre(), 1800);

    // The same text while it is shown moves nothing; another text moves the popup.
    slider->Surface().Move(900, 400);
    slider->Raise(kHelpPop, {"Drag to choose", int32_t{100}, int32_t{50}});
    EXPECT_EQ(PopupCentre(), 1800);
    slider->Raise(kHelpPop, {"Further", int32_t{100}, int32_t{50}});
    EXPECT_EQ(PopupCentre(), 2500);

    slider->Raise(kHidepop, {});
    EXPECT_FALSE(port.HelpPopup().Visible());
    slider->Raise(kHelpPop, {"Further", int32_t{100}, int32_t{50}});
    EXPECT_TRUE(port.HelpPopup().Visible());
    ExpectError(450, "", [&] { slider->Raise(kHelpPop, {"Short"}); });
}

TEST_F(container_Events, MovingTheWindowOrLeavingTheApplicationHidesThePopup) {
    auto slider = NewSlider();
    const auto pop = [&] { slider->Raise(kHelpPop, {"Help", int32_t{0}, int32_t{0}}); };
    host::Host& host = host::Host::Current();
    auto check = Added(port, K::Check, 300, 1000);
    check->Surface().Visible(false);
    // The host shows the container: the page is laid out and shown, the hook starts.
    port.Surface().Show.Emit();
    EXPECT_TRUE(check->Surface().Visible());
    EXPECT_EQ(check->Left(), 1000);
    pop();
    host.MoveWindow(window, 3000, 3000);
    EXPECT_FALSE(port.HelpPopup().Visible());
    pop();
    host.ActivateApplication();
    EXPECT_TRUE(port.HelpPopup().Visible());
    host.DeactivateApplication();
    EXPECT_FALSE(port.HelpPopup().Visible());
    pop();
    port.VerticalScrollBar().Value(1);  // scrolling hides it as well
    EXPECT_FALSE(port.HelpPopup().Visible());

    // Hidden, the container stops listening; shown again, it listens again.
    pop();
    port.Surface().Hide.Emit();
    host.MoveWindow(window, 0, 0);
    EXPECT_TRUE(port.HelpPopup().Visible());
    port.Surface().Show.Emit();
    host.MoveWindow(window, 10, 0);
    EXPECT_FALSE(port.HelpPopup().Visible());
}

TEST_F(container_Events, ChildrenOutliveTheirContainerSafely) {
    std::shared_ptr<FakeControl> slider;
    {
        ControlPort shortLived;
        shortLived.UseCreator(K::Slide, [] { return Fake(K::Slide); });
        slider = std::dynamic_pointer_cast<FakeControl>(shortLived.GetNewControl(9));
    }
    EXPECT_EQ(slider->Surface().Parent(), nullptr);
    slider->Raise(kHelpPop, {"Nobody listens", int32_t{0}, int32_t{0}});
    EXPECT_EQ(slider->clears, 2);  // emptied once more as the container ended
}

}  // namespace
}  // namespace panelkit2::container_test
