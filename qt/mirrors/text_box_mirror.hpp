#pragma once

// A text field: a QLineEdit, or a QPlainTextEdit for a multi-line field. The model owns
// the text: keys go to its key and typing entry points and the editor only shows the
// result, so KeyPress handlers, MaxLength, Locked and undo behave as in the model. The
// mouse places the caret and selects in Qt; the selection is then handed to the model.
// Taking the focus by Tab leaves the selection to the model, which may choose one then.

#include <QLineEdit>
#include <QPlainTextEdit>

#include "panelkit2/toolkit/text_box.hpp"
#include "qt/mirror.hpp"

namespace panelkit2::qt {

class TextBoxMirror : public Mirror {
  public:
    TextBoxMirror(host::TextBox& box, MirrorContext& context) : Mirror(box, context), mBox(box) {}

  protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyContent(uint32_t mask) override;
    bool FilterInput(QObject* watched, QEvent* event) override;
    bool FillsBackground() const override { return false; }

  private:
    QWidget* CreateLineEdit(QWidget* parent);
    QWidget* CreatePlainTextEdit(QWidget* parent);
    void ShowText();
    void ShowSelection();
    void ForwardKey(const QKeyEvent& key);
    void ForwardSelection();
    bool TakeFocusAsIs(const QFocusEvent& focus);
    // Qt's selection as model start and length.
    std::pair<int32_t, int32_t> QtSelection() const;

    host::TextBox& mBox;
    QLineEdit* mLine = nullptr;
    QPlainTextEdit* mPlain = nullptr;
    // The text last shown, so an unchanged text is not handed to Qt again.
    std::string mstrShown;
};

}  // namespace panelkit2::qt
