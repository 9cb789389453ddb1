#pragma once

// Twips to device pixels and back with the host's twips per pixel. Model geometry is any
// float a caller assigned, so non-finite and huge values are clamped into what a QWidget
// accepts instead of reaching an undefined conversion.

#include <cstdint>

namespace panelkit2::qt {

class PixelScale {
  public:
    // Largest coordinate or size handed to Qt (QWIDGETSIZE_MAX).
    static constexpr int32_t kLimit = (1 << 24) - 1;

    PixelScale(float twipsPerPixelX, float twipsPerPixelY);
    // The host's current factors.
    static PixelScale FromHost();

    int32_t X(float twips) const { return ToPixels(twips, msngX); }
    int32_t Y(float twips) const { return ToPixels(twips, msngY); }
    // Sizes are never negative.
    int32_t Width(float twips) const;
    int32_t Height(float twips) const;
    float TwipsX(int32_t pixels) const { return static_cast<float>(pixels) * msngX; }
    float TwipsY(int32_t pixels) const { return static_cast<float>(pixels) * msngY; }

  private:
    static int32_t ToPixels(float twips, float twipsPerPixel);

    float msngX;
    float msngY;
};

}  // namespace panelkit2::qt
