#pragma once

// A view for each test, and the QWidgets it shows, by type.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>
#include <memory>

#include "panelkit2/toolkit/host.hpp"
#include "qt/view.hpp"

namespace panelkit2::qt {

class ViewFixture : public testing::Test {
  protected:
    void SetUp() override { mView = std::make_unique<View>(); }
    void TearDown() override {
        mView.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    View& TheView() { return *mView; }
    template <class T = QWidget>
    T* Shown(const host::Widget& widget) {
        return dynamic_cast<T*>(mView->WidgetOf(widget));
    }
    // Model twips for a number of pixels at the screen's resolution.
    static float Tx(int pixels) { return static_cast<float>(pixels) * Host().TwipsPerPixelX(); }
    static float Ty(int pixels) { return static_cast<float>(pixels) * Host().TwipsPerPixelY(); }
    static host::Host& Host() { return host::Host::Current(); }

  private:
    std::unique_ptr<View> mView;
};

}  // namespace panelkit2::qt
