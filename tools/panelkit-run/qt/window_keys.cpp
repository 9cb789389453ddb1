#include "tools/panelkit-run/qt/window_keys.hpp"

#include <QKeySequence>
#include <QShortcut>

#include "panelkit2/controls/control_base.hpp"

namespace panelkit2::run {

namespace {

// The surfaces of a collection's controls, in its order.
void AppendSurfaces(const host::Collection& controls, std::vector<const host::Widget*>& into) {
    for (const Variant& item : controls)
        if (auto* control = dynamic_cast<ControlBase*>(item.AsObject().get()))
            into.push_back(&control->Surface());
}

}  // namespace

std::vector<QWidget*> WindowKeys::TabStopsIn(QWidget* widget) const {
    std::vector<QWidget*> stops;
    if (!widget) return stops;
    QWidget* next = widget;
    do {
        if ((next == widget || widget->isAncestorOf(next)) && next->isVisibleTo(widget->window()) &&
            (next->focusPolicy() & Qt::TabFocus))
            stops.push_back(next);
        next = next->nextInFocusChain();
    } while (next && next != widget);
    return stops;
}

std::vector<QWidget*> WindowKeys::TabStopsOf(const host::Widget& model) const {
    return TabStopsIn(mView.WidgetOf(model));
}

void WindowKeys::PageShown() {
    std::vector<const host::Widget*> order{&mWindow.PageHeading().Surface()};
    const size_t firstControl = order.size();
    AppendSurfaces(*mWindow.Port().mcolCtlVisible(), order);
    AppendSurfaces(*mWindow.Port().mcolCtlCommand(), order);
    std::vector<QWidget*> chain;
    QWidget* first = nullptr;
    for (size_t i = 0; i < order.size(); ++i) {
        const std::vector<QWidget*> stops = TabStopsOf(*order[i]);
        if (!first && i >= firstControl && !stops.empty()) first = stops.front();
        chain.insert(chain.end(), stops.begin(), stops.end());
    }
    for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
    if (first) first->setFocus(Qt::TabFocusReason);
}

void WindowKeys::OnEscape(std::function<void()> cancel) {
    QWidget* window = mView.WidgetOf(mWindow.Window());
    if (!window) return;
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(shortcut, &QShortcut::activated, shortcut, std::move(cancel));
}

}  // namespace panelkit2::run
