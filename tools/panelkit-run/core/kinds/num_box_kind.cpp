// A whole number in a range, typed or stepped, with actions for sub-ranges of it. Without a
// default it starts at its lower end.

#include <limits>

#include "panelkit2/range/num_box.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/number_fields.hpp"
#include "tools/panelkit-run/core/kinds/sub_range_placeholder.hpp"

namespace panelkit2::run {

namespace {

constexpr NumberRules kRules{.whole = true,
                             .lowest = std::numeric_limits<int32_t>::min(),
                             .highest = std::numeric_limits<int32_t>::max()};

class NumBoxKind final : public Kind {
  public:
    std::string_view Name() const override { return "numbox"; }
    ControlID Id() const override { return ControlID::NumBox; }
    Shape ValueShape() const override { return Shape::Number; }

    void Load(TableReader& fields, ControlSpec& spec) const override {
        ReadRange(fields, spec, kRules);
        ReadSubRanges(fields, spec, kRules);
    }
    std::string Refuse(const ControlSpec& spec, const Json& value) const override {
        return RefuseNumber(spec, value, kRules);
    }
    Json Normalized(const ControlSpec&, const Json& value) const override {
        return static_cast<int32_t>(value.get<double>());
    }
    Json Initial(const ControlSpec& spec) const override { return static_cast<int32_t>(spec.min); }

    void Fill(Dispatchable& control, const ControlSpec& spec) const override {
        auto& box = static_cast<NumBox&>(control);
        for (const std::string& action : spec.commonActions) box.AddAction(action);
        box.SetCaption(spec.caption);
        box.Min(static_cast<int32_t>(spec.min));
        box.Max(static_cast<int32_t>(spec.max));
        RetirePlaceholder(box);
        for (const SubRange& range : spec.conditionalActions)
            for (const std::string& action : range.actions)
                box.SetConditionalAction(static_cast<int32_t>(range.min),
                                         static_cast<int32_t>(range.max), action);
    }
    void Select(Dispatchable& control, const ControlSpec&, const Json& value) const override {
        static_cast<NumBox&>(control).Value(static_cast<int32_t>(value.get<double>()));
    }
    Json Read(Dispatchable& control, const ControlSpec&) const override {
        return static_cast<NumBox&>(control).Value();
    }
    ActionList ActionsFor(const ControlSpec& spec, const Json& value) const override {
        return ActionsInSubRanges(spec, static_cast<int32_t>(value.get<double>()));
    }
};

}  // namespace

const Kind& TheNumBoxKind() {
    static const NumBoxKind kind;
    return kind;
}

}  // namespace panelkit2::run
