#pragma once

// A list box. Clicks and keys go to the model, which decides what is selected by its
// selection mode; the QListWidget only draws the entries, the selection and the focused
// entry (its focus rectangle only while the model shows the list's caret). Scrolling the
// list by hand moves the model's first shown entry. The list scrolls sideways over the
// model's horizontal extent beyond the list's own width, and not at all without one.

#include <QListWidget>
#include <QStyledItemDelegate>

#include "panelkit2/toolkit/list_box.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

// Draws the entries as wide as the horizontal range asks and without the focus rectangle
// while the list hides its caret.
class ListBoxDelegate : public QStyledItemDelegate {
  public:
    ListBoxDelegate(const host::ListBox& list, QObject* parent)
        : QStyledItemDelegate(parent), mList(list) {}
    // 0: the entries' own width.
    void EntryWidth(int width) { mintWidth = width; }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    const host::ListBox& mList;
    int mintWidth = 0;
};

class ListBoxMirror : public Mirror {
  public:
    ListBoxMirror(host::ListBox& list, MirrorContext& context)
        : Mirror(list, context), mList(list) {}

  protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyContent(uint32_t mask) override;
    bool FilterInput(QObject* watched, QEvent* event) override;
    bool FillsBackground() const override { return false; }

  private:
    QListWidget* List() const { return static_cast<QListWidget*>(Widget()); }
    void ShowEntries();
    void ShowSelection();
    void ShowHorizontalRange();
    bool ForwardMouse(QEvent* event);
    void ForwardKey(const QKeyEvent& key);

    host::ListBox& mList;
    ListBoxDelegate* mDelegate = nullptr;
};

}  // namespace panelkit2::qt
