// A List on a ControlPort page in a window: real clicks and keys pick the entry, and the
// control's answer and the page's actions follow what the model made of it.

#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <string>
#include <vector>

#include "panelkit2/choice/list.hpp"
#include "tests/qt/page_fixture.hpp"

namespace panelkit2::qt {
namespace {

constexpr int kMirrors = 12;

class ListInputTest : public PageFixture {
  protected:
    // A page with one list of mirrors, each with an action of its own.
    void SetUp() override {
        PageFixture::SetUp();
        list = &NewControl<List>(ControlID::List);
        list->SetCaption("Which mirror should the updates come from?");
        list->AddAction("updates=on");
        for (int i = 1; i <= kMirrors; ++i) {
            list->AddItem("Mirror " + std::to_string(i));
            list->AddAction("mirror=" + std::to_string(i));
        }
        ShowPage();
        shown = Shown<QListWidget>(list->Entries());
    }
    void ClickRow(int row) { PageFixture::ClickRow(shown, row); }
    void Press(Qt::Key key) { QTest::keyClick(shown, key); }
    // The entry the model has selected, as the control answers, and the one Qt shows.
    std::string Picked() { return list->GetSelectedOption(); }
    std::vector<int> ShownSelection() { return SelectedRows(shown); }

    List* list = nullptr;
    QListWidget* shown = nullptr;
};

TEST_F(ListInputTest, AClickPicksTheEntryAndOnlyThatOne) {
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(shown->count(), kMirrors);
    ASSERT_EQ(Picked(), "Mirror 1");
    ASSERT_EQ(port.GetSelectedActions(), "updates=on,mirror=1");
    EXPECT_EQ(ShownSelection(), std::vector<int>{0});

    ClickRow(2);
    EXPECT_EQ(Picked(), "Mirror 3");
    EXPECT_EQ(list->GetSelectedAction(), "updates=on,mirror=3");
    EXPECT_EQ(port.GetSelectedActions(), "updates=on,mirror=3");
    EXPECT_EQ(ShownSelection(), std::vector<int>{2});
    ClickRow(4);
    EXPECT_EQ(Picked(), "Mirror 5");
    EXPECT_EQ(ShownSelection(), std::vector<int>{4});
    EXPECT_TRUE(list->Entries().HasFocus());
    // The control's own selection members and the user's picks meet in one list box.
    list->SetSelectedOption("Mirror 2");
    TheView().Sync();
    EXPECT_EQ(ShownSelection(), std::vector<int>{1});
    ClickRow(1);
    EXPECT_EQ(list->GetSelectedAction(), "updates=on,mirror=2");
}

TEST_F(ListInputTest, ArrowHomeEndAndPageKeysMoveThePickAndStopAtTheEnds) {
    ASSERT_NE(shown, nullptr);
    // What a page key moves: the entries shown, less one.
    const int page = list->Entries().VisibleRows() - 1;
    ASSERT_GT(page, 0);
    ASSERT_LT(page, kMirrors - 1);
    Press(Qt::Key_Down);
    EXPECT_EQ(Picked(), "Mirror 2");
    Press(Qt::Key_End);
    EXPECT_EQ(Picked(), "Mirror 12");
    EXPECT_EQ(list->GetSelectedAction(), "updates=on,mirror=12");
    // The model scrolls the pick into view, and the view follows.
    EXPECT_GT(list->Entries().TopIndex(), 0);
    EXPECT_EQ(shown->verticalScrollBar()->value(), list->Entries().TopIndex());
    Press(Qt::Key_Down);
    EXPECT_EQ(Picked(), "Mirror 12");
    Press(Qt::Key_Up);
    EXPECT_EQ(Picked(), "Mirror 11");
    Press(Qt::Key_Home);
    EXPECT_EQ(Picked(), "Mirror 1");
    EXPECT_EQ(list->Entries().TopIndex(), 0);
    Press(Qt::Key_Up);
    EXPECT_EQ(Picked(), "Mirror 1");
    Press(Qt::Key_PageDown);
    EXPECT_EQ(Picked(), "Mirror " + std::to_string(1 + page));
    EXPECT_EQ(port.GetSelectedActions(), "updates=on,mirror=" + std::to_string(1 + page));
    Press(Qt::Key_PageDown);
    EXPECT_EQ(Picked(), "Mirror " + std::to_string(std::min(1 + 2 * page, kMirrors)));
    Press(Qt::Key_PageUp);
    EXPECT_EQ(Picked(), "Mirror " + std::to_string(std::min(1 + 2 * page, kMirrors) - page));
    Press(Qt::Key_PageUp);
    EXPECT_EQ(Picked(), "Mirror 1");
    EXPECT_EQ(ShownSelection(), std::vector<int>{0});
    EXPECT_EQ(shown->currentRow(), 0);
}

}  // namespace
}  // namespace panelkit2::qt
