#pragma once

// A drop-down list. Picking an entry in the open list goes to the model's pick entry point;
// keys on the closed list and opening it go to the model's key and drop-down entry points,
// and Qt opens the list itself.

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
    bool FilterInput(QObject* watched, QEvent* event) override;
    bool FillsBackground() const override { return false; }

  private:
    host::ComboBox& mCombo;
};

}  // namespace panelkit2::qt
