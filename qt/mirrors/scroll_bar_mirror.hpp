#pragma once

// A vertical scroll bar. The model's top end is always Min, so a range running downwards
// (Min above Max) is shown inverted. Arrow, track and thumb input reach the model's line,
// page and drag entry points; the thumb then rests where the model put it. The wheel turns
// the model's bar by its small change per line.

#include <QScrollBar>
#include <QWheelEvent>

#include "panelkit2/toolkit/vscroll_bar.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

// Turns a model scroll bar by a wheel's turn: the desktop's lines per notch, each the bar's
// small change, down (toward Max) for a turn toward the user, within the bar's range; the
// value changes once. `pending` keeps what a fine wheel has turned short of a notch. The
// focus stays where it is.
void TurnWheel(host::VScrollBar& bar, const QWheelEvent& wheel, int& pending);

class ScrollBarMirror : public Mirror {
  public:
    ScrollBarMirror(host::VScrollBar& bar, MirrorContext& context)
        : Mirror(bar, context), mBar(bar) {}

  protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyContent(uint32_t mask) override;
    bool FilterInput(QObject* watched, QEvent* event) override;
    bool FillsBackground() const override { return false; }

  private:
    QScrollBar* Bar() const { return static_cast<QScrollBar*>(Widget()); }
    void ForwardAction(int action);

    host::VScrollBar& mBar;
    int mintPendingWheel = 0;
};

}  // namespace panelkit2::qt
