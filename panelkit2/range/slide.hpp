#pragma once

// Slide: one of a few named positions on a horizontal track. Each tick has a caption, an
// action list and optionally a help text. The caption of the first tick stands under the
// left third, that of the last under the right third and that of the tick under the thumb
// in the middle. When the thumb comes to rest it snaps to the tick at or below it and offers
// the tick's help text through HelpPop (or withdraws it through Hidepop).
//
// Ticks are numbered from 1; tick i lies at track position spacing x (i - 1). Actions
// attached before the first tick apply at every position.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "panelkit2/range/track_panel.hpp"

namespace panelkit2 {

class Slide : public TrackPanel {
  public:
    Slide();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    int16_t NumTicks() const noexcept { return mintNumTicks; }
    void NumTicks(int16_t value);
    std::string Action(int16_t idx) const;
    void Action(int16_t idx, std::string_view value);
    bool Show() const override { return mintNumTicks >= 2; }

    void Clear() override;
    void AddTick(std::string_view vData = {});
    void AddOption(std::string_view vData);
    // The newest tick's help, or tick `idx` when it is not 0.
    void AddHelp(std::string_view strHelp, int16_t idx);
    void AddHelp(std::string_view strHelp) override { AddHelp(strHelp, 0); }
    void SetSelectedOption(std::string_view vData);
    std::string GetSelectedOption() const;
    std::string GetSelectedAction() const override;

    // Internal properties: the track's range as decimal text, the end captions, a tick's
    // caption.
    std::string Min() const;
    void Min(std::string_view value);
    std::string Max() const;
    void Max(std::string_view value);
    std::string MinCaption() const { return wlMin.Caption(); }
    void MinCaption(std::string_view value);
    std::string MaxCaption() const { return wlMax.Caption(); }
    void MaxCaption(std::string_view value);
    std::string TickCaption(int16_t idx) const;
    void TickCaption(int16_t idx, std::string_view value);

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;
    void RouteAction(std::string_view text) override { Action(mintNumTicks, text); }

  private:
    void UserControl_Initialize();
    void Redraw() override;
    void ShowEndCaption(host::WrapLabel& label, std::string_view value);
    // Error 9 outside 0..NumTicks.
    size_t TickIndex(int16_t idx) const;

    // The tick the thumb stands on (1-based) and the position of tick i.
    int32_t Spacing() const;
    int32_t TickAtThumb() const;
    int32_t PositionOf(int32_t tick) const;
    // Whether the thumb has ticks to settle on: two or more, a spacing above zero.
    bool Moves() const;
    // Moves a resting thumb to Max or down onto a tick; false when it lies beyond the ticks.
    bool SnapToTick();
    // Which tick the thumb stands on has changed or may have: the middle caption follows.
    void Slide_Scroll();
    void Slide_Change();
    void SettleTick();
    void PopHelp(int32_t tick);
    void ResizeTicks(int16_t upperBound);

    int16_t mintNumTicks = 0;
    // Index 0 is never a tick and stays empty.
    std::vector<std::string> mstrTickCaption{1};
    std::vector<std::string> mstrAction{1};
    std::vector<std::string> mstrHelp{1};
    bool mblnMouseDown = false;
};

}  // namespace panelkit2
