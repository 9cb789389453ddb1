#pragma once

// A text field. Positions and lengths (SelStart, SelLength, MaxLength) count characters, not
// bytes. Change is raised whenever the text changes, by code or by the user.
//
// Undo: every user edit (typing, deleting, SelText, UserSetText) first remembers the text and
// selection it replaces; Undo swaps them back in, so a second Undo redoes the edit, as the
// window system's edit control does. Assigning Text by code empties the undo buffer.

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit2/toolkit/key_codes.hpp"
#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

class TextBox : public Widget {
  public:
    TextBox(Widget* parent, std::string name);

    const std::string& Text() const noexcept { return mstrText; }
    // Caret to 0, nothing selected, undo buffer emptied; Change when the text differs.
    void Text(std::string value);
    int32_t SelStart() const noexcept { return mlngSelStart; }
    // Negative: error 380; beyond the end: the end. Collapses the selection.
    void SelStart(int32_t value);
    int32_t SelLength() const noexcept { return mlngSelLength; }
    // Negative: error 380; longer than the rest of the text: the rest.
    void SelLength(int32_t value);
    std::string SelText() const;
    // Replaces the selection (undoable); the caret ends after the new text.
    void SelText(std::string_view value);

    bool MultiLine() const noexcept { return mblnMultiLine; }
    void MultiLine(bool value);
    // A locked field still raises its key events but the user cannot change the text.
    bool Locked() const noexcept { return mblnLocked; }
    void Locked(bool value);
    // Most characters the user may enter, 0 for no limit; negative: error 380.
    int32_t MaxLength() const noexcept { return mlngMaxLength; }
    void MaxLength(int32_t value);

    // Restores the text before the last user edit; false when there is nothing to undo.
    bool Undo();
    bool CanUndo() const noexcept { return mblnCanUndo; }
    void EmptyUndoBuffer() noexcept { mblnCanUndo = false; }

    void CopyDesignFrom(const Widget& source) override;

    // The typed character (its code point; characters beyond U+7FFF arrive as 0x7FFF). A
    // handler cancels the key by setting 0 or types another character by changing it.
    Signal<int16_t&> KeyPress;
    // Key code and shift state (1 Shift, 2 Ctrl, 4 Alt); a handler consumes the key with 0.
    Signal<int16_t&, int16_t> KeyDown;
    Signal<> Change;

    // Types the characters one by one: KeyPress, then (unless cancelled, the field is locked
    // or the limit is reached) the character replaces the selection and Change is raised.
    // Backspace (8) deletes the selection or the character before the caret; Return (13)
    // (also "\n", and "\r\n" as one press) starts a new line ("\r\n") in a multi-line
    // field and is ignored otherwise; other control characters are not inserted. A line
    // break of a multi-line field counts as one character for Backspace, Delete, Left and
    // Right.
    void UserType(std::string_view chars);
    // KeyDown, then unless consumed: Delete removes the selection or the character after
    // the caret; Left, Right, Home and End move the caret and collapse the selection. In a
    // multi-line field Up and Down move it a line, Home and End to the ends of its line and,
    // with Ctrl, to the ends of the text.
    void UserKeyDown(int16_t keyCode, int16_t shift = 0);
    // The user replaces the whole text at once (pasting over everything); the text is cut
    // at MaxLength and the caret goes to its end.
    void UserSetText(std::string_view text);

  private:
    int32_t TextLength() const;
    // A user edit: remember the undo state, take the new text and caret, raise Change.
    void ApplyUserEdit(std::string text, int32_t caret);
    // The characters [start, start + length) replaced by `insert`, caret after it.
    void ReplaceRangeByUser(int32_t start, int32_t length, std::string_view insert);
    void TypeCharacter(std::string_view character);
    // Characters a caret step or deletion takes before or after a position: a line break
    // ("\r\n") of a multi-line field is one step.
    int32_t StepBefore(int32_t position) const;
    int32_t StepAfter(int32_t position) const;
    void DeleteBackward();
    void DeleteForward();
    void MoveCaret(int16_t keyCode, int16_t shift);
    // Where a line key moves the caret of a multi-line field.
    int32_t CaretOnLines(int16_t keyCode, int16_t shift) const;
    void SetSelection(int32_t start, int32_t length);

    std::string mstrText;
    int32_t mlngSelStart = 0;
    int32_t mlngSelLength = 0;
    bool mblnMultiLine = false;
    bool mblnLocked = false;
    int32_t mlngMaxLength = 0;
    bool mblnCanUndo = false;
    std::string mstrUndoText;
    int32_t mlngUndoSelStart = 0;
    int32_t mlngUndoSelLength = 0;
};

}  // namespace panelkit2::host
