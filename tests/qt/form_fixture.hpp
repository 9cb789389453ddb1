#pragma once

// A view and a shown form to put widgets on, with the helpers input tests share.

#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>
#include <memory>

#include "panelkit2/toolkit/form.hpp"
#include "tests/qt/view_fixture.hpp"

namespace panelkit2::qt {

class FormFixture : public ViewFixture {
  protected:
    void SetUp() override {
        ViewFixture::SetUp();
        form = std::make_unique<host::Form>("Page");
        form->Move(Tx(40), Ty(40), Tx(400), Ty(300));
        form->Show();
    }
    void TearDown() override {
        form.reset();
        ViewFixture::TearDown();
    }
    // Places a widget at pixels of the form.
    template <class W>
    W& Place(W& widget, int x, int y, int width, int height) {
        widget.Move(Tx(x), Ty(y), Tx(width), Ty(height));
        return widget;
    }
    // Counts the emissions of a model event.
    template <class S>
    std::shared_ptr<int> Count(S& signal) {
        auto count = std::make_shared<int>(0);
        signal.Connect([count](auto&&...) { ++*count; });
        return count;
    }
    // Makes the form's window the active one, so that focus moves by mouse and keys.
    void ActivateForm() {
        QWidget* window = Shown(*form);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // Where the thumb of a track stands for `value`, in the track's pixels.
    static QPoint ThumbCentre(const QSlider& track, int value) {
        QStyleOptionSlider option;
        option.initFrom(&track);
        option.orientation = track.orientation();
        option.minimum = track.minimum();
        option.maximum = track.maximum();
        option.sliderPosition = option.sliderValue = value;
        return track.style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &track)
            .center();
    }

    std::unique_ptr<host::Form> form;
};

}  // namespace panelkit2::qt
