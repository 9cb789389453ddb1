#pragma once

// A static text: lines break only where the caption has line breaks.

#include <QLabel>

#include "panelkit2/toolkit/label.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

class LabelMirror : public Mirror {
  public:
    LabelMirror(host::Label& label, MirrorContext& context)
        : Mirror(label, context), mLabel(label) {}

  protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyContent(uint32_t mask) override;
    bool TakesFocus() const override { return false; }

  private:
    host::Label& mLabel;
};

}  // namespace panelkit2::qt
