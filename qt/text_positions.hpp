#pragma once

// A model text as Qt shows it, with the mapping between the model's character positions
// (code points, a stray byte counting as one character) and QString's UTF-16 positions.
// A multi-line editor shows "\r\n" as one paragraph break, so the "\r" takes no room there.

#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

namespace panelkit2::qt {

class TextPositions {
  public:
    TextPositions(std::string_view text, bool foldLineBreaks);
    // The text alone, decoded the same way.
    static QString ToQString(std::string_view text);

    const QString& Shown() const { return mstrShown; }
    // Positions outside the text are clamped to its ends.
    int32_t ToQt(int64_t modelPosition) const;
    int32_t ToModel(int64_t qtPosition) const;

  private:
    void Decode(std::string_view text, bool foldLineBreaks);

    QString mstrShown;
    // Qt position of each model character boundary, 0 .. number of characters.
    std::vector<int32_t> mcolQtAt;
};

}  // namespace panelkit2::qt
