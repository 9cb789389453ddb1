#pragma once

// A control surface (and any widget without a kind of its own): a plain area that holds
// other widgets in the back colour. The wheel over it (or over a child that leaves the
// wheel alone) turns its own vertical scroll bar, when it shows one.

#include "qt/mirror.hpp"

namespace panelkit2::qt {

class SurfaceMirror : public Mirror {
  public:
    using Mirror::Mirror;

  protected:
    QWidget* CreateWidget(QWidget* parent) override { return new QWidget(parent); }
    bool TakesFocus() const override { return false; }
    bool FilterInput(QObject* watched, QEvent* event) override;

  private:
    int mintPendingWheel = 0;
};

}  // namespace panelkit2::qt
