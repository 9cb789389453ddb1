// Option buttons: one option out of several, the first chosen until another is.

#include "panelkit2/choice/radio.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/option_lists.hpp"

namespace panelkit2::run {

namespace {

class RadioKind final : public Kind {
  public:
    std::string_view Name() const override { return "radio"; }
    ControlID Id() const override { return ControlID::Radio; }
    Shape ValueShape() const override { return Shape::Text; }

    void Load(TableReader& fields, ControlSpec& spec) const override {
        spec.options = ReadOptions(fields, "options", {});
    }
    std::string Refuse(const ControlSpec& spec, const Json& value) const override {
        return RefuseOptionText(spec.options, value);
    }
    Json Initial(const ControlSpec& spec) const override { return spec.options.front().text; }

    void Fill(Dispatchable& control, const ControlSpec& spec) const override {
        auto& radio = static_cast<Radio&>(control);
        for (const std::string& action : spec.commonActions) radio.AddAction(action);
        radio.SetCaption(spec.caption);
        for (const Option& option : spec.options) {
            radio.AddOption(option.text);
            for (const std::string& action : option.actions) radio.AddAction(action);
        }
    }
    void Select(Dispatchable& control, const ControlSpec&, const Json& value) const override {
        static_cast<Radio&>(control).SetSelectedOption(value.get<std::string>());
    }
    Json Read(Dispatchable& control, const ControlSpec&) const override {
        return static_cast<Radio&>(control).GetSelectedOption();
    }
    ActionList ActionsFor(const ControlSpec& spec, const Json& value) const override {
        return Answer(spec.commonActions, ActionsOf(spec.options, value.get<std::string>()));
    }
};

}  // namespace

const Kind& TheRadioKind() {
    static const RadioKind kind;
    return kind;
}

}  // namespace panelkit2::run
