// Check: routing of actions, selection, the caption, layout, persistence, late binding.

#include "panelkit2/choice/check.hpp"

#include <gtest/gtest.h>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/container/library_classes.hpp"
#include "panelkit2/toolkit/host.hpp"

namespace panelkit2 {
namespace {

class CheckTest : public ::testing::Test {
  protected:
    void SetUp() override { host::Host::Current().ResetServices(); }

    void Option(std::string_view text) { check.AddOption(text); }
    void Attach(std::string_view text) { check.AddAction(text); }
    std::string ActionsWhen(bool checked) {
        check.SetSelectedOption(checked);
        return check.GetSelectedAction();
    }
    float LabelWidthFor(const std::string& text) {
        host::WrapLabel probe(nullptr, "probe");
        probe.AutoSize(true);
        probe.Caption(text);
        return probe.Width();
    }

    Check check;
};

TEST_F(CheckTest, ANewControlIsEmptyUncheckedAndOneBoxLarge) {
    EXPECT_EQ(check.CtlID(), 0);
    EXPECT_TRUE(check.Show());
    EXPECT_EQ(check.DesiredWidth(), 400);
    EXPECT_FALSE(check.GetSelectedOption());
    EXPECT_EQ(check.GetSelectedAction(), "");
    EXPECT_EQ(check.Surface().Width(), 255);
    EXPECT_EQ(check.Surface().Height(), 255);
    EXPECT_EQ(check.Bottom(), 255);
    EXPECT_EQ(check.Right(), 255);
}

TEST_F(CheckTest, ActionsBeforeAnyOptionBelongToBothStates) {
    Attach("a");
    EXPECT_EQ(ActionsWhen(true), "a");
    EXPECT_EQ(ActionsWhen(false), "a");
}

TEST_F(CheckTest, ActionsFollowTheOptionNamedLast) {
    Option("true");
    Attach("p");
    Option("False");
    Attach("q");
    Attach("r");
    EXPECT_EQ(ActionsWhen(true), "p");
    EXPECT_EQ(ActionsWhen(false), "q,r");
}

TEST_F(CheckTest, CommonActionsComeFirstAndStandAloneForAnEmptyState) {
    Attach("c");
    Option("TRUE");
    Attach("p");
    EXPECT_EQ(ActionsWhen(true), "c,p");
    EXPECT_EQ(ActionsWhen(false), "c");
}

TEST_F(CheckTest, ACaptionSwitchesRoutingToTheUncheckedState) {
    check.AddCaption("Enable logging");
    Attach("a");
    EXPECT_EQ(ActionsWhen(false), "a");
    EXPECT_EQ(ActionsWhen(true), "");
}

TEST_F(CheckTest, OtherOptionTextsAndEmptyActionsAreKeptAsTheyCome) {
    Option("yes");
    Option("TRUEish");
    Attach("a");  // still common: no state was named
    Attach("");
    EXPECT_EQ(ActionsWhen(true), "a,");
    EXPECT_EQ(ActionsWhen(false), "a,");
}

TEST_F(CheckTest, AGrayedBoxReadsTrueButSelectsTheUncheckedActions) {
    Option("TRUE");
    Attach("on");
    Option("FALSE");
    Attach("off");
    host::PropertyBag bag;
    bag.WriteProperty("Value", int16_t{2});
    check.LoadProperties(bag);
    EXPECT_TRUE(check.Value());
    EXPECT_FALSE(check.GetSelectedOption());
    EXPECT_EQ(check.GetSelectedAction(), "off");
}

TEST_F(CheckTest, ActionPropertyReadsThePersistedTextNotTheAttachedLists) {
    check.Action("a");
    EXPECT_EQ(check.Action(), "");
    EXPECT_EQ(check.GetSelectedAction(), "a");
    host::PropertyBag bag;
    bag.WriteProperty("Action", "persisted");
    check.LoadProperties(bag);
    EXPECT_EQ(check.Action(), "persisted");
    EXPECT_EQ(check.GetSelectedAction(), "a");
}

TEST_F(CheckTest, ACaptionWidensTheControlAndBecomesTheDesiredWidth) {
    const std::string text = "Enable logging";
    check.Caption(text);
    const float width = LabelWidthFor(text) + 255 + 50;
    EXPECT_EQ(check.Caption(), text);
    EXPECT_EQ(check.Surface().Width(), width);
    EXPECT_EQ(check.DesiredWidth(), static_cast<int32_t>(width));
    EXPECT_EQ(check.Surface().Height(), 255);
    EXPECT_EQ(check.Box().ToolTipText(), text);
    EXPECT_EQ(check.CaptionLabel().ToolTipText(), text);
    // The label sits beside the box, 50 twips down, filling the rest of the control.
    EXPECT_EQ(check.CaptionLabel().Left(), 255);
    EXPECT_EQ(check.CaptionLabel().Top(), 50);
    EXPECT_EQ(check.CaptionLabel().Width(), width - 255);
}

TEST_F(CheckTest, AnEmptyCaptionKeepsTheDesiredWidthButStillSizesTheControl) {
    check.Caption("Wide caption text");
    const int32_t desired = check.DesiredWidth();
    check.Caption("");
    EXPECT_EQ(check.DesiredWidth(), desired);
    EXPECT_EQ(check.Surface().Width(), 255 + 50);
    EXPECT_EQ(check.Box().ToolTipText(), "");
}

TEST_F(CheckTest, ClickingTheCaptionTogglesTheBox) {
    check.Caption("Toggle me");
    check.CaptionLabel().UserClick();
    EXPECT_TRUE(check.GetSelectedOption());
    check.CaptionLabel().UserClick();
    EXPECT_FALSE(check.Value());
}

TEST_F(CheckTest, ClearRestoresANewControlExceptTheColours) {
    check.BackColor(0x00FF0000);
    check.Caption("Something");
    Option("TRUE");
    Attach("x");
    check.Value(true);
    check.Clear();
    EXPECT_EQ(check.DesiredWidth(), 400);
    EXPECT_EQ(check.Surface().Width(), 255);
    EXPECT_EQ(check.Surface().Height(), 255);
    EXPECT_EQ(check.Caption(), "");
    EXPECT_FALSE(check.Value());
    EXPECT_EQ(check.BackColor(), 0x00FF0000u);
    Attach("after");  // routing is back in common mode
    EXPECT_EQ(ActionsWhen(true), "after");
}

TEST_F(CheckTest, PropertiesSurviveASaveAndLoadInTheirOrder) {
    check.Caption("Persisted");
    check.Value(true);
    check.ForeColor(0x00102030);
    host::PropertyBag bag = check.SaveProperties();
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"Width", "BackColor", "ForeColor", "Caption",
                                                    "Value"}));  // defaults are not stored

    Check loaded;
    host::PropertyBag text = host::PropertyBag::LoadText(bag.SaveText());
    loaded.LoadProperties(text);
    EXPECT_EQ(loaded.Caption(), "Persisted");
    EXPECT_TRUE(loaded.GetSelectedOption());
    EXPECT_EQ(loaded.ForeColor(), 0x00102030u);
    EXPECT_EQ(loaded.Surface().Width(), check.Surface().Width());
    // Reading assigns the label directly: routing and desired width stay as they were.
    EXPECT_EQ(loaded.DesiredWidth(), 400);
    EXPECT_EQ(loaded.Box().ToolTipText(), "");
}

