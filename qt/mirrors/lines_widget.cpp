#include "qt/mirrors/lines_widget.hpp"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace panelkit2::qt {

void LinesWidget::SetLines(QStringList lines) {
    if (lines == mcolLines) return;
    mcolLines = std::move(lines);
    update();
}

QSize LinesWidget::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    int width = 0;
    for (const QString& line : mcolLines) width = std::max(width, metrics.horizontalAdvance(line));
    return {width, metrics.lineSpacing() * static_cast<int>(mcolLines.size())};
}

void LinesWidget::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (mcolLines.isEmpty()) return;
    QPainter painter(this);
    const int lineHeight = fontMetrics().lineSpacing();
    QRect line(0, 0, width(), lineHeight);
    for (const QString& text : mcolLines) {
        if (line.intersects(event->rect()))
            style()->drawItemText(&painter, line, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                                  palette(), isEnabled(), text, QPalette::WindowText);
        line.translate(0, lineHeight);
    }
}

}  // namespace panelkit2::qt
