#pragma once

// ContinuousSlide: a real number picked on a horizontal track. The track works in whole
// positions; DecimalPlace says how many of a position's digits lie after the decimal
// point, so position p stands for the value p / 10^DecimalPlace. The middle caption shows
// the value, the end captions the ends of the range. The host attaches actions and help
// texts to sub-ranges of values (both ends inclusive): the answer holds the actions of
// every sub-range containing the value, after the actions that apply at every value, and
// the help texts of the containing sub-ranges are offered through HelpPop.
//
// Values turn into positions and back in single precision, the precision of the values
// the host passes: 0.29 with two decimals is position 29, and position 29 is the value
// 0.29 that the host's sub-range ends compare equal to.

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit2/range/action_ranges.hpp"
#include "panelkit2/range/track_panel.hpp"

namespace panelkit2 {

class ContinuousSlide : public TrackPanel {
  public:
    ContinuousSlide();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    // The colours are the control's own: assigning one changes nothing.
    using TrackPanel::BackColor;
    using TrackPanel::ForeColor;
    void BackColor(host::OleColor) noexcept {}
    void ForeColor(host::OleColor) noexcept {}

    // The track's range in positions. An end equal to the other leaves an empty range and
    // disables the track; an end passing the other moves that one a position beyond it.
    int16_t Min() const;
    void Min(int16_t value);
    int16_t Max() const;
    void Max(int16_t value);
    // The range as values: setting one sets that end of the track to the floor of the
    // value's position.
    float DefaultMin() const noexcept { return msngDefaultMin; }
    void DefaultMin(float value);
    float DefaultMax() const noexcept { return msngDefaultMax; }
    void DefaultMax(float value);
    // The last sub-range's actions; writing attaches to the common actions until the first
    // option, then to the sub-range of the track's range, in positions.
    std::string Action() const;
    void Action(std::string_view value);
    int16_t DecimalPlace() const noexcept { return mintDecimalPlace; }
    void DecimalPlace(int16_t value);

    void Clear() override;
    // 0 to 8 decimals (error 380 below, 6 above: the keys' step would pass a Long). The
    // ends of the range are shown again with the new decimals and the thumb goes to Min.
    void SetDecimalPlace(int16_t vData);
    // A sub-range without action or help; later actions and helps replace its own.
    void AddOption(float vMin, float VMax);
    void AddHelp(std::string_view strHelp) override;
    // Puts the thumb on the floor of the value's position, within the track's range.
    void SetSlideValue(float vData);
    // Appends an action to every sub-range with exactly these ends, or stores a new one.
    void SetConditionalAction(float vMin, float VMax, std::string_view vData);
    void SetSelectedOption(float Value);
    float GetSelectedOption() const;
    std::string GetSelectedAction() const override;

    // Internal members: the end captions, the middle caption, and the text of a position
    // with the current decimals ("0.05" for 5 with two; a minus sign before negatives).
    std::string MinCaption() const { return wlMin.Caption(); }
    void MinCaption(std::string_view value);
    std::string MaxCaption() const { return wlMax.Caption(); }
    void MaxCaption(std::string_view value);
    std::string GetTickCaption() const { return wlTickCaption.Caption(); }
    void TickCaption();
    std::string FormatPosition(int32_t position) const;

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;
    void RouteAction(std::string_view text) override;

  private:
    // A sub-range with its help text.
    struct ValueRange : ActionRange<float> {
        std::string Help;
    };
    enum class RangeEnd : uint8_t { Lower, Upper };

    void UserControl_Initialize();
    void Redraw() override;
    void LetRangeEnd(RangeEnd end, int16_t value);
    void ShowEndCaption(host::WrapLabel& label, std::string_view value);

    // 10^DecimalPlace.
    double Scale() const;
    // The floor of a value's position, and the value of a position, in single precision.
    double PositionOf(float value) const;
    float ValueAt(int32_t position) const;
    std::string HelpsContaining(float value) const;
    double HelpAnchor() const;

    // The track's Scroll and Change.
    void Slide_Change();
    void SettleValue();

    int16_t mintDecimalPlace = 0;
    ActionRanges<float, ValueRange> mudtRanges;
    float msngDefaultMin = 0;
    float msngDefaultMax = 0;
};

}  // namespace panelkit2
