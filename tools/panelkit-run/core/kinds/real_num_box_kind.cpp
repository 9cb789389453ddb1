// A real number (single precision) in a range, typed or stepped, with actions for
// sub-ranges of it. Without a default it starts at its lower end.

#include <limits>

#include "panelkit2/range/real_num_box.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/number_fields.hpp"
#include "tools/panelkit-run/core/kinds/sub_range_placeholder.hpp"

namespace panelkit2::run {

namespace {

constexpr NumberRules kRules{.lowest = -std::numeric_limits<float>::max(),
                             .highest = std::numeric_limits<float>::max()};

class RealNumBoxKind final : public Kind {
  public:
    std::string_view Name() const override { return "realnumbox"; }
    ControlID Id() const override { return ControlID::RealNumBox; }
    Shape ValueShape() const override { return Shape::Number; }

    void Load(TableReader& fields, ControlSpec& spec) const override {
        ReadRange(fields, spec, kRules);
        ReadSubRanges(fields, spec, kRules);
    }
    std::string Refuse(const ControlSpec& spec, const Json& value) const override {
        return RefuseNumber(spec, value, kRules);
    }
    Json Normalized(const ControlSpec&, const Json& value) const override {
        return ShortestOf(static_cast<float>(value.get<double>()));
    }
    Json Initial(const ControlSpec& spec) const override {
        return ShortestOf(static_cast<float>(spec.min));
    }

    void Fill(Dispatchable& control, const ControlSpec& spec) const override {
        auto& box = static_cast<RealNumBox&>(control);
        for (const std::string& action : spec.commonActions) box.AddAction(action);
        box.SetCaption(spec.caption);
        box.Min(static_cast<float>(spec.min));
        box.Max(static_cast<float>(spec.max));
        RetirePlaceholder(box);
        for (const SubRange& range : spec.conditionalActions)
            for (const std::string& action : range.actions)
                box.SetConditionalAction(static_cast<float>(range.min),
                                         static_cast<float>(range.max), action);
    }
    void Select(Dispatchable& control, const ControlSpec&, const Json& value) const override {
        static_cast<RealNumBox&>(control).Value(static_cast<float>(value.get<double>()));
    }
    Json Read(Dispatchable& control, const ControlSpec&) const override {
        return ShortestOf(static_cast<RealNumBox&>(control).Value());
    }
    ActionList ActionsFor(const ControlSpec& spec, const Json& value) const override {
        return ActionsInSubRanges(spec, static_cast<float>(value.get<double>()));
    }
};

}  // namespace

const Kind& TheRealNumBoxKind() {
    static const RealNumBoxKind kind;
    return kind;
}

}  // namespace panelkit2::run
