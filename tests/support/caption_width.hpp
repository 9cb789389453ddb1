#pragma once

// The width a caption label takes for a text on one line (its sizing switch on), in twips.

#include <string>

#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2::test {

inline float CaptionTwips(const std::string& text) {
    host::WrapLabel probe(nullptr, "probe");
    probe.AutoSize(true);
    probe.Caption(text);
    return probe.Width();
}

}  // namespace panelkit2::test
