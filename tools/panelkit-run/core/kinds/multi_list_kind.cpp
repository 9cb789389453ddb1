// A list box in which any number of items may be chosen, none at first. The value lists
// the chosen items (in the list's order when read back). "required" asks for at least one.

#include <algorithm>

#include "panelkit2/choice/multi_list.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/fill_steps.hpp"
#include "tools/panelkit-run/core/kinds/option_lists.hpp"

namespace panelkit2::run {

namespace {

// The control reads and writes a selection as item texts joined with this.
constexpr char kSeparator = '|';

class MultiListKind final : public Kind {
  public:
    std::string_view Name() const override { return "multilist"; }
    ControlID Id() const override { return ControlID::MultiList; }
    Shape ValueShape() const override { return Shape::Selection; }
    bool TakesRequired() const override { return true; }

    void Load(TableReader& fields, ControlDef& def) const override {
        def.options = ReadOptions(fields, "items", {.forbidden = "|"});
    }
    std::string Refuse(const ControlDef& def, const Json& value) const override {
        if (!value.is_array()) return "expected a list of texts, found " + TypeName(value);
        for (size_t i = 0; i < value.size(); ++i) {
            if (std::string why = RefuseOptionText(def.options, value[i]); !why.empty()) return why;
            if (std::find(value.begin(), value.begin() + static_cast<std::ptrdiff_t>(i),
                          value[i]) != value.begin() + static_cast<std::ptrdiff_t>(i))
                return Quote(value[i]) + " is chosen twice";
        }
        return {};
    }
    Json Initial(const ControlDef&) const override { return Json::array(); }
    bool Answered(const Json& value) const override { return !value.empty(); }

    void Fill(Dispatchable& control, const ControlDef& def) const override {
        auto& list = static_cast<MultiList&>(control);
        FillCommonAndCaption(list, def);
        FillOptions(list, def.options,
                    [](MultiList& items, std::string_view text) { items.AddItem(text); });
    }
    void Select(Dispatchable& control, const ControlDef&, const Json& value) const override {
        std::string selection;
        for (const Json& text : value) {
            if (!selection.empty()) selection += kSeparator;
            selection += text.get<std::string>();
        }
        static_cast<MultiList&>(control).SetSelectedOption(selection);
    }
    Json Read(Dispatchable& control, const ControlDef&) const override {
        const std::string selection = static_cast<MultiList&>(control).GetSelectedOption();
        Json texts = Json::array();
        size_t start = 0;
        while (start < selection.size()) {
            size_t end = selection.find(kSeparator, start);
            if (end == std::string::npos) end = selection.size();
            texts.push_back(selection.substr(start, end - start));
            start = end + 1;
        }
        return texts;
    }
    // The chosen items with actions add them, in the list's order.
    ActionList ActionsFor(const ControlDef& def, const Json& value) const override {
        ActionList selected;
        for (const Option& item : def.options)
            if (std::find(value.begin(), value.end(), Json(item.text)) != value.end())
                AppendNonEmpty(selected, item.actions);
        return Answer(def.commonActions, selected);
    }
};

}  // namespace

const Kind& TheMultiListKind() {
    static const MultiListKind kind;
    return kind;
}

}  // namespace panelkit2::run
