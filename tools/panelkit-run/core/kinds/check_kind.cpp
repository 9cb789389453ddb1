// A check box: true or false. The file names the states "TRUE" and "FALSE" as options and
// attaches actions to them; "required" asks for the box to be checked.

#include "panelkit2/choice/check.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/fill_steps.hpp"
#include "tools/panelkit-run/core/kinds/option_lists.hpp"

namespace panelkit2::run {

namespace {

class CheckKind final : public Kind {
  public:
    std::string_view Name() const override { return "check"; }
    ControlID Id() const override { return ControlID::Check; }
    Shape ValueShape() const override { return Shape::Boolean; }
    bool TakesRequired() const override { return true; }

    void Load(TableReader& fields, ControlDef& def) const override {
        def.options = ReadStates(fields);
    }
    std::string Refuse(const ControlDef&, const Json& value) const override {
        return RefuseBoolean(value);
    }
    Json Initial(const ControlDef&) const override { return false; }
    bool Answered(const Json& value) const override { return value == true; }

    void Fill(Dispatchable& control, const ControlDef& def) const override {
        auto& check = static_cast<Check&>(control);
        FillCommonAndCaption(check, def);
        FillOptions(check, def.options,
                    [](Check& box, std::string_view state) { box.AddOption(state); });
    }
    void Select(Dispatchable& control, const ControlDef&, const Json& value) const override {
        static_cast<Check&>(control).Value(value.get<bool>());
    }
    Json Read(Dispatchable& control, const ControlDef&) const override {
        return static_cast<Check&>(control).GetSelectedOption();
    }
    ActionList ActionsFor(const ControlDef& def, const Json& value) const override {
        return Answer(def.commonActions, StateActions(def.options, value.get<bool>()));
    }
};

}  // namespace

const Kind& TheCheckKind() {
    static const CheckKind kind;
    return kind;
}

}  // namespace panelkit2::run
