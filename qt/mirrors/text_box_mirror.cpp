#include "qt/mirrors/text_box_mirror.hpp"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>

#include "qt/key_translation.hpp"
#include "qt/text_positions.hpp"

namespace panelkit2::qt {

namespace {
// Keys Qt keeps: focus moves and copying change nothing in the field.
bool QtKeepsKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab ||
           key.matches(QKeySequence::Copy);
}

// The characters a key types: printable text, Backspace and Return.
std::string TypedCharacters(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Backspace) return "\b";
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return "\r";
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return {};
    const QString text = key.text();
    if (text.isEmpty() || !text.at(0).isPrint()) return {};
    return text.toStdString();
}
}  // namespace

QWidget* TextBoxMirror::CreateWidget(QWidget* parent) {
    mstrShown.clear();
    mLine = nullptr;
    mPlain = nullptr;
    QWidget* editor = mBox.MultiLine() ? CreatePlainTextEdit(parent) : CreateLineEdit(parent);
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    editor->setAcceptDrops(false);
    return editor;
}

QWidget* TextBoxMirror::CreateLineEdit(QWidget* parent) {
    mLine = new QLineEdit(parent);
    mLine->setDragEnabled(false);
    mLine->setFrame(true);
    QObject::connect(mLine, &QLineEdit::selectionChanged, this, [this] { ForwardSelection(); });
    QObject::connect(mLine, &QLineEdit::cursorPositionChanged, this,
                     [this] { ForwardSelection(); });
    return mLine;
}

QWidget* TextBoxMirror::CreatePlainTextEdit(QWidget* parent) {
    mPlain = new QPlainTextEdit(parent);
    mPlain->setUndoRedoEnabled(false);
    mPlain->viewport()->setAcceptDrops(false);
    Watch(mPlain->viewport());
    QObject::connect(mPlain, &QPlainTextEdit::cursorPositionChanged, this,
                     [this] { ForwardSelection(); });
    return mPlain;
}

void TextBoxMirror::ApplyContent(uint32_t mask) {
    if ((mBox.MultiLine() ? mPlain : static_cast<QWidget*>(mLine)) == nullptr) {
        Rebuild();
        return;
    }
    if (mask & (Bit(host::WidgetProperty::Text) | Bit(host::WidgetProperty::Selection))) {
        ShowText();
        ShowSelection();
    }
}

void TextBoxMirror::ShowText() {
    if (mBox.Text() == mstrShown) return;
    mstrShown = mBox.Text();
    const TextPositions text(mstrShown, mPlain != nullptr);
    if (mLine)
        mLine->setText(text.Shown());
    else
        mPlain->setPlainText(text.Shown());
}

void TextBoxMirror::ShowSelection() {
    const TextPositions text(mstrShown, mPlain != nullptr);
    const int32_t start = text.ToQt(mBox.SelStart());
    const int32_t end = text.ToQt(int64_t{mBox.SelStart()} + mBox.SelLength());
    if (mLine) {
        if (end > start)
            mLine->setSelection(start, end - start);
        else
            mLine->setCursorPosition(start);
        return;
    }
    QTextCursor cursor = mPlain->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    mPlain->setTextCursor(cursor);
}

std::pair<int32_t, int32_t> TextBoxMirror::QtSelection() const {
    int32_t start = 0;
    int32_t end = 0;
    if (mLine) {
        start = mLine->hasSelectedText() ? static_cast<int32_t>(mLine->selectionStart())
                                         : static_cast<int32_t>(mLine->cursorPosition());
        end = mLine->hasSelectedText() ? static_cast<int32_t>(mLine->selectionEnd()) : start;
    } else {
        const QTextCursor cursor = mPlain->textCursor();
        start = cursor.selectionStart();
        end = cursor.selectionEnd();
    }
    const TextPositions text(mstrShown, mPlain != nullptr);
    const int32_t modelStart = text.ToModel(start);
    return {modelStart, text.ToModel(end) - modelStart};
}

// Only the mouse moves Qt's caret (keys go to the model), so a change here is the user's.
void TextBoxMirror::ForwardSelection() {
    if (Applying()) return;
    const auto [start, length] = QtSelection();
    if (start == mBox.SelStart() && length == mBox.SelLength()) return;
    Forward([&] {
        mBox.SelStart(start);
        mBox.SelLength(length);
    });
}

// As the window system sends them: the key down, then the character it types.
void TextBoxMirror::ForwardKey(const QKeyEvent& key) {
    const int16_t code = KeyCodeOf(key);
    const int16_t shift = ShiftStateOf(key.modifiers());
    const std::string typed = TypedCharacters(key);
    Forward([&] {
        if (key.matches(QKeySequence::Undo)) {
            mBox.Undo();
            return;
        }
        if (key.matches(QKeySequence::Paste)) {
            mBox.UserType(QApplication::clipboard()->text().toStdString());
            return;
        }
        if (code != 0) mBox.UserKeyDown(code, shift);
        if (!typed.empty()) mBox.UserType(typed);
    });
}

// Qt's line edit selects its whole text when Tab brings the focus. What a field selects as
// it gets the focus is the model's to say (its GotFocus handlers have run by now), so the
// editor is told that the focus came some other way.
bool TextBoxMirror::TakeFocusAsIs(const QFocusEvent& focus) {
    const Qt::FocusReason reason = focus.reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
        reason != Qt::ShortcutFocusReason)
        return false;
    QFocusEvent quiet(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(mLine, &quiet);
    return true;
}

bool TextBoxMirror::FilterInput(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto& key = *static_cast<QKeyEvent*>(event);
            if (QtKeepsKey(key)) return false;
            ForwardKey(key);
            return true;
        }
        case QEvent::InputMethod: {
            const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
            if (!commit.isEmpty()) Forward([&] { mBox.UserType(commit.toStdString()); });
            return true;
        }
        case QEvent::FocusIn:
            return watched == mLine && TakeFocusAsIs(*static_cast<QFocusEvent*>(event));
        case QEvent::MouseButtonRelease:
            // The middle button would paste the selection clipboard behind the model's back.
            return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        default:
            return false;
    }
}

}  // namespace panelkit2::qt
