#pragma once

// The caption label of most controls: a multi-line label that wraps its text at blanks.
// Controls reach it late-bound. With the sizing switch on it takes the one-line size of its
// text (the text metrics' width, no padding, so a text sized this way never wraps); Reflow
// makes it as high as its text wrapped at the current width.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/toolkit/extender.hpp"
#include "panelkit2/toolkit/signal.hpp"
#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

namespace wrap_label_id {
inline constexpr DispId ForeColor = 0x68030003;
inline constexpr DispId BackColor = 0x68030004;
inline constexpr DispId Caption = 0x68030005;
inline constexpr DispId AutoSize = 0x68030006;
inline constexpr DispId Reflow = 0x6003000c;
inline constexpr DispId Refresh = -550;
}  // namespace wrap_label_id

class WrapLabel : public Widget, public Dispatchable {
  public:
    // Mouse buttons as the mouse events report them.
    static constexpr int16_t LeftButton = 1;
    static constexpr int16_t RightButton = 2;
    static constexpr int16_t MiddleButton = 4;

    enum class Events : int32_t { Click = 1, DblClick, MouseDown, MouseMove, MouseUp };

    explicit WrapLabel(Widget* parent = nullptr, std::string name = "WrapLabel");

    const std::string& Caption() const noexcept { return mstrCaption; }
    // With AutoSize on, the label takes the caption's one-line size at once.
    void Caption(std::string value);
    bool AutoSize() const noexcept { return mblnAutoSize; }
    // Switching it on sizes the label to its caption at once.
    void AutoSize(bool value);
    // Off: lines break only at explicit line breaks.
    bool MultiLine() const noexcept { return mblnMultiLine; }
    void MultiLine(bool value);

    // Height becomes the number of wrapped lines at the current width times the line height.
    void Reflow();
    // The caption as it is drawn at the current width, one entry per line.
    std::vector<std::string> WrappedLines() const;

    void CopyDesignFrom(const Widget& source) override;
    const InterfaceTable& Interface() const override;
    Dispatchable* Extender() override { return &mExtender; }

    // User input, in the label's coordinates (twips). Ignored while the label is disabled
    // or not shown. A left press released inside the label is a click.
    void UserMouseDown(int16_t button, int16_t shift, float x, float y);
    void UserMouseMove(int16_t button, int16_t shift, float x, float y);
    void UserMouseUp(int16_t button, int16_t shift, float x, float y);
    // A left click: MouseDown, MouseUp, Click (at the centre when no point is given).
    void UserClick();
    void UserClick(float x, float y);
    // MouseDown, MouseUp, Click, DblClick, MouseUp: the second press reports DblClick.
    void UserDblClick(float x, float y);

    // Typed events; each is raised together with the automation event of the same name.
    Signal<> Click;
    Signal<> DblClick;
    Signal<int16_t, int16_t, float, float> MouseDown;
    Signal<int16_t, int16_t, float, float> MouseMove;
    Signal<int16_t, int16_t, float, float> MouseUp;

  private:
    bool AcceptsInput() const noexcept { return Enabled() && IsShown(); }
    bool Contains(float x, float y) const noexcept;
    void SizeToCaption();
    std::vector<std::string_view> WrapCaption() const;
    void RaiseClick();
    void RaiseDblClick();
    void RaiseMouse(Events event, const Signal<int16_t, int16_t, float, float>& signal,
                    int16_t button, int16_t shift, float x, float y);

    std::string mstrCaption;
    bool mblnAutoSize = false;
    bool mblnMultiLine = true;
    // Buttons pressed on the label and not yet released.
    int16_t mintPressed = 0;
    host::Extender mExtender;
};

}  // namespace panelkit2::host
