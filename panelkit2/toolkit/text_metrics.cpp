#include "panelkit2/toolkit/text_metrics.hpp"

#include <array>

namespace panelkit2::host {

namespace {

// Advances in pixels for ASCII 32..126.
constexpr std::array<uint8_t, 95> kAsciiAdvance = {
    // space ! " # $ % & ' ( ) * + , - . /
    3, 2, 4, 6, 6, 9, 7, 2, 3, 3, 4, 6, 3, 3, 3, 3,
    // 0-9
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
    // : ; < = > ? @
    2, 2, 6, 6, 6, 6, 11,
    // A-Z
    7, 7, 8, 8, 7, 6, 8, 8, 2, 5, 7, 6, 9, 8, 8, 7, 8, 8, 7, 6, 8, 7, 11, 7, 7, 7,
    // [ \ ] ^ _ `
    3, 3, 3, 5, 6, 3,
    // a-z
    6, 6, 5, 6, 6, 3, 6, 6, 2, 2, 5, 2, 8, 6, 6, 6, 6, 4, 5, 3, 6, 5, 9, 5, 5, 5,
    // { | } ~
    3, 2, 3, 6};

constexpr int32_t kOtherAdvance = 6;

// Decodes one UTF-8 sequence leniently: a malformed byte counts as one character.
size_t NextCharLength(std::string_view text, size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t length = lead < 0x80         ? 1
                    : lead >> 5 == 0x6  ? 2
                    : lead >> 4 == 0xE  ? 3
                    : lead >> 3 == 0x1E ? 4
                                        : 1;
    if (pos + length > text.size()) return 1;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) return 1;
    return length;
}

}  // namespace

int32_t HeadlessTextMetrics::CharAdvance(char32_t ch) {
    if (ch >= 32 && ch <= 126) return kAsciiAdvance[ch - 32];
    return kOtherAdvance;
}

int32_t HeadlessTextMetrics::TextWidthPixels(std::string_view text) const {
    int32_t width = 0;
    for (size_t pos = 0; pos < text.size();) {
        const size_t length = NextCharLength(text, pos);
        const auto lead = static_cast<unsigned char>(text[pos]);
        width += length == 1 && lead < 0x80 ? CharAdvance(lead) : kOtherAdvance;
        pos += length;
    }
    return width;
}

}  // namespace panelkit2::host
