#pragma once

// A static text. With AutoSize on, its size follows the caption in the host's font.

#include <cstdint>
#include <string>

#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

class Label : public Widget {
  public:
    // Alignment: 0 left, 1 right, 2 centre.
    static constexpr int16_t AlignLeft = 0;
    static constexpr int16_t AlignRight = 1;
    static constexpr int16_t AlignCenter = 2;

    Label(Widget* parent, std::string name);

    const std::string& Caption() const noexcept { return mstrCaption; }
    void Caption(std::string value);
    int16_t Alignment() const noexcept { return mintAlignment; }
    // Values other than 0, 1, 2: error 380.
    void Alignment(int16_t value);
    bool AutoSize() const noexcept { return mblnAutoSize; }
    void AutoSize(bool value);

    void CopyDesignFrom(const Widget& source) override;

  private:
    // Width of the widest line and height of all lines of the caption (lines end at "\n").
    void SizeToCaption();

    std::string mstrCaption;
    int16_t mintAlignment = AlignLeft;
    bool mblnAutoSize = false;
};

}  // namespace panelkit2::host
