// ControlPort: life cycle, appearance and persistence.

#include "panelkit2/container/control_port.hpp"

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/controls/layout_guard.hpp"

namespace panelkit2 {

namespace {
constexpr float kInitialHeight = 4000;
constexpr float kInitialWidth = 3000;
constexpr float kScrollBarWidth = 255;
constexpr int16_t kBorderNone = 0;
constexpr int16_t kBorderFixedSingle = 1;
}  // namespace

ControlPort::ControlPort()
    : ControlBase("ControlPort"),
      Viewport(&UserControl, "Viewport"),
      ScrollArea(&Viewport, "ScrollArea"),
      ScrollBar(&UserControl, "ScrollBar"),
      mChildEvents(std::make_shared<ChildEventSink>(
          [this](Dispatchable& child, const EventDef& event, Args args) {
              OnChildEvent(child, event, args);
          })) {
    ScrollBar.Width(kScrollBarWidth);
    BuildTemplateArrays();
    ConnectEvents();
    UserControl_Initialize();
}

ControlPort::~ControlPort() {
    UserControl_Terminate();
}

void ControlPort::BuildTemplateArrays() {
    mcolTemplates.reserve(kControlIDCount);
    for (int16_t kind = 0; kind < kControlIDCount; ++kind)
        mcolTemplates.emplace_back(TemplateOf(kind), ScrollArea, mChildEvents);
}

void ControlPort::ConnectEvents() {
    UserControl.Resize.Connect([this] { UserControl_Resize(); });
    UserControl.Show.Connect([this] { UserControl_Show(); });
    UserControl.Hide.Connect([this] { UserControl_Hide(); });
    ScrollBar.Change.Connect([this] { ScrollBar_Change(); });
    ScrollBar.GotFocus.Connect([this] { ScrollBar_GotFocus(); });
    GTMsgHook1.Message.Connect([this](host::Hwnd hwnd, int32_t message, int32_t wParam, int32_t) {
        GTMsgHook1_Message(hwnd, message, wParam);
    });
}

void ControlPort::UserControl_Initialize() {
    ShortReRaise(kSource.Method("UserControl_Initialize"), [&] {
        {
            LayoutGuard guard(mblnLayoutBusy);
            mobjHelp = std::make_unique<Help>();
            mlngBottom = 50;
            ScrollBar.Min(0);
            UserControl.Height(kInitialHeight);
            UserControl.Width(kInitialWidth);
            Viewport.Move(0, 0, W(), H());
            ScrollArea.Move(0, 0, W(), H());
            ScrollBar.Move(W() - ScrollBar.Width(), 0, ScrollBar.Width(), H());
            ScrollBar.Visible(false);
        }
        Paint();
    });
}

// Nothing may escape a destructor: after the hook is off, failures are ignored.
void ControlPort::UserControl_Terminate() {
    GTMsgHook1.Enabled(false);
    Silently([&] { NewCanvas(); });
    mcolCtl_.reset();
    mcolCtlCommand_.reset();
    mcolCtlVisible_.reset();
    mobjHelp.reset();
}

bool ControlPort::Border() const {
    return mintBorderStyle != kBorderNone;
}

void ControlPort::Border(bool value) {
    mintBorderStyle = value ? kBorderFixedSingle : kBorderNone;
    Viewport.Refresh();
    UserControl.Refresh();
    UserControl.PropertyChanged("Border");
}

host::OleColor ControlPort::BackColor() const {
    return UserControl.BackColor();
}

// Children keep their own colours.
void ControlPort::BackColor(host::OleColor value) {
    UserControl.BackColor(value);
    Viewport.BackColor(value);
    ScrollArea.BackColor(value);
    UserControl.PropertyChanged("BackColor");
}

host::OleColor ControlPort::ForeColor() const {
    return UserControl.ForeColor();
}

void ControlPort::ForeColor(host::OleColor value) {
    UserControl.ForeColor(value);
    Viewport.ForeColor(value);
    ScrollArea.ForeColor(value);
    UserControl.PropertyChanged("ForeColor");
}

void ControlPort::UserControl_WriteProperties(host::PropertyBag& bag) {
    bag.WriteProperty("Height", H(), kInitialHeight);
    bag.WriteProperty("Width", W(), kInitialWidth);
    bag.WriteProperty("Border", Border(), false);
    bag.WriteProperty("BackColor", static_cast<int32_t>(BackColor()));
    bag.WriteProperty("ForeColor", static_cast<int32_t>(ForeColor()));
}

void ControlPort::UserControl_ReadProperties(host::PropertyBag& bag) {
    UserControl.Height(bag.ReadProperty("Height", kInitialHeight).AsSingle());
    UserControl.Width(bag.ReadProperty("Width", kInitialWidth).AsSingle());
    Border(bag.ReadProperty("Border", false).AsBoolean());
    BackColor(static_cast<host::OleColor>(
        bag.ReadProperty("BackColor", static_cast<int32_t>(BackColor())).AsLong()));
    ForeColor(static_cast<host::OleColor>(
        bag.ReadProperty("ForeColor", static_cast<int32_t>(ForeColor())).AsLong()));
}

}  // namespace panelkit2
