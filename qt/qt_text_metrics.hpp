#pragma once

// Text metrics of the font the view draws with, so that the controls' layouts (label
// widths, wrapping, line heights) fit what appears on screen. Shaping a text is costly and
// the controls measure the same caption several times while laying out a page, so widths
// are remembered (the memory is emptied when it grows past a few pages of captions).

#include <QFont>
#include <QFontMetrics>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "panelkit2/toolkit/text_metrics.hpp"

namespace panelkit2::qt {

class QtTextMetrics : public host::TextMetrics {
  public:
    explicit QtTextMetrics(const QFont& font) : mMetrics(font) {}

    int32_t TextWidthPixels(std::string_view text) const override;
    int32_t LineHeightPixels() const override { return mMetrics.lineSpacing(); }

    static constexpr size_t kRemembered = 8192;

  private:
    // Looked up by string_view: a page measures each caption afresh, and a key built for
    // every lookup would cost an allocation each.
    struct TextHash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const noexcept {
            return std::hash<std::string_view>{}(text);
        }
    };

    QFontMetrics mMetrics;
    mutable std::unordered_map<std::string, int32_t, TextHash, std::equal_to<>> mcolWidths;
};

}  // namespace panelkit2::qt
