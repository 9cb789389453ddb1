#pragma once

// A number typed into a field or stepped with spin buttons, in a range, with actions for
// sub-ranges of it; it starts at its lower end. `Box` is the library's number field, `T`
// the type of its values (Long or Single).

#include <string>
#include <string_view>
#include <type_traits>

#include "tools/panelkit-run/core/kind.hpp"
#include "tools/panelkit-run/core/kinds/fill_steps.hpp"
#include "tools/panelkit-run/core/kinds/number_fields.hpp"
#include "tools/panelkit-run/core/kinds/sub_range_placeholder.hpp"

namespace panelkit2::run {

template <class Box, class T>
class RangedNumberKind final : public Kind {
  public:
    RangedNumberKind(std::string_view name, ControlID id, const NumberRules& rules)
        : mstrName(name), mId(id), mRules(rules) {}

    std::string_view Name() const override { return mstrName; }
    ControlID Id() const override { return mId; }
    Shape ValueShape() const override { return Shape::Number; }

    void Load(TableReader& fields, ControlDef& def) const override {
        ReadRange(fields, def, mRules);
        ReadSubRanges(fields, def, mRules);
    }
    std::string Refuse(const ControlDef& def, const Json& value) const override {
        return RefuseNumber(def, value, mRules);
    }
    Json Normalized(const ControlDef&, const Json& value) const override {
        return ValueOf(Number(value));
    }
    Json Initial(const ControlDef& def) const override { return ValueOf(static_cast<T>(def.min)); }

    void Fill(Dispatchable& control, const ControlDef& def) const override {
        auto& box = static_cast<Box&>(control);
        FillCommonAndCaption(box, def);
        box.Min(static_cast<T>(def.min));
        box.Max(static_cast<T>(def.max));
        RetirePlaceholder(box);
        for (const SubRange& range : def.conditionalActions)
            for (const std::string& action : range.actions)
                box.SetConditionalAction(static_cast<T>(range.min), static_cast<T>(range.max),
                                         action);
    }
    void Select(Dispatchable& control, const ControlDef&, const Json& value) const override {
        static_cast<Box&>(control).Value(Number(value));
    }
    Json Read(Dispatchable& control, const ControlDef&) const override {
        return ValueOf(static_cast<Box&>(control).Value());
    }
    ActionList ActionsFor(const ControlDef& def, const Json& value) const override {
        return ActionsInSubRanges(def, Number(value));
    }

  private:
    static T Number(const Json& value) { return static_cast<T>(value.get<double>()); }
    // A whole number as it is; a real one as the shortest text that reads back as it.
    static Json ValueOf(T number) {
        if constexpr (std::is_integral_v<T>)
            return number;
        else
            return ShortestOf(number);
    }

    std::string_view mstrName;
    ControlID mId;
    NumberRules mRules;
};

}  // namespace panelkit2::run
