#pragma once

// What a person using only the keyboard needs from the assistant's window: Tab visits the
// heading, the page's controls and then its buttons in the order they are laid out, the
// first control of a new page has the focus, and Escape cancels.

#include <QWidget>
#include <functional>
#include <vector>

#include "qt/view.hpp"
#include "tools/panelkit-run/core/run_window.hpp"

namespace panelkit2::run {

class WindowKeys {
  public:
    WindowKeys(qt::View& view, RunWindow& window) : mView(view), mWindow(window) {}

    // After a page is shown (and the view synced): chains the page's widgets that take the
    // focus by Tab in layout order and gives the first control the focus.
    void PageShown();
    // Escape anywhere in the window runs `cancel`.
    void OnEscape(std::function<void()> cancel);

  private:
    // The widgets inside `widget` (itself included) that Tab visits, in the order Tab visits
    // them among themselves.
    std::vector<QWidget*> TabStopsIn(QWidget* widget) const;
    std::vector<QWidget*> TabStopsOf(const host::Widget& model) const;

    qt::View& mView;
    RunWindow& mWindow;
};

}  // namespace panelkit2::run
