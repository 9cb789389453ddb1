#pragma once

// The look the track controls share: a caption on top, a horizontal track under it and
// three captions under the track on a background panel: the lower end under the left
// third, the selection under the middle third, the upper end under the right third. The
// panel keeps the caption (its label's tooltip holds the full text), lays its parts out
// when the control is resized, and offers a help text above the track through HelpPop or
// withdraws it through Hidepop. A control on top of it says what the track's positions
// mean and which texts the captions show.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "panelkit2/controls/option_control.hpp"
#include "panelkit2/toolkit/frame.hpp"
#include "panelkit2/toolkit/label.hpp"
#include "panelkit2/toolkit/slider.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

class TrackPanel : public OptionControl {
  public:
    enum class Events : int32_t { HelpPop = 1, Hidepop };
    // The rows of the two events, for the controls' interfaces.
    static std::vector<EventDef> HelpEvents();

    std::string Caption() const;
    void Caption(std::string_view value);

    // Constituents, for hosts and views that look inside.
    host::Slider& Track() { return Slide_; }
    host::WrapLabel& CaptionLabel() { return wlCaption; }
    host::WrapLabel& TickCaptionLabel() { return wlTickCaption; }
    host::WrapLabel& MinLabel() { return wlMin; }
    host::WrapLabel& MaxLabel() { return wlMax; }

  protected:
    // Where the two controls' panels differ.
    struct Look {
        // The caption label shows only while it has text.
        bool hidesEmptyCaption;
        // Every layout puts the panel back at the top; otherwise it keeps its Top.
        bool panelAtTop;
    };

    // Size of a new control, twips.
    static constexpr int32_t kInitialWidth = 3500;
    static constexpr float kInitialHeight = 1000;

    TrackPanel(std::string name, const Design& design, const Look& look);

    void ApplyCaption(std::string_view text) override { Caption(text); }

    // Caption, track, then the thirds; a control narrower than 100 twips waits for a
    // usable width.
    void UserControl_Resize();
    // Back to the panel's geometry, then Redraw.
    void Paint();
    // What Paint redraws.
    virtual void Redraw() = 0;

    // Raises HelpPop with the help text, `x` (the control's twips) and a place a gap above
    // the track; the track hints the text while its thumb is dragged. Both take their texts
    // by value: the host's handler may change what they were read from.
    void OfferHelp(std::string help, double x);
    // Raises Hidepop; the track hints `hint` instead.
    void WithdrawHelp(std::string hint);

    // The persisted size: "Height" and "Width".
    void WriteSize(host::PropertyBag& bag) const;
    void ReadSize(host::PropertyBag& bag);

    host::Frame vseFrame;
    host::Slider Slide_;
    host::Label lblTickCaption;
    host::WrapLabel wlTickCaption;
    host::WrapLabel wlMin;
    host::WrapLabel wlMax;
    host::WrapLabel wlCaption;

  private:
    void LayOutTickCaption(float third);
    void LayOutEndCaptions(float width);
    void LayOutCaption(float width);

    Look mLook;
};

}  // namespace panelkit2
