// StringBox: the rows' texts, captions and actions, the answer, and persistence.

#include "panelkit2/choice/string_box.hpp"

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/controls/action_list.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
constexpr int32_t kInitialDesiredWidth = 2600;
}  // namespace

StringBox::StringBox()
    : OptionControl("StringBox", {ControlID::StringBox, "StringBox", kInitialDesiredWidth}),
      mRows(&UserControl, "StringBox", "wlCaption") {
    UserControl.Resize.Connect([this] { UserControl_Resize(); });
    UserControl_Initialize();
}

void StringBox::PaintForeColor(host::OleColor value) {
    for (int16_t i = 0; i <= mRows.MaxIndex(); ++i) Label(i).ForeColor(value);
}

void StringBox::PaintBackColor(host::OleColor value) {
    for (int16_t i = 0; i <= mRows.MaxIndex(); ++i) Label(i).BackColor(value);
}

std::string StringBox::Caption(int16_t& idx) const {
    return mRows.Indexed(Source().Get("Caption"), idx, std::string(), [&](std::string& found) {
        if (mRows.Holds(idx)) found = Label(idx).Caption();
        return found;
    });
}

// The label is sized before the index is looked at, so an index without a row ends quietly
// there. Any caption of a row, also an empty one, shows its label and sends the actions to
// the rows; the caption column grows for it, and the control, as wide as it is, becomes the
// desired width.
void StringBox::Caption(int16_t& idx, std::string_view value) {
    mRows.Indexed(Source().Let("Caption"), idx, 0, [&](int&) {
        host::WrapLabel& label = Label(idx);
        SizeToText(label, value);
        mColumns.NoteWidestCaption(label);
        if (!mRows.Holds(idx)) return 0;
        mRows.MirrorCaption(idx, value);
        label.Visible(true);
        mColumns.NoteCaptionColumn(label);
        mblnOptionMode = true;
        UserControl.PropertyChanged("Caption");
        UserControl_Resize();
        mlngDesiredWidth = ToLong(UserControl.Width());
        Paint();
        return 0;
    });
}

void StringBox::ApplyCaption(std::string_view text) {
    int16_t first = 0;
    Caption(first, text);
}

std::string StringBox::Text() const {
    return Field(0).Text();
}

void StringBox::Text(std::string_view value) {
    Field(0).Text(std::string(value));
}

std::string StringBox::Value(int16_t& idx) const {
    return mRows.Indexed(Source().Get("Value"), idx, std::string(), [&](std::string& found) {
        if (mRows.Holds(idx)) found = Field(idx).Text();
        return found;
    });
}

void StringBox::Value(int16_t& idx, std::string_view value) {
    mRows.Indexed(Source().Let("Value"), idx, 0, [&](int&) {
        if (!mRows.Holds(idx)) return 0;
        host::TextBox& field = Field(idx);
        std::string text = field.Text();
        AppendAction(text, value);
        field.Text(std::move(text));
        UserControl.PropertyChanged("Value");
        return 0;
    });
}

std::string StringBox::Action(int16_t idx) const {
    return FullReRaise(Source().Get("Action"), [&] { return mRows.RowActions(idx); });
}

// Common actions until a row has a caption (the index is not looked at then), afterwards
// the actions of row idx.
void StringBox::Action(int16_t idx, std::string_view value) {
    FullReRaise(Source().Let("Action"), [&] {
        if (mblnOptionMode)
            mRows.AppendRowAction(idx, value);
        else
            AppendAction(mstrCommonAction, value);
    });
}

void StringBox::RouteAction(std::string_view text) {
    Action(mRows.MaxIndex(), text);
}

// The first row keeps what was typed into it.
void StringBox::Clear() {
    FullReRaise(Source().Method("Clear"), [&] {
        ArrayCount(1);
        int16_t first = 0;
        Caption(first, std::string_view());
        host::TextBox& field = Field(0);
        field.Tag({});
        field.Move(0, field.Top(), UserControl.Width());
        mColumns.Reset();
        ResetContract();
        mRows.FreeFirstRow();
        Paint();
    });
}

void StringBox::AddOption(std::string_view vData) {
    FullReRaise(Source().Method("AddOption"), [&] {
        int16_t row = mRows.NextOptionRow([&] { ArrayCount(ToInteger(ArrayCount() + 1)); });
        Caption(row, vData);
        mblnOptionMode = true;
    });
}

void StringBox::SetSelectedOption(std::string_view vData) {
    FullReRaise(Source().Method("SetSelectedOption"), [&] {
        for (int16_t i = 0; i <= mRows.MaxIndex(); ++i) Field(i).Text(std::string(vData));
    });
}

// Empty rows before the first text leave no trace; later ones leave an empty entry.
std::string StringBox::GetSelectedOption() const {
    return FullReRaise(Source().Method("GetSelectedOption"), [&] {
        std::string texts;
        for (int16_t i = 0; i <= mRows.MaxIndex(); ++i) AppendEntry(texts, Field(i).Text(), '|');
        return texts;
    });
}

// Every row counts, typed into or not.
std::string StringBox::GetSelectedAction() const {
    return FullReRaise(Source().Method("GetSelectedAction"), [&] {
        std::string actions;
        for (int16_t i = 0; i <= mRows.MaxIndex(); ++i) AppendAction(actions, mRows.RowActions(i));
        return Answer(actions);
    });
}

// Colours are stored as the Long an OLE colour is persisted as, without defaults.
void StringBox::UserControl_WriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty("ArrayCount", ArrayCount(), int16_t{1});
    bag.WriteProperty("ElementWidth", mintElementWidth, kDefaultElementWidth);
    bag.WriteProperty("ElementHeight", mintElementHeight, kDefaultElementHeight);
    bag.WriteProperty("Height", UserControl.Height(), Field(0).Height());
    bag.WriteProperty("Width", UserControl.Width(), Field(0).Width());
    bag.WriteProperty("ForeColor", static_cast<int32_t>(ForeColor()));
    bag.WriteProperty("BackColor", static_cast<int32_t>(BackColor()));
}

// Reads without laying out; the element sizes are stored as they are. A negative element
// height is refused (380) before it is kept, as every later layout would fail on it. The
// colours have no defaults: a bag without them gives 0.
void StringBox::UserControl_ReadProperties(host::PropertyBag& bag) {
    LayoutGuard guard(mblnLayoutBusy);
    ArrayCount(bag.ReadProperty("ArrayCount", int16_t{1}).AsInteger());
    mintElementWidth = bag.ReadProperty("ElementWidth", kDefaultElementWidth).AsInteger();
    const int16_t height = bag.ReadProperty("ElementHeight", kDefaultElementHeight).AsInteger();
    if (height < 0) RaiseStandard(err::InvalidPropertyValue);
    mintElementHeight = height;
    UserControl.Height(bag.ReadProperty("Height", Field(0).Height()).AsSingle());
    UserControl.Width(bag.ReadProperty("Width", Field(0).Width()).AsSingle());
    ForeColor(static_cast<host::OleColor>(bag.ReadProperty("ForeColor").AsLong()));
    BackColor(static_cast<host::OleColor>(bag.ReadProperty("BackColor").AsLong()));
}

}  // namespace panelkit2
