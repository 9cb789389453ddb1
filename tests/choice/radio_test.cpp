// Radio: rows and their bookkeeping, selection and routing, layout, the quiet ends of the
// indexed members, persistence, late binding, and a page shared with Check.

#include "panelkit2/choice/radio.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/choice/check.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/container/library_classes.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "support/assertions.hpp"
#include "support/caption_width.hpp"

namespace panelkit2 {
namespace {

using test::CaptionTwips;
using test::ExpectError;

class RadioTest : public ::testing::Test {
  protected:
    void SetUp() override { host::Host::Current().ResetServices(); }

    // Options A (a1) and B (b1, b2), as a host fills them.
    void TwoOptions() {
        radio.AddOption("A");
        radio.AddAction("a1");
        radio.AddOption("B");
        radio.AddAction("b1");
        radio.AddAction("b2");
    }
    std::string ActionsWhen(int16_t idx) {
        radio.Value(idx, true);
        return radio.GetSelectedAction();
    }
    bool Selected(int16_t idx) { return radio.Value(idx); }
    void Select(int16_t idx) { radio.Value(idx, true); }

    Radio radio;
};

TEST_F(RadioTest, ANewControlHasOneUnnamedSelectedRowAndIsNotShown) {
    EXPECT_EQ(radio.CtlID(), 7);
    EXPECT_EQ(radio.ArrayCount(), 1);
    EXPECT_FALSE(radio.Show());
    EXPECT_TRUE(Selected(0));
    EXPECT_EQ(radio.GetSelectedOption(), "");
    EXPECT_EQ(radio.GetSelectedAction(), "");
    EXPECT_EQ(radio.DesiredWidth(), 400);
    // One row 200 down, one element high, 100 below it; the frame covers the control.
    EXPECT_EQ(radio.Surface().Width(), 500);
    EXPECT_EQ(radio.Surface().Height(), 555);
    EXPECT_EQ(radio.GroupFrame().Height(), 555);
    EXPECT_EQ(radio.OptionButtonAt(0).Left(), 100);
    EXPECT_EQ(radio.Bottom(0), 200 + 255);
    EXPECT_EQ(radio.OptionLabelAt(0).Left(), 400);
}

TEST_F(RadioTest, ActionsGoToTheOptionAddedLastAfterTheCommonOnes) {
    radio.AddAction("c");
    TwoOptions();
    radio.AddOption("");  // an empty option is a row too
    EXPECT_EQ(radio.ArrayCount(), 3);
    EXPECT_TRUE(radio.Show());
    EXPECT_FALSE(radio.WLVisible(2));
    EXPECT_EQ(ActionsWhen(1), "c,b1,b2");
    EXPECT_EQ(ActionsWhen(0), "c,a1");
    EXPECT_EQ(ActionsWhen(2), "c");
    int16_t idx = 2;
    radio.Value(idx, false);  // nothing selected
    EXPECT_EQ(radio.GetSelectedAction(), "c");
    EXPECT_EQ(radio.GetSelectedOption(), "");
}

TEST_F(RadioTest, SelectionByCaptionAndByClickingALabel) {
    TwoOptions();
    radio.AddOption("B");
    radio.SetSelectedOption("B");  // the first match
    EXPECT_TRUE(Selected(1));
    radio.SetSelectedOption("b");  // exact comparison: nothing matches, nothing changes
    EXPECT_EQ(radio.GetSelectedOption(), "B");
    radio.OptionLabelAt(2).UserClick();
    EXPECT_TRUE(Selected(2));
    EXPECT_FALSE(Selected(1));
}

TEST_F(RadioTest, ArrayCountMakesAndDropsRowsAndRejectsLessThanOne) {
    TwoOptions();
    Select(1);
    const int32_t refreshes = radio.OptionButtonAt(0).RefreshCount();
    radio.ArrayCount(2);  // the same count does nothing, not even a repaint
    EXPECT_EQ(radio.OptionButtonAt(0).RefreshCount(), refreshes);
    EXPECT_TRUE(Selected(1));
    for (int16_t bad : {int16_t{0}, int16_t{-32768}})
        ExpectError(err::InvalidPropertyValue, "PanelKit::Radio.ArrayCount(Let)",
                    [&] { radio.ArrayCount(bad); });
    EXPECT_EQ(radio.GetSelectedAction(), "b1,b2");

    radio.ArrayCount(4);
    EXPECT_TRUE(Selected(0));
    for (int16_t i = 0; i < 4; ++i) EXPECT_EQ(radio.OptionButtonAt(i).Top(), 200 + i * 305);
    EXPECT_EQ(radio.Surface().Height(), 200 + 3 * 305 + 255 + 100);
    EXPECT_FALSE(radio.WLVisible(3));
    int16_t idx = 3;
    EXPECT_EQ(radio.Action(idx), "");  // a new row starts without the actions of row 0
    radio.ArrayCount(1);
    EXPECT_EQ(radio.Surface().Height(), 555);
    EXPECT_EQ(test::ErrorNumber([&] { radio.Caption(1); }), err::SubscriptOutOfRange);
}

TEST_F(RadioTest, IndexedMembersEndQuietlyOutsideTheRowsAndHandBackTheHighestIndex) {
    TwoOptions();
    int16_t idx = 5;
    EXPECT_FALSE(radio.Value(idx));  // range checked: nothing fails, nothing handed back
    radio.Value(idx, true);
    EXPECT_EQ(idx, 5);
    EXPECT_TRUE(Selected(0));
    EXPECT_EQ(radio.Action(idx), "");
    EXPECT_EQ(idx, 1);
    idx = -3;
    radio.Action(idx, "lost");
    EXPECT_EQ(idx, 1);
    EXPECT_EQ(radio.SaveProperties().SaveText().find("lost"), std::string::npos);
    radio.Caption(7, "ignored");
    // Members without a handler of their own pass the error on.
    ExpectError(err::SubscriptOutOfRange, "", [&] { radio.Bottom(-1); });
    ExpectError(err::SubscriptOutOfRange, "", [&] { radio.Right(2); });
    ExpectError(err::SubscriptOutOfRange, "", [&] { radio.WLVisible(100); });
    // Before any option the index is not looked at.
    radio.Clear();
    idx = 40;
    radio.Action(idx, "early");
    EXPECT_EQ(idx, 40);
    EXPECT_EQ(radio.GetSelectedAction(), "early");
}

TEST_F(RadioTest, CaptionsSetTheWidths) {
    const std::string text = "A rather long option caption";
    radio.AddOption(text);
    const float width = CaptionTwips(text) + 600;
    EXPECT_EQ(radio.Surface().Width(), width);
    EXPECT_EQ(radio.DesiredWidth(), static_cast<int32_t>(width));
    EXPECT_EQ(radio.OptionButtonAt(0).ToolTipText(), text);
    EXPECT_EQ(radio.OptionLabelAt(0).Width(), width - 500);
    EXPECT_EQ(radio.Right(0), static_cast<int32_t>(100 + 255 + width - 500));

    // The group caption asks for its width without taking it, and wraps while the
    // control is too narrow; once wide enough its full text comes back from the tool tip.
    const std::string group = "Which of these options would you like to have, if any?";
    const float groupWidth = CaptionTwips(group);
    ASSERT_GT(groupWidth + 100, width);
    radio.SetCaption(group);
    EXPECT_EQ(radio.DesiredWidth(), static_cast<int32_t>(200 + groupWidth));
    EXPECT_EQ(radio.Surface().Width(), width);
    radio.Surface().Width(width + 1);
    EXPECT_EQ(radio.CaptionLabel().Width(), width + 1 - 200);
    EXPECT_GT(radio.CaptionLabel().WrappedLines().size(), 1u);
    radio.Surface().Width(groupWidth + 200);
    EXPECT_EQ(radio.CaptionLabel().Width(), groupWidth);
    radio.AddCaption("");
    EXPECT_FALSE(radio.CaptionLabel().Visible());
}

TEST_F(RadioTest, ElementHeightSpacesRowsFromTheHeightTheyHad) {
    TwoOptions();
    radio.ElementHeight(400);
    EXPECT_EQ(radio.OptionButtonAt(1).Top(), 200 + 255 + 50);
    EXPECT_EQ(radio.Surface().Height(), 505 + 400);
    radio.AddOption("C");  // the next layout spaces them by the new height
    EXPECT_EQ(radio.OptionButtonAt(2).Top(), 200 + 2 * 450);
    EXPECT_EQ(radio.Bottom(2), 1100 + 400);
    radio.ElementHeight(0);
    EXPECT_EQ(radio.ElementHeight(), 255);
    ExpectError(err::InvalidPropertyValue, "PanelKit::Radio.ElementHeight(Let)",
                [&] { radio.ElementHeight(-5); });
}

TEST_F(RadioTest, ClearKeepsOnlyColoursAndSize) {
    radio.SetCaption("Group");
    radio.AddAction("c");
    TwoOptions();
    radio.BackColor(0x00112233);
    EXPECT_EQ(radio.OptionButtonAt(1).BackColor(), 0x00112233u);
    EXPECT_EQ(radio.GroupFrame().BackColor(), 0x00112233u);
    EXPECT_EQ(radio.OptionLabelAt(1).BackColor(), host::colors::ButtonFace);
    Select(1);
    const float width = radio.Surface().Width();
    radio.Clear();
    EXPECT_EQ(radio.ArrayCount(), 1);
    EXPECT_FALSE(radio.Show());
    EXPECT_TRUE(Selected(0));
    EXPECT_EQ(radio.Caption(0), "");
    EXPECT_EQ(radio.GetSelectedAction(), "");
    EXPECT_EQ(radio.DesiredWidth(), 400);
    EXPECT_EQ(radio.CaptionLabel().ToolTipText(), "");
    EXPECT_EQ(radio.BackColor(), 0x00112233u);
    EXPECT_EQ(radio.Surface().Width(), width);
    radio.AddOption("Again");  // names row 0 again
    EXPECT_EQ(radio.ArrayCount(), 1);
}

TEST_F(RadioTest, PropertiesSaveInTheirOrderAndLoadWithoutCaptions) {
    TwoOptions();
    radio.ForeColor(0x00102030);
    host::PropertyBag bag = radio.SaveProperties();
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"ArrayCount", "Height", "Width", "BackColor",
                                                    "ForeColor", "Action0", "Action1"}));
    Radio loaded;
    host::PropertyBag text = host::PropertyBag::LoadText(bag.SaveText());
    loaded.LoadProperties(text);
    EXPECT_EQ(loaded.ArrayCount(), 2);
    EXPECT_EQ(loaded.ForeColor(), 0x00102030u);
    EXPECT_EQ(loaded.Surface().Height(), radio.Surface().Height());
    EXPECT_EQ(loaded.GroupFrame().Width(), radio.Surface().Width());
    EXPECT_EQ(loaded.Caption(1), "");
    EXPECT_FALSE(loaded.Show());
    int16_t idx = 1;
    EXPECT_EQ(loaded.Action(idx), "b1,b2");
    EXPECT_EQ(loaded.GetSelectedAction(), "a1");
}

