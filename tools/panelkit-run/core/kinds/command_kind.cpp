// A push button on the page. Its value says whether it was pushed. Pushing it delivers the
// actions of its "TRUE" option with the push; the answer holds the actions of its "FALSE"
// option only while it has not been pushed.

#include "panelkit2/choice/command.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/fill_steps.hpp"
#include "tools/panelkit-run/core/kinds/option_lists.hpp"

namespace panelkit2::run {

namespace {

class CommandKind final : public Kind {
  public:
    std::string_view Name() const override { return "command"; }
    ControlID Id() const override { return ControlID::CommandButton; }
    Shape ValueShape() const override { return Shape::Boolean; }

    void Load(TableReader& fields, ControlDef& def) const override {
        def.options = ReadStates(fields);
    }
    std::string Refuse(const ControlDef&, const Json& value) const override {
        return RefuseBoolean(value);
    }
    Json Initial(const ControlDef&) const override { return false; }

    void Fill(Dispatchable& control, const ControlDef& def) const override {
        auto& command = static_cast<Command&>(control);
        FillCommonAndCaption(command, def);
        FillOptions(command, def.options,
                    [](Command& button, std::string_view state) { button.AddOption(state); });
    }
    void Select(Dispatchable& control, const ControlDef&, const Json& value) const override {
        static_cast<Command&>(control).SetSelectionOption(value.get<bool>());
    }
    Json Read(Dispatchable& control, const ControlDef&) const override {
        return static_cast<Command&>(control).GetSelectedOption() == "True";
    }
    ActionList ActionsFor(const ControlDef& def, const Json& value) const override {
        const bool pushed = value.get<bool>();
        return Answer(def.commonActions, pushed ? ActionList() : StateActions(def.options, false));
    }
};

}  // namespace

const Kind& TheCommandKind() {
    static const CommandKind kind;
    return kind;
}

}  // namespace panelkit2::run
