#pragma once

// ItemList: what the list controls share. A caption label above a list box, both inside a
// frame. The host adds items and attaches actions to items by position; the actions live in
// a table parallel to the entries, with one entry more than there are items, so an action
// attached one past the last item waits there for the next item. An empty list shows one
// blank entry, selected, and the first item added takes its place.
//
// The single-selection List and its multi-selection twin differ in how a selection is
// written (their own members), in a few steps of the caption, creation and item layout and
// in the caption they save (the hooks below), and in the order of the keys they load (each
// composes its own loading from the steps below).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "panelkit2/controls/option_control.hpp"
#include "panelkit2/toolkit/frame.hpp"
#include "panelkit2/toolkit/list_box.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

class ItemList : public OptionControl {
  public:
    // Stored only; a height of 0 becomes 1 and resizes the control to its list, a width
    // of 0 becomes 2600.
    int16_t ElementHeight() const noexcept { return mintElementHeight; }
    void ElementHeight(int16_t value);
    int16_t ElementWidth() const noexcept { return mintElementWidth; }
    void ElementWidth(int16_t value);
    // Bottom and right edge of the list box.
    int32_t Bottom() const;
    int32_t Right() const;
    std::string Caption() const { return wlCaption.Caption(); }
    void Caption(std::string_view value);
    bool IsEmpty() const;
    // The entry with the focus: in single selection the selected one; empty when none.
    std::string Selected() const { return List_.Text(); }
    // The entries, the blank one of an empty list included.
    int32_t ItemCount() const noexcept { return List_.ListCount(); }
    bool Show() const override { return List_.ListCount() > 0; }
    // The actions of the item at `idx`. Positions 0 to the item count are stored (the last
    // one is the next item's); any other ends quietly and writes the last item's position
    // into `idx`. Until the first item is added every action is a common one, whatever
    // the index.
    std::string Action(int16_t& idx) const;
    void Action(int16_t& idx, std::string_view value);

    void AddItem(std::string_view vNewData);
    // Removes the entry and its actions; the actions after it move up one position.
    void RemoveItem(int16_t idx);
    void Clear() override;
    void AddOption(std::string_view vData);
    std::string GetSelectedAction() const override;

    // Constituents, for hosts and views that look inside.
    host::Frame& ListFrame() { return frame; }
    host::ListBox& Entries() { return List_; }
    const host::ListBox& Entries() const { return List_; }
    host::WrapLabel& CaptionLabel() { return wlCaption; }

  protected:
    // `actionProperty` is the name the Action property's error sources spell.
    ItemList(std::string name, const Design& design, std::string_view actionProperty);

    // Called once from the concrete control's constructor, when its hooks are in place.
    void UserControl_Initialize();

    // Creation: where the caption label starts.
    virtual void PlaceCaptionLabel() = 0;
    // Adding an item: widens the control for an item text that does not fit.
    virtual void FitWidthToItem(std::string_view text) = 0;
    // The last step of a caption let, after the tool tips, width and notification.
    virtual void FinishCaption(std::string_view text) = 0;
    // The text saved under "Caption".
    virtual std::string SavedCaption() const = 0;

    // Widens the control to the item's text width + `firstRoom` + `secondRoom` (summed in
    // two steps as Longs) when that is more than its width; true when it did.
    bool WidenForItem(std::string_view text, double firstRoom, double secondRoom);
    // The selected entries' texts in position order, joined with `separator`.
    std::string SelectedTexts(std::string_view separator) const;

    // Saving: "Caption", the layout, "Selected", the colours and the items.
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    // Loading steps. Layout: "ElementHeight", "ElementWidth", "ListWidth" and
    // "CaptionWidth". Items: "ListItem<j>" and "Action<j>" for every entry; loading reads
    // as many as the list holds when it starts (a new control: the blank entry), through
    // the Action property.
    void ReadLayout(const host::PropertyBag& bag);
    void ReadItems(const host::PropertyBag& bag);

    void ApplyCaption(std::string_view text) override { Caption(text); }
    void RouteAction(std::string_view text) override;
    void PaintForeColor(host::OleColor value) override;
    void PaintBackColor(host::OleColor value) override;

    host::Frame frame;
    host::WrapLabel wlCaption;
    // The list box is named "List" among the constituents; the trailing underscore keeps
    // the member apart from the class name.
    host::ListBox List_;

  private:
    void Paint();
    void UserControl_Resize();
    // Entry 0 selected and focused, in either selection mode.
    void SelectFirstEntry();
    void WriteLayout(host::PropertyBag& bag) const;
    void WriteItems(host::PropertyBag& bag) const;
    // Positions 0 to the item count, keeping the entries there are.
    void FitActionTable() const;

    std::string_view mstrActionProperty;
    int16_t mintElementHeight = 1;
    int16_t mintElementWidth = 0;
    // Resized before every access, reads included.
    mutable std::vector<std::string> mstrAction;
    // mblnOptionMode is the "an item was added" switch: until then actions are common.
};

}  // namespace panelkit2
