#pragma once

// The QWidget of a caption label: it paints the lines it is given, one below the other, as
// they are. The model has already decided where the lines break, so there is nothing to
// lay out: a new caption costs no size hint, layout request or text layout until painted.
//
// The lines may also come from a source asked only when they are needed (painted, measured
// or read): of a page of a thousand captions only the few in sight are ever painted.

#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

namespace panelkit2::qt {

class LinesWidget : public QWidget {
  public:
    // The current lines, or nothing while they cannot be had (the previous ones stand).
    using Source = std::function<std::optional<QStringList>()>;

    using QWidget::QWidget;

    const QStringList& Lines() const;
    void SetLines(QStringList lines);
    // The lines are to be asked from `source` the next time they are needed.
    void Invalidate(Source source);
    // The lines joined with "\n".
    QString Text() const { return Lines().join(QLatin1Char('\n')); }

    // The widest line and every line's height.
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    mutable QStringList mcolLines;
    mutable Source mSource;
};

}  // namespace panelkit2::qt
