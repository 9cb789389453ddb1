#include "qt/text_positions.hpp"

#include <algorithm>

namespace panelkit2::qt {

namespace {
struct Decoded {
    char32_t codePoint;
    size_t length;  // 0: no well-formed sequence starts here
};

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// One well-formed UTF-8 sequence at `pos`: shortest form, no surrogates, at most U+10FFFF.
Decoded DecodeUtf8At(std::string_view text, size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) return {lead, 1};
    size_t length = 0;
    char32_t minimum = 0;
    char32_t value = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, value = lead & 0x07;
    } else {
        return {0, 0};
    }
    if (pos + length > text.size()) return {0, 0};
    for (size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(byte)) return {0, 0};
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {0, 0};
    return {value, length};
}
}  // namespace

TextPositions::TextPositions(std::string_view text, bool foldLineBreaks) {
    Decode(text, foldLineBreaks);
}

void TextPositions::Decode(std::string_view text, bool foldLineBreaks) {
    mstrShown.reserve(static_cast<qsizetype>(text.size()));
    mcolQtAt.reserve(text.size() + 1);
    for (size_t pos = 0; pos < text.size();) {
        mcolQtAt.push_back(static_cast<int32_t>(mstrShown.size()));
        const Decoded decoded = DecodeUtf8At(text, pos);
        if (decoded.length == 0) {
            mstrShown.append(QChar::ReplacementCharacter);
            ++pos;
            continue;
        }
        pos += decoded.length;
        const bool foldedReturn =
            foldLineBreaks && decoded.codePoint == U'\r' && pos < text.size() && text[pos] == '\n';
        if (foldedReturn) continue;
        const char32_t codePoint = decoded.codePoint;
        mstrShown.append(QString::fromUcs4(&codePoint, 1));
    }
    mcolQtAt.push_back(static_cast<int32_t>(mstrShown.size()));
}

QString TextPositions::ToQString(std::string_view text) {
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    return TextPositions(text, false).Shown();
}

int32_t TextPositions::ToQt(int64_t modelPosition) const {
    const int64_t last = static_cast<int64_t>(mcolQtAt.size()) - 1;
    return mcolQtAt[static_cast<size_t>(std::clamp<int64_t>(modelPosition, 0, last))];
}

int32_t TextPositions::ToModel(int64_t qtPosition) const {
    // The first character boundary at or after the Qt position (a position inside a
    // surrogate pair moves past the pair).
    const auto found = std::lower_bound(mcolQtAt.begin(), mcolQtAt.end(), qtPosition);
    if (found == mcolQtAt.end()) return static_cast<int32_t>(mcolQtAt.size() - 1);
    return static_cast<int32_t>(found - mcolQtAt.begin());
}

}  // namespace panelkit2::qt
