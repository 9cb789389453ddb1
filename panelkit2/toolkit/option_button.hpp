#pragma once

// One choice of a group: the option buttons sharing a parent. Selecting one (Value True)
// clears the others of its group; Click is raised on the button that became selected.
// A user click raises Click every time, also on the button already selected; assigning
// True by code raises it only when the button was not selected. The arrow keys move the
// selection through the group in tab order, wrapping at its ends.

#include <cstdint>
#include <string>
#include <vector>

#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

class OptionButton : public Widget {
  public:
    OptionButton(Widget* parent, std::string name);

    bool Value() const noexcept { return mblnValue; }
    // True clears the rest of the group, False just clears this button; neither raises
    // Click on the cleared buttons.
    void Value(bool value);
    const std::string& Caption() const noexcept { return mstrCaption; }
    void Caption(std::string value);

    void CopyDesignFrom(const Widget& source) override;

    Signal<> Click;
    // Key code and shift state (1 Shift, 2 Ctrl, 4 Alt); a handler consumes the key with 0.
    Signal<int16_t&, int16_t> KeyDown;

    // Focus, selection, Click.
    void UserClick();
    // KeyDown; then, unless consumed, Up and Left select the previous button of the group
    // that takes input, Down and Right the next one, as a click on it would.
    void UserKeyDown(int16_t keyCode, int16_t shift = 0);

  private:
    void ClearGroup();
    // The buttons sharing the parent, in tab order (creation order among equal indexes).
    std::vector<OptionButton*> Group() const;
    void SetValueQuietly(bool value);

    bool mblnValue = false;
    std::string mstrCaption;
};

}  // namespace panelkit2::host
