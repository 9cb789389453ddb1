#pragma once

// A frame: its children are QWidget children, so Qt clips them to the frame's area as the
// model says a view must.

#include "panelkit2/toolkit/frame.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

class FrameMirror : public Mirror {
  public:
    FrameMirror(host::Frame& frame, MirrorContext& context)
        : Mirror(frame, context), mFrame(frame) {}

  protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyContent(uint32_t mask) override;
    bool TakesFocus() const override { return false; }

  private:
    host::Frame& mFrame;
};

}  // namespace panelkit2::qt
