#pragma once

// Turns the model's colours into QColors: an explicit colour is 0x00BBGGRR, a system colour
// (high bit set) names a role of the window system's scheme, which is read from the Qt
// palette so that pages follow the desktop's colours.

#include <QColor>
#include <QPalette>

#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::qt {

class ColorResolver {
  public:
    explicit ColorResolver(QPalette palette) : mPalette(std::move(palette)) {}

    QColor Resolve(host::OleColor color) const;
    // The palette role a system colour index stands for; Window for an unknown index.
    static QPalette::ColorRole SystemRole(uint32_t index);

  private:
    QPalette mPalette;
};

}  // namespace panelkit2::qt
