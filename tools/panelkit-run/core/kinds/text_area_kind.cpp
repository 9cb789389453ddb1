// A large free-text field under a caption. Every action attached to it is part of its
// answer, whatever was typed; the value is the text, empty at first. "required" asks for
// some text.

#include "panelkit2/choice/text_area.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/fill_steps.hpp"

namespace panelkit2::run {

namespace {

class TextAreaKind final : public Kind {
  public:
    std::string_view Name() const override { return "textarea"; }
    ControlID Id() const override { return ControlID::TextArea; }
    Shape ValueShape() const override { return Shape::Text; }
    bool TakesRequired() const override { return true; }

    void Load(TableReader&, ControlDef&) const override {}
    std::string Refuse(const ControlDef&, const Json& value) const override {
        if (value.is_string()) return {};
        return "expected a text, found " + TypeName(value);
    }
    Json Initial(const ControlDef&) const override { return ""; }
    bool Answered(const Json& value) const override { return !value.get<std::string>().empty(); }

    void Fill(Dispatchable& control, const ControlDef& def) const override {
        FillCommonAndCaption(static_cast<TextArea&>(control), def);
    }
    void Select(Dispatchable& control, const ControlDef&, const Json& value) const override {
        static_cast<TextArea&>(control).SetSelectedOption(value.get<std::string>());
    }
    Json Read(Dispatchable& control, const ControlDef&) const override {
        return static_cast<TextArea&>(control).GetSelectedOption();
    }
    ActionList ActionsFor(const ControlDef& def, const Json&) const override {
        return def.commonActions;
    }
};

}  // namespace

const Kind& TheTextAreaKind() {
    static const TextAreaKind kind;
    return kind;
}

}  // namespace panelkit2::run
