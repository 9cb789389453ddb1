// Every widget of a page in a real window carries an accessible name taken from a caption,
// so a screen reader can name it; Return pushes a focused button as Space does.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/combo.hpp"
#include "panelkit2/choice/command.hpp"
#include "panelkit2/choice/list.hpp"
#include "panelkit2/choice/radio.hpp"
#include "panelkit2/choice/string_box.hpp"
#include "panelkit2/range/num_box.hpp"
#include "panelkit2/range/slide.hpp"
#include "tests/qt/page_fixture.hpp"

namespace panelkit2::qt {
namespace {

class AccessibleNameTest : public PageFixture {
  protected:
    QString NameOf(const host::Widget& widget) {
        QWidget* shown = Shown(widget);
        return shown ? shown->accessibleName() : QString("(not shown)");
    }
};

TEST_F(AccessibleNameTest, FieldsTakeTheCaptionBesideOrAboveThemAndCaptionedWidgetsTheirOwn) {
    auto& check = NewControl<Check>(ControlID::Check);
    check.SetCaption("Enable logging");
    auto& radio = NewControl<Radio>(ControlID::Radio);
    radio.SetCaption("Level");
    radio.AddOption("Errors");
    radio.AddOption("Everything");
    auto& port_ = NewControl<NumBox>(ControlID::NumBox);
    port_.SetCaption("Port");
    port_.Max(100);
    auto& names = NewControl<StringBox>(ControlID::StringBox);
    names.AddOption("Host");
    names.AddOption("Alias");
    auto& combo = NewControl<Combo>(ControlID::Combo);
    combo.ArrayCount(2);
    combo.Caption(0, "Country");
    combo.Caption(1, "Language");
    combo.AddItem(0, "Japan");
    combo.AddItem(1, "Japanese");
    auto& slide = NewControl<Slide>(ControlID::Slide);
    slide.SetCaption("Retention");
    slide.AddTick("Week");
    slide.AddTick("Year");
    auto& list = NewControl<List>(ControlID::List);
    list.SetCaption("Zone");
    list.AddItem("UTC");
    auto& button = NewControl<Command>(ControlID::CommandButton);
    button.SetCaption("Test now");
    ShowPage();

    EXPECT_EQ(NameOf(check.Box()), "Enable logging");
    EXPECT_EQ(NameOf(check.CaptionLabel()), "Enable logging");
    EXPECT_EQ(NameOf(radio.OptionButtonAt(1)), "Everything");
    EXPECT_EQ(NameOf(port_.Field()), "Port");
    EXPECT_EQ(NameOf(port_.SpinButtons()), "Port");
    EXPECT_EQ(NameOf(names.TextFields()[0]), "Host");
    EXPECT_EQ(NameOf(names.TextFields()[1]), "Alias");
    EXPECT_EQ(NameOf(combo.Lists()[1]), "Language");
    EXPECT_EQ(NameOf(slide.Track()), "Retention");
    EXPECT_EQ(NameOf(list.Entries()), "Zone");
    EXPECT_EQ(NameOf(button.Button()), "Test now");

    // A caption given later renames the field.
    port_.SetCaption("Server port");
    TheView().Sync();
    EXPECT_EQ(NameOf(port_.Field()), "Server port");
}

TEST_F(AccessibleNameTest, ReturnPushesTheFocusedButton) {
    auto& button = NewControl<Command>(ControlID::CommandButton);
    button.SetCaption("Next");
    ShowPage();
    ActivateForm();
    auto* shown = Shown<QPushButton>(button.Button());
    ASSERT_NE(shown, nullptr);
    shown->setFocus(Qt::TabFocusReason);
    QTest::keyClick(shown, Qt::Key_Return);
    EXPECT_EQ(button.GetSelectedOption(), "True");
}

}  // namespace
}  // namespace panelkit2::qt
