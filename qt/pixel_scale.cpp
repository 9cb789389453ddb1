#include "qt/pixel_scale.hpp"

#include <algorithm>
#include <cmath>

#include "panelkit2/toolkit/host.hpp"

namespace panelkit2::qt {

namespace {
// A factor that cannot divide sensibly falls back to 96 dpi.
float UsableFactor(float twipsPerPixel) {
    return std::isfinite(twipsPerPixel) && twipsPerPixel > 0 ? twipsPerPixel : 15.0f;
}
}  // namespace

PixelScale::PixelScale(float twipsPerPixelX, float twipsPerPixelY)
    : msngX(UsableFactor(twipsPerPixelX)), msngY(UsableFactor(twipsPerPixelY)) {}

PixelScale PixelScale::FromHost() {
    const host::Host& host = host::Host::Current();
    return PixelScale(host.TwipsPerPixelX(), host.TwipsPerPixelY());
}

int32_t PixelScale::ToPixels(float twips, float twipsPerPixel) {
    if (!std::isfinite(twips)) return 0;
    const double pixels = std::round(static_cast<double>(twips) / twipsPerPixel);
    return static_cast<int32_t>(std::clamp(pixels, double{-kLimit}, double{kLimit}));
}

int32_t PixelScale::Width(float twips) const {
    return std::max(X(twips), 0);
}

int32_t PixelScale::Height(float twips) const {
    return std::max(Y(twips), 0);
}

}  // namespace panelkit2::qt
