// TextArea: what the console script (tests/console/scripts/textarea.pnk) cannot see: the
// constituents' geometry, tool tips and colours, which let marks a property changed, and
// the keys saved.

#include "panelkit2/choice/text_area.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "panelkit2/toolkit/host.hpp"

namespace panelkit2 {
namespace {

using Keys = std::vector<std::string>;

class TextAreaTest : public ::testing::Test {
  protected:
    void SetUp() override { host::Host::Current().ResetServices(); }

    bool Changed(const std::string& property) {
        const std::vector<std::string>& changed = area.Surface().ChangedProperties();
        return std::find(changed.begin(), changed.end(), property) != changed.end();
    }

    TextArea area;
};

TEST_F(TextAreaTest, TheFieldFillsTheFrameAndTheCaptionSitsOnItsTopEdge) {
    const host::TextBox& field = area.Field();
    EXPECT_TRUE(field.MultiLine());
    EXPECT_EQ(field.Parent(), &area.TextFrame());
    EXPECT_FALSE(area.CaptionLabel().Visible());
    area.Surface().Move(0, 0, 5000, 2400);
    EXPECT_EQ(area.TextFrame().Left(), 0);
    EXPECT_EQ(area.TextFrame().Top(), 0);
    EXPECT_EQ(area.TextFrame().Width(), 5000);
    EXPECT_EQ(area.TextFrame().Height(), 2200);
    EXPECT_EQ(field.Left(), 100);
    EXPECT_EQ(field.Top(), 200);
    EXPECT_EQ(field.Width(), 4800);
    EXPECT_EQ(field.Height(), 1900);
    EXPECT_EQ(area.CaptionLabel().Left(), 200);
    EXPECT_EQ(area.CaptionLabel().Top(), 0);
    // Too small for the strips: the frame and field shrink to nothing, the label stays.
    area.Surface().Move(0, 0, 150, 150);
    EXPECT_EQ(area.TextFrame().Height(), 0);
    EXPECT_EQ(field.Width(), 0);
    EXPECT_EQ(field.Height(), 0);
    EXPECT_EQ(area.CaptionLabel().Left(), 200);
}

// The label is sized while its switch is on, so it is as wide as the text on one line and
// one line high; every caption, also an empty one, shows it.
TEST_F(TextAreaTest, TheCaptionIsTheLabelsTextAndTheToolTipOfLabelAndField) {
    area.SetCaption("Remarks");
    const host::WrapLabel& label = area.CaptionLabel();
    EXPECT_TRUE(label.Visible());
    EXPECT_FALSE(label.AutoSize());
    EXPECT_GT(label.Width(), 0);
    EXPECT_GT(label.Height(), 0);
    EXPECT_EQ(label.ToolTipText(), "Remarks");
    EXPECT_EQ(area.Field().ToolTipText(), "Remarks");
    EXPECT_EQ(area.TextFrame().Caption(), "");
    area.SetCaption("");
    EXPECT_TRUE(label.Visible());
    EXPECT_EQ(area.Field().ToolTipText(), "");
    EXPECT_TRUE(Changed("Caption"));
}

TEST_F(TextAreaTest, ColoursGoToTheSurfaceAndTheCaptionAndTheFieldKeepsItsOwn) {
    const host::OleColor fieldFore = area.Field().ForeColor();
    const host::OleColor fieldBack = area.Field().BackColor();
    area.ForeColor(0x00112233);
    area.BackColor(0x00445566);
    EXPECT_EQ(area.Surface().ForeColor(), 0x00112233u);
    EXPECT_EQ(area.CaptionLabel().ForeColor(), 0x00112233u);
    EXPECT_EQ(area.CaptionLabel().BackColor(), 0x00445566u);
    EXPECT_EQ(area.Field().ForeColor(), fieldFore);
    EXPECT_EQ(area.Field().BackColor(), fieldBack);
    EXPECT_TRUE(Changed("ForeColor"));
    EXPECT_TRUE(Changed("BackColor"));
}

// The window tests type into the field; of the host's two ways to write it, only Value
// marks the property changed.
TEST_F(TextAreaTest, OnlyAValueLetMarksTheTextChanged) {
    area.Text("by code");
    EXPECT_FALSE(Changed("Value"));
    area.Value("by value");
    EXPECT_TRUE(Changed("Value"));
    EXPECT_EQ(area.GetSelectedOption(), "by value");
}

TEST_F(TextAreaTest, OnlyTheSizeAndTheColoursAreSaved) {
    area.SetCaption("Remarks");
    area.Text("typed");
    area.AddAction("kept nowhere");
    EXPECT_EQ(area.SaveProperties().Keys(), (Keys{"ForeColor", "BackColor"}));
    area.Surface().Height(1500);
    // A width other than the frame's, as a load leaves it until the next resize.
    host::PropertyBag wide;
    wide.WriteProperty("Width", 4500.0f);
    area.LoadProperties(wide);
    EXPECT_EQ(area.TextFrame().Width(), 3200);
    const host::PropertyBag bag = area.SaveProperties();
    EXPECT_EQ(bag.Keys(), (Keys{"Width", "ForeColor", "BackColor"}));
    EXPECT_EQ(bag.ReadProperty("Width").AsSingle(), 4500);
    EXPECT_EQ(area.Surface().Height(), 1000);
}

}  // namespace
}  // namespace panelkit2
