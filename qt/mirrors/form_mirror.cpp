#include "qt/mirrors/form_mirror.hpp"

#include <QMouseEvent>

#include "qt/text_positions.hpp"

namespace panelkit2::qt {

QWidget* FormMirror::CreateWidget(QWidget* parent) {
    return new QWidget(parent);
}

Qt::WindowFlags FormMirror::WindowFlags() const {
    if (mForm.TopMost()) return Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
    return Qt::Window | Qt::FramelessWindowHint;
}

void FormMirror::ApplyContent(uint32_t mask) {
    QWidget* window = Widget();
    if (!window->isWindow()) return;
    if (mask & Bit(host::WidgetProperty::Text))
        window->setWindowTitle(TextPositions::ToQString(mForm.Caption()));
    // New flags hide the window; the visibility is shown again after the content.
    if ((mask & Bit(host::WidgetProperty::ZOrder)) && window->windowFlags() != WindowFlags())
        window->setWindowFlags(WindowFlags());
}

bool FormMirror::FilterInput(QObject* watched, QEvent* event) {
    if (watched != Widget() || event->type() != QEvent::MouseButtonPress) return false;
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
    Forward([this] { mForm.UserClick(); });
    return true;
}

}  // namespace panelkit2::qt
