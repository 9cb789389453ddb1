#pragma once

// A vertical scroll bar. The model's top end is always Min, so a range running downwards
// (Min above Max) is shown inverted. Arrow, track and thumb input reach the model's line,
// page and drag entry points; the thumb then rests where the model put it.

#include <QScrollBar>

#include "panelkit2/toolkit/vscroll_bar.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

class ScrollBarMirror : public Mirror {
  public:
    ScrollBarMirror(host::VScrollBar& bar, MirrorContext& context)
        : Mirror(bar, context), mBar(bar) {}

  protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyContent(uint32_t mask) override;
    bool FillsBackground() const override { return false; }

  private:
    QScrollBar* Bar() const { return static_cast<QScrollBar*>(Widget()); }
    void ForwardAction(int action);

    host::VScrollBar& mBar;
};

}  // namespace panelkit2::qt
