#pragma once

// Text measurement and small numeric helpers that several controls use to size their
// columns and to compare numbers while the user types. Free functions without state.
//
// The published module passes every argument by reference; none of them changes an
// argument, so the C++ forms take values (and a view for the text) instead.

#include <cstdint>
#include <string_view>

namespace panelkit2::SharedSubs {

// Width of `strText` in twips as drawn into the device context `hDC` (whose font is the
// caller's surface font): the pixel extent of the text on one line times the horizontal
// twips per pixel, rounded half to even. Error 6 when that does not fit a Long.
int32_t GetTextWidth(int32_t hDC, std::string_view strText);

// The smaller argument; the first one when they are equal (or when either is not a
// number, for MinSingle).
int32_t MinLong(int32_t a, int32_t b);
float MinSingle(float a, float b);

// |a - b|, computed in double precision and narrowed to Single; an overflow in the
// narrowing is error 6 with "|PanelKit.SharedSubs::Difference" appended to its source.
float Difference(float a, float b);

}  // namespace panelkit2::SharedSubs
