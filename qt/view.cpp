#include "qt/view.hpp"

#include <QApplication>
#include <QScreen>
#include <algorithm>
#include <exception>

#include "panelkit2/automation/automation_error.hpp"
#include "qt/accessible_name.hpp"
#include "qt/mirror_factory.hpp"
#include "qt/qt_clock.hpp"
#include "qt/qt_message_boxes.hpp"
#include "qt/qt_text_metrics.hpp"

namespace panelkit2::qt {

namespace {
using P = host::WidgetProperty;

// Passes of one flush: showing a change never changes the model, so one pass is the rule;
// the bound keeps a misbehaving handler from looping.
constexpr int kFlushPasses = 4;
// Changes in one flush from which windows are painted anew as a whole.
constexpr size_t kHeldUpdatesFrom = 64;

double UsableDpi(double dpi) {
    return dpi > 0 && dpi < 100000 ? dpi : 96.0;
}

void ReportError(const char* what) {
    qWarning("panelkit2: input raised an error: %s", what);
}
}  // namespace

View::View(QObject* parent)
    : QObject(parent), mHost(host::Host::Current()), mColors(QApplication::palette()) {
    UseQtServices();
    mCreatedConnection = mHost.WidgetCreated.Connect([this](host::Widget& w) { OnCreated(w); });
    mDestroyedConnection =
        mHost.WidgetDestroyed.Connect([this](host::Widget& w) { OnDestroyed(w); });
    // Widgets made before the view: forms among them appear, the rest may be attached.
    for (host::Hwnd hwnd : mHost.TopLevelWindows())
        if (host::Widget* widget = mHost.FromHandle(hwnd)) TrackTree(*widget);
    mblnApplicationActive = QGuiApplication::applicationState() == Qt::ApplicationActive;
    mStateConnection = connect(qApp, &QGuiApplication::applicationStateChanged, this,
                               [this](Qt::ApplicationState state) { OnApplicationState(state); });
    ScheduleFlush();
}

View::~View() {
    disconnect(mStateConnection);
    mHost.WidgetCreated.Disconnect(mCreatedConnection);
    mHost.WidgetDestroyed.Disconnect(mDestroyedConnection);
    for (auto& [key, entry] : mEntries) entry.widget->Changed.Disconnect(entry.connection);
    mEntries.clear();
    mHost.ResetServices();
}

void View::UseQtServices() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpiX = UsableDpi(screen ? screen->logicalDotsPerInchX() : 0);
    const double dpiY = UsableDpi(screen ? screen->logicalDotsPerInchY() : 0);
    mHost.SetTwipsPerPixel(static_cast<float>(1440 / dpiX), static_cast<float>(1440 / dpiY));
    mHost.UseMetrics(std::make_shared<QtTextMetrics>(QApplication::font()));
    mHost.UseClock(std::make_shared<QtClock>());
    mHost.UseMessageBoxes(std::make_shared<QtMessageBoxes>([this](bool open) {
        mintModalDepth += open ? 1 : -1;
        if (!open) ScheduleFlush();
    }));
}

PixelScale View::Scale() const {
    return PixelScale(mHost.TwipsPerPixelX(), mHost.TwipsPerPixelY());
}

void View::RunInput(const std::function<void()>& input) {
    ++mintInputDepth;
    try {
        input();
    } catch (const AutomationError& e) {
        ReportError((std::to_string(e.Number()) + " " + e.Description()).c_str());
    } catch (const std::exception& e) {
        ReportError(e.what());
    }
    --mintInputDepth;
    if (mintInputDepth == 0) Sync();
}

void View::Attach(host::Widget& topLevel, const QString& title) {
    host::Widget& top = topLevel.TopLevel();
    TrackTree(top);
    mAttached[&top] = title;
    Sync();
}

void View::Detach(host::Widget& topLevel) {
    host::Widget& top = topLevel.TopLevel();
    if (mAttached.erase(&top) == 0) return;
    mResolveQueue.push_back(&top);
    Sync();
}

void View::Sync() {
    Flush();
}

QWidget* View::WidgetOf(const host::Widget& widget) {
    Sync();
    const auto found = mEntries.find(&widget);
    if (found == mEntries.end() || !found->second.mirror) return nullptr;
    return found->second.mirror->Widget();
}

size_t View::MirroredCount() const {
    return static_cast<size_t>(
        std::count_if(mEntries.begin(), mEntries.end(),
                      [](const auto& item) { return item.second.mirror != nullptr; }));
}

// --- Following the model -------------------------------------------------------------

void View::Track(host::Widget& widget) {
    if (mEntries.contains(&widget)) return;
    // Entries stay where they are until erased, so each widget's handler keeps its own.
    Entry& entry = mEntries[&widget];
    entry.widget = &widget;
    entry.connection =
        widget.Changed.Connect([this, &entry](host::Widget&, host::WidgetProperty property) {
            OnChanged(entry, property);
        });
}

