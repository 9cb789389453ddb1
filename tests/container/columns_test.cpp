// The horizontal layout: the common column, numeric and caption/field columns, and the
// rows of command buttons.

#include <gtest/gtest.h>

#include <vector>

#include "tests/container/port_test_support.hpp"

namespace panelkit2::container_test {
namespace {

using K = ControlID;
using Controls = std::vector<std::shared_ptr<FakeControl>>;

class container_Columns : public ::testing::Test {
  protected:
    container_Columns() { port.Surface().Width(6000); }
    Controls AddButtons(int count, int32_t desiredWidth) {
        Controls buttons;
        for (int i = 0; i < count; ++i)
            buttons.push_back(Added(port, K::CommandButton, 375, desiredWidth));
        return buttons;
    }
    ControlPort port;
};

TEST_F(container_Columns, WideKindsSetACommonCentredColumnWithAlignedCaptions) {
    auto check = Added(port, K::Check, 300, 2000);
    auto field = Added(port, K::StringBox, 300, 3000);
    auto combo = Added(port, K::Combo, 300, 2500);
    field->captionWidth = 800;
    combo->captionWidth = 1100;
    port.PositionLeft();
    // cap = 6000 - 1800 = 4200, wider than the fields: the column is 4200 wide, at 900.
    for (const auto& control : {check, field, combo}) {
        EXPECT_EQ(control->Left(), 900);
        EXPECT_EQ(control->Width(), 4200);
    }
    EXPECT_EQ(field->captionWidth, 1100);
    EXPECT_EQ(combo->captionWidth, 1100);
    EXPECT_EQ(port.ScrollAreaFrame().Width(), 6000);
}

TEST_F(container_Columns, NumericBoxesGetAColumnAndAFieldWidthOfTheirOwn) {
    auto box = Added(port, K::NumBox, 300, 1200);
    port.PositionLeft();
    EXPECT_EQ(box->Left(), 2400);
    EXPECT_EQ(box->Width(), 1200);

    auto real = Added(port, K::RealNumBox, 300, 900);
    box->fieldWidth = 600;
    real->fieldWidth = 70000;  // a Long: no overflow
    port.PositionLeft();
    EXPECT_EQ(box->fieldWidth, 70000);
    EXPECT_EQ(real->Left(), 2400);
    EXPECT_EQ(real->Width(), 1200);
}

TEST_F(container_Columns, TheColumnNeverNarrowsUntilTheNextPage) {
    auto check = Added(port, K::Check, 300, 3000);
    port.PositionLeft();
    check->desiredWidth = 1000;
    check->Surface().Width(1000);
    port.PositionLeft();
    EXPECT_EQ(check->Width(), 3000);
    EXPECT_EQ(check->Left(), 1500);

    port.NewCanvas();
    auto wide = Added(port, K::Check, 300, 7000);
    port.PositionLeft();
    EXPECT_EQ(wide->Left(), 50);  // wider than the container: its width less the margins
    EXPECT_EQ(wide->Width(), 5900);
}

TEST_F(container_Columns, CommandButtonsStandInCentredRows) {
    const Controls buttons = AddButtons(5, 1500);
    ASSERT_TRUE(port.Position());
    // Rows of three (4650 <= 5850) from 700 and two from 1475.
    const std::vector<float> lefts{700, 2250, 3800, 1475, 3025};
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->Left(), lefts[i]);
        EXPECT_EQ(buttons[i]->Width(), 1500);
        EXPECT_EQ(Get(*buttons[i], "TabIndex").AsInteger(), static_cast<int16_t>(i));
    }
    // Alone, the block (375 + 50) * 2 + 50 = 900 high is centred: round(2000 - 450 - 50).
    EXPECT_EQ(buttons[0]->Top(), 1500);
    EXPECT_EQ(buttons[3]->Top(), 1925);
    EXPECT_EQ(port.ScrollAreaFrame().Height(), 4000);
}

TEST_F(container_Columns, ButtonsStandAtTheBottomOrFollowATallStack) {
    Added(port, K::Check, 300, 2000);
    const Controls buttons = AddButtons(2, 1000);
    ASSERT_TRUE(port.Position());
    // One row, 475 high, at the bottom: round(4000 - 475 - 100), after the check in tab order.
    EXPECT_EQ(buttons[1]->Top(), 3425);
    EXPECT_EQ(buttons[0]->Left(), 3000 - (2100 - 50) / 2);
    EXPECT_EQ(Get(*buttons[1], "TabIndex").AsInteger(), 2);

    ControlPort tallPage;
    auto tall = Added(tallPage, K::Check, 4000, 2000);
    auto button = Added(tallPage, K::CommandButton, 375, 1000);
    ASSERT_TRUE(tallPage.Position());
    // 100 below the stack's end (4100); the scroll range reaches the block's end 4675.
    EXPECT_EQ(button->Top(), 4200);
    EXPECT_EQ(tallPage.VerticalScrollBar().Max(), 4675 - 4000 + 100);
    EXPECT_EQ(tall->Top(), 100);
}

TEST_F(container_Columns, AButtonWiderThanARowGetsARowOfItsOwn) {
    port.Surface().Width(3000);
    const Controls buttons = AddButtons(3, 4000);
    ASSERT_TRUE(port.Position());
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->Left(), 1500 - 2000);
        EXPECT_EQ(buttons[i]->Top(), buttons[0]->Top() + 425.0f * static_cast<float>(i));
    }
}

TEST_F(container_Columns, ChildrenThatCannotBeMeasuredFailUnderPositionLeft) {
    auto combo = Added(port, K::Combo, 300, 2000);
    combo->fieldWidth = 40000;  // a combo's field width is an Integer
    ExpectError(6, "PanelKit::ControlPort.PositionLeft", [&] { port.PositionLeft(); });
    combo->fieldWidth = 0;
    port.mcolCtlVisible()->Add(ObjectRef(std::make_shared<Mute>()));
    ExpectError(438, "PanelKit::ControlPort.PositionLeft", [&] { port.PositionLeft(); });
}

}  // namespace
}  // namespace panelkit2::container_test
