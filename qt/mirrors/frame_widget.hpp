#pragma once

// The QWidget of a frame: its back colour, and a group box outline with the caption when
// it has one. A frame without caption is a bare clipping area (a scrolling viewport).

#include <QString>
#include <QWidget>

namespace panelkit2::qt {

class FrameWidget : public QWidget {
  public:
    using QWidget::QWidget;

    const QString& Caption() const { return mstrCaption; }
    void SetCaption(const QString& caption);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString mstrCaption;
};

}  // namespace panelkit2::qt
