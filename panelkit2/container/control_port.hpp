#pragma once

// ControlPort: the container a host places on each page of an assistant. It hands out
// option controls by kind from its twelve control arrays, lays the controls added for
// layout out in a centred column with rows of command buttons below, scrolls when the page
// is taller than itself, collects the actions of everything chosen, relays its children's
// events and places their help popups.
//
// Children are reached only late-bound, by member name, on the child and its extender, so
// any object that answers those names can take a child's place on a page.
//
// The class is split by concern: control_port.cpp (life cycle, appearance, persistence),
// control_port_registry.cpp, control_port_layout.cpp, control_port_columns.cpp,
// control_port_actions.cpp (actions, visibility, child events, popups),
// control_port_input.cpp (mouse input on the container itself) and
// control_port_interface.cpp (the automation interface).

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "panelkit2/automation/error_source.hpp"
#include "panelkit2/container/child_event_sink.hpp"
#include "panelkit2/container/template_array.hpp"
#include "panelkit2/controls/control_base.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/help/help.hpp"
#include "panelkit2/toolkit/collection.hpp"
#include "panelkit2/toolkit/frame.hpp"
#include "panelkit2/toolkit/msg_hook.hpp"
#include "panelkit2/toolkit/vscroll_bar.hpp"

namespace panelkit2 {

class ControlPort : public ControlBase {
  public:
    using CollectionRef = std::shared_ptr<host::Collection>;

    // Events of the published event interface, numbered in interface order.
    enum class Events : int32_t { CommandButtonPushed = 1, Click, MouseDown, MouseMove, MouseUp };

    ControlPort();
    ~ControlPort() override;
    ControlPort(const ControlPort&) = delete;
    ControlPort& operator=(const ControlPort&) = delete;

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    // Registry.
    ObjectRef GetNewControl(int16_t intControlID);
    // The control travels as a Variant so that a non-object fails under AddControl's name.
    void AddControl(const Variant& ctl, const Variant& blnSet = Variant(true));
    void AddControlIdx(int16_t idx, const Variant& blnSet = Variant(true));
    ObjectRef GetControl(int16_t idx);
    void NewCanvas();
    CollectionRef CommandControls() const;
    // The controls added for layout, for a host's for-each.
    CollectionRef NewEnum();
    CollectionRef mcolCtl() const;
    void mcolCtl(CollectionRef value);
    CollectionRef mcolCtlVisible() const;
    void mcolCtlVisible(CollectionRef value);
    CollectionRef mcolCtlCommand() const;
    void mcolCtlCommand(CollectionRef value);
    // A C++ host may supply the controls of a kind itself: its own implementation, or one
    // the library does not offer yet. Affects elements loaded from now on.
    void UseCreator(ControlID kind, TemplateArray::Creator creator);

    // Layout.
    bool Position();
    void PositionStack();
    void PositionTop();
    int32_t PositionLast();
    void PositionLeft();
    void ResetScrollBar();
    int32_t Bottom() const;

    // Actions and visibility.
    void SetAction(std::string_view newAction);
    std::string GetSelectedActions();
    void ShowControls();
    void HideControls();
    void HideAllPopUps();

    // Appearance.
    bool Border() const;
    void Border(bool value);
    host::OleColor BackColor() const;
    void BackColor(host::OleColor value);
    host::OleColor ForeColor() const;
    void ForeColor(host::OleColor value);

    // User input on the container's own surface (not on a child), in its coordinates, as a
    // view forwards it; ignored while the container is hidden or disabled. A left press
    // released inside the container is a click.
    static constexpr int16_t LeftButton = 1;
    void UserMouseDown(int16_t button, int16_t shift, float x, float y);
    void UserMouseMove(int16_t button, int16_t shift, float x, float y);
    void UserMouseUp(int16_t button, int16_t shift, float x, float y);
    // MouseDown, MouseUp, Click (at the centre when no point is given).
    void UserClick();
    void UserClick(float x, float y);

    // Constituents, for hosts, views and tests that look inside.
    host::Frame& ViewportFrame() { return Viewport; }
    host::Frame& ScrollAreaFrame() { return ScrollArea; }
    host::VScrollBar& VerticalScrollBar() { return ScrollBar; }
    Help& HelpPopup() { return *mobjHelp; }
    const TemplateArray& Templates(ControlID kind) const;

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;

  private:
    // "PanelKit::ControlPort." and the procedure: the sources of the container's failures.
    static constexpr ErrorSource kSource{"ControlPort"};

    // Life cycle (control_port.cpp).
    void UserControl_Initialize();
    void UserControl_Terminate();
    void ConnectEvents();
    void BuildTemplateArrays();

    // Registry (control_port_registry.cpp).
    host::Collection& Ctl() const;
    host::Collection& CtlVisible() const;
    host::Collection& CtlCommand() const;
    TemplateArray& TemplateArrayOf(int16_t kind);
    void RegisterForLayout(const ObjectRef& ctl);
    void ClearAndHideAll();
    void ResetCounters();

    // Layout (control_port_layout.cpp).
    float H() const { return UserControl.Height(); }
    float W() const { return UserControl.Width(); }
    // The strip kept free for the scroll bar when the content is taller than the container.
    double ScrollRoom(bool scrolls) const;
    bool AnyAdded(ControlID kind) const { return mintAdded[static_cast<size_t>(kind)] != 0; }
    void FitLists();
    void ScrollToTop();
    void Paint();
    void UserControl_Resize();
    void ScrollBar_Change();
    void ScrollBar_GotFocus();

    // Columns and command rows (control_port_columns.cpp).
    void PositionCommand();

    // Events, popups and the message hook (control_port_actions.cpp).
    void OnChildEvent(Dispatchable& child, const EventDef& event, Args args);
    void RelayButtonPushed(Args args);
    void PopHelp(Dispatchable& child, Args args);
    void HideHelp();
    void UserControl_Show();
    void UserControl_Hide();
    void HookAncestorWindows();
    void GTMsgHook1_Message(host::Hwnd hwnd, int32_t message, int32_t wParam);

    // Surface input (control_port_input.cpp).
    void RaiseMouse(Events event, int16_t button, int16_t shift, float x, float y);
    bool Contains(float x, float y) const;

    // Constituents.
    host::Frame Viewport;
    host::Frame ScrollArea;
    host::VScrollBar ScrollBar;
    host::MsgHook GTMsgHook1;
    std::shared_ptr<ChildEventSink> mChildEvents;
    std::vector<TemplateArray> mcolTemplates;
    std::unique_ptr<Help> mobjHelp;

    // Registry.
    mutable CollectionRef mcolCtl_;
    mutable CollectionRef mcolCtlVisible_;
    mutable CollectionRef mcolCtlCommand_;
    std::array<int16_t, kControlIDCount> mintCreated{};
    std::array<int16_t, kControlIDCount> mintAdded{};

    // Layout.
    int32_t mlngBottom = 50;
    int32_t mlngStackHeight = 0;
    int32_t mlngCommandHeight = 0;
    int32_t mlngLastHeight = 0;
    int32_t mlngLastWidth = 0;
    int32_t mlngColumnWidth = 0;
    bool mblnLayoutBusy = false;
    bool mblnCommandsPlaced = false;

    // Actions, popups, appearance.
    std::string mstrPortActions;
    std::string mstrLastHelp;
    bool mblnHooked = false;
    int16_t mintBorderStyle = 0;
    // Buttons pressed on the surface and not yet released.
    int16_t mintPressed = 0;
};

}  // namespace panelkit2
