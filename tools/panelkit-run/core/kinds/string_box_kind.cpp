// Rows of one-line text fields, each named by an option. The value holds every row's text
// in order (a one-row box also takes a plain text); rows start empty. "required" asks for
// text in every row.

#include "panelkit2/choice/string_box.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/fill_steps.hpp"
#include "tools/panelkit-run/core/kinds/option_lists.hpp"
#include "tools/panelkit-run/core/kinds/text_lists.hpp"

namespace panelkit2::run {

namespace {

class StringBoxKind final : public Kind {
  public:
    std::string_view Name() const override { return "stringbox"; }
    ControlID Id() const override { return ControlID::StringBox; }
    Shape ValueShape() const override { return Shape::Texts; }
    bool TakesCaption() const override { return false; }
    bool TakesRequired() const override { return true; }

    void Load(TableReader& fields, ControlDef& def) const override {
        def.options = ReadOptions(fields, "options", {});
        def.caption = def.options.front().text;
    }
    std::string Refuse(const ControlDef& def, const Json& value) const override {
        const Json texts = TextsOf(value);
        if (!texts.is_array()) return "expected a list of texts, found " + TypeName(value);
        if (texts.size() != def.options.size())
            return "expected " + std::to_string(def.options.size()) + " texts, one per row";
        for (size_t i = 0; i < texts.size(); ++i) {
            const std::string& row = def.options[i].text;
            if (!texts[i].is_string())
                return "row \"" + row + "\": expected a text, found " + TypeName(texts[i]);
            if (texts[i].get<std::string>().find_first_of("\r\n") != std::string::npos)
                return "row \"" + row + "\": a row holds one line";
        }
        return {};
    }
    Json Normalized(const ControlDef&, const Json& value) const override { return TextsOf(value); }
    Json Initial(const ControlDef& def) const override {
        return Json::array_t(def.options.size(), Json(""));
    }
    bool Answered(const Json& value) const override {
        for (const Json& text : TextsOf(value))
            if (text.get<std::string>().empty()) return false;
        return true;
    }

    void Fill(Dispatchable& control, const ControlDef& def) const override {
        auto& box = static_cast<StringBox&>(control);
        FillCommonActions(box, def);
        FillOptions(box, def.options,
                    [](StringBox& rows, std::string_view text) { rows.AddOption(text); });
    }
    // Every row is emptied first: a row adds a value to the text it holds, and a box reused
    // from an earlier page keeps the text of its first row.
    void Select(Dispatchable& control, const ControlDef&, const Json& value) const override {
        auto& box = static_cast<StringBox&>(control);
        box.SetSelectedOption("");
        WriteTexts(TextsOf(value),
                   [&](int16_t& row, const std::string& text) { box.Value(row, text); });
    }
    Json Read(Dispatchable& control, const ControlDef& def) const override {
        auto& box = static_cast<StringBox&>(control);
        return ReadTexts(def.options.size(), [&](int16_t& row) { return box.Value(row); });
    }
    // Every row adds its actions, typed into or not; an empty entry when it has none.
    ActionList ActionsFor(const ControlDef& def, const Json&) const override {
        ActionList rows;
        for (const Option& row : def.options) AppendOwner(rows, row.actions);
        return Answer(def.commonActions, rows);
    }
};

}  // namespace

const Kind& TheStringBoxKind() {
    static const StringBoxKind kind;
    return kind;
}

}  // namespace panelkit2::run
