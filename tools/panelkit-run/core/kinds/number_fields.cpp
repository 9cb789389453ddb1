#include "tools/panelkit-run/core/kinds/number_fields.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tools/panelkit-run/core/toml_table_reader.hpp"

namespace panelkit2::run {

namespace {

std::string NumberText(double value) {
    return Quote(Json(value == std::floor(value) && std::fabs(value) < 1e15
                          ? Json(static_cast<int64_t>(value))
                          : Json(value)));
}

bool HasAtMostDecimals(double value, int16_t decimals) {
    if (decimals < 0) return true;
    const double scaled = value * std::pow(10.0, decimals);
    return std::fabs(scaled - std::round(scaled)) <= 1e-6 * std::max(1.0, std::fabs(scaled));
}

// Why a number is no number of the control's type; empty when it is one.
std::string RefuseShape(double value, const NumberRules& rules) {
    if (rules.whole && value != std::floor(value)) return "expected a whole number";
    if (!HasAtMostDecimals(value, rules.decimals))
        return "has more than " + std::to_string(rules.decimals) + " decimal places";
    if (value < rules.lowest || value > rules.highest)
        return "lies beyond what the control holds (" + NumberText(rules.lowest) + " to " +
               NumberText(rules.highest) + ")";
    return {};
}

double ReadNumber(TableReader& fields, std::string_view key, const NumberRules& rules) {
    const double value = fields.RequiredNumber(key);
    if (const std::string why = RefuseShape(value, rules); !why.empty())
        fields.Fail(*fields.Node(key), "\"" + std::string(key) + "\" " + why);
    return value;
}

SubRange ReadSubRange(TableReader& owner, const toml::node& node, const NumberRules& rules) {
    TableReader fields =
        owner.EntryOf(node, "conditional_actions", "{ min = 1, max = 9, actions = [\"...\"] }");
    SubRange range;
    range.min = ReadNumber(fields, "min", rules);
    range.max = ReadNumber(fields, "max", rules);
    if (range.max < range.min) fields.Fail(*fields.Node("max"), "\"max\" lies below \"min\"");
    range.actions = fields.Texts("actions");
    if (rules.help) range.help = fields.OptionalText("help");
    if (range.actions.empty() && range.help.empty())
        fields.FailHere(rules.help ? "a sub-range needs \"actions\" or \"help\""
                                   : "a sub-range needs \"actions\"");
    fields.Finish();
    return range;
}

}  // namespace

void ReadRange(TableReader& fields, ControlDef& def, const NumberRules& rules) {
    def.min = ReadNumber(fields, "min", rules);
    def.max = ReadNumber(fields, "max", rules);
    if (def.max <= def.min) fields.Fail(*fields.Node("max"), "\"max\" must lie above \"min\"");
}

void ReadSubRanges(TableReader& fields, ControlDef& def, const NumberRules& rules) {
    const toml::array* list = fields.List("conditional_actions");
    if (!list) return;
    for (const toml::node& node : *list) {
        SubRange range = ReadSubRange(fields, node, rules);
        for (const SubRange& earlier : def.conditionalActions)
            if (earlier.min == range.min && earlier.max == range.max)
                fields.Fail(node, "a second sub-range from " + NumberText(range.min) + " to " +
                                      NumberText(range.max) +
                                      "; give its actions to the first one");
        def.conditionalActions.push_back(std::move(range));
    }
}

std::string RefuseNumber(const ControlDef& def, const Json& value, const NumberRules& rules) {
    if (!value.is_number())
        return "expected " + std::string(rules.whole ? "a whole number" : "a number") + ", found " +
               TypeName(value);
    const double number = value.get<double>();
    if (const std::string why = RefuseShape(number, rules); !why.empty())
        return Quote(value) + " " + why;
    if (number < def.min || number > def.max)
        return Quote(value) + " lies outside the range " + NumberText(def.min) + " to " +
               NumberText(def.max);
    return {};
}

double RoundedToDecimals(double value, int16_t decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", static_cast<int>(decimals), value);
    return std::strtod(text, nullptr);
}

double ShortestOf(float value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text - 1, value).ptr;
    *end = '\0';
    return std::strtod(text, nullptr);
}

}  // namespace panelkit2::run
