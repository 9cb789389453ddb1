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

namespace {
// Printable ASCII only: no tab, no character taken from a fallback font, which could
// move the baseline of the line.
bool IsPlainLine(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar ch) { return ch.unicode() >= 0x20 && ch.unicode() < 0x7F; });
}
}  // namespace

// Fusion draws an enabled item text as a one-line text layout at the top of the line's
// rectangle. A plain line is drawn the same, pixel for pixel, at its baseline, without the
// line-breaking analysis the layout does first; anything else goes through the style.
void LinesWidget::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    const QStringList& lines = Lines();
    if (lines.isEmpty()) return;
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.lineSpacing();
    const bool direct = isEnabled() && metrics.leading() >= 0 &&
                        qstrcmp(style()->metaObject()->className(), "QFusionStyle") == 0;
    const qreal ascent = QFontMetricsF(font()).ascent();
    if (direct) painter.setPen(QPen(palette().brush(QPalette::WindowText), painter.pen().widthF()));
    QRect line(0, 0, width(), lineHeight);
    for (const QString& text : lines) {
        if (line.intersects(event->rect())) {
            if (direct && IsPlainLine(text))
                painter.drawText(QPointF(0, line.top() + ascent), text);
            else
                style()->drawItemText(&painter, line,
                                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, palette(),
                                      isEnabled(), text, QPalette::WindowText);
        }
        line.translate(0, lineHeight);
    }
}

}  // namespace panelkit2::qt
