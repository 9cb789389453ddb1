#include "panelkit2/toolkit/key_codes.hpp"

namespace panelkit2::host::key {

std::optional<int32_t> NavigationTarget(int16_t keyCode, int32_t current, int32_t count,
                                        int32_t page) {
    switch (keyCode) {
        case Up:
            return current - 1;
        case Down:
            return current + 1;
        case Home:
            return 0;
        case End:
            return count - 1;
        case PageUp:
            if (page > 0) return current - page;
            break;
        case PageDown:
            if (page > 0) return current + page;
            break;
        default:
            break;
    }
    return std::nullopt;
}

int16_t KeyAsciiOf(std::string_view character) {
    if (character.empty()) return 0;
    const auto lead = static_cast<unsigned char>(character[0]);
    // The caller passes one character as the string functions split them; a lone or
    // malformed byte comes alone.
    if (character.size() == 1) return static_cast<int16_t>(lead);
    int32_t code = character.size() == 2   ? (lead & 0x1F)
                   : character.size() == 3 ? (lead & 0x0F)
                                           : (lead & 0x07);
    for (size_t i = 1; i < character.size(); ++i)
        code = (code << 6) | (static_cast<unsigned char>(character[i]) & 0x3F);
    return static_cast<int16_t>(code > 0x7FFF ? 0x7FFF : code);
}

std::string CharacterOfKey(int16_t keyAscii) {
    std::string text;
    if (keyAscii <= 0) return text;
    const auto code = static_cast<uint32_t>(keyAscii);
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    return text;
}

}  // namespace panelkit2::host::key
