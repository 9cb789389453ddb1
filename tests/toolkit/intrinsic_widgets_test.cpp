#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/check_box.hpp"
#include "panelkit2/toolkit/command_button.hpp"
#include "panelkit2/toolkit/frame.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "panelkit2/toolkit/key_codes.hpp"
#include "panelkit2/toolkit/label.hpp"
#include "panelkit2/toolkit/option_button.hpp"
#include "panelkit2/toolkit/text_box.hpp"
#include "panelkit2/toolkit/user_control.hpp"
#include "panelkit2/toolkit/vscroll_bar.hpp"
#include "support/assertions.hpp"

namespace panelkit2::host {
namespace {

struct TextBoxTest : ::testing::Test {
    UserControl surface{"surface"};
    TextBox box{&surface, "txt"};
    std::vector<std::string> log;

    void SetUp() override {
        Host::Current().ResetServices();
        box.KeyPress.Connect(
            [this](int16_t& k) { log.push_back("KeyPress " + std::to_string(k)); });
        box.Change.Connect([this] { log.push_back("Change " + box.Text()); });
    }
};

TEST_F(TextBoxTest, TypingRaisesKeyPressThenChangeForEachCharacter) {
    box.UserType("ab");
    EXPECT_EQ(log,
              (std::vector<std::string>{"KeyPress 97", "Change a", "KeyPress 98", "Change ab"}));
    EXPECT_EQ(box.SelStart(), 2);
}

TEST_F(TextBoxTest, KeyPressHandlerCancelsOrReplacesTheCharacter) {
    box.KeyPress.Connect([](int16_t& k) {
        if (k == 'x')
            k = 'X';
        else if (k < '0' || k > '9')
            k = 0;
    });
    box.UserType("1a2x");
    EXPECT_EQ(box.Text(), "12X");
    EXPECT_EQ(log.back(), "Change 12X");
}

TEST_F(TextBoxTest, PositionsCountCharactersAndClamp) {
    box.Text("h\xC3\xA9llo");  // "héllo"
    box.SelStart(1);
    box.SelLength(3);
    EXPECT_EQ(box.SelText(), "\xC3\xA9ll");
    box.UserType("\xC3\xBC");  // "ü" replaces the selection
    EXPECT_EQ(box.Text(), "h\xC3\xBCo");
    EXPECT_EQ(box.SelStart(), 2);
    box.SelStart(99);
    EXPECT_EQ(box.SelStart(), 3);
    box.SelStart(1);
    box.SelLength(99);
    EXPECT_EQ(box.SelLength(), 2);
    EXPECT_EQ(test::ErrorNumber([&] { box.SelStart(-1); }), err::InvalidPropertyValue);
    EXPECT_EQ(test::ErrorNumber([&] { box.SelLength(-1); }), err::InvalidPropertyValue);
    EXPECT_EQ(box.SelLength(), 2);
}

TEST_F(TextBoxTest, CodeAssignmentRaisesChangeOnlyForNewTextAndResetsCaretAndUndo) {
    box.UserType("ab");
    ASSERT_TRUE(box.CanUndo());
    log.clear();
    box.Text("ab");
    EXPECT_TRUE(log.empty());
    box.Text("xyz");
    EXPECT_EQ(log, std::vector<std::string>{"Change xyz"});
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_FALSE(box.CanUndo());
}

TEST_F(TextBoxTest, BackspaceAndDeleteEditAroundTheCaret) {
    box.Text("abcd");
    box.SelStart(2);
    box.UserType("\b");
    EXPECT_EQ(box.Text(), "acd");
    box.UserKeyDown(key::Delete);
    EXPECT_EQ(box.Text(), "ad");
    box.UserKeyDown(key::Home);
    box.UserType("\b");  // nothing before the caret
    EXPECT_EQ(box.Text(), "ad");
    box.KeyDown.Connect([](int16_t& code, int16_t) { code = 0; });
    box.UserKeyDown(key::Delete);
    EXPECT_EQ(box.Text(), "ad");
}

TEST_F(TextBoxTest, UndoRestoresTextAndSelectionBeforeTheLastEditAndRedoes) {
    box.Text("12");
    box.SelStart(2);
    box.UserType("5");
    log.clear();
    EXPECT_TRUE(box.Undo());
    EXPECT_EQ(box.Text(), "12");
    EXPECT_EQ(box.SelStart(), 2);
    EXPECT_EQ(log, std::vector<std::string>{"Change 12"});
    EXPECT_TRUE(box.Undo());
    EXPECT_EQ(box.Text(), "125");
    box.EmptyUndoBuffer();
    EXPECT_FALSE(box.Undo());
    EXPECT_EQ(box.Text(), "125");
}

// A field that takes back a rejected keystroke from its own Change handler.
TEST_F(TextBoxTest, ChangeHandlerCanUndoTheKeystroke) {
    bool editing = false;
    box.Change.Connect([&] {
        if (editing || box.Text().find_first_not_of("0123456789") == std::string::npos) return;
        editing = true;
        const int32_t caret = box.SelStart();
        box.Undo();
        box.EmptyUndoBuffer();
        box.SelStart(caret > 0 ? caret - 1 : 0);
        editing = false;
    });
    box.UserType("12a3");
    EXPECT_EQ(box.Text(), "123");
    EXPECT_EQ(box.SelStart(), 3);
}

TEST_F(TextBoxTest, LockedLimitedAndSingleLineFieldsRefuseInput) {
    box.MaxLength(3);
    box.UserType("abcd");
    EXPECT_EQ(box.Text(), "abc");
    box.UserSetText("wxyz");
    EXPECT_EQ(box.Text(), "wxy");
    box.UserType("\r");
    EXPECT_EQ(box.Text(), "wxy");
    box.MaxLength(0);
    box.MultiLine(true);
    box.UserType("\r\n");
    EXPECT_EQ(box.Text(), "wxy\r\n");
    box.Locked(true);
    log.clear();
    box.UserType("q");
    EXPECT_EQ(log, std::vector<std::string>{"KeyPress 113"});
    EXPECT_EQ(box.Text(), "wxy\r\n");
    EXPECT_EQ(test::ErrorNumber([&] { box.MaxLength(-1); }), err::InvalidPropertyValue);
}

// Up and Down keep the column where the line is long enough; Home and End stay on the line
// unless Ctrl takes them to the ends of the text. A one-line field knows no lines.
TEST_F(TextBoxTest, LineKeysMoveTheCaretOverTheLinesOfAMultiLineField) {
    box.Text("first\r\nab\r\nthird line");
    box.UserKeyDown(key::Down);
    EXPECT_EQ(box.SelStart(), 0);
    box.MultiLine(true);
    box.SelStart(4);
    box.UserKeyDown(key::Down);
    EXPECT_EQ(box.SelStart(), 9);  // "ab" is shorter: its end
    box.UserKeyDown(key::Down);
    EXPECT_EQ(box.SelStart(), 13);  // column 2 of the third line
    box.UserKeyDown(key::Down);
    EXPECT_EQ(box.SelStart(), 13);
    box.UserKeyDown(key::End);
    EXPECT_EQ(box.SelStart(), 21);
    box.UserKeyDown(key::Up);
    EXPECT_EQ(box.SelStart(), 9);
    box.UserKeyDown(key::Home);
    EXPECT_EQ(box.SelStart(), 7);
    box.UserKeyDown(key::Up);
    box.UserKeyDown(key::Up);
    EXPECT_EQ(box.SelStart(), 0);
    box.UserKeyDown(key::End, key::CtrlMask);
    EXPECT_EQ(box.SelStart(), 21);
    box.UserKeyDown(key::Home, key::CtrlMask);
    EXPECT_EQ(box.SelStart(), 0);
}

// The caret never stands inside a line break: keys step over it and delete it whole.
TEST_F(TextBoxTest, ALineBreakIsOneCharacterToTheKeys) {
    box.MultiLine(true);
    box.UserType("ab\rcd");
    box.UserKeyDown(key::Left);
    box.UserKeyDown(key::Left);
    box.UserKeyDown(key::Left);
    EXPECT_EQ(box.SelStart(), 2);
    box.UserKeyDown(key::Right);
    EXPECT_EQ(box.SelStart(), 4);
    box.UserType("\b");
    EXPECT_EQ(box.Text(), "abcd");
    box.UserType("\r");
    box.UserKeyDown(key::Left);
    box.UserKeyDown(key::Delete);
    EXPECT_EQ(box.Text(), "abcd");
    EXPECT_EQ(box.SelStart(), 2);
}

TEST_F(TextBoxTest, HiddenOrDisabledFieldIgnoresTheUser) {
    surface.Enabled(false);
    box.UserType("a");
    surface.Enabled(true);
    surface.Visible(false);
    box.UserType("a");
    EXPECT_TRUE(log.empty());
}

TEST(CheckBoxTest, ClickFollowsEveryValueChange) {
    UserControl surface("surface");
    CheckBox box(&surface, "chk");
    std::vector<int16_t> clicks;
    box.Click.Connect([&] { clicks.push_back(box.Value()); });
    box.Value(1);
    box.Value(1);
    box.Value(2);
    box.UserClick();  // grayed -> unchecked
    box.UserClick();  // unchecked -> checked
    EXPECT_EQ(clicks, (std::vector<int16_t>{1, 2, 0, 1}));
    EXPECT_TRUE(box.HasFocus());
    EXPECT_EQ(test::ErrorNumber([&] { box.Value(3); }), err::InvalidPropertyValue);
    EXPECT_EQ(box.Value(), 1);
    box.Enabled(false);
    box.UserClick();
    EXPECT_EQ(box.Value(), 1);
}

TEST(OptionButtonTest, SelectingOneClearsItsGroupOnly) {
    UserControl surface("surface");
    Frame other(&surface, "fra");
    OptionButton a(&surface, "a"), b(&surface, "b"), c(&other, "c");
    std::vector<std::string> clicks;
    a.Click.Connect([&] { clicks.push_back("a"); });
    b.Click.Connect([&] { clicks.push_back("b"); });
    c.Click.Connect([&] { clicks.push_back("c"); });
    a.Value(true);
    c.Value(true);
    b.UserClick();
    EXPECT_FALSE(a.Value());
    EXPECT_TRUE(b.Value());
    EXPECT_TRUE(c.Value());  // another parent, another group
    b.Value(true);           // already selected: no Click by code
    b.UserClick();           // but a click always raises it
    EXPECT_EQ(clicks, (std::vector<std::string>{"a", "c", "b", "b"}));
}

TEST(CommandButtonTest, UserClickFocusesAndClicksOnlyReachableButtons) {
    UserControl surface("surface");
    CommandButton button(&surface, "cmd");
    int clicks = 0;
    button.Click.Connect([&] { ++clicks; });
    button.UserClick();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button.HasFocus());
    surface.Visible(false);
    EXPECT_FALSE(button.HasFocus());  // hiding the parent takes the focus away
    button.UserClick();
    button.Enabled(false);
    surface.Visible(true);
    button.UserClick();
    EXPECT_EQ(clicks, 1);
}

TEST(FrameTest, ChildEntirelyOutsideIsClippedOut) {
    UserControl surface("surface");
    Frame frame(&surface, "fra");
    frame.Move(0, 0, 1000, 500);
    Label inside(&frame, "in"), partly(&frame, "part"), below(&frame, "below"),
        elsewhere(&surface, "other");
    inside.Move(100, 100, 200, 200);
    partly.Move(-100, 400, 200, 200);
    below.Move(0, 500, 200, 200);
    elsewhere.Move(5000, 5000, 10, 10);
    EXPECT_FALSE(frame.IsClippedOut(inside));
    EXPECT_FALSE(frame.IsClippedOut(partly));
    EXPECT_TRUE(frame.IsClippedOut(below));
    EXPECT_FALSE(frame.IsClippedOut(elsewhere));
}

TEST(LabelTest, AutoSizeFollowsTheCaption) {
    Host::Current().ResetServices();
    UserControl surface("surface");
    Label label(&surface, "lbl");
    label.Move(100, 200, 50, 50);
    label.AutoSize(true);
    label.Caption("Hello\r\nWide world");
    const auto& metrics = Host::Current().Metrics();
    EXPECT_EQ(label.Width(), metrics.TextWidthPixels("Wide world") * 15.0f);
    EXPECT_EQ(label.Height(), 2 * 13 * 15.0f);
    EXPECT_EQ(label.Left(), 100);
    EXPECT_EQ(test::ErrorNumber([&] { label.Alignment(3); }), err::InvalidPropertyValue);
}

struct ScrollBarTest : ::testing::Test {
    UserControl surface{"surface"};
    VScrollBar bar{&surface, "vsb"};
    std::vector<std::string> log;

