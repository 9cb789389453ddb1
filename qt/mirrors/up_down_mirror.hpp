#pragma once

// Spin buttons: an up and a down arrow, stacked, each a press on the model's buttons; with
// the focus, the Up and Down keys press them too. A press does not take the focus (the
// model's does not either), so the buddy field being stepped keeps it; Tab reaches the
// buttons when they are a tab stop.

#include <QToolButton>

#include "panelkit2/toolkit/up_down.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

class UpDownMirror : public Mirror {
  public:
    UpDownMirror(host::UpDown& spin, MirrorContext& context) : Mirror(spin, context), mSpin(spin) {}

    QToolButton* UpButton() const { return mUp; }
    QToolButton* DownButton() const { return mDown; }

  protected:
    QWidget* CreateWidget(QWidget* parent) override;
    bool FilterInput(QObject* watched, QEvent* event) override;
    bool FillsBackground() const override { return false; }
    bool TakesFocusByClick() const override { return false; }

  private:
    QToolButton* CreateButton(QWidget* parent, Qt::ArrowType arrow);

    host::UpDown& mSpin;
    QToolButton* mUp = nullptr;
    QToolButton* mDown = nullptr;
};

}  // namespace panelkit2::qt
