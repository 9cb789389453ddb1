#pragma once

// A control surface (and any widget without a kind of its own): a plain area that holds
// other widgets in the back colour.

#include "qt/mirror.hpp"

namespace panelkit2::qt {

class SurfaceMirror : public Mirror {
  public:
    using Mirror::Mirror;

  protected:
    QWidget* CreateWidget(QWidget* parent) override { return new QWidget(parent); }
    bool TakesFocus() const override { return false; }
};

}  // namespace panelkit2::qt