TEST_F(RadioTest, TheReadPathTakesItsDefaultsDropsSurplusRowsAndDoesNoLayout) {
    TwoOptions();
    radio.AddOption("C");
    radio.BackColor(0x00ABCDEF);
    host::PropertyBag bag;
    bag.WriteProperty("ArrayCount", int16_t{2});
    bag.WriteProperty("ElementHeight", int16_t{300});
    bag.WriteProperty("Action1", "kept");
    radio.LoadProperties(bag);
    EXPECT_EQ(radio.ArrayCount(), 2);
    int16_t idx = 1;
    EXPECT_EQ(radio.Action(idx), "kept");
    EXPECT_EQ(radio.Surface().Height(), 255);
    EXPECT_EQ(radio.Surface().Width(), 255);  // the width of button 0
    EXPECT_EQ(radio.GroupFrame().Width(), 255);
    EXPECT_EQ(radio.BackColor(), 0u);  // colours have no defaults
    radio.ArrayCount(3);               // lays out again
    EXPECT_EQ(radio.Surface().Height(), 200 + 2 * 350 + 300 + 100);
}

TEST_F(RadioTest, MalformedPersistedValuesFailClearlyAndLeaveTheControlUsable) {
    const auto failing = [&](std::string_view key, const Variant& value) {
        host::PropertyBag bag;
        bag.WriteProperty(key, value);
        return test::ErrorNumber([&] { radio.LoadProperties(bag); });
    };
    EXPECT_EQ(failing("ArrayCount", "many"), err::TypeMismatch);
    EXPECT_EQ(failing("ArrayCount", int32_t{0}), err::InvalidPropertyValue);
    EXPECT_EQ(failing("ArrayCount", 1e9), err::Overflow);
    EXPECT_EQ(failing("ElementHeight", int16_t{-40}), err::InvalidPropertyValue);
    EXPECT_EQ(failing("Height", 1e300), err::Overflow);
    radio.AddOption("Still works");
    radio.AddOption("And grows");
    EXPECT_EQ(radio.OptionButtonAt(1).Top(), 200 + 305);
}

