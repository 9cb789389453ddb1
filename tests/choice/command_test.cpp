// Command: pushing and the actions it reports, the caption on the button, the pressed look
// while the caption is dragged, persistence, failures and late binding.

#include "panelkit2/choice/command.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/container/library_classes.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "support/assertions.hpp"

namespace panelkit2 {
namespace {

constexpr float kLine = 13 * 15;
constexpr int16_t kLeft = host::WrapLabel::LeftButton;
const std::string kLong = "Continue with the recommended settings";

// Records the pushed texts; optionally rewrites the by-reference text or fails.
struct PushSink : EventSink {
    void OnEvent(Dispatchable&, const EventDef& event, Args args) override {
        seen.push_back(std::string(event.name) + ":" + args[0].AsString());
        if (rewrite) args[0] = Variant(*rewrite);
        if (fail) RaiseStandard(err::InvalidCall, "host");
    }
    std::vector<std::string> seen;
    std::optional<std::string> rewrite;
    bool fail = false;
};

float LabelWidthFor(const std::string& text) {
    host::WrapLabel probe(nullptr, "probe");
    probe.AutoSize(true);
    probe.Caption(text);
    return probe.Width();
}

class CommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host::Host::Current().ResetServices();
        command.Advise(sink);
    }
    void Option(std::string_view text) { command.AddOption(text); }
    void Attach(std::string_view text) { command.AddAction(text); }
    void FillGoSkip() {
        Option("TRUE");
        Attach("go");
        Option("FALSE");
        Attach("skip");
    }
    host::WrapLabel& Label() { return command.CaptionLabel(); }
    void Drag(void (host::WrapLabel::*input)(int16_t, int16_t, float, float), int16_t button,
              float x, float y) {
        (Label().*input)(button, 0, x, y);
    }

    Command command;
    std::shared_ptr<PushSink> sink = std::make_shared<PushSink>();
};

TEST_F(CommandTest, ANewControlIsAnUnpushedButtonOfItsDesignedSize) {
    EXPECT_EQ(command.CtlID(), 2);
    EXPECT_EQ(command.GetSelectedOption(), "False");
    EXPECT_EQ(command.GetSelectedAction(), "");
    EXPECT_EQ(command.DesiredWidth(), 800);
    EXPECT_EQ(command.Button().Width(), 800);
    EXPECT_EQ(command.Button().Height(), 400);
    EXPECT_FALSE(Label().Visible());
}

TEST_F(CommandTest, PushingSendsTheTrueActionsAndDropsTheFalseOnes) {
    FillGoSkip();
    EXPECT_EQ(command.GetSelectedAction(), "skip");
    command.Button().UserClick();
    command.Button().UserClick();
    EXPECT_EQ(sink->seen, (std::vector<std::string>{"ButtonPushed:go", "ButtonPushed:go"}));
    EXPECT_EQ(command.GetSelectedOption(), "True");
    EXPECT_EQ(command.GetSelectedAction(), "");
    bool clicked = false;
    command.SetSelectionOption(clicked);
    EXPECT_EQ(command.GetSelectedAction(), "skip");
    command.SetClicked();  // suppresses them without an event
    EXPECT_EQ(command.GetSelectedAction(), "");
    EXPECT_EQ(sink->seen.size(), 2u);
}

TEST_F(CommandTest, CommonActionsStayWithTheControlAndNeverTravelWithThePush) {
    command.SetCaption("Next");  // unlike Check, a caption leaves routing alone
    Attach("c");
    Option("true");
    Attach("p");
    Option("maybe");  // neither option text: "p" stays the target
    Attach("q");
    EXPECT_EQ(command.GetSelectedAction(), "c");
    command.Button().UserClick();
    EXPECT_EQ(sink->seen, (std::vector<std::string>{"ButtonPushed:p,q"}));
    EXPECT_EQ(command.GetSelectedAction(), "c");
}

