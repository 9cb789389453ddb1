#include "qt/qt_text_metrics.hpp"

#include "qt/text_positions.hpp"

namespace panelkit2::qt {

int32_t QtTextMetrics::TextWidthPixels(std::string_view text) const {
    // Decoded the way the widgets decode it, so a measured text and a shown text agree.
    return mMetrics.horizontalAdvance(TextPositions::ToQString(text));
}

}  // namespace panelkit2::qt
