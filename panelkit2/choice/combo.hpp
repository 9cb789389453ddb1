#pragma once

// Combo: a vertical stack of elements, each a drop-down list with a caption label to its
// left. The host decides how many elements there are, fills each with items and attaches
// actions to single items of single elements; the answer joins the picked texts with "|"
// and the actions of the picked items with ",". Actions live in a table of records
// addressed by (element, item), apart from the lists.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "panelkit2/choice/caption_columns.hpp"
#include "panelkit2/choice/option_rows.hpp"
#include "panelkit2/controls/option_control.hpp"
#include "panelkit2/toolkit/combo_box.hpp"
#include "panelkit2/toolkit/widget_array.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

class Combo : public OptionControl {
  public:
    Combo();

    const InterfaceTable& Interface() const override;
    static const InterfaceTable& ClassInterface();

    int16_t ElementHeight() const noexcept { return mintElementHeight; }
    void ElementHeight(int16_t value);
    int16_t ElementWidth() const noexcept { return mintElementWidth; }
    void ElementWidth(int16_t value);
    std::string Caption(int16_t idx) const;
    void Caption(int16_t idx, std::string_view value);
    // The widths the first caption and the widest appended item need, not those imposed.
    int16_t CaptionWidth() const;
    void CaptionWidth(int16_t value);
    int16_t FieldWidth() const noexcept { return mintWidestItem; }
    void FieldWidth(int16_t value);
    int32_t Bottom(int16_t idx) const;
    int32_t Right(int16_t idx) const;
    int16_t ArrayCount() const noexcept { return mRows.Count(); }
    void ArrayCount(int16_t value);
    bool IsEmpty() const;
    bool Show() const override;
    // Index family: an element that does not exist ends quietly and writes the highest
    // element index into `idx`.
    std::string Selected(int16_t& idx) const;
    void Selected(int16_t& idx, std::string_view value);
    // Index family: a table without records ends quietly and writes the index of the last
    // record into `idx`.
    std::string Action(int16_t& idx, int16_t& idxItem) const;
    void Action(int16_t& idx, int16_t& idxItem, std::string_view value);

    void Clear() override;
    void AddItem(int16_t idx, std::string_view vNewData);
    int16_t ItemCount(int16_t idx) const;
    void AddOption(std::string_view vData);
    void SetSelectedOption(std::string_view strItem);
    std::string GetSelectedOption() const;
    std::string GetSelectedAction() const override;

    // Constituents, for hosts and views that look inside.
    const host::WidgetArray<host::ComboBox>& Lists() const { return mRows.Fields(); }
    const host::WidgetArray<host::WrapLabel>& CaptionLabels() const { return mRows.Labels(); }

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override;
    void UserControl_ReadProperties(host::PropertyBag& bag) override;
    void ApplyCaption(std::string_view text) override;
    void RouteAction(std::string_view text) override;
    void PaintForeColor(host::OleColor value) override { mRows.LabelAt(0).ForeColor(value); }
    void PaintBackColor(host::OleColor value) override { mRows.LabelAt(0).BackColor(value); }

  private:
    static constexpr int16_t kDefaultElementHeight = 255;

    struct ActionRecord {
        int16_t idx = 0;
        int16_t idxItem = 0;
        std::string action;
    };

    void UserControl_Initialize();
    void Paint();
    void UserControl_Resize();
    void StoreAction(int16_t idx, int16_t idxItem, std::string_view value);
    // Members without a quiet end report a missing element as the array does (340).
    host::ComboBox& List(int32_t idx) const { return mRows.Fields()[idx]; }
    host::WrapLabel& Label(int32_t idx) const { return mRows.Labels()[idx]; }
    int16_t LastElement() const noexcept { return mRows.MaxIndex(); }

    // The elements: the lists, named "Combo" among the constituents, and wlCaption.
    OptionRows<host::ComboBox> mRows;
    CaptionColumns mColumns;

    int16_t mintElementHeight = kDefaultElementHeight;
    int16_t mintElementWidth = 0;
    int16_t mintActionCount = 0;
    bool mblnActionStored = false;
    // No records until the first Clear or Action let.
    std::vector<ActionRecord> mActions;
    int16_t mintWidestItem = 0;
    // mblnOptionMode is the "an item was added" switch: until then actions are common.
};

}  // namespace panelkit2
