#include "qt/mirrors/surface_mirror.hpp"

#include <QWheelEvent>

#include "panelkit2/toolkit/vscroll_bar.hpp"
#include "qt/mirrors/scroll_bar_mirror.hpp"

namespace panelkit2::qt {

namespace {
// The surface's own vertical scroll bar, if one of its children is a bar a person could
// work now.
host::VScrollBar* ShownScrollBar(const host::Widget& surface) {
    for (host::Widget* child : surface.Children()) {
        auto* bar = dynamic_cast<host::VScrollBar*>(child);
        if (bar && bar->AcceptsInput()) return bar;
    }
    return nullptr;
}
}  // namespace

bool SurfaceMirror::FilterInput(QObject* watched, QEvent* event) {
    if (watched != Widget() || event->type() != QEvent::Wheel) return false;
    host::VScrollBar* bar = ShownScrollBar(Model());
    if (!bar) return false;
    Forward([&] { TurnWheel(*bar, *static_cast<QWheelEvent*>(event), mintPendingWheel); });
    return true;
}

}  // namespace panelkit2::qt
