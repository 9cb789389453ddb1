// WrapLabel: one-line sizing, wrapping, late-bound members and the mouse/click events.
// Headless font: "a" 6 px, "i" 2 px, blank 3 px, non-ASCII 6 px, lines 13 px; 15 twips/px.

#include "panelkit2/toolkit/wrap_label.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "support/assertions.hpp"

namespace panelkit2::host {
namespace {

constexpr float kLine = 13 * 15;

// Events as "Name(arg,arg)".
struct Recorder : EventSink {
    void OnEvent(Dispatchable&, const EventDef& event, Args args) override {
        std::string text = std::string(event.name) + "(";
        for (size_t i = 0; i < args.size(); ++i) text += (i ? "," : "") + args[i].AsString();
        seen.push_back(text + ")");
    }
    std::vector<std::string> seen;
};

Variant Get(Dispatchable& object, std::string_view name) {
    return CallByName(object, name, CallKind::GetOrMethod, {});
}

void Let(Dispatchable& object, DispId id, Variant value) {
    CallByDispId(object, id, CallKind::Let, Args(&value, 1));
}

class WrapLabelTest : public ::testing::Test {
  protected:
    void SetUp() override { Host::Current().ResetServices(); }

    // The sizing-switch cycle the controls perform, late-bound.
    void SetCaptionSized(std::string_view text) {
        Let(label, wrap_label_id::AutoSize, true);
        Let(label, wrap_label_id::Caption, std::string(text));
        Let(label, wrap_label_id::AutoSize, false);
    }
    float ReflowAt(float width, std::string text) {
        label.Caption(std::move(text));
        label.Width(width);
        CallByDispId(label, wrap_label_id::Reflow, CallKind::GetOrMethod, {});
        return label.Height();
    }

