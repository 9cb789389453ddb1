// The vertical layout: the stack, its centring, list sharing, the scroll bar, resizing.

#include <gtest/gtest.h>

#include <cmath>

#include "support/assertions.hpp"
#include "tests/container/port_test_support.hpp"

namespace panelkit2::container_test {
namespace {

using K = ControlID;

class container_Layout : public ::testing::Test {
  protected:
    void Size(float width, float height) {
        port.Surface().Width(width);
        port.Surface().Height(height);
    }
    ControlPort port;
};

TEST_F(container_Layout, StackRunsDownFromTheTopAndIsCentredWhenItFits) {
    Size(3000, 1500);
    auto a = Added(port, K::Check, 300);
    auto b = Added(port, K::Radio, 500);
    auto c = Added(port, K::Check, 400);
    port.PositionStack();
    EXPECT_EQ(a->Top(), 100);
    EXPECT_EQ(b->Top(), 500);
    EXPECT_EQ(c->Top(), 1100);
    EXPECT_EQ(Get(*c, "TabIndex").AsInteger(), 2);
    EXPECT_EQ(port.ScrollAreaFrame().Height(), 1600);

    // 3900 > 1600: centred, y = round(2000 - 1600 / 2) = 1200.
    Size(3000, 4000);
    port.PositionStack();
    EXPECT_EQ(a->Top(), 1300);
    EXPECT_EQ(b->Top(), 1700);
    EXPECT_EQ(c->Top(), 2300);

    // Position centres once more when the scroll bar proves unneeded, from the bottom the
    // first centring left (2600): y = round(2000 - 1300) = 700.
    EXPECT_TRUE(port.Position());
    EXPECT_EQ(a->Top(), 800);
    EXPECT_EQ(c->Top(), 1800);
}

TEST_F(container_Layout, LoneTextAreaTakesTheHeightLessItsReserve) {
    auto text = Added(port, K::TextArea, 1215);
    port.PositionStack();
    EXPECT_EQ(text->Height(), 3700);
}

TEST_F(container_Layout, ListsShareTheFreeOrMissingHeight) {
    auto first = Added(port, K::List, 1000);
    auto second = Added(port, K::MultiList, 1000);
    ASSERT_TRUE(port.Position());
    // Stack 2300 in 4000: each list grows by round(1700 / 2) = 850.
    EXPECT_EQ(first->Height(), 1850);
    EXPECT_EQ(second->Height(), 1850);
    EXPECT_EQ(second->Top(), 2050);

    // Stack 3600 in 2000: each list gives up 800, unless it is not even that high.
    ControlPort small;
    small.Surface().Height(2000);
    auto shortList = Added(small, K::List, 300);
    auto longList = Added(small, K::List, 3000);
    small.Position();
    EXPECT_EQ(shortList->Height(), 300);
    EXPECT_EQ(longList->Height(), 2200);
}

TEST_F(container_Layout, ScrollBarShowsExactlyWhileTheContentIsTaller) {
    // A column narrower than the scroll room would be given a negative width (error 380).
    auto tall = Added(port, K::Check, 4800, 400);  // bottom 100 + 100 + 4800 = 5000
    ASSERT_TRUE(port.Position());
    host::VScrollBar& bar = port.VerticalScrollBar();
    EXPECT_TRUE(bar.Visible());
    EXPECT_EQ(bar.Max(), 1100);
    EXPECT_EQ(bar.LargeChange(), 4000);
    EXPECT_EQ(bar.SmallChange(), 305);
    EXPECT_TRUE(port.Border());
    bar.UserScrollTo(500);
    EXPECT_EQ(port.ScrollAreaFrame().Top(), -500);

    tall->Surface().Height(1000);
    ASSERT_TRUE(port.Position());
    EXPECT_FALSE(bar.Visible());
    EXPECT_FALSE(port.Border());
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(port.ScrollAreaFrame().Top(), 0);
}

// A container narrower than the scroll room cannot size its scrolling area: the resize ends
// quietly with the children still hidden, and the next sensible size lays them out again.
TEST_F(container_Layout, ATooNarrowContainerEndsItsResizeQuietly) {
    auto tall = Added(port, K::Check, 4800, 400);
    port.mcolCtl()->Add(ObjectRef(tall));
    ASSERT_TRUE(port.Position());
    port.ShowControls();
    EXPECT_EQ(test::ErrorNumber([&] { port.Surface().Width(200); }), 0);
    EXPECT_FALSE(tall->Surface().Visible());
    port.Surface().Width(3000);
    EXPECT_TRUE(tall->Surface().Visible());
    EXPECT_EQ(port.ScrollAreaFrame().Width(), 3000 - 305);
}

TEST_F(container_Layout, ScrollingWhileTheLayoutIsBusyDoesNotMoveThePage) {
    auto check = Added(port, K::Check);
    port.mcolCtl()->Add(ObjectRef(check));
    // Input that arrives while a resize hides the controls.
    float topSeen = 1;
    host::Signal<host::Widget&, host::WidgetProperty>& changed = check->Surface().Changed;
    const auto connection =
        changed.Connect([&](host::Widget& widget, host::WidgetProperty property) {
            if (property != host::WidgetProperty::Visible || widget.Visible()) return;
            port.VerticalScrollBar().Value(300);
            topSeen = port.ScrollAreaFrame().Top();
        });
    port.Surface().Width(5000);
    EXPECT_EQ(topSeen, 0);
    EXPECT_TRUE(check->Surface().Visible());  // the resize shows the page again
    changed.Disconnect(connection);
}

TEST_F(container_Layout, ResizingRelaysOutAndSurvivesAnImpossibleSize) {
    auto check = Added(port, K::Check, 4800, 2000);
    port.Position();
    EXPECT_EQ(check->Left(), 1500 - (2000 - 305) / 2.0f);  // less the scroll room
    port.Surface().Width(8000);
    EXPECT_EQ(check->Left(), 4000 - (2000 - 305) / 2.0f);
    EXPECT_EQ(port.VerticalScrollBar().Left(), 8000 - 255 - 50);
    // A zero height makes the scroll bar's large change invalid (380): the resize ends
    // quietly and the next one works.
    port.Surface().Height(0);
    port.Surface().Height(6000);
    EXPECT_FALSE(port.VerticalScrollBar().Visible());
    EXPECT_EQ(port.VerticalScrollBar().Height(), 6000 - 50);
    EXPECT_EQ(port.Bottom(), 6000);
}

TEST_F(container_Layout, ChildrenThatCannotBePlacedFailUnderThePositionTrail) {
    auto check = Added(port, K::Check, 3e38f);
    const std::string trail = "PanelKit::ControlPort.PositionStack|PanelKit2.ControlPort::Position";
    ExpectError(6, trail, [&] { port.Position(); });
    ExpectError(380, "", [&] { check->Surface().Height(std::nanf("")); });
    ExpectError(380, "", [&] { check->Surface().Height(-1); });
    check->Surface().Height(300);
    EXPECT_TRUE(port.Position());
    port.mcolCtlVisible()->Add(ObjectRef(std::make_shared<Mute>()));
    ExpectError(438, trail, [&] { port.Position(); });
}

TEST_F(container_Layout, PositionLastAppendsTheNewestControlUnderTheContent) {
    EXPECT_EQ(port.PositionLast(), 0);
    auto element = Fake(K::Check);
    port.UseCreator(K::Check, [&] { return element; });
    port.NewCanvas();  // content bottom 0
    port.GetNewControl(0);
    EXPECT_EQ(port.PositionLast(), 50 + 375);
    EXPECT_EQ(element->Top(), 50);
    EXPECT_EQ(element->Width(), 3000 - 100);
    EXPECT_TRUE(element->Surface().Visible());
}

}  // namespace
}  // namespace panelkit2::container_test
