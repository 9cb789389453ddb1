#pragma once

// A kind whose value is the text of one of its options (an option button, a list item, a
// step of a track): the first one until another is chosen. The answer holds the common
// actions, then the chosen option's.

#include <string>
#include <string_view>

#include "tools/panelkit-run/core/kind.hpp"
#include "tools/panelkit-run/core/kinds/fill_steps.hpp"
#include "tools/panelkit-run/core/kinds/option_lists.hpp"

namespace panelkit2::run {

template <class Control>
class ChosenTextKind final : public Kind {
  public:
    struct Traits {
        std::string_view name;
        ControlID id;
        // The file's key of the options, and how they are read.
        std::string_view key;
        OptionFields fields;
        // Adds one option by its text.
        void (*add)(Control& control, std::string_view text);
    };

    explicit ChosenTextKind(const Traits& traits) : mTraits(traits) {}

    std::string_view Name() const override { return mTraits.name; }
    ControlID Id() const override { return mTraits.id; }
    Shape ValueShape() const override { return Shape::Text; }

    void Load(TableReader& fields, ControlDef& def) const override {
        def.options = ReadOptions(fields, mTraits.key, mTraits.fields);
    }
    std::string Refuse(const ControlDef& def, const Json& value) const override {
        return RefuseOptionText(def.options, value);
    }
    Json Initial(const ControlDef& def) const override { return def.options.front().text; }

    void Fill(Dispatchable& control, const ControlDef& def) const override {
        auto& own = static_cast<Control&>(control);
        FillCommonAndCaption(own, def);
        FillOptions(own, def.options, mTraits.add);
    }
    void Select(Dispatchable& control, const ControlDef&, const Json& value) const override {
        static_cast<Control&>(control).SetSelectedOption(value.get<std::string>());
    }
    Json Read(Dispatchable& control, const ControlDef&) const override {
        return static_cast<Control&>(control).GetSelectedOption();
    }
    ActionList ActionsFor(const ControlDef& def, const Json& value) const override {
        return Answer(def.commonActions, ActionsOf(def.options, value.get<std::string>()));
    }

  private:
    Traits mTraits;
};

}  // namespace panelkit2::run