TEST_F(RadioTest, LateBoundMembersPassIndexesByReference) {
    ObjectRef object = LibraryClasses().Create("PanelKit2.Radio");
    Dispatchable& late = *object;
    Variant text[] = {Variant("First")};
    CallByDispId(late, 0x60030011, CallKind::GetOrMethod, text);  // AddOption
    test::Get(late, "addoption", "Second");
    test::Get(late, "AddAction", "two");
    EXPECT_EQ(CallByDispId(late, 0x68030004, CallKind::GetOrMethod, {}).AsInteger(), 2);
    // Value(1) = True with a Long index: converted, and written back as an Integer.
    Variant select[] = {Variant(int32_t{1}), Variant(true)};
    CallByDispId(late, 0x68030003, CallKind::Let, select);
    EXPECT_EQ(select[0].Type(), VarType::Integer);
    EXPECT_EQ(test::Get(late, "GetSelectedAction").AsString(), "two");
    Variant outside[] = {Variant(int16_t{9})};
    EXPECT_EQ(CallByName(late, "Action", CallKind::GetOrMethod, outside).AsString(), "");
    EXPECT_EQ(outside[0].AsInteger(), 1);
    EXPECT_EQ(test::ErrorNumber([&] { test::Let(late, "ArrayCount", int32_t{40000}); }),
              err::Overflow);
    EXPECT_EQ(test::ErrorNumber([&] { test::Get(late, "Value"); }), err::WrongArgumentCount);
}

