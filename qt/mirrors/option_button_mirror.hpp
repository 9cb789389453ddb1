#pragma once

// One option button. Groups are the model's business (the buttons sharing a parent), so
// Qt's own exclusivity is off and every button shows the model's value.

#include <QRadioButton>

#include "panelkit2/toolkit/option_button.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

class OptionButtonMirror : public Mirror {
  public:
    OptionButtonMirror(host::OptionButton& button, MirrorContext& context)
        : Mirror(button, context), mButton(button) {}

  protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyContent(uint32_t mask) override;

  private:
    host::OptionButton& mButton;
};

}  // namespace panelkit2::qt
