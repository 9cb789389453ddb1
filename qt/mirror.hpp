#pragma once

// Shows one model widget as one QWidget and forwards the QWidget's real input to the
// model. The base class covers what every widget has (geometry, visibility, enabled state,
// colours, tool tip, tab stop, focus) and top-level windows (moves and resizes by the user);
// a subclass per widget kind creates its QWidget and shows the kind's own content.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>

#include "panelkit2/toolkit/widget.hpp"
#include "qt/mirror_context.hpp"

namespace panelkit2::qt {

class Mirror : public QObject {
  public:
    // Bit of a property in a mask of changed properties.
    static constexpr uint32_t Bit(host::WidgetProperty property) {
        return uint32_t{1} << static_cast<uint32_t>(property);
    }
    static constexpr uint32_t kAll = ~uint32_t{0};

    Mirror(host::Widget& model, MirrorContext& context);
    ~Mirror() override;

    host::Widget& Model() const { return mModel; }
    QWidget* Widget() const { return mWidget; }

    // Creates the QWidget inside `parent` (nullptr: as a window) and shows the whole state.
    void Build(QWidget* parent);
    // Shows the properties in `mask` as the model has them now.
    void Apply(uint32_t mask);
    // The model widget is gone: the QWidget disappears now and is deleted with the mirror.
    void Retire();
    bool Retired() const { return mblnRetired; }

  protected:
    virtual QWidget* CreateWidget(QWidget* parent) = 0;
    // The kind's own content (text, value, list, selection, range, pressed look); `mask`
    // says what changed (Geometry included, for content that depends on the size).
    virtual void ApplyContent(uint32_t mask) { (void)mask; }
    // Real input to the QWidget or one of its parts; true when the event was consumed.
    virtual bool FilterInput(QObject* watched, QEvent* event) {
        (void)watched, (void)event;
        return false;
    }
    // Static widgets never take the focus from Qt.
    virtual bool TakesFocus() const { return true; }
    // Widgets that take the focus by Tab only: a click leaves it where it is.
    virtual bool TakesFocusByClick() const { return true; }
    // Whether the back colour fills the whole widget.
    virtual bool FillsBackground() const { return true; }
    // Window flags for a widget shown as a window.
    virtual Qt::WindowFlags WindowFlags() const { return Qt::Window; }

    // The user moved the window to (left, top), screen twips: the host reports the move.
    virtual void MoveWindowByUser(float left, float top);

    MirrorContext& Context() const { return mContext; }
    PixelScale Scale() const { return mContext.Scale(); }
    // Forwards input, then shows the model's content again: Qt may already have changed
    // its own state (a toggled box, a picked entry) in a way the model did not follow.
    void Forward(const std::function<void()>& input);
    // True while the mirror writes into its QWidget: signals then come from the view, not
    // from the user.
    bool Applying() const { return mintApplying > 0; }
    // Routes the events of a part of the QWidget through FilterInput.
    void Watch(QObject* part);
    // Replaces the QWidget (a kind whose Qt class depends on a property).
    void Rebuild();

  private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool IsWindow() const { return mWidget && mWidget->isWindow(); }
    void ApplyGeometry();
    void ApplyColors();
    void ApplyVisible();
    // A screen reader names the widget after its caption (accessible_name.hpp).
    void ApplyAccessibleName();
    void ApplyFocusPolicy();
    void ApplyFocus();
    void ForwardFocusIn(const QEvent* event);
    void ForwardWindowMove();
    void ForwardWindowResize();

    host::Widget& mModel;
    MirrorContext& mContext;
    QPointer<QWidget> mWidget;
    int32_t mintApplying = 0;
    bool mblnRetired = false;
    // The window geometry last handed to Qt, to tell the echo of our own moves from a move
    // by the user.
    QRect mAppliedWindowRect;
};

}  // namespace panelkit2::qt
