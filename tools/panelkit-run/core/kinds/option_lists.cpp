#include "tools/panelkit-run/core/kinds/option_lists.hpp"

#include <algorithm>
#include <cctype>

#include "tools/panelkit-run/core/toml_table_reader.hpp"

namespace panelkit2::run {

namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

Option ReadOption(TableReader& owner, const toml::node& node, std::string_view key,
                  const OptionFields& how) {
    TableReader fields = owner.EntryOf(
        node, key, "{ " + std::string(how.textKey) + " = \"...\", actions = [\"...\"] }");
    Option option;
    option.text = fields.Text(how.textKey);
    if (!how.forbidden.empty() && option.text.find_first_of(how.forbidden) != std::string::npos)
        fields.Fail(*fields.Node(how.textKey),
                    "\"" + option.text + "\" must not hold \"" + std::string(how.forbidden) + "\"");
    option.actions = fields.Texts("actions");
    if (how.help) option.help = fields.OptionalText("help");
    fields.Finish();
    return option;
}

}  // namespace

std::vector<Option> ReadOptions(TableReader& fields, std::string_view key,
                                const OptionFields& how) {
    std::vector<Option> options;
    const toml::array* list = fields.List(key);
    if (!list) {
        if (how.least == 0) return options;
        fields.FailHere("\"" + std::string(key) + "\" is missing (a list of tables)");
    }
    for (const toml::node& node : *list) {
        Option option = ReadOption(fields, node, key, how);
        if (FindOption(options, option.text))
            fields.Fail(node,
                        "\"" + option.text + "\" is named twice in \"" + std::string(key) + "\"");
        options.push_back(std::move(option));
    }
    if (options.size() < how.least)
        fields.Fail(*list, "\"" + std::string(key) + "\" needs at least " +
                               std::to_string(how.least) + " entries");
    return options;
}

const Option* FindOption(const std::vector<Option>& options, std::string_view text) {
    for (const Option& option : options)
        if (option.text == text) return &option;
    return nullptr;
}

std::string OptionChoices(const std::vector<Option>& options) {
    std::string choices = "one of ";
    for (size_t i = 0; i < options.size(); ++i)
        choices += (i > 0 ? ", " : "") + Quote(Json(options[i].text));
    return choices;
}

std::string RefuseOptionText(const std::vector<Option>& options, const Json& value) {
    if (!value.is_string()) return "expected a text, found " + TypeName(value);
    if (FindOption(options, value.get<std::string>())) return {};
    return Quote(value) + " is not " + OptionChoices(options);
}

ActionList ActionsOf(const std::vector<Option>& options, std::string_view text) {
    const Option* option = FindOption(options, text);
    return option ? option->actions : ActionList();
}

std::vector<Option> ReadStates(TableReader& fields) {
    std::vector<Option> states = ReadOptions(fields, "options", {.least = 0});
    for (size_t i = 0; i < states.size(); ++i) {
        states[i].text = Upper(states[i].text);
        const toml::node& node = *fields.List("options")->get(i);
        if (states[i].text != "TRUE" && states[i].text != "FALSE")
            fields.Fail(node, "an option's text must be \"TRUE\" or \"FALSE\"");
        const auto earlier = states.begin() + static_cast<std::ptrdiff_t>(i);
        if (std::any_of(states.begin(), earlier,
                        [&](const Option& state) { return state.text == states[i].text; }))
            fields.Fail(node, "\"" + states[i].text + "\" is named twice in \"options\"");
    }
    return states;
}

ActionList StateActions(const std::vector<Option>& states, bool state) {
    return ActionsOf(states, state ? "TRUE" : "FALSE");
}

std::string RefuseBoolean(const Json& value) {
    if (value.is_boolean()) return {};
    return "expected true or false, found " + TypeName(value);
}

}  // namespace panelkit2::run
