#pragma once

// The Qt view of the widget toolkit. While a View exists, the host measures text with
// Qt's font, converts twips with the screen's resolution, runs timers on the Qt event loop
// and shows message boxes with QMessageBox; every form appears as a window of its own, and
// so does every top-level widget attached to the view. Each model widget inside is
// mirrored by one QWidget; real input on those QWidgets reaches the model through the same
// user-input entry points the tests use, and the application losing the activation is
// reported to the host as well.
//
// Model changes are collected and shown once per pass of the event loop (or at Sync), so a
// page that is rebuilt in one go is shown once. QWidgets for new model widgets are made at
// that point too: a widget announces itself from the base of its constructor, before it
// can be looked at.
//
// One View at a time; it needs a QApplication.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "panelkit2/toolkit/host.hpp"
#include "qt/color_resolver.hpp"
#include "qt/mirror.hpp"
#include "qt/mirror_context.hpp"

namespace panelkit2::qt {

class View : public QObject, private MirrorContext {
  public:
    explicit View(QObject* parent = nullptr);
    ~View() override;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // Shows a top-level widget (a control surface used as a window) and everything inside
    // it as a window titled `title`. For a widget inside another, its top-level widget is
    // attached.
    void Attach(host::Widget& topLevel, const QString& title = {});
    void Detach(host::Widget& topLevel);

    // Shows every model change made so far.
    void Sync();
    // The QWidget showing `widget` after a Sync; nullptr when it is not shown by this view
    // (outside every form and attached widget, or a timer).
    QWidget* WidgetOf(const host::Widget& widget);
    // Model widgets that currently have a QWidget.
    size_t MirroredCount() const;

  private:
    struct Entry {
        host::Widget* widget = nullptr;
        host::Signal<host::Widget&, host::WidgetProperty>::Connection connection = 0;
        std::unique_ptr<Mirror> mirror;
        uint32_t dirty = 0;
        bool queued = false;
    };

    // MirrorContext.
    PixelScale Scale() const override;
    const ColorResolver& Colors() const override { return mColors; }
    void RunInput(const std::function<void()>& input) override;
    bool ModelSettled() const override { return mintModalDepth == 0; }

    void UseQtServices();
    void Track(host::Widget& widget);
    void TrackTree(host::Widget& widget);
    void OnCreated(host::Widget& widget);
    void OnDestroyed(host::Widget& widget);
    void OnChanged(Entry& entry, host::WidgetProperty property);
    void RenameBeside(host::Widget& label);
    void OnApplicationState(Qt::ApplicationState state);
    void ScheduleFlush();
    void Flush();
    void ResolveQueued();
    void ApplyQueued();
    void ApplyTabOrder();
    std::vector<QPointer<QWidget>> HoldUpdates();
    void ReleaseUpdates(const std::vector<QPointer<QWidget>>& held);
    bool Presents(host::Widget& widget) const;
    Mirror* EnsureMirror(host::Widget& widget);
    void EnsureSubtree(host::Widget& widget);
    void DropSubtree(host::Widget& widget);
    void DropMirror(Entry& entry);

    host::Host& mHost;
    ColorResolver mColors;
    std::unordered_map<const host::Widget*, Entry> mEntries;
    std::unordered_map<const host::Widget*, QString> mAttached;
    // Widgets to give QWidgets (new ones, and those that moved to another parent: the
    // whole subtree then), in the order they were announced.
    std::vector<host::Widget*> mResolveQueue;
    // Entries with changes to show, in the order of their first change; the entries of
    // widgets destroyed meanwhile wait in mRetiredEntries until the queue has passed.
    std::vector<Entry*> mDirtyQueue;
    std::vector<decltype(mEntries)::node_type> mRetiredEntries;
    std::unordered_set<const host::Widget*> mTabOrderDirty;
    // The QWidgets shown as windows.
    std::vector<QPointer<QWidget>> mWindows;
    host::Signal<host::Widget&>::Connection mCreatedConnection = 0;
    host::Signal<host::Widget&>::Connection mDestroyedConnection = 0;
    QMetaObject::Connection mStateConnection;
    bool mblnFlushPosted = false;
    bool mblnFlushing = false;
    int32_t mintModalDepth = 0;
    int32_t mintInputDepth = 0;
    bool mblnApplicationActive = true;
};

}  // namespace panelkit2::qt
