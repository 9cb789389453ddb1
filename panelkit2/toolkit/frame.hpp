#pragma once

// A captioned panel that hosts other widgets (those created with it as parent) and clips
// them to its area: children are placed in twips from its top-left corner, and a view draws
// only the part of a child inside the frame.

#include <string>

#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

class Frame : public Widget {
  public:
    Frame(Widget* parent, std::string name);

    const std::string& Caption() const noexcept { return mstrCaption; }
    void Caption(std::string value);

    // True when `child` (a widget directly inside this frame) lies entirely outside the
    // frame's area, so nothing of it can be seen; false for widgets of other parents.
    bool IsClippedOut(const Widget& child) const noexcept;

    void CopyDesignFrom(const Widget& source) override;

  private:
    std::string mstrCaption;
};

}  // namespace panelkit2::host
