#pragma once

// A three-state check box. Qt toggles its own box on a click; the model's click then
// decides the state and the box shows that.

#include <QCheckBox>

#include "panelkit2/toolkit/check_box.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

class CheckBoxMirror : public Mirror {
  public:
    CheckBoxMirror(host::CheckBox& box, MirrorContext& context) : Mirror(box, context), mBox(box) {}

  protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyContent(uint32_t mask) override;

  private:
    host::CheckBox& mBox;
};

}  // namespace panelkit2::qt
