// Heading: text blocks and lists as entries, the two layouts (the last entry placed below
// the others, every entry stacked again), list sizes, the scroll bar and scrolling, the
// heading clearing itself when its content outgrows the scroll range, resizing, colours,
// and stacking again only what moved. The console script covers late binding, quiet ends,
// errors and persistence.

#include "panelkit2/display/heading.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "panelkit2/toolkit/host.hpp"
#include "support/assertions.hpp"

namespace panelkit2 {
namespace {

struct Place {
    float left, top, width, height;
    bool operator==(const Place&) const = default;
};

Place PlaceOf(const host::Widget& widget) {
    return {widget.Left(), widget.Top(), widget.Width(), widget.Height()};
}

void PrintTo(const Place& place, std::ostream* out) {
    *out << "(" << place.left << ", " << place.top << ", " << place.width << " x " << place.height
         << ")";
}

// One line of the headless font is 195 twips high.
constexpr float kLine = 195;
// Wraps to several lines in a block of the default width.
const std::string kLongText =
    "Setup copies the program files, creates the shortcuts you choose and registers the "
    "service. Review the settings below before you go on to the next page.";

class HeadingTest : public ::testing::Test {
  protected:
    void SetUp() override { host::Host::Current().ResetServices(); }

    host::WrapLabel& Block(int16_t idx) { return heading.TextLabels()[idx]; }
    host::UserControl& ListSurface(int16_t idx) { return heading.ListAt(idx).Surface(); }
    host::VScrollBar& Bar() { return heading.VerticalScrollBar(); }
    std::string Text(int16_t idx) { return heading.Caption(idx); }
    // A list entry with `lines` lines.
    std::shared_ptr<DispListBox> ListWith(int lines) {
        auto list = heading.AddList();
        for (int i = 0; i < lines; ++i) heading.AddItem("line " + std::to_string(i));
        return list;
    }
    // Every label and list where it stands.
    std::vector<Place> Layout() {
        std::vector<Place> places;
        for (const host::WrapLabel& label : heading.TextLabels()) places.push_back(PlaceOf(label));
        for (int16_t i = 0; i <= heading.ListUpper(); ++i)
            places.push_back(PlaceOf(ListSurface(i)));
        return places;
    }

