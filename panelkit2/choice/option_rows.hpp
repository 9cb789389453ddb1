#pragma once

// The rows of a choice control that grows a row at a time: per row a field (an option
// button, a drop-down list, a text field) and a caption label, two widget arrays indexed
// together from 0 to MaxIndex. Row 0 exists from the start and stays.
//
// What such controls share lives here: counting the rows, destroying them from the top and
// creating them one step below the row before, the first AddOption that names row 0
// instead of adding a row, a row's actions in its field's tag, the quiet ends of the
// indexed members (the index family) and the tool tips that mirror a row's caption.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/mod_error.hpp"
#include "panelkit2/controls/action_list.hpp"
#include "panelkit2/toolkit/widget_array.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

template <class Field>
class OptionRows {
  public:
    OptionRows(host::Widget* parent, std::string fieldName, std::string labelName)
        : mFields(parent, std::move(fieldName)), mLabels(parent, std::move(labelName)) {}

    int16_t MaxIndex() const noexcept { return mintMaxIndex; }
    int16_t Count() const noexcept { return static_cast<int16_t>(mintMaxIndex + 1); }
    bool Holds(int32_t idx) const noexcept { return idx >= 0 && idx <= mintMaxIndex; }

    // Error 9 for an index without a row, whatever the array would say (340), so that the
    // quiet ends of the index family see it.
    Field& FieldAt(int32_t idx) const { return Existing(mFields, idx); }
    host::WrapLabel& LabelAt(int32_t idx) const { return Existing(mLabels, idx); }
    host::WidgetArray<Field>& Fields() noexcept { return mFields; }
    const host::WidgetArray<Field>& Fields() const noexcept { return mFields; }
    host::WidgetArray<host::WrapLabel>& Labels() noexcept { return mLabels; }
    const host::WidgetArray<host::WrapLabel>& Labels() const noexcept { return mLabels; }

    // Makes `count` rows (see SetMaxIndex). Fewer than 1 is error 380 before anything
    // changes: row 0 cannot be destroyed.
    template <class Place>
    bool SetCount(int16_t count, double step, Place&& place) {
        if (count < 1) RaiseStandard(err::InvalidPropertyValue);
        return SetMaxIndex(static_cast<int16_t>(count - 1), step, std::forward<Place>(place));
    }

    // Makes `last` the highest row: destroys the rows above it, highest first, or creates
    // the missing ones (see GrowTo). False when it already is, and nothing is done.
    template <class Place>
    bool SetMaxIndex(int16_t last, double step, Place&& place) {
        if (last == mintMaxIndex) return false;
        DropRowsAbove(last);
        GrowTo(last, step, std::forward<Place>(place));
        return true;
    }

    // Destroys every row above `last`, field before label, starting from the highest field
    // there is (rows a reused control still has go too). MaxIndex follows each row
    // destroyed, so a failure part-way (row 0 cannot go) leaves it on the rows there are.
    void DropRowsAbove(int16_t last) {
        for (int16_t i = mFields.UBound(); i > last; --i) {
            mFields.Unload(i);
            if (mLabels.Exists(i)) mLabels.Unload(i);
            if (mintMaxIndex >= i) mintMaxIndex = static_cast<int16_t>(i - 1);
        }
    }

    // Creates the rows up to `last`. Each counts as soon as its field and label exist; its
    // field then stands `step` below the field of the row before, visible and without
    // actions of its own (a loaded field copies row 0's tag), and `place(i, field, label)`
    // does what the control adds. A new label stays hidden.
    template <class Place>
    void GrowTo(int16_t last, double step, Place&& place) {
        while (mintMaxIndex < last) {
            const auto i = static_cast<int16_t>(mintMaxIndex + 1);
            Field& field = mFields.Load(i);
            host::WrapLabel& label = mLabels.Load(i);
            mintMaxIndex = i;
            field.Top(TopBelow(i, step));
            field.Visible(true);
            field.Tag({});
            place(i, field, label);
        }
    }

    // `step` below the top of the field of the row before `idx`.
    float TopBelow(int16_t idx, double step) const {
        return static_cast<float>(double(FieldAt(idx - 1).Top()) + step);
    }

    // Stacks the rows `step` apart again below row 0, which stays where it is:
    // `each(i, field, top)` puts row i at `top`, which follows from where row i - 1 went.
    template <class Each>
    void Restack(double step, Each&& each) const {
        for (int16_t i = 0; i <= mintMaxIndex; ++i) {
            Field& field = FieldAt(i);
            each(i, field, i == 0 ? field.Top() : TopBelow(i, step));
        }
    }

    // The row the next AddOption names: row 0 the first time after a new start, otherwise
    // the row `addRow` appends.
    template <class AddRow>
    int16_t NextOptionRow(AddRow&& addRow) {
        if (mblnFirstOptionFree)
            mblnFirstOptionFree = false;
        else
            addRow();
        return mintMaxIndex;
    }
    // The next AddOption names row 0 again.
    void FreeFirstRow() noexcept { mblnFirstOptionFree = true; }

    // Index family: error 9 ends quietly, handing the highest row index back through `idx`;
    // a getter returns what it had found so far.
    template <class Result, class Body>
    Result Indexed(const ProcedureSource& source, int16_t& idx, Result found, Body&& body) const {
        return IndexFamily(source, std::move(found), std::forward<Body>(body),
                           [&] { idx = mintMaxIndex; });
    }

    // A row's actions are the tag of its field.
    const std::string& RowActions(int32_t idx) const { return FieldAt(idx).Tag(); }
    void AppendRowAction(int32_t idx, std::string_view text) const {
        Field& field = FieldAt(idx);
        std::string list = field.Tag();
        AppendAction(list, text);
        field.Tag(std::move(list));
    }

    // The tool tips of a row's label and field show its whole caption.
    void MirrorCaption(int32_t idx, std::string_view text) const {
        LabelAt(idx).ToolTipText(std::string(text));
        FieldAt(idx).ToolTipText(std::string(text));
    }

  private:
    template <class W>
    static W& Existing(const host::WidgetArray<W>& array, int32_t idx) {
        W* element = array.Find(idx);
        if (!element) RaiseStandard(err::SubscriptOutOfRange);
        return *element;
    }

    host::WidgetArray<Field> mFields;
    host::WidgetArray<host::WrapLabel> mLabels;
    int16_t mintMaxIndex = 0;
    bool mblnFirstOptionFree = true;
};

}  // namespace panelkit2