TEST_F(CheckTest, BadPersistedValuesFailClearlyAndLeaveTheControlUsable) {
    host::PropertyBag bag;
    bag.WriteProperty("Value", int32_t{7});
    EXPECT_THROW(check.LoadProperties(bag), AutomationError);
    host::PropertyBag huge;
    huge.WriteProperty("Height", 1e300);
    EXPECT_THROW(check.LoadProperties(huge), AutomationError);
    check.Caption("Still works");  // the layout guard was released
    EXPECT_EQ(check.Surface().Width(), LabelWidthFor("Still works") + 305);
}

TEST_F(CheckTest, LateBoundByNameIdentifierAndExtender) {
    ObjectRef object = LibraryClasses().Create("PanelKit2.Check");
    Variant args[] = {Variant("TRUE")};
    CallByName(*object, "addoption", CallKind::GetOrMethod, args);
    args[0] = "on";
    CallByDispId(*object, 0x6003000e, CallKind::GetOrMethod, args);
    Variant checked[] = {Variant(true)};
    CallByDispId(*object, 0x68030002, CallKind::Let, checked);
    EXPECT_EQ(CallByName(*object, "GetSelectedAction", CallKind::GetOrMethod, {}).AsString(), "on");
    EXPECT_EQ(CallByDispId(*object, 0x68030009, CallKind::GetOrMethod, {}).Type(),
              VarType::Integer);
    EXPECT_EQ(CallByName(*object, "Value", CallKind::GetOrMethod, {}).AsLong(), -1);
    EXPECT_EQ(CallByName(*object, "Height", CallKind::GetOrMethod, {}).AsLong(), 255);
    Variant width[] = {Variant(int32_t{999})};
    EXPECT_THROW(CallByName(*object, "DesiredWidth", CallKind::Let, width), AutomationError);
}

}  // namespace
}  // namespace panelkit2
