#include "panelkit2/choice/list.hpp"

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
constexpr int32_t kInitialDesiredWidth = 2600;
// Where the caption label waits for the first resize, and how high it is.
constexpr float kInitialCaptionLeft = 50;
constexpr float kCaptionHeight = 255;
// An item needs its text's width and this much beside it (the list box's margins and
// scroll bar), summed in two steps as Longs.
constexpr double kItemRoomFirst = 200;
constexpr double kItemRoomSecond = 350;
}  // namespace

List::List()
    : ItemList("List",
               {.kind = ControlID::List,
                .sourceName = "List",
                .initialDesiredWidth = kInitialDesiredWidth},
               "action") {
    UserControl_Initialize();
}

// Hidden, as the label is exactly while the caption is empty.
void List::PlaceCaptionLabel() {
    wlCaption.Caption({});
    wlCaption.Move(kInitialCaptionLeft, 0, wlCaption.Width(), kCaptionHeight);
    wlCaption.Visible(false);
}

// A text wider than the control less 550 widens the control to it, and that width becomes
// the desired one; narrower texts change neither.
void List::FitWidthToItem(std::string_view text) {
    if (WidenForItem(text, kItemRoomFirst, kItemRoomSecond))
        mlngDesiredWidth = ToLong(UserControl.Width());
}

// The last equal entry wins.
void List::Selected(std::string_view value) {
    FullReRaise(Source().Let("Selected"), [&] {
        for (int16_t j = 0; j < List_.ListCount(); ++j)
            if (List_.List(j) == value) List_.ListIndex(j);
    });
}

// The first equal entry wins.
void List::SetSelectedOption(std::string_view vItem) {
    FullReRaise(Source().Method("SetSelectedOption"), [&] {
        for (int16_t j = 0; j < List_.ListCount(); ++j) {
            if (List_.List(j) != vItem) continue;
            List_.ListIndex(j);
            return;
        }
    });
}

std::string List::GetSelectedOption() const {
    return FullReRaise(Source().Method("GetSelectedOption"), [&] { return SelectedTexts(","); });
}

// Applied through the members without laying out. The selection is read before the
// items, so it finds only the entries the control holds already. Colours have no default:
// a bag without them gives black.
void List::UserControl_ReadProperties(host::PropertyBag& bag) {
    LayoutGuard guard(mblnLayoutBusy);
    frame.Caption(bag.ReadProperty("Caption", std::string()).AsString());
    ReadLayout(bag);
    Selected(bag.ReadProperty("Selected", List_.List(0)).AsString());
    ForeColor(ReadColour(bag, "ForeColor"));
    BackColor(ReadColour(bag, "BackColor"));
    ReadItems(bag);
}

}  // namespace panelkit2
