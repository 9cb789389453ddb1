#include "panelkit2/choice/multi_list.hpp"

#include <vector>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
constexpr int32_t kInitialDesiredWidth = 2600;
// An item needs its text's width and this much beside it, summed in two steps as Longs.
constexpr double kItemRoomFirst = 200;
constexpr double kItemRoomSecond = 50;

// A selection string, cut from left to right: each token runs up to the next "|" or the
// end, and the scan goes on after the "|". Empty tokens count (they name empty entries),
// a leading "|" gives one; a "|" at the very end adds none.
std::vector<std::string_view> SelectionTokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    size_t start = 0;
    while (start < text.size()) {
        const size_t bar = text.find('|', start);
        if (bar == std::string_view::npos) {
            tokens.push_back(text.substr(start));
            break;
        }
        tokens.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    return tokens;
}

// Spaces at both ends go (other blanks stay), then one double quote at the start and one
// at the end.
void TrimSelectionText(std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.starts_with('"')) text.erase(0, 1);
    if (text.ends_with('"')) text.pop_back();
}
}  // namespace

MultiList::MultiList()
    : ItemList("MultiList",
               {.kind = ControlID::MultiList,
                .sourceName = "MultiList",
                .initialDesiredWidth = kInitialDesiredWidth},
               "Action") {
    List_.MultiSelect(host::ListBox::SelectExtended);
    UserControl_Initialize();
}

// A text wider than the control less 250 widens the control to it; the desired width stays.
void MultiList::FitWidthToItem(std::string_view text) {
    WidenForItem(text, kItemRoomFirst, kItemRoomSecond);
}

// Only adds: entries not named keep their flags, and every entry equal to a token is
// selected, duplicates included.
void MultiList::Selected(std::string& value) {
    FullReRaise(Source().Let("Selected"), [&] {
        if (value.empty() || List_.ListCount() == 0) return;
        TrimSelectionText(value);
        const std::vector<std::string_view> tokens = SelectionTokens(value);
        for (int16_t j = 0; j < List_.ListCount(); ++j) {
            const std::string entry = List_.List(j);
            for (std::string_view token : tokens)
                if (entry == token) List_.Selected(j, true);
        }
    });
}

// Each token selects the first equal entry only; tokens that match nothing are skipped, and
// there is no limit to how many are remembered. Every entry no token named is deselected.
void MultiList::SetSelectedOption(std::string_view vItem) {
    FullReRaise(Source().Method("SetSelectedOption"), [&] {
        const int16_t count = List_.ListCount();
        std::vector<bool> named(static_cast<size_t>(count), false);
        for (std::string_view token : SelectionTokens(vItem)) {
            for (int16_t j = 0; j < count; ++j) {
                if (List_.List(j) != token) continue;
                List_.Selected(j, true);
                named[static_cast<size_t>(j)] = true;
                break;
            }
        }
        for (int16_t j = 0; j < count; ++j)
            if (!named[static_cast<size_t>(j)]) List_.Selected(j, false);
    });
}

std::string MultiList::GetSelectedOption() const {
    return FullReRaise(Source().Method("GetSelectedOption"), [&] { return SelectedTexts("|"); });
}

// Applied through the members without laying out; the caption goes straight into the
// label (no sizing, tool tips or width). The selection is read before the items, so it
// finds only the entries the control holds already, and it adds to the selection the
// control has. Colours have no default: a bag without them gives black.
void MultiList::UserControl_ReadProperties(host::PropertyBag& bag) {
    LayoutGuard guard(mblnLayoutBusy);
    wlCaption.Caption(bag.ReadProperty("Caption", std::string()).AsString());
    ReadLayout(bag);
    std::string selected = bag.ReadProperty("Selected", List_.List(0)).AsString();
    Selected(selected);
    BackColor(ReadColour(bag, "BackColor"));
    ForeColor(ReadColour(bag, "ForeColor"));
    ReadItems(bag);
}

}  // namespace panelkit2
