#include "tools/panelkit-run/core/json_value.hpp"

namespace panelkit2::run {

std::string TypeName(const Json& value) {
    switch (value.type()) {
        case Json::value_t::null:
            return "null";
        case Json::value_t::boolean:
            return "true or false";
        case Json::value_t::string:
            return "a text";
        case Json::value_t::number_integer:
        case Json::value_t::number_unsigned:
            return "a whole number";
        case Json::value_t::number_float:
            return "a number";
        case Json::value_t::array:
            return "a list";
        case Json::value_t::object:
            return "a table";
        default:
            return "something else";
    }
}

std::string Quote(const Json& value) {
    constexpr size_t kLongest = 60;
    std::string text = value.dump(-1, ' ', false, Json::error_handler_t::replace);
    if (text.size() <= kLongest) return text;
    // Cut before a character, never inside one.
    size_t cut = kLongest - 3;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut) + "...";
}

}  // namespace panelkit2::run
