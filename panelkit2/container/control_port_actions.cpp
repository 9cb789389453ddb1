// ControlPort: the page's face towards the host and the user. Collects the actions of
// everything chosen, shows and hides the children, relays their events, places the help
// popups that sliders ask for, and keeps popups out of the way when the window moves or
// the application is deactivated.

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/container/child_members.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/container/layout_numbers.hpp"
#include "panelkit2/container/member_cache.hpp"
#include "panelkit2/controls/action_list.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "panelkit2/toolkit/window_system.hpp"

namespace panelkit2 {

void ControlPort::SetAction(std::string_view newAction) {
    AppendAction(mstrPortActions, newAction);
}

// Every control handed out since NewCanvas answers, in creation order. Leading empty
// answers contribute nothing; an empty answer after the first non-empty one is an empty
// element. The container's own actions stand only for a page without controls.
std::string ControlPort::GetSelectedActions() {
    MemberCache::Scope names;
    return FullReRaise(kSource.Method("GetSelectedActions"), [&] {
        host::Collection& all = Ctl();
        if (all.Count() == 0) return mstrPortActions;
        std::string result;
        for (int32_t i = 1; i <= all.Count(); ++i) {
            const std::string action =
                child::Get(*child::At(all, i), "GetSelectedAction").AsString();
            if (!result.empty()) result += ',';
            result += action;
        }
        return result;
    });
}

void ControlPort::ShowControls() {
    MemberCache::Scope names;
    FullReRaise(kSource.Method("ShowControls"), [&] {
        for (host::Collection* group : {&CtlVisible(), &CtlCommand()})
            for (int32_t i = 1; i <= group->Count(); ++i)
                child::Let(*child::At(*group, i), "Visible", true);
    });
}

void ControlPort::HideControls() {
    MemberCache::Scope names;
    FullReRaise(kSource.Method("HideControls"), [&] {
        host::Collection& all = Ctl();
        for (int32_t i = 1; i <= all.Count(); ++i) child::Let(*child::At(all, i), "Visible", false);
    });
}

// The popup is shared by all children, so hiding it once hides every child's popup.
void ControlPort::HideAllPopUps() {
    HideHelp();
}

void ControlPort::HideHelp() {
    if (mobjHelp->Visible()) mobjHelp->HideBalloon();
}

void ControlPort::OnChildEvent(Dispatchable& child, const EventDef& event, Args args) {
    if (EqualsNoCase(event.name, "ButtonPushed"))
        RelayButtonPushed(args);
    else if (EqualsNoCase(event.name, "HelpPop"))
        PopHelp(child, args);
    else if (EqualsNoCase(event.name, "Hidepop"))
        HideHelp();
}

// The action travels by reference: what the host writes into it reaches the child.
void ControlPort::RelayButtonPushed(Args args) {
    if (args.empty()) RaiseStandard(err::WrongArgumentCount);
    RaiseEvent(Events::CommandButtonPushed, args.first(1));
}

// Shows the child's help text at the point (X, Y) of the child, in screen twips. The
// child's own position inside the scrolling area is used as it is: the scroll offset and
// the frames' offsets are not added, so the popup sits where users are used to it.
void ControlPort::PopHelp(Dispatchable& child, Args args) {
    if (args.size() < 3) RaiseStandard(err::WrongArgumentCount);
    std::string text = args[0].AsString();
    if (text == mstrLastHelp && mobjHelp->Visible()) return;
    const host::win::Point origin = host::win::ScreenOrigin(UserControl.hDC());
    // One conversion factor for both coordinates.
    const float twipsPerPixel = host::Host::Current().TwipsPerPixelX();
    const float originX = static_cast<float>(origin.x) * twipsPerPixel;
    const float originY = static_cast<float>(origin.y) * twipsPerPixel;
    int32_t screenX = RoundedLong(child::GetSingle(child, "Left") +
                                  (static_cast<double>(args[1].AsLong()) + originX));
    int32_t screenY = RoundedLong(child::GetSingle(child, "Top") +
                                  (static_cast<double>(args[2].AsLong()) + originY));
    mobjHelp->PopUpBalloon(text, screenX, screenY);
    mstrLastHelp = mobjHelp->Caption();
}

void ControlPort::UserControl_Show() {
    MemberCache::Scope names;
    if (!mblnHooked) {
        HookAncestorWindows();
        mblnHooked = true;
    }
    GTMsgHook1.Enabled(true);
    Viewport.Width(W());
    HideControls();
    Position();
    ShowControls();
    UserControl.Refresh();
}

void ControlPort::UserControl_Hide() {
    GTMsgHook1.Enabled(false);
}

// Every window between the container and the desktop: a move of any of them moves the
// container and leaves a popup behind.
void ControlPort::HookAncestorWindows() {
    const host::Hwnd desktop = host::win::GetDesktopWindow();
    for (host::Hwnd window = host::win::GetParent(UserControl.WindowHandle());
         window != 0 && window != desktop; window = host::win::GetParent(window))
        GTMsgHook1.Register(window, {host::msg::Move, host::msg::ActivateApp});
}

// A window moved, or the application is being deactivated (first parameter 0).
void ControlPort::GTMsgHook1_Message(host::Hwnd hwnd, int32_t message, int32_t wParam) {
    (void)hwnd;
    if (message == host::msg::Move || (message == host::msg::ActivateApp && wParam == 0))
        HideAllPopUps();
}

}  // namespace panelkit2
