#pragma once

// A drop-down list; picking an entry goes to the model's pick entry point.

#include <QComboBox>

#include "panelkit2/toolkit/combo_box.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

class ComboBoxMirror : public Mirror {
  public:
    ComboBoxMirror(host::ComboBox& combo, MirrorContext& context)
        : Mirror(combo, context), mCombo(combo) {}

  protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyContent(uint32_t mask) override;
    bool FillsBackground() const override { return false; }

  private:
    host::ComboBox& mCombo;
};

}  // namespace panelkit2::qt
