// A MultiList on a ControlPort page in a window: real clicks and keys select several
// entries as users expect (a click one, Ctrl+click toggling, Shift extending from the
// anchor), and the control's answer, the page's actions and the list shown follow the model.

#include <QListWidget>
#include <QTest>
#include <string>
#include <vector>

#include "panelkit2/choice/multi_list.hpp"
#include "tests/qt/page_fixture.hpp"

namespace panelkit2::qt {
namespace {

constexpr int kParts = 8;

class MultiListInputTest : public PageFixture {
  protected:
    // A page with one list of parts to install, each with an action of its own.
    void SetUp() override {
        PageFixture::SetUp();
        list = &NewControl<MultiList>(ControlID::MultiList);
        list->SetCaption("Which parts should be installed?");
        list->AddAction("install");
        for (int i = 1; i <= kParts; ++i) {
            list->AddItem("Part " + std::to_string(i));
            list->AddAction("part=" + std::to_string(i));
        }
        ShowPage();
        shown = Shown<QListWidget>(list->Entries());
    }
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        PageFixture::ClickRow(shown, row, modifiers);
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(shown, key, modifiers);
    }
    // The entries the model has selected, as the control answers, and those Qt shows.
    std::string Picked() { return list->GetSelectedOption(); }
    std::vector<int> ShownSelection() { return SelectedRows(shown); }

    MultiList* list = nullptr;
    QListWidget* shown = nullptr;
};

TEST_F(MultiListInputTest, ClicksSelectOneCtrlTogglesAndShiftExtends) {
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(shown->count(), kParts);
    ASSERT_EQ(Picked(), "Part 1");
    EXPECT_EQ(ShownSelection(), std::vector<int>{0});

    ClickRow(2);
    EXPECT_EQ(Picked(), "Part 3");
    EXPECT_TRUE(list->Entries().HasFocus());
    ClickRow(4, Qt::ControlModifier);
    ClickRow(6, Qt::ControlModifier);
    EXPECT_EQ(Picked(), "Part 3|Part 5|Part 7");
    EXPECT_EQ(port.GetSelectedActions(), "install,part=3,part=5,part=7");
    EXPECT_EQ(ShownSelection(), (std::vector<int>{2, 4, 6}));
    // Ctrl+click on a selected entry takes it out again.
    ClickRow(4, Qt::ControlModifier);
    EXPECT_EQ(Picked(), "Part 3|Part 7");
    // Shift+click selects from the entry last clicked to there, and only that.
    ClickRow(2, Qt::ShiftModifier);
    EXPECT_EQ(Picked(), "Part 3|Part 4|Part 5");
    ClickRow(6, Qt::ShiftModifier);
    EXPECT_EQ(Picked(), "Part 5|Part 6|Part 7");
    EXPECT_EQ(ShownSelection(), (std::vector<int>{4, 5, 6}));
    // A plain click starts over with one entry.
    ClickRow(0);
    EXPECT_EQ(Picked(), "Part 1");
    EXPECT_EQ(list->GetSelectedAction(), "install,part=1");
    EXPECT_EQ(ShownSelection(), std::vector<int>{0});
}

TEST_F(MultiListInputTest, ShiftArrowsExtendCtrlArrowsMoveTheFocusAndCtrlSpaceToggles) {
    ASSERT_NE(shown, nullptr);
    ClickRow(1);
    Press(Qt::Key_Down, Qt::ShiftModifier);
    Press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Picked(), "Part 2|Part 3|Part 4");
    Press(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(Picked(), "Part 2|Part 3");
    EXPECT_EQ(shown->currentRow(), 2);
    // The focus goes on alone, and Ctrl+Space adds the entry it is on.
    Press(Qt::Key_Down, Qt::ControlModifier);
    Press(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(shown->currentRow(), 4);
    EXPECT_EQ(Picked(), "Part 2|Part 3");
    Press(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(Picked(), "Part 2|Part 3|Part 5");
    EXPECT_EQ(port.GetSelectedActions(), "install,part=2,part=3,part=5");
    EXPECT_EQ(ShownSelection(), (std::vector<int>{1, 2, 4}));
    // Shift+End extends from the entry last toggled.
    Press(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(Picked(), "Part 5|Part 6|Part 7|Part 8");
    // A plain arrow selects the one entry it moves to.
    Press(Qt::Key_Up);
    EXPECT_EQ(Picked(), "Part 7");
    EXPECT_EQ(ShownSelection(), std::vector<int>{6});
}

// The host's selection strings and the user's picks meet in one list box.
TEST_F(MultiListInputTest, TheHostsSelectionShowsAndTheUserGoesOnFromIt) {
    ASSERT_NE(shown, nullptr);
    list->SetSelectedOption("Part 2|Part 8");
    TheView().Sync();
    EXPECT_EQ(ShownSelection(), (std::vector<int>{1, 7}));
    ClickRow(5, Qt::ControlModifier);
    EXPECT_EQ(Picked(), "Part 2|Part 6|Part 8");
    std::string more = " \"Part 1|Part 3\" ";
    list->Selected(more);
    TheView().Sync();
    EXPECT_EQ(ShownSelection(), (std::vector<int>{0, 1, 2, 5, 7}));
    EXPECT_EQ(port.GetSelectedActions(), "install,part=1,part=2,part=3,part=6,part=8");
}

}  // namespace
}  // namespace panelkit2::qt
