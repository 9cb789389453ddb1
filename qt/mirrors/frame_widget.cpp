#include "qt/mirrors/frame_widget.hpp"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace panelkit2::qt {

void FrameWidget::SetCaption(const QString& caption) {
    if (caption == mstrCaption) return;
    mstrCaption = caption;
    update();
}

void FrameWidget::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (mstrCaption.isEmpty()) return;
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    option.initFrom(this);
    option.text = mstrCaption;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.textAlignment = Qt::AlignLeft | Qt::AlignTop;
    option.lineWidth = 1;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

}  // namespace panelkit2::qt
