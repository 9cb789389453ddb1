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

    void Load(TableReader& fields, ControlDef& def) const override {
        const int64_t decimals = fields.Integer("decimal_place").value_or(0);
        if (decimals < 0 || decimals > kMostDecimals)
            fields.Fail(*fields.Node("decimal_place"),
                        "\"decimal_place\" must lie from 0 to " + std::to_string(kMostDecimals));
        def.decimalPlace = static_cast<int16_t>(decimals);
        ReadRange(fields, def, RulesOf(def.decimalPlace));
        ReadSubRanges(fields, def, RulesOf(def.decimalPlace));
    }
    std::string Refuse(const ControlDef& def, const Json& value) const override {
        return RefuseNumber(def, value, RulesOf(def.decimalPlace));
    }
    Json Normalized(const ControlDef& def, const Json& value) const override {
        return RoundedToDecimals(static_cast<float>(value.get<double>()), def.decimalPlace);
    }
    Json Initial(const ControlDef& def) const override {
        return RoundedToDecimals(def.min, def.decimalPlace);
    }

    void Fill(Dispatchable& control, const ControlDef& def) const override {
        auto& slide = static_cast<ContinuousSlide&>(control);
        FillCommonAndCaption(slide, def);
        slide.SetDecimalPlace(def.decimalPlace);
        SetRange(slide, def);
        for (const SubRange& range : def.conditionalActions) AddSubRange(slide, range);
    }
    void Select(Dispatchable& control, const ControlDef&, const Json& value) const override {
        static_cast<ContinuousSlide&>(control).SetSelectedOption(
            static_cast<float>(value.get<double>()));
    }
    Json Read(Dispatchable& control, const ControlDef& def) const override {
        const float value = static_cast<ContinuousSlide&>(control).GetSelectedOption();
        return RoundedToDecimals(value, def.decimalPlace);
    }
    ActionList ActionsFor(const ControlDef& def, const Json& value) const override {
        return ActionsInSubRanges(def, static_cast<float>(value.get<double>()));
    }

  private:
    // An end set equal to the other one is not taken (the track is disabled instead), so
    // the lower end goes first unless it would meet the upper end the track has now.
    static void SetRange(ContinuousSlide& slide, const ControlDef& def) {
        const auto min = static_cast<float>(def.min);
        const auto max = static_cast<float>(def.max);
        const double lowestPosition = std::floor(double(min) * std::pow(10.0, def.decimalPlace));
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