    WrapLabel label;
};

TEST_F(WrapLabelTest, SizingSwitchGivesTheOneLineSizeOfTheText) {
    SetCaptionSized("Hello");  // 8+6+2+2+6 px
    EXPECT_FLOAT_EQ(Get(label, "Width").AsSingle(), 24 * 15);
    EXPECT_FLOAT_EQ(Get(label, "Height").AsSingle(), kLine);

    SetCaptionSized("ab\r\naaaa aaaa\nb");  // widest line 51 px, three lines
    EXPECT_FLOAT_EQ(label.Width(), 51 * 15);
    EXPECT_FLOAT_EQ(label.Height(), 3 * kLine);

    Host::Current().SetTwipsPerPixel(12, 20);
    SetCaptionSized("aa");
    EXPECT_FLOAT_EQ(label.Width(), 12 * 12);
    EXPECT_FLOAT_EQ(label.Height(), 13 * 20);
}

TEST_F(WrapLabelTest, CaptionResizesOnlyWhileTheSwitchIsOn) {
    label.AutoSize(true);
    label.Caption("aa");
    EXPECT_FLOAT_EQ(label.Width(), 12 * 15);
    label.Caption("aaaa");
    EXPECT_FLOAT_EQ(label.Width(), 24 * 15);
    label.AutoSize(false);
    label.Caption("a");
    EXPECT_FLOAT_EQ(label.Width(), 24 * 15);
    EXPECT_EQ(Get(label, "Caption").AsString(), "a");
}

TEST_F(WrapLabelTest, TextSizedOnOneLineStaysOnOneLineAfterReflow) {
    SetCaptionSized("Enable verbose logging for every run");
    label.Reflow();
    EXPECT_FLOAT_EQ(label.Height(), kLine);
    label.Width(label.Width() - 1);
    label.Reflow();
    EXPECT_FLOAT_EQ(label.Height(), 2 * kLine);
}

TEST_F(WrapLabelTest, ReflowWrapsAtBlanksAndDropsThemAtBreaks) {
    // "aaa aaa" is 39 px: two words per line.
    EXPECT_FLOAT_EQ(ReflowAt(39 * 15, "aaa aaa  aaa aaa aaa"), 3 * kLine);
    EXPECT_EQ(label.WrappedLines(), (std::vector<std::string>{"aaa aaa", "aaa aaa", "aaa"}));
    // Leading blanks stay on the first line; a blank-only line is one line.
    EXPECT_FLOAT_EQ(ReflowAt(39 * 15, "  aaa aaa"), 2 * kLine);
    EXPECT_EQ(label.WrappedLines(), (std::vector<std::string>{"  aaa", "aaa"}));
    EXPECT_FLOAT_EQ(ReflowAt(15, "          "), kLine);
}

TEST_F(WrapLabelTest, ReflowKeepsExplicitBreaksAndEmptyTextIsOneLine) {
    EXPECT_FLOAT_EQ(ReflowAt(2000, "a\n\r\nb\n"), 4 * kLine);
    EXPECT_FLOAT_EQ(ReflowAt(2000, ""), kLine);
    label.MultiLine(false);
    EXPECT_FLOAT_EQ(ReflowAt(15, "aaa aaa\naaa"), 2 * kLine);
}

TEST_F(WrapLabelTest, LongWordsBreakBetweenCharactersNotBytes) {
    // 20 px holds three "a" (18 px).
    EXPECT_FLOAT_EQ(ReflowAt(20 * 15, "aaaaaaaaaa"), 4 * kLine);
    EXPECT_EQ(label.WrappedLines(), (std::vector<std::string>{"aaa", "aaa", "aaa", "a"}));
    // Two-byte characters, 6 px each: two per line, never half a character.
    ReflowAt(12 * 15, "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");
    EXPECT_EQ(label.WrappedLines(),
              (std::vector<std::string>{"\xC3\xA9\xC3\xA9", "\xC3\xA9\xC3\xA9", "\xC3\xA9"}));
    // The rest of a broken word shares its line with the next word.
    ReflowAt(20 * 15, "aaaa i");
    EXPECT_EQ(label.WrappedLines(), (std::vector<std::string>{"aaa", "a i"}));
}

TEST_F(WrapLabelTest, TooNarrowForOneCharacterStillPutsOneCharacterPerLine) {
    EXPECT_FLOAT_EQ(ReflowAt(0, "ab c"), 3 * kLine);
    EXPECT_EQ(label.WrappedLines(), (std::vector<std::string>{"a", "b", "c"}));
    // Malformed UTF-8 counts byte by byte, as the numeric module does.
    EXPECT_FLOAT_EQ(ReflowAt(0, "\xFF\xC3"), 2 * kLine);
}

TEST_F(WrapLabelTest, LongTextWrapsWithoutLosingCharacters) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text += i % 7 ? "word " : "unbreakablelongestword ";
    text += std::string(20000, 'x');
    ReflowAt(600, text);
    size_t characters = 0;
    for (const auto& line : label.WrappedLines()) {
        EXPECT_LE(Host::Current().Metrics().TextWidthPixels(line) * 15, 600) << line;
        for (char c : line) characters += c != ' ';
    }
    size_t expected = 0;
    for (char c : text) expected += c != ' ';
    EXPECT_EQ(characters, expected);
}

TEST_F(WrapLabelTest, ColoursDefaultToButtonColoursAndTravelAsLong) {
    EXPECT_EQ(Get(label, "ForeColor").AsLong(), static_cast<int32_t>(colors::ButtonText));
    EXPECT_EQ(Get(label, "BackColor").Type(), VarType::Long);
    Let(label, wrap_label_id::BackColor, static_cast<int32_t>(colors::Window));
    EXPECT_EQ(label.BackColor(), colors::Window);
    Let(label, wrap_label_id::ForeColor, int32_t{0xFF});
    EXPECT_EQ(label.ForeColor(), 0xFFu);
    EXPECT_EQ(test::ErrorNumber([&] { Let(label, wrap_label_id::ForeColor, "red"); }), 13);
}

TEST_F(WrapLabelTest, ExtenderMembersAnswerLateBound) {
    std::vector<Variant> move = {int32_t{100}, int32_t{200}, int32_t{900}};
    CallByName(label, "Move", CallKind::GetOrMethod, move);
    EXPECT_FLOAT_EQ(label.Left(), 100);
    EXPECT_FLOAT_EQ(label.Top(), 200);
    EXPECT_FLOAT_EQ(label.Width(), 900);
    Variant tip = "full caption";
    CallByName(label, "ToolTipText", CallKind::Let, Args(&tip, 1));
    EXPECT_EQ(label.ToolTipText(), "full caption");
    Variant hidden = false;
    CallByName(label, "Visible", CallKind::Let, Args(&hidden, 1));
    EXPECT_FALSE(Get(label, "Visible").AsBoolean());
    EXPECT_EQ(label.Interface().ProgId(), "PanelKit2.WrapLabel");
    EXPECT_EQ(test::ErrorNumber([&] { Get(label, "Text"); }), 438);
}

TEST_F(WrapLabelTest, CopiedElementTakesCaptionAndColours) {
    label.Caption("first");
    label.ForeColor(colors::WindowText);
    WrapLabel copy;
    copy.CopyDesignFrom(label);
    EXPECT_EQ(copy.Caption(), "first");
    EXPECT_EQ(copy.ForeColor(), colors::WindowText);
}

class WrapLabelEvents : public WrapLabelTest {
  protected:
    void SetUp() override {
        WrapLabelTest::SetUp();
        label.Move(0, 0, 600, 300);
        label.Advise(recorder);
    }
    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
};

TEST_F(WrapLabelEvents, ClickRaisesDownUpClickInLabelCoordinates) {
    int clicks = 0;
    label.Click.Connect([&] { ++clicks; });
    label.UserClick();
    EXPECT_EQ(recorder->seen, (std::vector<std::string>{"MouseDown(1,0,300,150)",
                                                        "MouseUp(1,0,300,150)", "Click()"}));
    EXPECT_EQ(clicks, 1);
}

TEST_F(WrapLabelEvents, OnlyALeftReleaseInsideTheLabelClicks) {
    label.UserMouseDown(WrapLabel::LeftButton, 1, 10, 10);
    label.UserMouseMove(WrapLabel::LeftButton, 1, 700, 10);
    label.UserMouseUp(WrapLabel::LeftButton, 1, 700, 10);
    label.UserMouseDown(WrapLabel::RightButton, 0, 10, 10);
    label.UserMouseUp(WrapLabel::RightButton, 0, 10, 10);
    label.UserMouseUp(WrapLabel::LeftButton, 0, 10, 10);  // never pressed here
    EXPECT_EQ(recorder->seen,
              (std::vector<std::string>{"MouseDown(1,1,10,10)", "MouseMove(1,1,700,10)",
                                        "MouseUp(1,1,700,10)", "MouseDown(2,0,10,10)",
                                        "MouseUp(2,0,10,10)", "MouseUp(1,0,10,10)"}));
}

TEST_F(WrapLabelEvents, DoubleClickFollowsTheClick) {
    std::vector<float> downs;
    label.MouseDown.Connect([&](int16_t, int16_t, float x, float) { downs.push_back(x); });
    label.UserDblClick(5, 6);
    EXPECT_EQ(recorder->seen,
              (std::vector<std::string>{"MouseDown(1,0,5,6)", "MouseUp(1,0,5,6)", "Click()",
                                        "DblClick()", "MouseUp(1,0,5,6)"}));
    EXPECT_EQ(downs, (std::vector<float>{5}));
}

TEST_F(WrapLabelEvents, DisabledOrHiddenLabelIgnoresTheMouse) {
    label.Enabled(false);
    label.UserClick();
    label.Enabled(true);
    WrapLabel parent;
    WrapLabel child(&parent);
    child.Advise(recorder);
    parent.Visible(false);
    child.UserClick();
    EXPECT_TRUE(recorder->seen.empty());
}

}  // namespace
}  // namespace panelkit2::host
