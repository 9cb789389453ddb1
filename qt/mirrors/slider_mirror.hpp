#pragma once

// A track bar. Dragging the thumb goes to the model's drag and release entry points, keys
// to its key entry point (its arrow keys run the other way round from Qt's), clicks on the
// track and the wheel step like the page and arrow keys. The thumb then rests where the
// model put it, also when the model moves it again in its own Change handler.

#include <QKeyEvent>
#include <QSlider>

#include "panelkit2/toolkit/slider.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

class SliderMirror : public Mirror {
  public:
    SliderMirror(host::Slider& slider, MirrorContext& context)
        : Mirror(slider, context), mSlider(slider) {}

  protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyContent(uint32_t mask) override;
    bool FilterInput(QObject* watched, QEvent* event) override;
    bool FillsBackground() const override { return false; }

  private:
    QSlider* Track() const { return static_cast<QSlider*>(Widget()); }
    int16_t KeyOf(int action) const;
    void ForwardAction(int action);
    bool ForwardKey(const QKeyEvent& key);
    void ShowDragHint();

    host::Slider& mSlider;
};

}  // namespace panelkit2::qt
