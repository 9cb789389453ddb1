#pragma once

// Heading: the read-only, vertically scrolling heading of an assistant page. Its entries,
// stacked top to bottom in the order they were added, are blocks of word-wrapped text (a
// wrap label each) and line lists (a DispListBox each). Text added without a list in
// between joins the current block. The heading measures its content (TotalHeight), shows a
// scroll bar only when the content is taller than itself, and can stay scrolled to the
// bottom (ScrollBottom). Not an option control: no CtlID, options or actions, no events;
// a container does not make or lay out headings.
//
// Two layouts meet here. Position places only the entry added last below the others (text
// 100 twips below them, lists flush left); Reposition stacks every entry again from the top
// (text blocks without gaps, lists centred). Whatever repaints ends with Reposition.
//
// The class is split by concern: heading.cpp (life cycle, entries, text, appearance,
// persistence), heading_layout.cpp (placing, scroll bar, painting, resizing, scrolling) and
// heading_interface.cpp (the automation interface).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "panelkit2/automation/error_source.hpp"
#include "panelkit2/controls/control_base.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/display/disp_list_box.hpp"
#include "panelkit2/display/focus.hpp"
#include "panelkit2/display/stack_memo.hpp"
#include "panelkit2/toolkit/frame.hpp"
#include "panelkit2/toolkit/signal.hpp"
#include "panelkit2/toolkit/vscroll_bar.hpp"
#include "panelkit2/toolkit/widget_array.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

class Heading : public ControlBase {
  public:
    // One entry of the heading, in display order.
    struct HeadingEntry {
        ItemType Kind = ItemType::Text;
        int16_t Index = 0;  // of the label or list in its array
        bool Placed = false;
    };

    Heading();
    ~Heading() override;
    Heading(const Heading&) = delete;
    Heading& operator=(const Heading&) = delete;

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    // The text of text block idx. Index family: a block that does not exist ends quietly
    // and hands the highest block index back through idx.
    std::string Caption(int16_t& idx) const;
    // Appends the text to block idx (an empty text changes nothing) and lays it out.
    void Caption(int16_t& idx, std::string_view value);
    int32_t TotalHeight() const noexcept { return mlngTotalHeight; }
    host::OleColor BackColor() const;
    // The heading and its text blocks; lists keep their colours.
    void BackColor(host::OleColor value);
    host::OleColor ForeColor() const;
    void ForeColor(host::OleColor value);
    // Takes effect at the next repaint.
    void ScrollBottom(bool value);
    // True when the last repaint found nothing to show.
    bool Blank() const noexcept { return mblnBlank; }

    void ResetScrollBar();
    // An explicit height (>= 0) restacks every entry, and the restack gives each list in
    // the heading its default height again; -1 is the default height alone.
    void SetListHeight(int16_t idx, int16_t vTwips = -1);
    void SetListWidth(int16_t idx, int16_t vData = -1);
    int32_t Position();
    int32_t Reposition();
    void ResizeLast();

    // Text for the current block, or for a new block after a list; the block's index.
    int16_t AddText(std::string_view vData = {});
    // A new list entry, and the list it shows: list 0 again while it has no lines.
    std::shared_ptr<DispListBox> AddList();
    // A line for list idx, then a repaint.
    void AddListItem(int16_t idx, std::string_view vData);
    // A line for the last list, without a repaint.
    void AddItem(std::string_view vData);
    void Clear();

    // Constituents and entries, for views and tests that look inside.
    host::Frame& ViewportFrame() { return Viewport; }
    host::Frame& ScrollAreaFrame() { return ScrollArea; }
    host::VScrollBar& VerticalScrollBar() { return ScrollBar; }
    Focus& FocusHolder() { return Focus1; }
    const host::WidgetArray<host::WrapLabel>& TextLabels() const { return wlText; }
    // List idx (error 9 when there is none).
    DispListBox& ListAt(int16_t idx) const;
    int16_t ListUpper() const noexcept { return mintListUpper; }
    int16_t EntryUpper() const noexcept { return mintEntryUpper; }
    const HeadingEntry& EntryAt(int32_t position) const;

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;

  private:
    // "PanelKit::Heading." and the procedure: the sources of the heading's failures.
    static constexpr ErrorSource kSource{"Heading"};
    static constexpr float kScrollBarWidth = 255;
    // Height of a text block before it is wrapped.
    static constexpr float kEmptyBlockHeight = 255;

    // Life cycle, entries and text (heading.cpp).
    void ConnectEvents();
    void UserControl_Initialize();
    void UserControl_Show();
    host::WrapLabel& TextLabel(int16_t idx) const;
    HeadingEntry& Entry(int32_t position);
    void AppendEntry(ItemType kind, int16_t index);
    void ResetEntries();
    void LoadTextBlock(int16_t idx);
    std::shared_ptr<DispListBox> LoadList(int16_t idx);
    void UnloadLastList();
    void UnloadBlocksAndLists();
    void SetText(int16_t idx, std::string_view s);
    void AddLine(int16_t idx, std::string_view vData);
    void ApplyColour(void (host::Widget::*colour)(host::OleColor), host::OleColor value,
                     std::string_view property);
    // A label or list that changed outside a restack moves its entries out of place.
    using WatchId = host::Signal<host::Widget&, host::WidgetProperty>::Connection;
    [[nodiscard]] WatchId Watch(host::Widget& widget, std::vector<int16_t>& firstEntries,
                                int16_t index);

    // Layout (heading_layout.cpp).
    float W() const { return UserControl.Width(); }
    float H() const { return UserControl.Height(); }
    int32_t PlaceEntry(const HeadingEntry& entry, int32_t y, double margin);
    void ApplyScrollRange();
    void Paint();
    void UserControl_Resize();
    void ScrollBar_Change();
    void ScrollBar_GotFocus();

    // Constituents.
    host::Frame Viewport;
    host::Frame ScrollArea;
    host::VScrollBar ScrollBar;
    Focus Focus1;
    host::WidgetArray<host::WrapLabel> wlText;
    // DispList: element i is list i; element 0 exists from the start.
    std::vector<std::shared_ptr<DispListBox>> mcolLists;
    // The heading's watch on each list's surface, released with the list: a host may keep
    // a list beyond the heading.
    std::vector<WatchId> mcolListWatches;

    // Entries.
    std::vector<HeadingEntry> mEntries;
    int16_t mintEntryUpper = -1;
    int16_t mintListUpper = 0;
    int16_t mintTextUpper = 0;
    // The first entry of each label and list, -1 when none refers to it.
    std::vector<int16_t> mcolFirstEntryOfText;
    std::vector<int16_t> mcolFirstEntryOfList;
    StackMemo mMemo;

    int32_t mlngTotalHeight = 0;
    bool mblnLayoutBusy = false;
    // Set while Reposition places the entries: their changes are its own.
    bool mblnRestacking = false;
    bool mblnScrollBottom = false;
    bool mblnBlank = false;
    bool mblnNewText = false;
};

}  // namespace panelkit2
