#pragma once

// The QWidget of a caption label: it paints the lines it is given, one below the other, as
// they are. The model has already decided where the lines break, so there is nothing to
// lay out: a new caption costs no size hint, layout request or text layout until painted.

#include <QStringList>
#include <QWidget>

namespace panelkit2::qt {

class LinesWidget : public QWidget {
  public:
    using QWidget::QWidget;

    const QStringList& Lines() const { return mcolLines; }
    void SetLines(QStringList lines);
    // The lines joined with "\n".
    QString Text() const { return mcolLines.join(QLatin1Char('\n')); }

    // The widest line and every line's height.
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QStringList mcolLines;
};

}  // namespace panelkit2::qt
