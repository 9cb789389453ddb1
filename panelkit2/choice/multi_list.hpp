#pragma once

// MultiList: several choices out of a list of strings, the multi-selection twin of List. The
// same frame, caption label and list box, blank entry, action table, layout and persisted
// keys; the user selects several entries at once (a click selects one, Ctrl+click toggles,
// Shift+click and Shift+arrows extend), and the selection is read and written as item texts
// separated by "|". MultiList raises no events of its own.

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit2/choice/item_list.hpp"

namespace panelkit2 {

class MultiList : public ItemList {
  public:
    MultiList();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    using ItemList::Selected;
    // Adds to the selection every entry named by the text: trimmed of spaces and of one
    // enclosing double quote at each end (the caller's text takes both changes), then read
    // as a selection string. An empty text or an empty list changes nothing.
    void Selected(std::string& value);
    // Makes the selection exactly the first entry named by each token of the selection
    // string, taken as it is.
    void SetSelectedOption(std::string_view vItem);
    // The selected entries' texts in position order, joined with "|".
    std::string GetSelectedOption() const;

  protected:
    void UserControl_ReadProperties(host::PropertyBag& bag) override;
    // The label keeps its initial text and place.
    void PlaceCaptionLabel() override {}
    void FitWidthToItem(std::string_view text) override;
    // The label keeps its visibility.
    void FinishCaption(std::string_view text) override { (void)text; }
    // The label's text, the runtime caption.
    std::string SavedCaption() const override { return wlCaption.Caption(); }
};

}  // namespace panelkit2