void View::TrackTree(host::Widget& widget) {
    Track(widget);
    mResolveQueue.push_back(&widget);
    for (host::Widget* child : widget.Children()) TrackTree(*child);
    ScheduleFlush();
}

void View::OnCreated(host::Widget& widget) {
    Track(widget);
    mResolveQueue.push_back(&widget);
    ScheduleFlush();
}

void View::OnDestroyed(host::Widget& widget) {
    const auto found = mEntries.find(&widget);
    if (found == mEntries.end()) return;
    DropSubtree(widget);
    Entry& entry = found->second;
    widget.Changed.Disconnect(entry.connection);
    entry.widget = nullptr;
    // The queue of changes points at the entry: it stays until the queue has passed it.
    if (entry.queued)
        mRetiredEntries.push_back(mEntries.extract(found));
    else
        mEntries.erase(found);
    mAttached.erase(&widget);
    mTabOrderDirty.erase(&widget);
}

void View::OnChanged(Entry& entry, host::WidgetProperty property) {
    host::Widget& widget = *entry.widget;
    if (property == P::Parent) {
        mResolveQueue.push_back(&widget);
    } else {
        entry.dirty |= Mirror::Bit(property);
        if (!entry.queued) {
            entry.queued = true;
            mDirtyQueue.push_back(&entry);
        }
        if (property == P::TabOrder && widget.Parent()) mTabOrderDirty.insert(widget.Parent());
        if ((property == P::Text || property == P::Visible) && IsLabel(widget))
            RenameBeside(widget);
    }
    ScheduleFlush();
}

// The fields beside a label are named after it: they are named again when it changes.
void View::RenameBeside(host::Widget& label) {
    if (!label.Parent()) return;
    for (host::Widget* sibling : label.Parent()->Children()) {
        if (!TakesInput(*sibling)) continue;
        const auto found = mEntries.find(sibling);
        if (found != mEntries.end()) OnChanged(found->second, P::ToolTip);
    }
}

void View::OnApplicationState(Qt::ApplicationState state) {
    const bool active = state == Qt::ApplicationActive;
    if (active == mblnApplicationActive) return;
    mblnApplicationActive = active;
    RunInput([&] { active ? mHost.ActivateApplication() : mHost.DeactivateApplication(); });
}

// --- Showing --------------------------------------------------------------------------

// A posted flush that finds a message box open does nothing; closing the box posts another.
void View::ScheduleFlush() {
    if (mblnFlushPosted) return;
    mblnFlushPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            mblnFlushPosted = false;
            Flush();
        },
        Qt::QueuedConnection);
}

// Not while a message box is up: the model may be in the middle of a change then.
void View::Flush() {
    if (mblnFlushing || mintModalDepth > 0) return;
    mblnFlushing = true;
    const std::vector<QPointer<QWidget>> held = HoldUpdates();
    try {
        for (int pass = 0; pass < kFlushPasses; ++pass) {
            if (mResolveQueue.empty() && mDirtyQueue.empty()) break;
            ResolveQueued();
            ApplyQueued();
        }
        ApplyTabOrder();
    } catch (const std::exception& e) {
        qWarning("panelkit2: showing the model failed: %s", e.what());
    }
    ReleaseUpdates(held);
    mblnFlushing = false;
}

// Every QWidget that changes on screen is queued for painting, and Qt then checks each
// against all its siblings: for a page rebuilt in one go that grows with the square of
// the page. With updates held, the windows are painted once, whole, afterwards.
std::vector<QPointer<QWidget>> View::HoldUpdates() {
    std::vector<QPointer<QWidget>> held;
    if (mResolveQueue.size() + mDirtyQueue.size() < kHeldUpdatesFrom) return held;
    std::erase_if(mWindows, [](const QPointer<QWidget>& window) { return window.isNull(); });
    for (const QPointer<QWidget>& window : mWindows) {
        if (!window->isVisible() || !window->updatesEnabled()) continue;
        window->setUpdatesEnabled(false);
        held.push_back(window);
    }
    return held;
}

namespace {
// Lets a held window's widgets update again and asks for a repaint of what the window
// shows (`shown`, in the widget's coordinates). Qt's setUpdatesEnabled(true) would queue
// every widget of the window, the rows scrolled out of sight included, and measure each
// against all its siblings: a million checks for a thousand rows. A repaint of the window
// alone is not enough either: Qt leaves out the children that fill their whole area, so
// each shown child is asked for its own. Widgets held on their own stay held, as Qt's walk
// leaves them.
void ReleaseDescendants(QWidget& widget, const QRect& shown) {
    for (QObject* object : widget.children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow() || child->testAttribute(Qt::WA_ForceUpdatesDisabled))
            continue;
        if (!child->testAttribute(Qt::WA_UpdatesDisabled)) continue;
        child->setAttribute(Qt::WA_UpdatesDisabled, false);
        QRect inside;
        if (child->isVisible()) {
            inside = shown.intersected(child->geometry()).translated(-child->pos());
            if (!inside.isEmpty()) child->update(inside);
        }
        ReleaseDescendants(*child, inside);
    }
}
}  // namespace