TEST_F(CommandTest, DraggingOnTheCaptionDrawsThePressedLookOnlyOverTheButton) {
    command.Caption("Next");
    FillGoSkip();
    const float x = Label().Width() / 2, y = Label().Height() / 2;
    const float buttonLeft = (Label().Width() - 800) / 2;  // in the label's coordinates
    const float buttonBottom = (Label().Height() + 400) / 2;
    Drag(&host::WrapLabel::UserMouseDown, host::WrapLabel::RightButton, x, y);
    Drag(&host::WrapLabel::UserMouseMove, 0, x, y);
    EXPECT_FALSE(command.Button().Pressed());
    Drag(&host::WrapLabel::UserMouseDown, kLeft, x, y);
    EXPECT_TRUE(command.Button().Pressed());
    Drag(&host::WrapLabel::UserMouseMove, kLeft, buttonLeft - 1, y);
    EXPECT_FALSE(command.Button().Pressed());
    Drag(&host::WrapLabel::UserMouseMove, kLeft, x, buttonBottom - 1);
    EXPECT_TRUE(command.Button().Pressed());
    Drag(&host::WrapLabel::UserMouseMove, kLeft, x, buttonBottom + 1);
    EXPECT_FALSE(command.Button().Pressed());
    EXPECT_TRUE(sink->seen.empty());
    // Released off the button: drawn released, and pushed all the same.
    Drag(&host::WrapLabel::UserMouseUp, kLeft, buttonLeft - 1, y);
    EXPECT_FALSE(command.Button().Pressed());
    EXPECT_EQ(sink->seen, (std::vector<std::string>{"ButtonPushed:go"}));
    Label().UserClick();  // a click on the caption pushes once
    EXPECT_EQ(sink->seen.size(), 2u);
}

TEST_F(CommandTest, TheCaptionIsCentredOnTheButtonAndWidensItWhenNeeded) {
    command.Caption("Next");
    EXPECT_TRUE(Label().Visible());
    EXPECT_EQ(command.Button().ToolTipText(), "Next");
    EXPECT_EQ(command.DesiredWidth(), 800);  // room enough already
    EXPECT_EQ(Label().Left(), (800 - LabelWidthFor("Next")) / 2);
    EXPECT_EQ(Label().Top(), (400 - kLine) / 2);

    command.Caption(kLong);
    EXPECT_EQ(command.Surface().Width(), LabelWidthFor(kLong) + 300);
    EXPECT_EQ(command.DesiredWidth(), static_cast<int32_t>(LabelWidthFor(kLong) + 300));
    EXPECT_EQ(Label().Left(), 150);

    command.Surface().Width(1200);  // narrowed by the container: the caption wraps
    const auto lines = static_cast<float>(Label().WrappedLines().size());
    EXPECT_EQ(Label().Width(), 900);
    EXPECT_GT(lines, 1);
    EXPECT_EQ(Label().Height(), kLine * lines);
    EXPECT_EQ(Label().Top(), (400 - kLine * lines) / 2);
    command.Surface().Width(LabelWidthFor(kLong) + 1000);  // and unwraps when widened
    EXPECT_EQ(Label().Height(), kLine);
}

TEST_F(CommandTest, ACaptionKeepsAPushAndEmptiesTheButtonsOwnCaption) {
    host::PropertyBag bag;
    bag.WriteProperty("Caption", "Old");
    command.LoadProperties(bag);
    EXPECT_EQ(command.Button().Caption(), "Old");
    command.SetClicked();
    command.SetCaption("New");
    EXPECT_EQ(command.Button().Caption(), "");
    EXPECT_EQ(command.GetSelectedOption(), "True");
}

TEST_F(CommandTest, ClearMakesTheButtonUnpushedAndEmptiesEveryList) {
    Attach("c");
    FillGoSkip();
    command.Caption(kLong);
    command.Button().UserClick();
    command.Clear();
    EXPECT_EQ(command.GetSelectedOption(), "False");
    EXPECT_EQ(command.GetSelectedAction(), "");
    EXPECT_EQ(command.DesiredWidth(), 800);
    EXPECT_FALSE(Label().Visible());
    Attach("after");  // back in common mode
    command.Button().UserClick();
    EXPECT_EQ(sink->seen.back(), "ButtonPushed:");
    EXPECT_EQ(command.GetSelectedAction(), "after");
}

