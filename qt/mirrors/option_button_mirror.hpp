#pragma once

// One option button. Groups are the model's business (the buttons sharing a parent), so
// Qt's own exclusivity is off and every button shows the model's value; the arrow keys
// are forwarded, as the model moves the selection through the group.

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
    bool FilterInput(QObject* watched, QEvent* event) override;

  private:
    host::OptionButton& mButton;
};

}  // namespace panelkit2::qt
