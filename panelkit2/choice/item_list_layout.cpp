// ItemList: creation, the caption, the element sizes and edges, and the layout of caption
// and list box inside the frame.

#include <cmath>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/choice/item_list.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
constexpr float kInitialWidth = 2600;
// The control is between five and nine entries of list box high, plus the caption strip.
constexpr float kLeastHeight = 1335;
constexpr float kMostHeight = 1920;
constexpr float kCaptionStrip = 300;
// The list box as designed: below the caption, 100 in from both sides, five entries high.
constexpr float kListLeft = 100;
constexpr float kListTop = 200;
constexpr float kListSides = 200;
constexpr float kDesignListHeight = 1035;
constexpr float kCaptionLeft = 100;
// A caption narrower than the control by this much keeps its one-line width.
constexpr float kCaptionSides = 200;
// Room a caption needs beside its text before it widens the control.
constexpr double kCaptionRoom = 300;
constexpr int16_t kDefaultElementHeight = 1;
constexpr int16_t kDefaultElementWidth = 2600;
}  // namespace

ItemList::ItemList(std::string name, const Design& design, std::string_view actionProperty)
    : OptionControl(std::move(name), design),
      frame(&UserControl, "frame"),
      wlCaption(&frame, "wlCaption"),
      List_(&frame, "List"),
      mstrActionProperty(actionProperty),
      mstrAction(1) {
    UserControl.Move(0, 0, kInitialWidth, kLeastHeight);
    List_.Move(kListLeft, kListTop, kInitialWidth - kListSides, kDesignListHeight);
    UserControl.Resize.Connect([this] { UserControl_Resize(); });
}

void ItemList::UserControl_Initialize() {
    FullReRaise(Source().Method("UserControl_Initialize"), [&] {
        {
            LayoutGuard guard(mblnLayoutBusy);
            mintElementHeight = kDefaultElementHeight;
            UserControl.Width(kInitialWidth);
            frame.Move(0, 0, UserControl.Width(), UserControl.Height());
            List_.Move(kListLeft, kListTop, UserControl.Width() - kListSides);
            frame.Visible(true);
            PlaceCaptionLabel();
            ResetContract();
        }
        Paint();
    });
}

// The list box keeps the system window colours whatever the control's colours are.
void ItemList::PaintForeColor(host::OleColor value) {
    frame.ForeColor(value);
    List_.ForeColor(host::colors::WindowText);
}

void ItemList::PaintBackColor(host::OleColor value) {
    frame.BackColor(value);
    List_.BackColor(host::colors::Window);
}

void ItemList::ElementHeight(int16_t value) {
    mintElementHeight = value == 0 ? kDefaultElementHeight : value;
    UserControl.Height(List_.Height() + kCaptionStrip);
    UserControl.PropertyChanged("ElementHeight");
}

void ItemList::ElementWidth(int16_t value) {
    mintElementWidth = value == 0 ? kDefaultElementWidth : value;
    UserControl.PropertyChanged("ElementWidth");
}

int32_t ItemList::Bottom() const {
    return ToLong(double(List_.Top()) + List_.Height());
}

int32_t ItemList::Right() const {
    return ToLong(double(List_.Left()) + List_.Width());
}

// The label takes the text's one-line width and the tool tips the text; a caption wider
// than the control less 300 widens it. The control's width is then the desired one, also
// for an empty caption.
void ItemList::Caption(std::string_view value) {
    FullReRaise(Source().Let("Caption"), [&] {
        frame.Visible(true);
        SizeToText(wlCaption, value);
        const std::string text(value);
        wlCaption.ToolTipText(text);
        frame.ToolTipText(text);
        List_.ToolTipText(text);
        if (double(wlCaption.Width()) + kCaptionRoom > UserControl.Width())
            UserControl.Width(ToSingle(double(wlCaption.Width()) + kCaptionRoom));
        mlngDesiredWidth = ToLong(UserControl.Width());
        UserControl.PropertyChanged("Caption");
        FinishCaption(value);
    });
}

// The blank entry of a new control: an empty list, or nothing selected, gets a blank entry
// 0, selected.
void ItemList::Paint() {
    FullReRaise(Source().Method("Paint"), [&] {
        if (mblnLayoutBusy) return;
        if (List_.List(0).empty() || List_.ListIndex() == -1) {
            List_.List(0, std::string());
            SelectFirstEntry();
        }
        List_.Refresh();
        UserControl.Refresh();
    });
}

// The height stays between five and nine entries of list box; the list box fills the
// width less 100 on each side and the height below the caption strip. A caption wider
// than the control wraps to the control less 100 on each side; one that fits again gets
// its one-line width back from the tool tip, which keeps the text.
void ItemList::UserControl_Resize() {
    FullReRaise(Source().Method("UserControl_Resize"), [&] {
        if (mblnLayoutBusy) return;
        LayoutGuard guard(mblnLayoutBusy);
        if (UserControl.Height() < kLeastHeight)
            UserControl.Height(kLeastHeight);
        else if (UserControl.Height() > kMostHeight)
            UserControl.Height(kMostHeight);
        const float width = UserControl.Width();
        List_.Move(kListLeft, List_.Top(), ToSingle(std::fabs(double(width) - kListSides)),
                   ToSingle(double(UserControl.Height()) - kCaptionStrip));
        frame.Move(0, 0, width, ToSingle(double(List_.Height()) + kCaptionStrip));
        UserControl.Height(frame.Height());
        if (double(wlCaption.Width()) + kCaptionSides > width) {
            if (width > kCaptionSides) wlCaption.Move(kCaptionLeft, 0, width - kCaptionSides);
            wlCaption.Refresh();
        } else {
            SizeToText(wlCaption, wlCaption.ToolTipText());
            wlCaption.Move(kCaptionLeft, 0);
        }
        wlCaption.Visible(!wlCaption.Caption().empty());
        List_.Refresh();
    });
}

void ItemList::WriteLayout(host::PropertyBag& bag) const {
    bag.WriteProperty("ElementHeight", mintElementHeight, kDefaultElementHeight);
    bag.WriteProperty("ElementWidth", mintElementWidth, kDefaultElementWidth);
    bag.WriteProperty("ListWidth", List_.Width(), UserControl.Width());
    bag.WriteProperty("CaptionWidth", frame.Width(), UserControl.Width());
}

// The element sizes go through their properties; the widths of list box and frame are
// taken as they are, to be laid out at the next resize.
void ItemList::ReadLayout(const host::PropertyBag& bag) {
    ElementHeight(bag.ReadProperty("ElementHeight", kDefaultElementHeight).AsInteger());
    ElementWidth(bag.ReadProperty("ElementWidth", kDefaultElementWidth).AsInteger());
    List_.Width(bag.ReadProperty("ListWidth", UserControl.Width()).AsSingle());
    frame.Width(bag.ReadProperty("CaptionWidth", UserControl.Width()).AsSingle());
}

}  // namespace panelkit2