void View::ReleaseUpdates(const std::vector<QPointer<QWidget>>& held) {
    if (held.empty()) return;
    // Widgets shown while held have queued a repaint of their own for later; delivered
    // now, while held, those requests cost nothing.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    for (const QPointer<QWidget>& window : held) {
        if (!window) continue;
        ReleaseDescendants(*window, window->rect());
        window->setUpdatesEnabled(true);
    }
}

void View::ResolveQueued() {
    const std::vector<host::Widget*> queue = std::exchange(mResolveQueue, {});
    for (host::Widget* widget : queue)
        if (mEntries.contains(widget)) EnsureSubtree(*widget);
}

void View::ApplyQueued() {
    const std::vector<Entry*> queue = std::exchange(mDirtyQueue, {});
    for (Entry* entry : queue) {
        entry->queued = false;
        const uint32_t mask = std::exchange(entry->dirty, 0);
        if (entry->widget && entry->mirror && mask) entry->mirror->Apply(mask);
    }
    std::erase_if(mRetiredEntries, [](const auto& node) { return !node.mapped().queued; });
}

// Tab moves between the widgets of one parent in the order of their TabIndex.
void View::ApplyTabOrder() {
    for (const host::Widget* parent : mTabOrderDirty) {
        if (!mEntries.contains(parent)) continue;
        std::vector<host::Widget*> children = parent->Children();
        std::stable_sort(children.begin(), children.end(),
                         [](const host::Widget* a, const host::Widget* b) {
                             return a->TabIndex() < b->TabIndex();
                         });
        QWidget* previous = nullptr;
        for (host::Widget* child : children) {
            const auto found = mEntries.find(child);
            if (found == mEntries.end() || !found->second.mirror) continue;
            QWidget* widget = found->second.mirror->Widget();
            if (!widget || !(widget->focusPolicy() & Qt::TabFocus)) continue;
            if (previous) QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }
    mTabOrderDirty.clear();
}

bool View::Presents(host::Widget& widget) const {
    if (widget.Kind() == host::WidgetKind::Timer) return false;
    const host::Widget& top = widget.TopLevel();
    return top.Kind() == host::WidgetKind::Form || mAttached.contains(&top);
}

Mirror* View::EnsureMirror(host::Widget& widget) {
    auto found = mEntries.find(&widget);
    if (found == mEntries.end()) return nullptr;
    if (found->second.mirror) return found->second.mirror.get();
    if (!Presents(widget)) return nullptr;
    QWidget* parentWidget = nullptr;
    if (host::Widget* parent = widget.Parent()) {
        Mirror* parentMirror = EnsureMirror(*parent);
        if (!parentMirror || !parentMirror->Widget()) return nullptr;
        parentWidget = parentMirror->Widget();
        mTabOrderDirty.insert(parent);
    }
    Entry& entry = found->second;
    entry.mirror = CreateMirror(widget, *this);
    entry.mirror->Build(parentWidget);
    entry.dirty = 0;
    if (const auto title = mAttached.find(&widget); title != mAttached.end())
        entry.mirror->Widget()->setWindowTitle(title->second);
    if (!parentWidget) mWindows.emplace_back(entry.mirror->Widget());
    return entry.mirror.get();
}

// Brings a subtree's QWidgets in line with the model: a widget whose QWidget sits under
// the wrong parent (it moved in the model) is shown anew.
void View::EnsureSubtree(host::Widget& widget) {
    Mirror* parentMirror = widget.Parent() ? EnsureMirror(*widget.Parent()) : nullptr;
    const auto found = mEntries.find(&widget);
    if (found == mEntries.end()) return;
    if (const Mirror* mirror = found->second.mirror.get()) {
        QWidget* expected = parentMirror ? parentMirror->Widget() : nullptr;
        const bool placed = Presents(widget) && mirror->Widget() &&
                            (!widget.Parent() || parentMirror) &&
                            mirror->Widget()->parentWidget() == expected;
        if (!placed) DropSubtree(widget);
    }
    if (!EnsureMirror(widget)) return;
    for (host::Widget* child : widget.Children()) EnsureSubtree(*child);
}

void View::DropSubtree(host::Widget& widget) {
    for (host::Widget* child : widget.Children())
        if (mEntries.contains(child)) DropSubtree(*child);
    if (const auto found = mEntries.find(&widget); found != mEntries.end())
        DropMirror(found->second);
}

// During input Qt may still be delivering an event to the QWidget: it goes at once from
// the screen and is deleted when the event loop comes round.
void View::DropMirror(Entry& entry) {
    if (!entry.mirror) return;
    if (mintInputDepth > 0) {
        Mirror* mirror = entry.mirror.release();
        mirror->Retire();
        mirror->deleteLater();
    } else {
        entry.mirror.reset();
    }
}

}  // namespace panelkit2::qt
