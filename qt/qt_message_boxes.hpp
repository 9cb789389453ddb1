#pragma once

// Modal message boxes with an OK button, over the active window.

#include <functional>

#include "panelkit2/toolkit/message_box.hpp"

namespace panelkit2::qt {

class QtMessageBoxes : public host::MessageBoxService {
  public:
    // `modal` is told true before the box runs its own event loop and false after it: the
    // model may be in the middle of a change while the box is up.
    explicit QtMessageBoxes(std::function<void(bool)> modal) : mfnModal(std::move(modal)) {}

    void Show(const std::string& text, const std::string& title) override;

  private:
    std::function<void(bool)> mfnModal;
};

}  // namespace panelkit2::qt
