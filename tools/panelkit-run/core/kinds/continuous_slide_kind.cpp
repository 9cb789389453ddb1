// A real number picked on a track, in steps of the last of its decimal places, with actions
// and help texts for sub-ranges of it. Without a default it starts at its lower end.

#include <cmath>

#include "panelkit2/range/continuous_slide.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/fill_steps.hpp"
#include "tools/panelkit-run/core/kinds/number_fields.hpp"
#include "tools/panelkit-run/core/toml_table_reader.hpp"

namespace panelkit2::run {

namespace {

constexpr int16_t kMostDecimals = 8;

// The track counts in 16-bit positions of one unit of the last decimal place.
NumberRules RulesOf(int16_t decimals) {
    const double scale = std::pow(10.0, decimals);
    return {.whole = decimals == 0,
            .decimals = decimals,
            .lowest = -32768 / scale,
            .highest = 32767 / scale,
            .help = true};
}

class ContinuousSlideKind final : public Kind {
  public:
    std::string_view Name() const override { return "continuousslide"; }
    ControlID Id() const override { return ControlID::ContinuousSlide; }
    Shape ValueShape() const override { return Shape::Number; }

    void Load(TableReader& fields, ControlSpec& spec) const override {
        const int64_t decimals = fields.Integer("decimal_place").value_or(0);
        if (decimals < 0 || decimals > kMostDecimals)
            fields.Fail(*fields.Node("decimal_place"),
                        "\"decimal_place\" must lie from 0 to " + std::to_string(kMostDecimals));
        spec.decimalPlace = static_cast<int16_t>(decimals);
        ReadRange(fields, spec, RulesOf(spec.decimalPlace));
        ReadSubRanges(fields, spec, RulesOf(spec.decimalPlace));
    }
    std::string Refuse(const ControlSpec& spec, const Json& value) const override {
        return RefuseNumber(spec, value, RulesOf(spec.decimalPlace));
    }
    Json Normalized(const ControlSpec& spec, const Json& value) const override {
        return RoundedToDecimals(static_cast<float>(value.get<double>()), spec.decimalPlace);
    }
    Json Initial(const ControlSpec& spec) const override {
        return RoundedToDecimals(spec.min, spec.decimalPlace);
    }

    void Fill(Dispatchable& control, const ControlSpec& spec) const override {
        auto& slide = static_cast<ContinuousSlide&>(control);
        FillCommonAndCaption(slide, spec);
        slide.SetDecimalPlace(spec.decimalPlace);
        SetRange(slide, spec);
        for (const SubRange& range : spec.conditionalActions) AddSubRange(slide, range);
    }
    void Select(Dispatchable& control, const ControlSpec&, const Json& value) const override {
        static_cast<ContinuousSlide&>(control).SetSelectedOption(
            static_cast<float>(value.get<double>()));
    }
    Json Read(Dispatchable& control, const ControlSpec& spec) const override {
        const float value = static_cast<ContinuousSlide&>(control).GetSelectedOption();
        return RoundedToDecimals(value, spec.decimalPlace);
    }
    ActionList ActionsFor(const ControlSpec& spec, const Json& value) const override {
        return ActionsInSubRanges(spec, static_cast<float>(value.get<double>()));
    }

  private:
    // An end set equal to the other one is not taken (the track is disabled instead), so
    // the lower end goes first unless it would meet the upper end the track has now.
    static void SetRange(ContinuousSlide& slide, const ControlSpec& spec) {
        const auto min = static_cast<float>(spec.min);
        const auto max = static_cast<float>(spec.max);
        const double lowestPosition = std::floor(double(min) * std::pow(10.0, spec.decimalPlace));
        if (lowestPosition >= slide.Max()) {
            slide.DefaultMax(max);
            slide.DefaultMin(min);
        } else {
            slide.DefaultMin(min);
            slide.DefaultMax(max);
        }
    }
    // The option makes the sub-range and takes its help; the first action replaces the
    // sub-range's own, the later ones join it.
    static void AddSubRange(ContinuousSlide& slide, const SubRange& range) {
        const auto min = static_cast<float>(range.min);
        const auto max = static_cast<float>(range.max);
        slide.AddOption(min, max);
        if (!range.help.empty()) slide.AddHelp(range.help);
        for (size_t i = 0; i < range.actions.size(); ++i) {
            if (i == 0)
                slide.AddAction(range.actions[i]);
            else
                slide.SetConditionalAction(min, max, range.actions[i]);
        }
    }
};

}  // namespace

const Kind& TheContinuousSlideKind() {
    static const ContinuousSlideKind kind;
    return kind;
}

}  // namespace panelkit2::run
