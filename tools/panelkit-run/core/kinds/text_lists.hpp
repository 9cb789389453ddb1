#pragma once

// Values that hold one text per element or row: a plain text stands for a list of one.

#include <cstdint>
#include <string>

#include "tools/panelkit-run/core/json_value.hpp"

namespace panelkit2::run {

// The value as a list: a text becomes a list holding it; anything else stays as it is.
inline Json TextsOf(const Json& value) {
    return value.is_string() ? Json::array({value}) : value;
}

// Each text of the list written into element i by `write(i, text)`; the index is the 16-bit
// one the controls take by reference.
template <class Write>
void WriteTexts(const Json& texts, Write write) {
    for (size_t i = 0; i < texts.size(); ++i) {
        auto index = static_cast<int16_t>(i);
        write(index, texts[i].get<std::string>());
    }
}

// The texts of elements 0 to count - 1, read by `read(i)`.
template <class Read>
Json ReadTexts(size_t count, Read read) {
    Json texts = Json::array();
    for (size_t i = 0; i < count; ++i) {
        auto index = static_cast<int16_t>(i);
        texts.push_back(read(index));
    }
    return texts;
}

}  // namespace panelkit2::run
