#pragma once

// A box with three states. Click is raised whenever Value changes, by code or by the user.

#include <cstdint>
#include <string>

#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

class CheckBox : public Widget {
  public:
    static constexpr int16_t Unchecked = 0;
    static constexpr int16_t Checked = 1;
    static constexpr int16_t Grayed = 2;

    CheckBox(Widget* parent, std::string name);

    int16_t Value() const noexcept { return mintValue; }
    // 0, 1 or 2, otherwise error 380.
    void Value(int16_t value);
    const std::string& Caption() const noexcept { return mstrCaption; }
    void Caption(std::string value);

    void CopyDesignFrom(const Widget& source) override;

    Signal<> Click;

    // Focus, then unchecked becomes checked and checked or grayed becomes unchecked (Click).
    void UserClick();

  private:
    int16_t mintValue = Unchecked;
    std::string mstrCaption;
};

}  // namespace panelkit2::host
