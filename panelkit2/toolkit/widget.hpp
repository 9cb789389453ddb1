#pragma once

// Base of every widget of the toolkit model. The model is the truth: a widget holds its own
// state and geometry (twips, Single) and raises its events synchronously. Views only observe
// `Changed` and forward real input through the widgets' user-input entry points.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "panelkit2/toolkit/signal.hpp"

namespace panelkit2::host {

using Hwnd = int32_t;  // 0: no window
using OleColor = uint32_t;

namespace colors {
inline constexpr OleColor ButtonFace = 0x8000000F;
inline constexpr OleColor ButtonText = 0x80000012;
inline constexpr OleColor Window = 0x80000005;
inline constexpr OleColor WindowText = 0x80000008;
inline constexpr OleColor Black = 0x00000000;
inline constexpr OleColor White = 0x00FFFFFF;
}  // namespace colors

enum class WidgetKind : uint8_t {
    Surface,
    Label,
    TextBox,
    ComboBox,
    ListBox,
    CheckBox,
    OptionButton,
    CommandButton,
    Frame,
    VScrollBar,
    Timer,
    Form,
    WrapLabel,
    Slider,
    UpDown,
    MsgHook,
};

const char* WidgetKindName(WidgetKind kind);

// What changed, for views.
enum class WidgetProperty : uint8_t {
    Geometry,
    Visible,
    Enabled,
    Text,
    Colors,
    ToolTip,
    TabOrder,
    Value,
    List,
    Selection,
    Range,
    Pressed,
    Focus,
    ZOrder,
    Refresh,
    Parent,
};

class Widget {
  public:
    Widget(WidgetKind kind, Widget* parent, std::string name);
    virtual ~Widget();
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    WidgetKind Kind() const noexcept { return mKind; }
    const std::string& Name() const noexcept { return mstrName; }
    // Position in a widget array, or -1 for a widget that is not an array element.
    int16_t Index() const noexcept { return mintIndex; }
    void SetIndex(int16_t index) noexcept { mintIndex = index; }

    Widget* Parent() const noexcept { return mParent; }
    const std::vector<Widget*>& Children() const noexcept { return mcolChildren; }
    Hwnd WindowHandle() const noexcept { return mHwnd; }

    float Left() const noexcept { return msngLeft; }
    float Top() const noexcept { return msngTop; }
    float Width() const noexcept { return msngWidth; }
    float Height() const noexcept { return msngHeight; }
    void Left(float value);
    void Top(float value);
    void Width(float value);
    void Height(float value);
    // Omitted trailing arguments keep their values.
    void Move(float left, std::optional<float> top = {}, std::optional<float> width = {},
              std::optional<float> height = {});

    bool Visible() const noexcept { return mblnVisible; }
    void Visible(bool value);
    // Visible itself and every ancestor visible.
    bool IsShown() const noexcept;
    // Shown and enabled, and every ancestor enabled: a person can reach it with the mouse
    // or the keyboard.
    bool AcceptsInput() const noexcept;
    // True for the widget itself and for every widget inside it.
    bool Contains(const Widget& other) const noexcept;
    bool Enabled() const noexcept { return mblnEnabled; }
    void Enabled(bool value);
    const std::string& ToolTipText() const noexcept { return mstrToolTip; }
    void ToolTipText(std::string value);
    const std::string& Tag() const noexcept { return mstrTag; }
    void Tag(std::string value) { mstrTag = std::move(value); }
    int16_t TabIndex() const noexcept { return mintTabIndex; }
    void TabIndex(int16_t value);
    bool TabStop() const noexcept { return mblnTabStop; }
    void TabStop(bool value);
    OleColor ForeColor() const noexcept { return mForeColor; }
    void ForeColor(OleColor value);
    OleColor BackColor() const noexcept { return mBackColor; }
    void BackColor(OleColor value);

    void Refresh();
    int32_t RefreshCount() const noexcept { return mlngRefreshes; }

    // Input focus (the host keeps track of the one focused widget).
    bool HasFocus() const noexcept;
    void SetFocus();

    // Position of the widget's top-left corner relative to the top-level window (twips).
    float WindowLeft() const noexcept;
    float WindowTop() const noexcept;
    Widget& TopLevel() noexcept;

    // Copies the design-time properties of another widget of the same kind (widget
    // arrays: a loaded element copies element 0). Visibility is not copied.
    virtual void CopyDesignFrom(const Widget& source);

    // True while one of the widget's own events is being raised: its handlers must not
    // destroy it (widget arrays refuse to unload such an element).
    bool RaisingEvent() const noexcept { return mintEventDepth > 0; }

    // The window-system caret of widgets that own one (text and list boxes): it shows while
    // the widget has the focus, until hidden.
    bool CaretVisible() const noexcept { return mblnCaretVisible; }
    // False when the widget owns no caret or has no focus.
    bool HideCaret();

    Signal<> GotFocus;
    Signal<> LostFocus;
    // Every observable change, for views.
    Signal<Widget&, WidgetProperty> Changed;

  protected:
    // Gives the widget a caret that follows the focus. Call it from the constructor, before
    // the owner connects its own focus handlers, so they may hide the caret again.
    void OwnCaret();
    // Moves the widget under another parent (nullptr: a top-level widget).
    void Reparent(Widget* parent);
    // Runs after a geometry change; `sized` is true when width or height changed.
    virtual void OnGeometryChanged(bool sized) { (void)sized; }
    // Runs after Enabled changed.
    virtual void OnEnabledChanged() {}
    void NotifyChanged(WidgetProperty property);

    // Raises one of the widget's own events, counting it for RaisingEvent.
    template <class... A, class... B>
    void Raise(const Signal<A...>& event, B&&... args) {
        struct Depth {
            int16_t& count;
            explicit Depth(int16_t& c) : count(c) { ++count; }
            ~Depth() { --count; }
        } depth(mintEventDepth);
        event.Emit(std::forward<B>(args)...);
    }

  private:
    friend class Host;
    void SetGeometry(float left, float top, float width, float height);
    void Adopt(Widget* child);
    void Release(Widget* child);

    WidgetKind mKind;
    std::string mstrName;
    int16_t mintIndex = -1;
    Widget* mParent;
    std::vector<Widget*> mcolChildren;
    Hwnd mHwnd = 0;
    // Where the host's window registry holds this widget (kept up by the host).
    std::size_t mlngRegistrySlot = 0;
    float msngLeft = 0, msngTop = 0, msngWidth = 0, msngHeight = 0;
    bool mblnVisible = true;
    bool mblnEnabled = true;
    std::string mstrToolTip;
    std::string mstrTag;
    int16_t mintTabIndex = 0;
    bool mblnTabStop = true;
    OleColor mForeColor = colors::ButtonText;
    OleColor mBackColor = colors::ButtonFace;
    int32_t mlngRefreshes = 0;
    bool mblnOwnsCaret = false;
    bool mblnCaretVisible = false;
    int16_t mintEventDepth = 0;
};

}  // namespace panelkit2::host
