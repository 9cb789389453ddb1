#include "panelkit2/toolkit/wrap_label.hpp"

#include <algorithm>
#include <utility>

#include "panelkit2/automation/binder.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/toolkit/host.hpp"

namespace panelkit2::host {

namespace {

// Width of one line in twips, exactly as the sizing switch measures it, so that a label
// sized to its text never wraps that text.
float TwipsWide(std::string_view line) {
    const Host& host = Host::Current();
    return static_cast<float>(host.Metrics().TextWidthPixels(line)) * host.TwipsPerPixelX();
}

float LineHeightTwips() {
    const Host& host = Host::Current();
    return static_cast<float>(host.Metrics().LineHeightPixels()) * host.TwipsPerPixelY();
}

// Visits the lines between explicit breaks ("\n" or "\r\n"); an empty text is one empty
// line.
template <class Visit>
void ForEachExplicitLine(std::string_view text, Visit&& visit) {
    for (size_t start = 0;;) {
        const size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == text.npos ? text.npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        visit(line);
        if (end == text.npos) return;
        start = end + 1;
    }
}

std::vector<std::string_view> SplitExplicitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    ForEachExplicitLine(text, [&](std::string_view line) { lines.push_back(line); });
    return lines;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

struct Word {
    size_t begin;
    size_t end;
};

std::vector<Word> FindWords(std::string_view line) {
    std::vector<Word> words;
    for (size_t pos = 0; pos < line.size();) {
        while (pos < line.size() && IsBlank(line[pos])) ++pos;
        if (pos == line.size()) break;
        const size_t begin = pos;
        while (pos < line.size() && !IsBlank(line[pos])) ++pos;
        words.push_back({begin, pos});
    }
    return words;
}

// The largest k in 1..limit for which fits(k) holds, 0 when not even fits(1) does; fits
// must be monotone. Galloping before bisecting keeps the measured texts within about twice
// the length of the answer, so long texts wrap in O(n log n).
template <class Fits>
size_t LongestFitting(size_t limit, Fits&& fits) {
    if (limit == 0 || !fits(size_t{1})) return 0;
    size_t good = 1;
    size_t bad = limit + 1;
    while (good < limit) {
        const size_t probe = std::min(limit, good * 2);
        if (!fits(probe)) {
            bad = probe;
            break;
        }
        good = probe;
    }
    while (bad - good > 1) {
        const size_t middle = good + (bad - good) / 2;
        (fits(middle) ? good : bad) = middle;
    }
    return good;
}

// Byte length of the character at `pos`, as the numeric module counts characters.
size_t CharBytesAt(std::string_view text, size_t pos) {
    return CharMid(text.substr(pos), 1, 1).size();
}

// Byte offsets of character ends in a text, found only as far as they are asked for.
class CharEnds {
  public:
    explicit CharEnds(std::string_view text) : mstrText(text) {}
    // End of the first `count` characters (the text's end when it has fewer).
    size_t Of(size_t count) {
        if (count == 0 || mstrText.empty()) return 0;
        while (mcolEnds.size() < count && Last() < mstrText.size())
            mcolEnds.push_back(Last() + CharBytesAt(mstrText, Last()));
        return mcolEnds[std::min(count, mcolEnds.size()) - 1];
    }

