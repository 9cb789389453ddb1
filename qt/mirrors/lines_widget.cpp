#include "qt/mirrors/lines_widget.hpp"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace panelkit2::qt {

const QStringList& LinesWidget::Lines() const {
    if (mSource) {
        if (std::optional<QStringList> lines = mSource()) {
            mcolLines = *std::move(lines);
            mSource = nullptr;
        }
    }
    return mcolLines;
}

void LinesWidget::SetLines(QStringList lines) {
    mSource = nullptr;
    if (lines == mcolLines) return;
    mcolLines = std::move(lines);
    update();
}

void LinesWidget::Invalidate(Source source) {
    mSource = std::move(source);
    update();
}

QSize LinesWidget::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    const QStringList& lines = Lines();
    int width = 0;
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    return {width, metrics.lineSpacing() * static_cast<int>(lines.size())};
}

void LinesWidget::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    const QStringList& lines = Lines();
    if (lines.isEmpty()) return;
    QPainter painter(this);
    const int lineHeight = fontMetrics().lineSpacing();
    QRect line(0, 0, width(), lineHeight);
    for (const QString& text : lines) {
        if (line.intersects(event->rect()))
            style()->drawItemText(&painter, line, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                                  palette(), isEnabled(), text, QPalette::WindowText);
        line.translate(0, lineHeight);
    }
}

}  // namespace panelkit2::qt
