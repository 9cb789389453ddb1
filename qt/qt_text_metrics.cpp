#include "qt/qt_text_metrics.hpp"

#include "qt/text_positions.hpp"

namespace panelkit2::qt {

int32_t QtTextMetrics::TextWidthPixels(std::string_view text) const {
    if (text.empty()) return 0;
    if (const auto found = mcolWidths.find(text); found != mcolWidths.end()) return found->second;
    // Decoded the way the widgets decode it, so a measured text and a shown text agree.
    const int32_t width = mMetrics.horizontalAdvance(TextPositions::ToQString(text));
    if (mcolWidths.size() >= kRemembered) mcolWidths.clear();
    mcolWidths.emplace(std::string(text), width);
    return width;
}

}  // namespace panelkit2::qt
