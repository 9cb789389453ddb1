#pragma once

// List: one choice out of a list of strings. A caption label above a single-selection list
// box, both inside a frame. The host adds the items, attaches actions to items by position
// (AddAction to the last one) and reads back the selected text and its actions. Unlike the
// drop-down Combo, the items and their actions are persisted with the control. List raises
// no events of its own.

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit2/choice/item_list.hpp"

namespace panelkit2 {

class List : public ItemList {
  public:
    List();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    using ItemList::Selected;
    // Selects the last entry equal to the text (exact comparison); no match changes
    // nothing.
    void Selected(std::string_view value);
    // Selects the first entry equal to the text; no match changes nothing.
    void SetSelectedOption(std::string_view vItem);
    std::string GetSelectedOption() const;

  protected:
    void UserControl_ReadProperties(host::PropertyBag& bag) override;
    void PlaceCaptionLabel() override;
    void FitWidthToItem(std::string_view text) override;
    void FinishCaption(std::string_view text) override { wlCaption.Visible(!text.empty()); }
    // The frame's own caption, not the label's text.
    std::string SavedCaption() const override { return frame.Caption(); }
};

}  // namespace panelkit2
