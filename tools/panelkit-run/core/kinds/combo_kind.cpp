// Drop-down lists stacked in one control, each with its caption and items. The value holds
// the chosen item of every list, in order (a one-list combo also takes a plain text); each
// list starts on its first item.

#include "panelkit2/choice/combo.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/fill_steps.hpp"
#include "tools/panelkit-run/core/kinds/option_lists.hpp"
#include "tools/panelkit-run/core/kinds/text_lists.hpp"
#include "tools/panelkit-run/core/toml_table_reader.hpp"

namespace panelkit2::run {

namespace {

ComboElement ReadElement(TableReader& owner, const toml::node& node) {
    TableReader fields = owner.EntryOf(node, "elements", "{ caption = \"...\", items = [...] }");
    ComboElement element;
    element.caption = fields.Text("caption");
    element.items = ReadOptions(fields, "items", {});
    fields.Finish();
    return element;
}

class ComboKind final : public Kind {
  public:
    std::string_view Name() const override { return "combo"; }
    ControlID Id() const override { return ControlID::Combo; }
    Shape ValueShape() const override { return Shape::Texts; }
    bool TakesCaption() const override { return false; }

    void Load(TableReader& fields, ControlDef& def) const override {
        const toml::array* list = fields.List("elements");
        if (!list || list->empty())
            fields.FailHere("\"elements\" is missing (a list of drop-down lists)");
        for (const toml::node& node : *list) def.elements.push_back(ReadElement(fields, node));
        def.caption = def.elements.front().caption;
    }
    std::string Refuse(const ControlDef& def, const Json& value) const override {
        const Json texts = TextsOf(value);
        if (!texts.is_array()) return "expected a list of texts, found " + TypeName(value);
        if (texts.size() != def.elements.size())
            return "expected " + std::to_string(def.elements.size()) + " texts, one per list";
        for (size_t i = 0; i < texts.size(); ++i)
            if (std::string why = RefuseOptionText(def.elements[i].items, texts[i]); !why.empty())
                return "list \"" + def.elements[i].caption + "\": " + why;
        return {};
    }
    Json Normalized(const ControlDef&, const Json& value) const override { return TextsOf(value); }
    Json Initial(const ControlDef& def) const override {
        Json texts = Json::array();
        for (const ComboElement& element : def.elements)
            texts.push_back(element.items.front().text);
        return texts;
    }

    // Every list exists before the first item: a list added later starts as a copy of the
    // first one, items included.
    void Fill(Dispatchable& control, const ControlDef& def) const override {
        auto& combo = static_cast<Combo&>(control);
        FillCommonActions(combo, def);
        combo.ArrayCount(static_cast<int16_t>(def.elements.size()));
        for (size_t i = 0; i < def.elements.size(); ++i) {
            const auto list = static_cast<int16_t>(i);
            combo.Caption(list, def.elements[i].caption);
            for (const Option& item : def.elements[i].items) {
                combo.AddItem(list, item.text);
                for (const std::string& action : item.actions) {
                    int16_t element = list;
                    auto added = static_cast<int16_t>(combo.ItemCount(list) - 1);
                    combo.Action(element, added, action);
                }
            }
        }
    }
    void Select(Dispatchable& control, const ControlDef&, const Json& value) const override {
        auto& combo = static_cast<Combo&>(control);
        WriteTexts(TextsOf(value),
                   [&](int16_t& list, const std::string& text) { combo.Selected(list, text); });
    }
    Json Read(Dispatchable& control, const ControlDef& def) const override {
        auto& combo = static_cast<Combo&>(control);
        return ReadTexts(def.elements.size(), [&](int16_t& list) { return combo.Selected(list); });
    }
    // Every list adds the actions of its chosen item, an empty entry when it has none.
    ActionList ActionsFor(const ControlDef& def, const Json& value) const override {
        const Json texts = TextsOf(value);
        ActionList selected;
        for (size_t i = 0; i < def.elements.size(); ++i)
            AppendOwner(selected, ActionsOf(def.elements[i].items, texts[i].get<std::string>()));
        return Answer(def.commonActions, selected);
    }
};

}  // namespace

const Kind& TheComboKind() {
    static const ComboKind kind;
    return kind;
}

}  // namespace panelkit2::run
