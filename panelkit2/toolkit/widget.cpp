#include "panelkit2/toolkit/widget.hpp"

#include "panelkit2/automation/automation_error.hpp"

#include <algorithm>

#include "panelkit2/toolkit/host.hpp"

namespace panelkit2::host {

const char* WidgetKindName(WidgetKind kind) {
    switch (kind) {
        case WidgetKind::Surface:
            return "UserControl";
        case WidgetKind::Label:
            return "Label";
        case WidgetKind::TextBox:
            return "TextBox";
        case WidgetKind::ComboBox:
            return "ComboBox";
        case WidgetKind::ListBox:
            return "ListBox";
        case WidgetKind::CheckBox:
            return "CheckBox";
        case WidgetKind::OptionButton:
            return "OptionButton";
        case WidgetKind::CommandButton:
            return "CommandButton";
        case WidgetKind::Frame:
            return "Frame";
        case WidgetKind::VScrollBar:
            return "VScrollBar";
        case WidgetKind::Timer:
            return "Timer";
        case WidgetKind::Form:
            return "Form";
        case WidgetKind::WrapLabel:
            return "WrapLabel";
        case WidgetKind::Slider:
            return "Slider";
        case WidgetKind::UpDown:
            return "UpDown";
        case WidgetKind::MsgHook:
            return "MsgHook";
    }
    return "Widget";
}

Widget::Widget(WidgetKind kind, Widget* parent, std::string name)
    : mKind(kind), mstrName(std::move(name)), mParent(parent) {
    if (mParent) mParent->Adopt(this);
    mHwnd = Host::Current().Register(this);
}

Widget::~Widget() {
    // Children normally die first (they are members of the owner); any left behind are
    // orphaned rather than left pointing at a dead parent.
    for (Widget* child : mcolChildren) child->mParent = nullptr;
    if (mParent) mParent->Release(this);
    Host::Current().Unregister(this);
}

void Widget::Reparent(Widget* parent) {
    if (parent == mParent) return;
    for (const Widget* p = parent; p; p = p->mParent)
        if (p == this) return;  // a widget cannot live inside itself
    if (mParent) mParent->Release(this);
    mParent = parent;
    if (mParent) mParent->Adopt(this);
    NotifyChanged(WidgetProperty::Parent);
}

void Widget::Adopt(Widget* child) {
    mcolChildren.push_back(child);
}

// Children mostly go in the reverse order of their arrival (members, arrays torn down from
// the back), so the search starts at the back: a page of n children tears down in O(n).
void Widget::Release(Widget* child) {
    const auto found = std::find(mcolChildren.rbegin(), mcolChildren.rend(), child);
    if (found != mcolChildren.rend()) mcolChildren.erase(std::next(found).base());
}

void Widget::SetGeometry(float left, float top, float width, float height) {
    // A window cannot be smaller than nothing: a negative (or not-a-number) size is an
    // invalid property value, and the widget keeps its geometry.
    if (!(width >= 0) || !(height >= 0)) RaiseStandard(err::InvalidPropertyValue);
    const bool sized = width != msngWidth || height != msngHeight;
    const bool moved = left != msngLeft || top != msngTop;
    if (!sized && !moved) return;
    msngLeft = left;
    msngTop = top;
    msngWidth = width;
    msngHeight = height;
    NotifyChanged(WidgetProperty::Geometry);
    OnGeometryChanged(sized);
}

void Widget::Left(float value) {
    SetGeometry(value, msngTop, msngWidth, msngHeight);
}
void Widget::Top(float value) {
    SetGeometry(msngLeft, value, msngWidth, msngHeight);
}
void Widget::Width(float value) {
    SetGeometry(msngLeft, msngTop, value, msngHeight);
}
void Widget::Height(float value) {
    SetGeometry(msngLeft, msngTop, msngWidth, value);
}

void Widget::Move(float left, std::optional<float> top, std::optional<float> width,
                  std::optional<float> height) {
    SetGeometry(left, top.value_or(msngTop), width.value_or(msngWidth),
                height.value_or(msngHeight));
}

void Widget::Visible(bool value) {
    if (value == mblnVisible) return;
    mblnVisible = value;
    // A widget that disappears cannot keep the focus, nor can any widget inside it.
    Host& host = Host::Current();
    if (!value && host.Focused() && Contains(*host.Focused())) host.Focus(nullptr);
    NotifyChanged(WidgetProperty::Visible);
}

bool Widget::IsShown() const noexcept {
    for (const Widget* w = this; w; w = w->mParent)
        if (!w->mblnVisible) return false;
    return true;
}

bool Widget::AcceptsInput() const noexcept {
    for (const Widget* w = this; w; w = w->mParent)
        if (!w->mblnVisible || !w->mblnEnabled) return false;
    return true;
}

bool Widget::Contains(const Widget& other) const noexcept {
    for (const Widget* w = &other; w; w = w->mParent)
        if (w == this) return true;
    return false;
}

void Widget::Enabled(bool value) {
    if (value == mblnEnabled) return;
    mblnEnabled = value;
    NotifyChanged(WidgetProperty::Enabled);
    OnEnabledChanged();
}

void Widget::ToolTipText(std::string value) {
    if (value == mstrToolTip) return;
    mstrToolTip = std::move(value);
    NotifyChanged(WidgetProperty::ToolTip);
}

void Widget::TabIndex(int16_t value) {
    mintTabIndex = value;
    NotifyChanged(WidgetProperty::TabOrder);
}

void Widget::TabStop(bool value) {
    mblnTabStop = value;
    NotifyChanged(WidgetProperty::TabOrder);
}

void Widget::ForeColor(OleColor value) {
    if (value == mForeColor) return;
    mForeColor = value;
    NotifyChanged(WidgetProperty::Colors);
}

void Widget::BackColor(OleColor value) {
    if (value == mBackColor) return;
    mBackColor = value;
    NotifyChanged(WidgetProperty::Colors);
}

void Widget::Refresh() {
    ++mlngRefreshes;
    NotifyChanged(WidgetProperty::Refresh);
}

void Widget::OwnCaret() {
    mblnOwnsCaret = true;
    GotFocus.Connect([this] {
        mblnCaretVisible = true;
        NotifyChanged(WidgetProperty::Selection);
    });
    LostFocus.Connect([this] {
        mblnCaretVisible = false;
        NotifyChanged(WidgetProperty::Selection);
    });
}

bool Widget::HideCaret() {
    if (!mblnOwnsCaret || !HasFocus()) return false;
    if (mblnCaretVisible) {
        mblnCaretVisible = false;
        NotifyChanged(WidgetProperty::Selection);
    }
    return true;
}

bool Widget::HasFocus() const noexcept {
    return Host::Current().Focused() == this;
}

void Widget::SetFocus() {
    Host::Current().Focus(this);
}

float Widget::WindowLeft() const noexcept {
    float left = 0;
    for (const Widget* w = this; w->mParent; w = w->mParent) left += w->msngLeft;
    return left;
}

float Widget::WindowTop() const noexcept {
    float top = 0;
    for (const Widget* w = this; w->mParent; w = w->mParent) top += w->msngTop;
    return top;
}

Widget& Widget::TopLevel() noexcept {
    Widget* w = this;
    while (w->mParent) w = w->mParent;
    return *w;
}

void Widget::CopyDesignFrom(const Widget& source) {
    SetGeometry(source.msngLeft, source.msngTop, source.msngWidth, source.msngHeight);
    Enabled(source.mblnEnabled);
    ToolTipText(source.mstrToolTip);
    mstrTag = source.mstrTag;
    TabStop(source.mblnTabStop);
    ForeColor(source.mForeColor);
    BackColor(source.mBackColor);
}

void Widget::NotifyChanged(WidgetProperty property) {
    Changed.Emit(*this, property);
}

}  // namespace panelkit2::host
