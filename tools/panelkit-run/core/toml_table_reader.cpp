#include "tools/panelkit-run/core/toml_table_reader.hpp"

#include <algorithm>
#include <cmath>

#include "tools/panelkit-run/core/load_error.hpp"

namespace panelkit2::run {

namespace {

// A text, number or true/false as JSON; null for anything else.
Json ScalarJson(const toml::node& node) {
    if (const auto* text = node.as_string()) return text->get();
    if (const auto* whole = node.as_integer()) return whole->get();
    if (const auto* number = node.as_floating_point()) return number->get();
    if (const auto* flag = node.as_boolean()) return flag->get();
    return Json();
}

}  // namespace

TableReader::TableReader(const toml::table& table, std::string what, std::string file)
    : mTable(table), mstrWhat(std::move(what)), mstrFile(std::move(file)) {}

FilePlace TableReader::PlaceOf(const toml::node& node) const {
    const toml::source_region& region = node.source();
    return {mstrFile, static_cast<uint32_t>(region.begin.line),
            static_cast<uint32_t>(region.begin.column)};
}

FilePlace TableReader::PlaceOfKey(std::string_view key) const {
    for (const auto& [name, node] : mTable) {
        if (name.str() != key) continue;
        const toml::source_region& region = name.source();
        if (region.begin.line == 0) return PlaceOf(node);
        return {mstrFile, static_cast<uint32_t>(region.begin.line),
                static_cast<uint32_t>(region.begin.column)};
    }
    return Place();
}

const toml::node* TableReader::Node(std::string_view key) {
    if (std::find(mAsked.begin(), mAsked.end(), key) == mAsked.end()) mAsked.emplace_back(key);
    return mTable.get(key);
}

std::string TableReader::Text(std::string_view key) {
    if (!Has(key)) FailHere("\"" + std::string(key) + "\" is missing (a text)");
    std::string text = OptionalText(key);
    if (text.empty()) Fail(*Node(key), "\"" + std::string(key) + "\" must not be empty");
    return text;
}

std::string TableReader::OptionalText(std::string_view key) {
    const toml::node* node = Node(key);
    if (!node) return {};
    if (!node->is_string()) FailType(*node, key, "a text");
    return std::string(node->as_string()->get());
}

bool TableReader::Boolean(std::string_view key, bool fallback) {
    const toml::node* node = Node(key);
    if (!node) return fallback;
    if (!node->is_boolean()) FailType(*node, key, "true or false");
    return node->as_boolean()->get();
}

std::optional<int64_t> TableReader::Integer(std::string_view key) {
    const toml::node* node = Node(key);
    if (!node) return std::nullopt;
    if (!node->is_integer()) FailType(*node, key, "a whole number");
    return node->as_integer()->get();
}

std::optional<double> TableReader::Number(std::string_view key) {
    const toml::node* node = Node(key);
    if (!node) return std::nullopt;
    if (node->is_integer()) return static_cast<double>(node->as_integer()->get());
    if (!node->is_floating_point()) FailType(*node, key, "a number");
    const double value = node->as_floating_point()->get();
    if (!std::isfinite(value)) Fail(*node, "\"" + std::string(key) + "\" must be a finite number");
    return value;
}

double TableReader::RequiredNumber(std::string_view key) {
    if (!Has(key)) FailHere("\"" + std::string(key) + "\" is missing (a number)");
    return *Number(key);
}

std::vector<std::string> TableReader::Texts(std::string_view key) {
    std::vector<std::string> texts;
    const toml::array* list = List(key);
    if (!list) return texts;
    for (const toml::node& item : *list) {
        if (!item.is_string())
            Fail(item, "\"" + std::string(key) + "\" must hold texts, found " + Describe(item));
        std::string text(item.as_string()->get());
        if (text.empty()) Fail(item, "\"" + std::string(key) + "\" must not hold an empty text");
        texts.push_back(std::move(text));
    }
    return texts;
}

const toml::array* TableReader::List(std::string_view key) {
    const toml::node* node = Node(key);
    if (!node) return nullptr;
    if (!node->is_array()) FailType(*node, key, "a list");
    return node->as_array();
}

Json TableReader::Value(std::string_view key) {
    const toml::node* node = Node(key);
    return node ? ToJson(*node) : Json();
}

Json TableReader::ToJson(const toml::node& node) const {
    if (node.is_date() || node.is_time() || node.is_date_time())
        Fail(node, "dates and times are not values of a control");
    if (const toml::array* list = node.as_array()) {
        Json values = Json::array();
        for (const toml::node& item : *list) values.push_back(ToJson(item));
        return values;
    }
    if (const toml::table* table = node.as_table()) {
        Json values = Json::object();
        for (const auto& [name, item] : *table) values[std::string(name.str())] = ToJson(item);
        return values;
    }
    return ScalarJson(node);
}

TableReader TableReader::EntryOf(const toml::node& node, std::string_view key,
                                 std::string_view example) const {
    if (!node.is_table())
        Fail(node, "each of \"" + std::string(key) + "\" must be a table such as " +
                       std::string(example) + ", found " + Describe(node));
    return TableReader(*node.as_table(), mstrWhat, mstrFile);
}

void TableReader::Fail(const toml::node& node, const std::string& message) const {
    throw LoadError(PlaceOf(node), mstrWhat.empty() ? message : mstrWhat + ": " + message);
}

void TableReader::FailAtKey(std::string_view key, const std::string& message) const {
    throw LoadError(PlaceOfKey(key), mstrWhat.empty() ? message : mstrWhat + ": " + message);
}

void TableReader::FailHere(const std::string& message) const {
    throw LoadError(Place(), mstrWhat.empty() ? message : mstrWhat + ": " + message);
}

void TableReader::FailType(const toml::node& node, std::string_view key,
                           std::string_view expected) const {
    Fail(node, "\"" + std::string(key) + "\" must be " + std::string(expected) + ", found " +
                   Describe(node));
}

void TableReader::Finish() const {
    for (const auto& [name, node] : mTable) {
        const std::string_view key = name.str();
        if (std::find(mAsked.begin(), mAsked.end(), key) != mAsked.end()) continue;
        std::string known;
        for (const std::string& asked : mAsked) known += (known.empty() ? "" : ", ") + asked;
        FailAtKey(key, "unknown key \"" + std::string(key) + "\"; expected one of: " + known);
    }
}

// A list or table is named by its kind alone; a value as its JSON is.
std::string TableReader::Describe(const toml::node& node) {
    if (node.is_array()) return TypeName(Json::array());
    if (node.is_table()) return TypeName(Json::object());
    if (node.is_date() || node.is_time() || node.is_date_time()) return "a date or time";
    return TypeName(ScalarJson(node));
}

}  // namespace panelkit2::run
