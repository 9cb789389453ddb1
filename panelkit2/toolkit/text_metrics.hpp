#pragma once

// Measures texts in the controls' font, in device pixels.

#include <cstdint>
#include <string_view>

namespace panelkit2::host {

class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    // Width of one line of text (no line breaks are interpreted).
    virtual int32_t TextWidthPixels(std::string_view text) const = 0;
    virtual int32_t LineHeightPixels() const = 0;
};

// The headless font: a fixed per-character advance table modelled on an 8-point sans-serif
// screen font (narrow "i", "l" and punctuation 2-3 px, most lower-case letters 5-6 px,
// capitals 6-8 px, "m" and "W" 9-10 px; any character outside ASCII 6 px), lines 13 px.
// Fixed so that layout results are the same on every machine.
class HeadlessTextMetrics : public TextMetrics {
  public:
    int32_t TextWidthPixels(std::string_view text) const override;
    int32_t LineHeightPixels() const override { return 13; }
    static int32_t CharAdvance(char32_t ch);
};

}  // namespace panelkit2::host