TEST_F(CommandTest, PersistenceKeepsExtentAndColoursAndReadsActionsIntoTheCommonList) {
    command.Caption(kLong);
    command.ForeColor(0x00112233);
    command.BackColor(0x00445566);
    EXPECT_EQ(command.Surface().ChangedProperties(), (std::vector<std::string>{"BackColor"}));
    EXPECT_EQ(command.Button().BackColor(), host::colors::ButtonFace);  // surface only
    host::PropertyBag bag = command.SaveProperties();
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"Width", "BackColor", "ForeColor"}));

    host::PropertyBag text = host::PropertyBag::LoadText(bag.SaveText());
    text.WriteProperty("Action", "persisted");
    text.WriteProperty("Height", 375.0f);
    Command loaded;
    loaded.LoadProperties(text);
    EXPECT_EQ(loaded.Surface().Width(), command.Surface().Width());
    EXPECT_EQ(loaded.Button().Height(), 375);
    EXPECT_EQ(loaded.BackColor(), host::colors::ButtonFace);  // colours are not read back
    EXPECT_EQ(loaded.Action(), "");                           // the tag is not the list
    loaded.SetClicked();
    EXPECT_EQ(loaded.GetSelectedAction(), "persisted");
}

// A button reused on the next page asks for the width of its own caption, not for the
// width a longer caption of an earlier page left it with.
TEST_F(CommandTest, DesiredWidthFollowsItsOwnCaptionWhenReused) {
    command.Caption("A caption far longer than any button of the next page");
    const int32_t wide = command.DesiredWidth();
    EXPECT_GT(wide, 3000);
    command.Clear();
    command.Caption("Back");
    EXPECT_EQ(command.DesiredWidth(), 800);
    command.Caption("A rather longer caption");
    EXPECT_EQ(command.DesiredWidth(),
              static_cast<int32_t>(LabelWidthFor("A rather longer caption") + 300));
}

TEST_F(CommandTest, FailuresCarryTheirSourcesAndLeaveTheControlUsable) {
    // A caption measured wider than a Long holds cannot become the desired width.
    host::Host::Current().SetTwipsPerPixel(1e9f, 15);
    const AutomationError caption = test::Caught([&] { command.Caption("Next"); });
    host::Host::Current().SetTwipsPerPixel(15, 15);
    EXPECT_EQ(caption.Number(), err::Overflow);
    EXPECT_EQ(caption.Source(), "PanelKit::Command.Caption(Let)");
    command.Surface().Width(800);
    command.Caption("Next");
    EXPECT_EQ(Label().Left(), (800 - LabelWidthFor("Next")) / 2);

    host::PropertyBag bag;
    bag.WriteProperty("Height", "tall");
    EXPECT_EQ(test::Caught([&] { command.LoadProperties(bag); }).Number(), err::TypeMismatch);

    // A failing handler reaches whoever pushed; the push itself stands.
    sink->fail = true;
    const AutomationError push = test::Caught([&] { command.Button().UserClick(); });
    EXPECT_EQ(push.Number(), err::InvalidCall);
    EXPECT_EQ(push.Source(), "PanelKit::Command.UserControl_Click");
    EXPECT_EQ(command.GetSelectedOption(), "True");
}

TEST_F(CommandTest, LateBoundMembersEventAndByReferenceText) {
    ObjectRef object = LibraryClasses().Create("PanelKit2.Command");
    object->Advise(sink);
    sink->rewrite = "rewritten";
    Variant args[] = {Variant("TRUE")};
    CallByDispId(*object, 0x6003000c, CallKind::GetOrMethod, args);
    args[0] = "go";
    CallByName(*object, "addaction", CallKind::GetOrMethod, args);
    EXPECT_EQ(CallByDispId(*object, 0x68030006, CallKind::GetOrMethod, {}).Type(),
              VarType::Integer);
    auto& typed = static_cast<Command&>(*object);
    typed.Button().UserClick();
    typed.Button().UserClick();
    // The text travels by reference: the handler's change became the list.
    EXPECT_EQ(sink->seen, (std::vector<std::string>{"ButtonPushed:go", "ButtonPushed:rewritten"}));
    Variant clicked[] = {Variant(false)};
    CallByDispId(*object, 0x60030007, CallKind::GetOrMethod, clicked);
    EXPECT_EQ(CallByName(*object, "GetSelectedOption", CallKind::GetOrMethod, {}).AsString(),
              "False");
    EXPECT_EQ(
        test::Caught([&] { CallByName(*object, "Bottom", CallKind::GetOrMethod, {}); }).Number(),
        err::NotSupported);
}

}  // namespace
}  // namespace panelkit2