TEST_F(RadioTest, APageMixesRadioAndCheckAndAnswersInCreationOrder) {
    ControlPort port;
    port.Surface().Move(0, 0, 6000, 4000);
    const ObjectRef first = port.GetNewControl(7);
    const ObjectRef check = port.GetNewControl(0);
    const ObjectRef second = port.GetNewControl(7);
    ASSERT_TRUE(std::dynamic_pointer_cast<Radio>(first));
    ASSERT_TRUE(std::dynamic_pointer_cast<Radio>(second));
    EXPECT_NE(first, second);

    test::Get(*first, "SetCaption", "Colour");
    test::Get(*first, "AddAction", "paint");
    for (const char* option : {"Red", "Green"}) {
        test::Get(*first, "AddOption", option);
        test::Get(*first, "AddAction", std::string("colour=") + option);
    }
    test::Get(*check, "AddOption", "TRUE");
    test::Get(*check, "AddAction", "log=on");
    test::Get(*second, "AddAction", "only-common");  // never shown: no option

    for (const ObjectRef& child : {first, check, second}) port.AddControl(child);
    EXPECT_TRUE(port.Position());
    port.ShowControls();
    EXPECT_TRUE(test::Get(*first, "Visible").AsBoolean());
    EXPECT_FALSE(test::Get(*second, "Visible").AsBoolean());

    auto& radio = dynamic_cast<Radio&>(*first);
    radio.OptionLabelAt(1).UserClick();
    dynamic_cast<Check&>(*check).CaptionLabel().UserClick();
    EXPECT_EQ(port.GetSelectedActions(), "paint,colour=Green,log=on,only-common");

    // The next page reuses the elements, emptied.
    port.NewCanvas();
    EXPECT_EQ(port.GetNewControl(7), first);
    EXPECT_EQ(radio.ArrayCount(), 1);
    EXPECT_FALSE(radio.Show());
    EXPECT_EQ(port.GetSelectedActions(), "");
}

}  // namespace

}  // namespace panelkit2