    Heading heading;
};

TEST_F(HeadingTest, ANewHeadingIsBlankWithOneHiddenBlockAndOneHiddenEmptyList) {
    EXPECT_TRUE(heading.Blank());
    EXPECT_EQ(heading.TotalHeight(), 0);
    EXPECT_EQ(heading.EntryUpper(), -1);
    EXPECT_EQ(heading.Surface().Width(), 3000);
    EXPECT_EQ(heading.Surface().Height(), 4000);
    EXPECT_FALSE(Bar().Visible());
    EXPECT_FALSE(Bar().TabStop());
    EXPECT_EQ(heading.TextLabels().Count(), 1);
    EXPECT_FALSE(Block(0).Visible());
    EXPECT_EQ(Text(0), "");
    EXPECT_EQ(heading.ListUpper(), 0);
    EXPECT_FALSE(ListSurface(0).Visible());
    EXPECT_TRUE(heading.ListAt(0).IsEmpty());
    EXPECT_FALSE(heading.FocusHolder().Surface().Visible());
    EXPECT_EQ(PlaceOf(heading.ScrollAreaFrame()), (Place{0, 0, 3000, 4000}));
}

// ---------------------------------------------------------------------------------------
// Text blocks

TEST_F(HeadingTest, TextJoinsTheCurrentBlockUntilAListStartsANewOneBelowIt) {
    EXPECT_EQ(heading.AddText("Hello"), 0);
    EXPECT_EQ(heading.AddText("World"), 0);
    EXPECT_EQ(Text(0), "HelloWorld");
    EXPECT_FALSE(heading.Blank());
    EXPECT_EQ(heading.EntryUpper(), 0);
    // Stacked from 50 down, 100 in, as wide as the scrolling area less 100; 200 below it.
    EXPECT_EQ(PlaceOf(Block(0)), (Place{100, 50, 2900, kLine}));
    EXPECT_EQ(heading.TotalHeight(), 445);

    heading.AddList();
    EXPECT_EQ(heading.AddText("Below"), 1);
    EXPECT_EQ(heading.AddText(" the list"), 1);
    EXPECT_EQ(Text(1), "Below the list");
    EXPECT_EQ(heading.EntryUpper(), 2);
    // 50 + 195 for the first block, then the list's 1530 and 200 below it.
    EXPECT_EQ(PlaceOf(Block(1)), (Place{100, 1975, 2900, kLine}));
    EXPECT_EQ(heading.TotalHeight(), 2370);
}

TEST_F(HeadingTest, AnEmptyTextShowsNothingAndAfterAListOpensAnEmptyBlock) {
    EXPECT_EQ(heading.AddText(""), 0);
    EXPECT_EQ(heading.EntryUpper(), -1);
    EXPECT_TRUE(heading.Blank());
    // With nothing shown yet, an empty text after a list is ignored too; the next text
    // still starts a new block.
    heading.AddList();
    EXPECT_EQ(heading.AddText(""), 0);
    EXPECT_EQ(heading.EntryUpper(), 0);
    EXPECT_EQ(heading.AddText("After"), 1);

    heading.Clear();
    heading.AddText("Intro");
    heading.AddList();
    EXPECT_EQ(heading.AddText(""), 1);
    EXPECT_EQ(heading.EntryUpper(), 2);
    EXPECT_EQ(Text(1), "");
    // The empty block takes no room; text for it goes into that same block.
    heading.AddListItem(0, "line");
    EXPECT_EQ(heading.TotalHeight(), 50 + 195 + 1730 + 200);
    EXPECT_EQ(heading.AddText("More"), 1);
    EXPECT_EQ(Text(1), "More");
    EXPECT_EQ(Block(1).Top(), 1975);
}

// ---------------------------------------------------------------------------------------
// Lists

TEST_F(HeadingTest, ListZeroIsHandedBackWhileItHasNoLinesAndANewListOnlyAfterwards) {
    auto first = heading.AddList();
    auto again = heading.AddList();
    EXPECT_EQ(first, again);
    EXPECT_EQ(heading.ListUpper(), 0);
    EXPECT_EQ(heading.EntryUpper(), 1);
    EXPECT_EQ(heading.EntryAt(1).Kind, ItemType::List);
    EXPECT_EQ(heading.EntryAt(1).Index, 0);
    // Placed again below its own first place.
    EXPECT_EQ(first->Surface().Top(), 1930 + 250);
    EXPECT_EQ(heading.TotalHeight(), 3860);

    heading.AddItem("line");
    EXPECT_TRUE(first->Surface().Visible());
    auto second = heading.AddList();
    EXPECT_NE(second, first);
    EXPECT_EQ(second.get(), &heading.ListAt(1));
    EXPECT_EQ(heading.ListUpper(), 1);
    EXPECT_FALSE(second->Surface().Visible());
    // A new list repaints: list 0 ends at its second entry's place, list 1 below it.
    EXPECT_EQ(PlaceOf(first->Surface()), (Place{300, 2030, 2400, 1530}));
    EXPECT_EQ(PlaceOf(second->Surface()), (Place{300, 3760, 2400, 1530}));
    // Each list counts its height and 200; the 250 above it overlaps what follows.
    EXPECT_EQ(heading.TotalHeight(), 50 + 3 * 1730 + 200);
}

TEST_F(HeadingTest, AListTakesItsDefaultSizeFromTheHeading) {
    heading.SetListWidth(0, 2900);
    EXPECT_EQ(ListSurface(0).Width(), 2745);  // never wider than the heading less the bar
    heading.SetListWidth(0, 1000);
    EXPECT_EQ(ListSurface(0).Width(), 1000);
    heading.SetListWidth(0, -5);
    EXPECT_EQ(ListSurface(0).Width(), 2400);

    heading.Surface().Move(0, 0, 1000, 1000);
    heading.SetListHeight(0);
    heading.SetListWidth(0);
    EXPECT_EQ(ListSurface(0).Height(), 800);  // a lower heading than 1530: its height less 200
    EXPECT_EQ(ListSurface(0).Width(), 745);
    heading.Surface().Height(100);
    heading.SetListHeight(0);
    EXPECT_EQ(ListSurface(0).Height(), 100);
}

TEST_F(HeadingTest, AnExplicitListHeightRestacksEveryEntryAtItsDefaultHeight) {
    // A list no entry refers to keeps the height given.
    heading.SetListHeight(0, 500);
    EXPECT_EQ(ListSurface(0).Height(), 500);

    heading.AddText("Intro");
    ListWith(1);
    ListWith(1);
    heading.AddListItem(1, "painted");
    const std::vector<Place> stacked = Layout();
    // A host moves list 1 away; an explicit height for list 0 puts every list back in the
    // stack, list 0 included, at the default height.
    ListSurface(1).Move(0, 9999, 100, 100);
    heading.SetListHeight(0, 700);
    EXPECT_EQ(Layout(), stacked);
    EXPECT_EQ(ListSurface(0).Height(), 1530);
    heading.SetListHeight(1, 700);
    EXPECT_EQ(Layout(), stacked);
}

TEST_F(HeadingTest, TheFourthLineStacksAgainWhileAddItemAloneDoesNotRepaint) {
    heading.AddText("Intro");
    auto list = heading.AddList();
    for (int i = 0; i < 3; ++i) heading.AddItem("line");
    EXPECT_EQ(list->Surface().Left(), 0);
    EXPECT_TRUE(list->Surface().Visible());
    const int32_t refreshes = heading.Surface().RefreshCount();
    heading.AddItem("fourth");
    EXPECT_EQ(PlaceOf(list->Surface()), (Place{300, 495, 2400, 1530}));
    EXPECT_EQ(heading.Surface().RefreshCount(), refreshes);
    // AddListItem repaints whatever the count.
    heading.AddListItem(0, "fifth");
    EXPECT_GT(heading.Surface().RefreshCount(), refreshes);
    EXPECT_EQ(list->NumLines(), 5);
}

// ---------------------------------------------------------------------------------------
// Scrolling

TEST_F(HeadingTest, ContentTallerThanTheHeadingShowsTheScrollBarAndTheUserScrolls) {
    heading.AddText("Intro");
    ListWith(1);
    ListWith(1);
    ListWith(1);
    heading.AddListItem(2, "repaint");
    ASSERT_GT(heading.TotalHeight(), 4000);
    EXPECT_TRUE(Bar().Visible());
    EXPECT_EQ(Bar().Max(), heading.TotalHeight() - 4000);
    EXPECT_EQ(Bar().SmallChange(), 305);
    EXPECT_EQ(Bar().LargeChange(), 4000);
    EXPECT_EQ(PlaceOf(Bar()), (Place{2695, 0, 255, 3950}));
    // Text blocks keep room for the bar.
    EXPECT_EQ(Block(0).Width(), 3000 - 355 - 100);

    Bar().UserScrollTo(500);
    EXPECT_EQ(heading.ScrollAreaFrame().Top(), -500);
    Bar().UserDragThumb(300);
    EXPECT_EQ(heading.ScrollAreaFrame().Top(), -300);
    Bar().UserReleaseThumb();
    // The bar passes the focus on to the focus holder.
    EXPECT_TRUE(heading.FocusHolder().Surface().HasFocus());
    // Each repaint starts at the top again.
    heading.AddListItem(2, "again");
    EXPECT_EQ(heading.ScrollAreaFrame().Top(), 0);
}

TEST_F(HeadingTest, ScrollBottomKeepsEachRepaintAtTheEnd) {
    heading.ScrollBottom(true);
    heading.AddText("Intro");
    EXPECT_EQ(heading.ScrollAreaFrame().Top(), 0);  // nothing to scroll yet
    ListWith(1);
    ListWith(1);
    ListWith(1);
    heading.AddListItem(2, "repaint");
    ASSERT_TRUE(Bar().Visible());
    EXPECT_EQ(Bar().Value(), Bar().Max());
    EXPECT_EQ(heading.ScrollAreaFrame().Top(), -Bar().Max());
    heading.ScrollBottom(false);
    heading.AddListItem(2, "at the top");
    EXPECT_EQ(heading.ScrollAreaFrame().Top(), 0);
}

// A new block's index names table record 1 here, a placed list: the last entry (the new
// block, not placed yet) is measured where its label was loaded, so the repaint judges the
// scroll bar by a content that ends below the first block. The restack after it finds the
// real height, and the next repaint or showing of the heading shows the bar.
TEST_F(HeadingTest, ANewBlockAfterPlacedEntriesShowsTheScrollBarOnlyFromTheNextRepaint) {
    heading.AddText("Intro");
    ListWith(1);
    ListWith(1);
    ListWith(1);
    heading.AddText(kLongText);
    EXPECT_GT(heading.TotalHeight(), 4000);
    EXPECT_FALSE(Bar().Visible());
    const int32_t unscrolled = heading.TotalHeight();
    heading.Surface().Show.Emit();
    EXPECT_TRUE(Bar().Visible());
    // The range is set before the restack, which keeps room for the bar: the text wraps
    // into more lines.
    EXPECT_EQ(Bar().Max(), unscrolled - 4000);
    EXPECT_GT(heading.TotalHeight(), unscrolled);

    ListWith(1);
    heading.AddText("Another block");
    EXPECT_FALSE(Bar().Visible());
    heading.AddText(" grows.");
    EXPECT_TRUE(Bar().Visible());
}

TEST_F(HeadingTest, ContentBeyondTheScrollRangeClearsTheHeadingInsteadOfFailing) {
    // Each list adds 1730 twips; beyond 32767 twips more than the heading's 4000 the range
    // overflows.
    int32_t highest = 0;
    int cleared = -1;
    for (int i = 0; i < 25 && cleared < 0; ++i) {
        ListWith(1);
        if (heading.TotalHeight() < highest) cleared = i;
        highest = std::max(highest, heading.TotalHeight());
    }
    ASSERT_GE(cleared, 0);
    EXPECT_GT(highest, 32767 + 4000 - 1730 - 200);
    EXPECT_LE(highest, 32767 + 4000);
    EXPECT_EQ(heading.ListUpper(), 0);
    EXPECT_EQ(heading.EntryUpper(), -1);
    EXPECT_FALSE(Bar().Visible());
    // The heading goes on working.
    heading.AddText("Fresh start");
    EXPECT_EQ(heading.TotalHeight(), 445);
}

// ---------------------------------------------------------------------------------------
// Clear, resizing, colours, persistence

TEST_F(HeadingTest, ClearReturnsToANewHeadingAndLetsGoOfTheListsAHostHolds) {
    heading.AddText("Intro");
    ListWith(2);
    heading.AddText("Between");
    auto held = ListWith(4);
    heading.AddText("End");
    heading.Clear();
    EXPECT_TRUE(heading.Blank());
    EXPECT_EQ(heading.TotalHeight(), 0);
    EXPECT_EQ(heading.EntryUpper(), -1);
    EXPECT_EQ(heading.ListUpper(), 0);
    EXPECT_EQ(heading.TextLabels().Count(), 1);
    EXPECT_FALSE(Block(0).Visible());
    EXPECT_EQ(Block(0).Height(), 255);
    EXPECT_TRUE(heading.ListAt(0).IsEmpty());
    EXPECT_FALSE(ListSurface(0).Visible());
    EXPECT_FALSE(Bar().Visible());
    EXPECT_EQ(held->Surface().Parent(), nullptr);
    EXPECT_FALSE(held->Surface().Visible());
    // Moving it later does not reach the heading.
    held->Surface().Move(0, 0, 10, 10);
    EXPECT_EQ(heading.AddText("Again"), 0);
    EXPECT_EQ(heading.TotalHeight(), 445);
}

TEST_F(HeadingTest, ResizingStacksAgainAndAnUnusableSizeEndsQuietly) {
    heading.AddText(kLongText);
    heading.AddList();
    heading.AddListItem(0, "line");
    const float wideHeight = Block(0).Height();
    heading.Surface().Width(2000);
    EXPECT_EQ(heading.ScrollAreaFrame().Width(), 1900);
    EXPECT_EQ(Block(0).Width(), 1800);
    EXPECT_GT(Block(0).Height(), wideHeight);
    EXPECT_EQ(ListSurface(0).Width(), 1600);
    EXPECT_EQ(ListSurface(0).Left(), 200);
    EXPECT_EQ(PlaceOf(heading.ViewportFrame()), (Place{0, 0, 2000, 4000}));

    // Too low for the scroll bar (380): the resize ends quietly and the next one works.
    EXPECT_EQ(test::ErrorNumber([&] { heading.Surface().Height(30); }), 0);
    heading.Surface().Height(1500);
    EXPECT_TRUE(Bar().Visible());
    EXPECT_EQ(heading.ScrollAreaFrame().Width(), 2000 - 255 - 100);
    EXPECT_EQ(Bar().LargeChange(), 1500);
}

TEST_F(HeadingTest, ColoursReachTheBlocksButNotTheLists) {
    heading.AddText("Intro");
    heading.AddList();
    heading.AddText("Outro");
    heading.BackColor(0x00FFEEDD);
    heading.ForeColor(0x00112233);
    const std::vector<const host::Widget*> painted{&heading.Surface(), &heading.ScrollAreaFrame(),
                                                   &heading.ViewportFrame(), &Block(0), &Block(1)};
    for (const host::Widget* widget : painted) {
        EXPECT_EQ(widget->BackColor(), 0x00FFEEDDu) << widget->Name();
        EXPECT_EQ(widget->ForeColor(), 0x00112233u) << widget->Name();
    }
    EXPECT_EQ(heading.ListAt(0).MainBox().BackColor(), host::colors::Window);
    EXPECT_EQ(heading.BackColor(), 0x00FFEEDDu);
    const auto& changed = heading.Surface().ChangedProperties();
    EXPECT_NE(std::find(changed.begin(), changed.end(), "BackColor"), changed.end());
    EXPECT_NE(std::find(changed.begin(), changed.end(), "ForeColor"), changed.end());
    // A block made later takes the colours too.
    heading.AddList();
    heading.AddText("Later");
    EXPECT_EQ(Block(2).BackColor(), 0x00FFEEDDu);
}

// ---------------------------------------------------------------------------------------
// Stacking again only what moved

TEST_F(HeadingTest, AddingEntriesLeavesTheEntriesAboveInPlace) {
    heading.Surface().Height(30000);
    heading.AddText("Intro");
    for (int i = 0; i < 5; ++i) {
        ListWith(1);
        heading.AddText("Block " + std::to_string(i));
    }
    const int32_t refreshes = Block(0).RefreshCount();
    const Place first = PlaceOf(Block(0));
    for (int i = 0; i < 5; ++i) {
        ListWith(1);
        heading.AddText("More " + std::to_string(i));
        heading.AddListItem(heading.ListUpper(), "painted");
    }
    EXPECT_EQ(Block(0).RefreshCount(), refreshes);
    EXPECT_EQ(PlaceOf(Block(0)), first);
}

// After each step that ends in a repaint, a restack of everything (forced by another width
// of the scrolling area and back) leaves every entry where it is. A new text block repaints
// before the bar is judged by the real height (see above), so those steps repaint once
// more.
TEST_F(HeadingTest, StackingOnlyWhatMovedEndsWhereStackingEverythingEnds) {
    heading.AddText(kLongText);
    ListWith(5);
    ListWith(5);
    heading.AddListItem(1, "painted");
    ASSERT_TRUE(Bar().Visible());
    host::Frame& area = heading.ScrollAreaFrame();
    const std::vector<std::function<void()>> steps{
        [&] {
            heading.AddText("Short");
            heading.AddListItem(0, "x");
        },
        [&] {
            ListWith(2);
            heading.AddListItem(heading.ListUpper(), "x");
        },
        [&] {
            heading.AddText("");
            heading.AddListItem(0, "x");
        },
        [&] {
            heading.AddText("Filled later");
            heading.AddListItem(0, "x");
        },
        [&] {
            heading.SetListWidth(1, 500);
            heading.AddListItem(0, "x");
        },
        [&] {
            int16_t first = 0;
            heading.Caption(first, " Appended to the first block, which wraps once more now.");
        },
        [&] {
            ListSurface(0).Move(10, 20, 30, 40);
            heading.AddListItem(1, "x");
        },
        [&] { heading.SetListHeight(2, 300); },
        [&] {
            heading.AddList();
            heading.AddText("Tail");
            heading.AddText(" and its end");
        },
    };
    for (size_t step = 0; step < steps.size(); ++step) {
        steps[step]();
        const std::vector<Place> incremental = Layout();
        const int32_t total = heading.TotalHeight();
        const float width = area.Width();
        area.Width(width + 300);
        heading.Reposition();
        area.Width(width);
        EXPECT_EQ(heading.Reposition(), total) << "step " << step;
        EXPECT_EQ(Layout(), incremental) << "step " << step;
    }
}

}  // namespace
}  // namespace panelkit2
