#pragma once

// Text metrics of the font the view draws with, so that the controls' layouts (label
// widths, wrapping, line heights) fit what appears on screen.

#include <QFont>
#include <QFontMetrics>

#include "panelkit2/foundation/host/text_metrics.hpp"

namespace panelkit2::qt {

class QtTextMetrics : public host::TextMetrics {
  public:
    explicit QtTextMetrics(const QFont& font) : mMetrics(font) {}

    int32_t TextWidthPixels(std::string_view text) const override;
    int32_t LineHeightPixels() const override { return mMetrics.lineSpacing(); }

  private:
    QFontMetrics mMetrics;
};

}  // namespace panelkit2::qt
