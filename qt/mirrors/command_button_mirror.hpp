#pragma once

// A push button. Its pressed look follows the model only when the model changes it: while
// the mouse holds the QPushButton down, Qt's own pressed state must stand.

#include <QPushButton>

#include "panelkit2/toolkit/command_button.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

class CommandButtonMirror : public Mirror {
  public:
    CommandButtonMirror(host::CommandButton& button, MirrorContext& context)
        : Mirror(button, context), mButton(button) {}

  protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyContent(uint32_t mask) override;
    bool FillsBackground() const override { return false; }

  private:
    host::CommandButton& mButton;
};

}  // namespace panelkit2::qt
