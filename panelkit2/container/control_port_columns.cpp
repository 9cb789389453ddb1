// ControlPort: the horizontal layout. The non-command controls share one centred column
// (numeric boxes a narrower one of their own, string and combo fields aligned caption and
// field columns); command buttons, all as wide as the widest, stand in centred rows.

#include <algorithm>
#include <vector>

#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/container/child_members.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/container/layout_numbers.hpp"
#include "panelkit2/container/member_cache.hpp"

namespace panelkit2 {

namespace {

constexpr double kLeftMargin = 50;
constexpr double kButtonGap = 50;
constexpr double kRowReserve = 150;
constexpr double kWideCapFactor = 0.3;
constexpr int32_t kFieldColumnOffset = 500;
constexpr double kGap = 100;

enum class KindGroup { Wide, Numeric, Plain };

KindGroup GroupOf(int16_t kind) {
    switch (static_cast<ControlID>(kind)) {
        case ControlID::List:
        case ControlID::MultiList:
        case ControlID::StringBox:
        case ControlID::Combo:
        case ControlID::ContinuousSlide:
        case ControlID::Slide:
        case ControlID::TextArea:
            return KindGroup::Wide;
        case ControlID::NumBox:
        case ControlID::RealNumBox:
            return KindGroup::Numeric;
        default:
            return KindGroup::Plain;
    }
}

bool HasCaptionColumn(int16_t kind) {
    return kind == static_cast<int16_t>(ControlID::StringBox) ||
           kind == static_cast<int16_t>(ControlID::Combo);
}

// What one PositionLeft run gathers about its column.
struct Column {
    int32_t colWidth = 0;
    int32_t numWidth = 0;
    int32_t numField = 0;
    bool numFieldSeen = false;
    int16_t capWidth = 0;
    bool captionSeen = false;
    int16_t fieldWidth = 0;
};

struct Placed {
    ObjectRef ctl;
    KindGroup group;
    bool captioned;
};

void MeasureCaptionColumn(Dispatchable& ctl, double width, double containerWidth, Column& column) {
    const int16_t captionWidth = child::GetInteger(ctl, "CaptionWidth");
    if (column.capWidth < captionWidth) {
        column.capWidth = captionWidth;
        column.captionSeen = true;
    }
    const int16_t field = child::GetInteger(ctl, "FieldWidth");
    if (field != 0 && field < width - column.capWidth && column.fieldWidth < field &&
        field > containerWidth - column.capWidth)
        column.fieldWidth = field;
}

// Widens each control to its desired width and gathers the column widths wanted.
void MeasureColumn(const std::vector<Placed>& controls, double containerWidth, double r,
                   Column& column) {
    for (const Placed& placed : controls) {
        Dispatchable& ctl = *placed.ctl;
        const int32_t desired = child::GetLong(ctl, "DesiredWidth");
        if (child::GetSingle(ctl, "Width") < desired) child::Let(ctl, "Width", desired);
        switch (placed.group) {
            case KindGroup::Wide: {
                // Wide controls fill most of the container: 70 % less the scroll room.
                const double cap = containerWidth - kWideCapFactor * containerWidth - r;
                const double width = child::GetSingle(ctl, "Width");
                if (width < cap) column.colWidth = RoundedLong(cap);
                if (placed.captioned) MeasureCaptionColumn(ctl, width, containerWidth, column);
                column.colWidth = std::max(column.colWidth, desired);
                break;
            }
            case KindGroup::Numeric: {
                const int32_t field = child::GetLong(ctl, "FieldWidth");
                if (column.numField < field) {
                    column.numField = field;
                    column.numFieldSeen = true;
                }
                column.numWidth = std::max(column.numWidth, desired);
                break;
            }
            case KindGroup::Plain:
                column.colWidth = std::max(column.colWidth, desired);
                break;
        }
    }
}

// Gives numeric boxes one field width and string/combo fields common caption and field
// columns, then takes the widths that result into account.
void AlignFields(const std::vector<Placed>& controls, int32_t columnWidth, Column& column) {
    for (const Placed& placed : controls) {
        Dispatchable& ctl = *placed.ctl;
        if (placed.group == KindGroup::Numeric) child::Let(ctl, "FieldWidth", column.numField);
        if (placed.captioned) {
            child::Let(ctl, "Width", std::abs(columnWidth - kFieldColumnOffset));
            child::Let(ctl, "FieldWidth", column.fieldWidth);
            child::Let(ctl, "CaptionWidth", column.capWidth);
        }
        const float width = child::GetSingle(ctl, "Width");
        if (placed.group == KindGroup::Numeric && column.numWidth < width)
            column.numWidth = RoundedLong(width);
        else if (column.colWidth < width)
            column.colWidth = RoundedLong(width);
    }
}

void PlaceColumn(const std::vector<Placed>& controls, int32_t numWidth, int32_t columnWidth,
                 double containerWidth, double r) {
    for (const Placed& placed : controls) {
        Dispatchable& ctl = *placed.ctl;
        if (placed.group == KindGroup::Numeric && numWidth + r < containerWidth)
            child::MoveKeepingTop(ctl, containerWidth / 2 - numWidth / 2.0 - r, numWidth);
        else if (containerWidth - 2 * kLeftMargin - r > columnWidth)
            child::MoveKeepingTop(ctl, containerWidth / 2 - (columnWidth - r) / 2, columnWidth - r);
        else
            child::MoveKeepingTop(ctl, kLeftMargin, containerWidth - 2 * kLeftMargin - r);
    }
}

// Lefts of buttons `from`..`to` (1-based), side by side from x.
void PlaceRow(host::Collection& buttons, int32_t from, int32_t to, int32_t x) {
    for (int32_t j = from; j <= to; ++j) {
        const ObjectRef buttonRef = child::At(buttons, j);
        Dispatchable& button = *buttonRef;
        child::Let(button, "Left", x);
        x = RoundedLong(x + child::GetSingle(button, "Width") + kButtonGap);
    }
}

int32_t WidestDesiredWidth(host::Collection& buttons) {
    int32_t widest = 0;
    for (int32_t i = 1; i <= buttons.Count(); ++i)
        widest = std::max(widest, child::GetLong(*child::At(buttons, i), "DesiredWidth"));
    return widest;
}

// Fills rows left to right, centring each full row; returns rowEnds (rowEnds[0] = 0,
// rowEnds[k] = the last button of row k). A row holds at least one button, so a button
// wider than a row gets a row of its own instead of stopping the breaking.
std::vector<int32_t> BreakIntoRows(host::Collection& buttons, int32_t btnWidth,
                                   double containerWidth, double r) {
    const int32_t n = buttons.Count();
    std::vector<int32_t> rowEnds{0};
    double rowWidth = 0;
    int32_t rowStart = 1;
    for (int32_t i = 1; i <= n;) {
        child::Let(*child::At(buttons, i), "Width", btnWidth);
        rowWidth += btnWidth + kButtonGap;
        if (rowWidth > containerWidth - r - kRowReserve && i > rowStart) {
            const double full = rowWidth - btnWidth - kButtonGap;
            PlaceRow(buttons, rowStart, i - 1,
                     RoundedLong(containerWidth / 2 - (full - kButtonGap) / 2 - r));
            rowEnds.push_back(i - 1);
            rowStart = i;
            rowWidth = 0;
            continue;
        }
        ++i;
    }
    // The last row is shifted by the scroll room the other way.
    PlaceRow(buttons, rowEnds.back() + 1, n,
             RoundedLong(containerWidth / 2 - (rowWidth - kButtonGap) / 2 + r));
    rowEnds.push_back(n);
    return rowEnds;
}

void SetRowTops(host::Collection& buttons, const std::vector<int32_t>& rowEnds, int32_t top,
                int32_t tabOffset) {
    for (size_t k = 1; k < rowEnds.size(); ++k) {
        for (int32_t j = rowEnds[k - 1] + 1; j <= rowEnds[k]; ++j) {
            const ObjectRef buttonRef = child::At(buttons, j);
            Dispatchable& button = *buttonRef;
            child::Let(button, "Top", top);
            child::Let(button, "TabIndex", IntegerPosition(int64_t{j} + tabOffset - 1));
        }
        top = RoundedLong(top + child::GetSingle(*child::At(buttons, rowEnds[k]), "Height") +
                          kButtonGap);
    }
}

}  // namespace

void ControlPort::PositionLeft() {
    MemberCache::Scope names;
    FullReRaise(kSource.Method("PositionLeft"), [&] {
        host::Collection& visible = CtlVisible();
        if (visible.Count() == 0) return;
        const double containerWidth = W();
        const double r = ScrollRoom(static_cast<double>(mlngStackHeight) + mlngCommandHeight > H());
        std::vector<Placed> controls;
        controls.reserve(static_cast<size_t>(visible.Count()));
        for (int32_t i = 1; i <= visible.Count(); ++i) {
            const ObjectRef ctlRef = child::At(visible, i);
            Dispatchable& ctl = *ctlRef;
            const int16_t kind = child::GetInteger(ctl, "CtlID");
            controls.push_back({ctlRef, GroupOf(kind), HasCaptionColumn(kind)});
        }
        Column column;
        MeasureColumn(controls, containerWidth, r, column);
        if (column.numFieldSeen || column.captionSeen)
            AlignFields(controls, mlngColumnWidth, column);
        column.colWidth = std::max(column.colWidth, column.numWidth);
        mlngColumnWidth = std::max(mlngColumnWidth, column.colWidth);
        PlaceColumn(controls, column.numWidth, mlngColumnWidth, containerWidth, r);
        ScrollArea.Width(ToSingle(containerWidth - r));
    });
}

void ControlPort::PositionCommand() {
    MemberCache::Scope names;
    FullReRaise(kSource.Method("PositionCommand"), [&] {
        host::Collection& buttons = CtlCommand();
        const int32_t n = buttons.Count();
        if (n == 0) return;
        host::Collection& visible = CtlVisible();
        const bool noStack = visible.Count() == 0;
        if (noStack) {
            mlngBottom = 50;
        } else {
            const ObjectRef lastRef = child::At(visible, visible.Count());
            Dispatchable& last = *lastRef;
            mlngBottom = RoundedLong(static_cast<double>(child::GetSingle(last, "Top")) +
                                     child::GetSingle(last, "Height"));
        }
        const double h = H();
        const double r = ScrollRoom(mlngBottom > h);
        const std::vector<int32_t> rowEnds =
            BreakIntoRows(buttons, WidestDesiredWidth(buttons), W(), r);
        const int16_t rows = IntegerPosition(static_cast<int64_t>(rowEnds.size()) - 1);
        const int32_t blockHeight =
            RoundedLong((child::GetSingle(*child::At(buttons, n), "Height") + kButtonGap) *
                            static_cast<double>(rows) +
                        kButtonGap);
        int32_t top = 0;
        if (mlngBottom + static_cast<double>(blockHeight) + kGap >= h || r != 0) {
            // The block follows the stack.
            top = RoundedLong(mlngBottom + kGap);
            mlngBottom = RoundedLong(static_cast<double>(mlngBottom) + blockHeight + kGap);
        } else if (noStack) {
            // Centred in an otherwise empty container.
            top = RoundedLong(h / 2 - blockHeight / 2.0 - kButtonGap);
            mlngBottom = RoundedLong(h);
        } else {
            // At the bottom of the container.
            top = RoundedLong(h - blockHeight - kGap);
        }
        SetRowTops(buttons, rowEnds, top, visible.Count());
        mblnCommandsPlaced = true;
        mlngCommandHeight = blockHeight;
        if (noStack) {
            ScrollArea.Height(H());
            mlngStackHeight = 0;
        } else {
            ScrollArea.Height(
                ToSingle(static_cast<double>(mlngStackHeight) + mlngCommandHeight - kGap));
        }
    });
}

}  // namespace panelkit2
