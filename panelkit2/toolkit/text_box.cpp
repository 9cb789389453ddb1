#include "panelkit2/toolkit/text_box.hpp"

#include <algorithm>
#include <utility>
#include <vector>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/numeric.hpp"

namespace panelkit2::host {

TextBox::TextBox(Widget* parent, std::string name)
    : Widget(WidgetKind::TextBox, parent, std::move(name)) {
    ForeColor(colors::WindowText);
    BackColor(colors::Window);
    OwnCaret();
}

int32_t TextBox::TextLength() const {
    return static_cast<int32_t>(CharLength(mstrText));
}

void TextBox::Text(std::string value) {
    if (value == mstrText) return;
    mstrText = std::move(value);
    mblnCanUndo = false;
    mlngSelStart = 0;
    mlngSelLength = 0;
    NotifyChanged(WidgetProperty::Text);
    Raise(Change);
}

void TextBox::SetSelection(int32_t start, int32_t length) {
    if (start == mlngSelStart && length == mlngSelLength) return;
    mlngSelStart = start;
    mlngSelLength = length;
    NotifyChanged(WidgetProperty::Selection);
}

void TextBox::SelStart(int32_t value) {
    if (value < 0) RaiseStandard(err::InvalidPropertyValue);
    SetSelection(std::min(value, TextLength()), 0);
}

void TextBox::SelLength(int32_t value) {
    if (value < 0) RaiseStandard(err::InvalidPropertyValue);
    SetSelection(mlngSelStart, std::min(value, TextLength() - mlngSelStart));
}

std::string TextBox::SelText() const {
    return CharMid(mstrText, int64_t{mlngSelStart} + 1, mlngSelLength);
}

void TextBox::SelText(std::string_view value) {
    ReplaceRangeByUser(mlngSelStart, mlngSelLength, value);
}

void TextBox::MultiLine(bool value) {
    if (value == mblnMultiLine) return;
    mblnMultiLine = value;
    NotifyChanged(WidgetProperty::Text);
}

void TextBox::Locked(bool value) {
    mblnLocked = value;
}

void TextBox::MaxLength(int32_t value) {
    if (value < 0) RaiseStandard(err::InvalidPropertyValue);
    mlngMaxLength = value;
}

bool TextBox::Undo() {
    if (!mblnCanUndo) return false;
    // The undone state stays in the buffer: undoing again redoes the edit.
    std::swap(mstrText, mstrUndoText);
    std::swap(mlngSelStart, mlngUndoSelStart);
    std::swap(mlngSelLength, mlngUndoSelLength);
    NotifyChanged(WidgetProperty::Selection);
    if (mstrText != mstrUndoText) {
        NotifyChanged(WidgetProperty::Text);
        Raise(Change);
    }
    return true;
}

void TextBox::ApplyUserEdit(std::string text, int32_t caret) {
    mstrUndoText = std::exchange(mstrText, std::move(text));
    mlngUndoSelStart = mlngSelStart;
    mlngUndoSelLength = mlngSelLength;
    mblnCanUndo = true;
    mlngSelStart = caret;
    mlngSelLength = 0;
    NotifyChanged(WidgetProperty::Text);
    NotifyChanged(WidgetProperty::Selection);
    Raise(Change);
}

void TextBox::ReplaceRangeByUser(int32_t start, int32_t length, std::string_view insert) {
    std::string text = CharMid(mstrText, 1, start);
    text += insert;
    text += CharMid(mstrText, int64_t{start} + length + 1);
    ApplyUserEdit(std::move(text), static_cast<int32_t>(start + CharLength(insert)));
}

int32_t TextBox::StepBefore(int32_t position) const {
    if (mblnMultiLine && position >= 2 && CharMid(mstrText, position - 1, 2) == "\r\n") return 2;
    return 1;
}

int32_t TextBox::StepAfter(int32_t position) const {
    if (mblnMultiLine && CharMid(mstrText, int64_t{position} + 1, 2) == "\r\n") return 2;
    return 1;
}

void TextBox::DeleteBackward() {
    if (mlngSelLength > 0) return ReplaceRangeByUser(mlngSelStart, mlngSelLength, {});
    const int32_t step = StepBefore(mlngSelStart);
    if (mlngSelStart > 0) ReplaceRangeByUser(mlngSelStart - step, step, {});
}

void TextBox::DeleteForward() {
    if (mlngSelLength > 0) return ReplaceRangeByUser(mlngSelStart, mlngSelLength, {});
    if (mlngSelStart < TextLength()) ReplaceRangeByUser(mlngSelStart, StepAfter(mlngSelStart), {});
}

void TextBox::TypeCharacter(std::string_view character) {
    const int16_t typed = key::KeyAsciiOf(character);
    int16_t keyAscii = typed;
    Raise(KeyPress, keyAscii);
    if (keyAscii == 0 || mblnLocked) return;
    if (keyAscii == key::Back) return DeleteBackward();
    std::string insert;
    if (keyAscii == key::Return || keyAscii == '\n') {
        if (!mblnMultiLine) return;
        insert = "\r\n";
    } else if (keyAscii < 32) {
        return;
    } else {
        // A handler that left the key alone gets the very character typed.
        insert = keyAscii == typed ? std::string(character) : key::CharacterOfKey(keyAscii);
    }
    const auto inserted = static_cast<int64_t>(CharLength(insert));
    if (mlngMaxLength > 0 && TextLength() - mlngSelLength + inserted > mlngMaxLength) return;
    ReplaceRangeByUser(mlngSelStart, mlngSelLength, insert);
}

void TextBox::UserType(std::string_view chars) {
    if (!AcceptsInput()) return;
    const auto count = static_cast<int64_t>(CharLength(chars));
    std::string previous;
    for (int64_t i = 1; i <= count; ++i) {
        std::string character = CharMid(chars, i, 1);
        // "\r\n" in the input is one press of Return.
        if (!(character == "\n" && previous == "\r")) TypeCharacter(character);
        previous = std::move(character);
    }
}

namespace {
struct Line {
    int32_t start;
    int32_t length;
};

// The lines of a text, separated by "\r\n", in character positions.
std::vector<Line> LinesOf(std::string_view text) {
    std::vector<Line> lines;
    int32_t start = 0;
    for (size_t from = 0;;) {
        const size_t brk = text.find("\r\n", from);
        const auto length = static_cast<int32_t>(CharLength(text.substr(from, brk - from)));
        lines.push_back({start, length});
        if (brk == std::string_view::npos) return lines;
        start += length + 2;
        from = brk + 2;
    }
}
}  // namespace

// In a multi-line field Up and Down go to the line above or below, at the same column or
// its end; Home and End to the ends of the line, with Ctrl to the ends of the text. Lines
// are those the line breaks make, however a view wraps them.
int32_t TextBox::CaretOnLines(int16_t keyCode, int16_t shift) const {
    const std::vector<Line> lines = LinesOf(mstrText);
    size_t at = 0;
    while (at + 1 < lines.size() && lines[at + 1].start <= mlngSelStart) ++at;
    const Line& line = lines[at];
    const int32_t column = mlngSelStart - line.start;
    const bool ctrl = (shift & key::CtrlMask) != 0;
    switch (keyCode) {
        case key::Home:
            return ctrl ? 0 : line.start;
        case key::End:
            return ctrl ? TextLength() : line.start + line.length;
        case key::Up:
            if (at == 0) return mlngSelStart;
            return lines[at - 1].start + std::min(column, lines[at - 1].length);
        default:  // Down
            if (at + 1 == lines.size()) return mlngSelStart;
            return lines[at + 1].start + std::min(column, lines[at + 1].length);
    }
}

void TextBox::MoveCaret(int16_t keyCode, int16_t shift) {
    const int32_t end = mlngSelStart + mlngSelLength;
    int32_t caret = mlngSelStart;
    switch (keyCode) {
        case key::Left:
            caret = mlngSelLength > 0 ? mlngSelStart
                                      : std::max(mlngSelStart - StepBefore(mlngSelStart), 0);
            break;
        case key::Right:
            caret = mlngSelLength > 0
                        ? end
                        : std::min(mlngSelStart + StepAfter(mlngSelStart), TextLength());
            break;
        case key::Home:
        case key::End:
        case key::Up:
        case key::Down:
            if (mblnMultiLine) {
                caret = CaretOnLines(keyCode, shift);
            } else if (keyCode == key::Home || keyCode == key::End) {
                caret = keyCode == key::Home ? 0 : TextLength();
            } else {
                return;
            }
            break;
        default:
            return;
    }
    SetSelection(caret, 0);
}

void TextBox::UserKeyDown(int16_t keyCode, int16_t shift) {
    if (!AcceptsInput()) return;
    Raise(KeyDown, keyCode, shift);
    if (keyCode == key::Delete) {
        if (!mblnLocked) DeleteForward();
    } else {
        MoveCaret(keyCode, shift);
    }
}

void TextBox::UserSetText(std::string_view text) {
    if (!AcceptsInput() || mblnLocked) return;
    std::string value = mlngMaxLength > 0 ? CharMid(text, 1, mlngMaxLength) : std::string(text);
    const auto caret = static_cast<int32_t>(CharLength(value));
    if (value == mstrText) return SetSelection(caret, 0);
    ApplyUserEdit(std::move(value), caret);
}

void TextBox::CopyDesignFrom(const Widget& source) {
    Widget::CopyDesignFrom(source);
    const auto* box = dynamic_cast<const TextBox*>(&source);
    if (!box) return;
    MultiLine(box->mblnMultiLine);
    Locked(box->mblnLocked);
    MaxLength(box->mlngMaxLength);
    Text(box->mstrText);
}

}  // namespace panelkit2::host
