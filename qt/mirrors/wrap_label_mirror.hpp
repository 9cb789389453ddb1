#pragma once

// The word-wrapping caption label. The model decides where lines break (with the view's
// own text metrics), so its widget paints exactly the model's lines. Mouse input reaches
// the label's mouse entry points in twips; a click on the caption is what toggles a Check
// or pushes a Command.

#include "panelkit2/toolkit/wrap_label.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

class WrapLabelMirror : public Mirror {
  public:
    WrapLabelMirror(host::WrapLabel& label, MirrorContext& context)
        : Mirror(label, context), mLabel(label) {}

  protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyContent(uint32_t mask) override;
    bool FilterInput(QObject* watched, QEvent* event) override;
    bool TakesFocus() const override { return false; }

  private:
    host::WrapLabel& mLabel;
    // The width the shown lines were wrapped at: a move alone wraps nothing anew.
    float msngWrappedWidth = -1;
};

}  // namespace panelkit2::qt