  private:
    size_t Last() const { return mcolEnds.empty() ? 0 : mcolEnds.back(); }
    std::string_view mstrText;
    std::vector<size_t> mcolEnds;
};

// Greedy word wrap of one explicit line: as many words as fit on each line, blanks at a
// break dropped; a word wider than the line breaks between characters (at least one
// character per line, so that a very narrow label still makes progress).
void WrapLine(std::string_view line, float width, std::vector<std::string_view>& out) {
    const std::vector<Word> words = FindWords(line);
    if (words.empty() || TwipsWide(line.substr(0, words.back().end)) <= width) {
        out.push_back(line.substr(0, words.empty() ? line.size() : words.back().end));
        return;
    }
    size_t first = 0;
    size_t lineStart = 0;  // the first line keeps its indentation
    while (first < words.size()) {
        // Measuring the first word by growing prefixes never measures much more than a
        // line, even when that word is very long.
        const std::string_view head = line.substr(lineStart, words[first].end - lineStart);
        CharEnds ends(head);
        const size_t chars = LongestFitting(
            head.size(), [&](size_t n) { return TwipsWide(head.substr(0, ends.Of(n))) <= width; });
        if (ends.Of(chars) < head.size()) {
            // The word does not fit alone: the characters that fit form a line and the
            // rest of the word starts the next one.
            const size_t cut = ends.Of(std::max<size_t>(1, chars));
            out.push_back(head.substr(0, cut));
            lineStart += cut;
            if (lineStart < words[first].end) continue;
            // A single character wider than the line used up the word.
            if (++first < words.size()) lineStart = words[first].begin;
            continue;
        }
        const auto span = [&](size_t count) {
            return line.substr(lineStart, words[first + count - 1].end - lineStart);
        };
        const size_t count = LongestFitting(words.size() - first,
                                            [&](size_t n) { return TwipsWide(span(n)) <= width; });
        out.push_back(span(count));
        first += count;
        if (first < words.size()) lineStart = words[first].begin;
    }
}

}  // namespace

WrapLabel::WrapLabel(Widget* parent, std::string name)
    : Widget(WidgetKind::WrapLabel, parent, std::move(name)), mExtender(*this) {
    ForeColor(colors::ButtonText);
    BackColor(colors::ButtonFace);
}

void WrapLabel::Caption(std::string value) {
    if (value == mstrCaption) return;
    mstrCaption = std::move(value);
    NotifyChanged(WidgetProperty::Text);
    if (mblnAutoSize) SizeToCaption();
}

void WrapLabel::AutoSize(bool value) {
    mblnAutoSize = value;
    if (mblnAutoSize) SizeToCaption();
}

void WrapLabel::MultiLine(bool value) {
    if (value == mblnMultiLine) return;
    mblnMultiLine = value;
    NotifyChanged(WidgetProperty::Text);
}

// The widest explicit line decides the width; every explicit line counts for the height.
void WrapLabel::SizeToCaption() {
    float width = 0;
    size_t lines = 0;
    ForEachExplicitLine(mstrCaption, [&](std::string_view line) {
        width = std::max(width, TwipsWide(line));
        ++lines;
    });
    Move(Left(), Top(), width, static_cast<float>(lines) * LineHeightTwips());
}

std::vector<std::string_view> WrapLabel::WrapCaption() const {
    const auto lines = SplitExplicitLines(mstrCaption);
    if (!mblnMultiLine) return lines;
    std::vector<std::string_view> wrapped;
    for (std::string_view line : lines) WrapLine(line, Width(), wrapped);
    return wrapped;
}

std::vector<std::string> WrapLabel::WrappedLines() const {
    const auto views = WrapCaption();
    return {views.begin(), views.end()};
}

void WrapLabel::Reflow() {
    Height(static_cast<float>(WrapCaption().size()) * LineHeightTwips());
}

void WrapLabel::CopyDesignFrom(const Widget& source) {
    Widget::CopyDesignFrom(source);
    const auto* label = dynamic_cast<const WrapLabel*>(&source);
    if (!label) return;
    mblnAutoSize = label->mblnAutoSize;
    MultiLine(label->mblnMultiLine);
    Caption(label->mstrCaption);
}

bool WrapLabel::Contains(float x, float y) const noexcept {
    return x >= 0 && y >= 0 && x < Width() && y < Height();
}

void WrapLabel::RaiseClick() {
    Click.Emit();
    RaiseEvent(Events::Click, {});
}

void WrapLabel::RaiseDblClick() {
    DblClick.Emit();
    RaiseEvent(Events::DblClick, {});
}

void WrapLabel::RaiseMouse(Events event, const Signal<int16_t, int16_t, float, float>& signal,
                           int16_t button, int16_t shift, float x, float y) {
    signal.Emit(button, shift, x, y);
    RaiseEvent(event, {button, shift, x, y});
}

void WrapLabel::UserMouseDown(int16_t button, int16_t shift, float x, float y) {
    if (!AcceptsInput()) return;
    mintPressed = static_cast<int16_t>(mintPressed | button);
    RaiseMouse(Events::MouseDown, MouseDown, button, shift, x, y);
}

void WrapLabel::UserMouseMove(int16_t button, int16_t shift, float x, float y) {
    if (!AcceptsInput()) return;
    RaiseMouse(Events::MouseMove, MouseMove, button, shift, x, y);
}

// The label keeps the mouse from press to release, so the release is reported wherever it
// happens; only a left release inside the label completes a click.
void WrapLabel::UserMouseUp(int16_t button, int16_t shift, float x, float y) {
    if (!AcceptsInput()) return;
    const bool clicked = (mintPressed & button & LeftButton) != 0 && Contains(x, y);
    mintPressed = static_cast<int16_t>(mintPressed & ~button);
    RaiseMouse(Events::MouseUp, MouseUp, button, shift, x, y);
    if (clicked) RaiseClick();
}

void WrapLabel::UserClick() {
    UserClick(Width() / 2, Height() / 2);
}

void WrapLabel::UserClick(float x, float y) {
    UserMouseDown(LeftButton, 0, x, y);
    UserMouseUp(LeftButton, 0, x, y);
}

void WrapLabel::UserDblClick(float x, float y) {
    if (!AcceptsInput()) return;
    UserClick(x, y);
    RaiseDblClick();
    RaiseMouse(Events::MouseUp, MouseUp, LeftButton, 0, x, y);
}

// ---------------------------------------------------------------------------------------
// Interface

namespace {

std::vector<ParamDef> MouseParams() {
    return {ByVal("Button", VarType::Integer), ByVal("Shift", VarType::Integer),
            ByVal("X", VarType::Single), ByVal("Y", VarType::Single)};
}

}  // namespace

// Every member is passed by value. Colours travel as Long: system colours (high bit set)
// are negative numbers.
const InterfaceTable& WrapLabel::Interface() const {
    using M = Members<WrapLabel>;
    using L = WrapLabel;
    namespace id = wrap_label_id;
    static const InterfaceTable table(
        "PanelKit2.WrapLabel",
        {
            M::Property("Caption", id::Caption, &L::Caption, &L::Caption, {By::Val}),
            M::Property("AutoSize", id::AutoSize, &L::AutoSize, &L::AutoSize, {By::Val}),
            M::Method("Reflow", id::Reflow, &L::Reflow),
            M::Method("Refresh", id::Refresh, &L::Refresh),
            M::Property("ForeColor", id::ForeColor, &L::ForeColor, &L::ForeColor, {By::Val}),
            M::Property("BackColor", id::BackColor, &L::BackColor, &L::BackColor, {By::Val}),
        },
        {
            Event(Events::Click, "Click"),
            Event(Events::DblClick, "DblClick"),
            Event(Events::MouseDown, "MouseDown", MouseParams()),
            Event(Events::MouseMove, "MouseMove", MouseParams()),
            Event(Events::MouseUp, "MouseUp", MouseParams()),
        });
    return table;
}

}  // namespace panelkit2::host
