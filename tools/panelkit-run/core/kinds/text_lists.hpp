#pragma once

// Values that hold one text per element or row: a plain text stands for a list of one.

#include "tools/panelkit-run/core/json_value.hpp"

namespace panelkit2::run {

// The value as a list: a text becomes a list holding it; anything else stays as it is.
inline Json TextsOf(const Json& value) {
    return value.is_string() ? Json::array({value}) : value;
}

}  // namespace panelkit2::run
