#include "panelkit2/toolkit/form.hpp"

#include <utility>

#include "panelkit2/toolkit/host.hpp"

namespace panelkit2::host {

Form::Form(std::string name) : Widget(WidgetKind::Form, nullptr, std::move(name)) {
    Visible(false);
    mFocusConnection = Host::Current().FocusMoved.Connect(
        [self = std::weak_ptr<Form*>(mSelf)](Widget* from, Widget* /*to*/) {
            if (const auto form = self.lock()) (*form)->FollowFocus(from);
        });
}

Form::~Form() {
    Host::Current().FocusMoved.Disconnect(mFocusConnection);
}

void Form::FollowFocus(Widget* from) {
    const Widget* focused = Host::Current().Focused();
    const bool active = focused && Contains(*focused);
    if (active == mblnActive) return;
    mblnActive = active;
    // The host itself told the form when it was the widget losing the focus.
    if (!active && from != this) Raise(LostFocus);
}

void Form::Show() {
    Visible(true);
    if (!mblnActive) SetFocus();
}

void Form::Caption(std::string value) {
    if (value == mstrCaption) return;
    mstrCaption = std::move(value);
    NotifyChanged(WidgetProperty::Text);
}

void Form::SetTopMost(bool value) {
    if (value == mblnTopMost) return;
    mblnTopMost = value;
    NotifyChanged(WidgetProperty::ZOrder);
}

void Form::UserClick() {
    if (AcceptsInput()) SetFocus();
}

void Form::UserMoveTo(float left, float top) {
    if (IsShown()) Host::Current().MoveWindow(*this, left, top);
}

void Form::CopyDesignFrom(const Widget& source) {
    Widget::CopyDesignFrom(source);
    if (const auto* form = dynamic_cast<const Form*>(&source)) {
        Caption(form->mstrCaption);
        SetTopMost(form->mblnTopMost);
    }
}

}  // namespace panelkit2::host
