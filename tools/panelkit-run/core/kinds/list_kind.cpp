// A list box: one item out of a list, the first chosen until another is.

#include "panelkit2/choice/list.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/option_lists.hpp"

namespace panelkit2::run {

namespace {

class ListKind final : public Kind {
  public:
    std::string_view Name() const override { return "list"; }
    ControlID Id() const override { return ControlID::List; }
    Shape ValueShape() const override { return Shape::Text; }

    void Load(TableReader& fields, ControlSpec& spec) const override {
        spec.options = ReadOptions(fields, "items", {});
    }
    std::string Refuse(const ControlSpec& spec, const Json& value) const override {
        return RefuseOptionText(spec.options, value);
    }
    Json Initial(const ControlSpec& spec) const override { return spec.options.front().text; }

    void Fill(Dispatchable& control, const ControlSpec& spec) const override {
        auto& list = static_cast<List&>(control);
        for (const std::string& action : spec.commonActions) list.AddAction(action);
        list.SetCaption(spec.caption);
        for (const Option& item : spec.options) {
            list.AddItem(item.text);
            for (const std::string& action : item.actions) list.AddAction(action);
        }
    }
    void Select(Dispatchable& control, const ControlSpec&, const Json& value) const override {
        static_cast<List&>(control).SetSelectedOption(value.get<std::string>());
    }
    Json Read(Dispatchable& control, const ControlSpec&) const override {
        return static_cast<List&>(control).GetSelectedOption();
    }
    // Items without actions add nothing.
    ActionList ActionsFor(const ControlSpec& spec, const Json& value) const override {
        return Answer(spec.commonActions, ActionsOf(spec.options, value.get<std::string>()));
    }
};

}  // namespace

const Kind& TheListKind() {
    static const ListKind kind;
    return kind;
}

}  // namespace panelkit2::run
