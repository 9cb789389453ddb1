#pragma once

// One choice of a group: the option buttons sharing a parent. Selecting one (Value True)
// clears the others of its group; Click is raised on the button that became selected.
// A user click raises Click every time, also on the button already selected; assigning
// True by code raises it only when the button was not selected.

#include <string>

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

    // Focus, selection, Click.
    void UserClick();

  private:
    void ClearGroup();
    void SetValueQuietly(bool value);

    bool mblnValue = false;
    std::string mstrCaption;
};

}  // namespace panelkit2::host
