#pragma once

// A list box. Clicks and keys go to the model, which decides what is selected by its
// selection mode; the QListWidget only draws the entries, the selection and the focused
// entry. Scrolling the list by hand moves the model's first shown entry.

#include <QListWidget>

#include "panelkit2/toolkit/list_box.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

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
    bool ForwardMouse(QEvent* event);
    void ForwardKey(const QKeyEvent& key);

    host::ListBox& mList;
};

}  // namespace panelkit2::qt
