#pragma once

// A stand-in child. Most option controls do not exist yet, and the container must work with
// anything that answers the right names late-bound, so pages are built from controls that
// answer exactly the names the container uses, with numbers the test chooses.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "panelkit2/controls/control_base.hpp"
#include "panelkit2/controls/control_id.hpp"

namespace panelkit2::container_test {

// Events a child may raise, as Command and the sliders do.
enum ChildEvent : int32_t { kButtonPushed = 1, kHelpPop = 2, kHidepop = 3 };

class FakeControl : public ControlBase {
  public:
    FakeControl(ControlID kind, float height, int32_t desiredWidth);
    const InterfaceTable& Interface() const override;
    void Raise(ChildEvent event, std::initializer_list<Variant> args) { RaiseEvent(event, args); }
    // Placement as the container sets it, through the extender.
    float Left() const { return UserControl.Left(); }
    float Top() const { return UserControl.Top(); }
    float Width() const { return UserControl.Width(); }
    float Height() const { return UserControl.Height(); }

    int16_t ctlId;
    bool show = true;
    int32_t desiredWidth;
    std::string action;
    int16_t captionWidth = 0;
    int32_t fieldWidth = 0;
    int clears = 0;
    host::PropertyBag readValues;

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override { (void)bag; }
    void UserControl_ReadProperties(host::PropertyBag& bag) override { readValues = bag; }
};

// Answers nothing at all.
class Mute : public Dispatchable {
  public:
    const InterfaceTable& Interface() const override;
};

inline std::shared_ptr<FakeControl> Fake(ControlID kind, float height = 300,
                                         int32_t desiredWidth = 0) {
    return std::make_shared<FakeControl>(kind, height, desiredWidth);
}

}  // namespace panelkit2::container_test