    void SetUp() override {
        bar.Change.Connect([this] { log.push_back("Change " + std::to_string(bar.Value())); });
        bar.Scroll.Connect([this] { log.push_back("Scroll " + std::to_string(bar.Value())); });
    }
};

TEST_F(ScrollBarTest, ValueMustLieInTheRangeEitherWayRound) {
    bar.Min(100);
    bar.Max(-100);
    bar.Value(-50);
    EXPECT_EQ(bar.Value(), -50);
    EXPECT_EQ(test::ErrorNumber([&] { bar.Value(101); }), err::InvalidPropertyValue);
    EXPECT_EQ(test::ErrorNumber([&] { bar.Value(-101); }), err::InvalidPropertyValue);
    EXPECT_EQ(test::ErrorNumber([&] { bar.SmallChange(0); }), err::InvalidPropertyValue);
    EXPECT_EQ(test::ErrorNumber([&] { bar.LargeChange(-1); }), err::InvalidPropertyValue);
    EXPECT_EQ(bar.Value(), -50);
}

TEST_F(ScrollBarTest, NarrowingTheRangeMovesTheValue) {
    bar.Max(100);
    bar.Value(80);
    log.clear();
    bar.Max(50);
    bar.Min(10);
    EXPECT_EQ(log, std::vector<std::string>{"Change 50"});
}

TEST_F(ScrollBarTest, ClicksStepTowardMaxAndStopAtTheEnds) {
    bar.Min(10);
    bar.Max(0);  // reversed: down goes toward 0
    bar.Value(10);
    bar.SmallChange(3);
    bar.LargeChange(8);
    log.clear();
    bar.UserLineDown();
    bar.UserPageDown();
    bar.UserPageDown();
    bar.UserLineUp();
    EXPECT_EQ(log, (std::vector<std::string>{"Change 7", "Change 0", "Change 3"}));
    EXPECT_TRUE(bar.HasFocus());
}

TEST_F(ScrollBarTest, DraggingScrollsAndReleasingChangesOnce) {
    bar.Max(100);
    bar.UserDragThumb(20);
    bar.UserDragThumb(500);
    bar.UserReleaseThumb();
    bar.UserReleaseThumb();  // no drag in progress
    EXPECT_EQ(log, (std::vector<std::string>{"Scroll 20", "Scroll 100", "Change 100"}));
}

}  // namespace
}  // namespace panelkit2::host
