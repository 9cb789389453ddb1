#pragma once

// A form: a borderless window; a top-most one floats above the others like a tool tip and
// never takes the activation. The user dragging the window moves the form.

#include "panelkit2/toolkit/form.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

class FormMirror : public Mirror {
  public:
    FormMirror(host::Form& form, MirrorContext& context) : Mirror(form, context), mForm(form) {}

  protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyContent(uint32_t mask) override;
    bool FilterInput(QObject* watched, QEvent* event) override;
    bool TakesFocus() const override { return false; }
    Qt::WindowFlags WindowFlags() const override;
    void MoveWindowByUser(float left, float top) override { mForm.UserMoveTo(left, top); }

  private:
    host::Form& mForm;
};

}  // namespace panelkit2::qt
