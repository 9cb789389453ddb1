// A Radio and a Combo on a ControlPort page in a window: real mouse and keys choose, and
// the page's actions follow what the model made of it.

#include <QAbstractItemView>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

#include "panelkit2/choice/combo.hpp"
#include "panelkit2/choice/radio.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/toolkit/user_control.hpp"
#include "tests/qt/view_fixture.hpp"

namespace panelkit2::qt {
namespace {

class ChoiceInputTest : public ViewFixture {
  protected:
    void SetUp() override {
        ViewFixture::SetUp();
        port.Surface().SetParent(&window);
        window.Move(0, 0, Tx(520), Ty(420));
        port.Surface().Move(0, 0, Tx(520), Ty(420));
        TheView().Attach(window, "Choices");
        port.Surface().Show.Emit();
    }
    // Adds the filled controls, lays the page out and shows it, as a host finishing a page
    // does: the container takes a control only once it has options to show.
    void ShowPage() {
        for (const ObjectRef& control : controls) port.AddControl(control);
        port.Position();
        port.ShowControls();
        TheView().Sync();
    }
    template <class T>
    T& New(ControlID kind) {
        controls.push_back(port.GetNewControl(static_cast<int16_t>(kind)));
        return static_cast<T&>(*controls.back());
    }
    QComboBox* ShownList(const Combo& combo, int16_t index) {
        return Shown<QComboBox>(combo.Lists()[index]);
    }
    // Picks entry `row` of an open list with the mouse.
    static void ClickEntry(QComboBox* list, int row) {
        QAbstractItemView* popup = list->view();
        ASSERT_TRUE(popup->isVisible());
        const QRect entry = popup->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, entry.center());
    }

    host::UserControl window{"Window"};
    ControlPort port;
    std::vector<ObjectRef> controls;
};

TEST_F(ChoiceInputTest, OptionsArePickedByMouseOnButtonOrCaptionAndByArrowKeys) {
    auto& radio = New<Radio>(ControlID::Radio);
    radio.SetCaption("How much should the service write to its log?");
    for (const char* level : {"error", "warning", "debug"}) {
        radio.AddOption(std::string("Level ") + level);
        radio.AddAction(std::string("level=") + level);
    }
    ShowPage();
    ASSERT_EQ(port.GetSelectedActions(), "level=error");
    auto* third = Shown<QRadioButton>(radio.OptionButtonAt(2));
    ASSERT_NE(third, nullptr);

    QTest::mouseClick(third, Qt::LeftButton, {}, QPoint(6, third->height() / 2));
    EXPECT_EQ(port.GetSelectedActions(), "level=debug");
    EXPECT_TRUE(third->isChecked());
    QWidget* secondCaption = Shown(radio.OptionLabelAt(1));
    QTest::mouseClick(secondCaption, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(port.GetSelectedActions(), "level=warning");
    EXPECT_FALSE(third->isChecked());

    // The arrows move along the group from the focused button, wrapping at its ends, and
    // the focus goes with the selection.
    QTest::keyClick(third, Qt::Key_Down);
    EXPECT_EQ(port.GetSelectedActions(), "level=error");
    EXPECT_TRUE(radio.OptionButtonAt(0).HasFocus());
    QTest::keyClick(Shown(radio.OptionButtonAt(0)), Qt::Key_Left);
    EXPECT_EQ(port.GetSelectedActions(), "level=debug");
    QTest::keyClick(third, Qt::Key_Up);
    EXPECT_EQ(port.GetSelectedActions(), "level=warning");
    EXPECT_TRUE(Shown<QRadioButton>(radio.OptionButtonAt(1))->isChecked());
    EXPECT_FALSE(third->isChecked());
    // Space is Qt's click on the focused button.
    QTest::keyClick(third, Qt::Key_Space);
    EXPECT_EQ(port.GetSelectedActions(), "level=debug");
}

TEST_F(ChoiceInputTest, DropDownsStepWithKeysAndPickFromTheOpenList) {
    auto& combo = New<Combo>(ControlID::Combo);
    combo.ArrayCount(2);
    combo.Caption(0, "Region");
    combo.Caption(1, "Language");
    for (const char* region : {"gb", "us", "de"}) {
        combo.AddItem(0, region);
        int16_t list = 0;
        auto item = static_cast<int16_t>(combo.ItemCount(0) - 1);
        combo.Action(list, item, std::string("region=") + region);
    }
    for (const char* language : {"en", "de", "ja"}) {
        combo.AddOption(language);
        combo.AddAction(std::string("lang=") + language);
    }
    ShowPage();
    ASSERT_EQ(port.GetSelectedActions(), "region=gb,lang=en");
    QComboBox* regions = ShownList(combo, 0);
    QComboBox* languages = ShownList(combo, 1);
    ASSERT_NE(regions, nullptr);
    ASSERT_NE(languages, nullptr);

    // Keys on the closed list step through it and stop at its ends.
    QTest::keyClick(regions, Qt::Key_Down);
    EXPECT_EQ(port.GetSelectedActions(), "region=us,lang=en");
    QTest::keyClick(regions, Qt::Key_End);
    QTest::keyClick(regions, Qt::Key_Down);
    EXPECT_EQ(port.GetSelectedActions(), "region=de,lang=en");
    EXPECT_EQ(regions->currentText(), "de");
    QTest::keyClick(regions, Qt::Key_Up);
    EXPECT_EQ(port.GetSelectedActions(), "region=us,lang=en");

    // Alt+Down opens the list without changing the entry; keys in the open list pick.
    QTest::keyClick(languages, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(languages->view()->isVisible());
    EXPECT_EQ(port.GetSelectedActions(), "region=us,lang=en");
    QTest::keyClick(languages->view(), Qt::Key_Down);
    QTest::keyClick(languages->view(), Qt::Key_Down);
    QTest::keyClick(languages->view(), Qt::Key_Return);
    EXPECT_FALSE(languages->view()->isVisible());
    EXPECT_EQ(port.GetSelectedActions(), "region=us,lang=ja");

    // A click opens the list (Qt then ignores the release of a quick second click, so
    // the entry is picked with the keys); F4 opens it too, and a click on an entry picks.
    QTest::mouseClick(regions, Qt::LeftButton, {}, regions->rect().center());
    ASSERT_TRUE(regions->view()->isVisible());
    QTest::keyClick(regions->view(), Qt::Key_Up);
    QTest::keyClick(regions->view(), Qt::Key_Return);
    EXPECT_EQ(port.GetSelectedActions(), "region=gb,lang=ja");
    EXPECT_EQ(regions->currentIndex(), 0);
    QTest::keyClick(languages, Qt::Key_F4);
    ClickEntry(languages, 1);
    EXPECT_FALSE(languages->view()->isVisible());
    EXPECT_EQ(port.GetSelectedActions(), "region=gb,lang=de");
}

}  // namespace
}  // namespace panelkit2::qt
