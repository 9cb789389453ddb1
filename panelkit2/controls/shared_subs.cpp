#include "panelkit2/controls/shared_subs.hpp"

#include <cmath>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/toolkit/host.hpp"

namespace panelkit2::SharedSubs {

namespace {

// The text extent service stands in for the window system's extent call: device pixels
// of one line (line breaks are not interpreted), whatever device context is passed, since
// every surface of the toolkit draws in the same font.
int32_t TextExtentPixels(int32_t hDC, std::string_view text) {
    (void)hDC;
    return host::Host::Current().Metrics().TextWidthPixels(text);
}

}  // namespace

int32_t GetTextWidth(int32_t hDC, std::string_view strText) {
    const host::Host& host = host::Host::Current();
    const double pixels = TextExtentPixels(hDC, strText);
    return ToLong(pixels * static_cast<double>(host.TwipsPerPixelX()));
}

int32_t MinLong(int32_t a, int32_t b) {
    return b < a ? b : a;
}

// An unordered comparison is false, so a NaN on either side keeps the first argument.
float MinSingle(float a, float b) {
    return b < a ? b : a;
}

float Difference(float a, float b) {
    return SourceTrail("|PanelKit.SharedSubs::Difference", [&] {
        return ToSingle(std::fabs(static_cast<double>(a) - static_cast<double>(b)));
    });
}

}  // namespace panelkit2::SharedSubs
