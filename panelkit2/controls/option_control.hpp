#pragma once

// What every option control offers its container and host: its kind, the width it needs,
// its colours, the caption and action filling members and its answer. A control adds its
// own options, selection, layout and persisted keys; where controls differ in a shared
// member (which text names the control's caption, where an action goes, whether help is
// shown, which constituents take the colours) it says so through the hooks below.

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit2/automation/error_source.hpp"
#include "panelkit2/controls/control_base.hpp"
#include "panelkit2/controls/control_id.hpp"
#include "panelkit2/toolkit/wrap_label.hpp"

namespace panelkit2 {

class OptionControl : public ControlBase {
  public:
    int16_t CtlID() const noexcept { return static_cast<int16_t>(mDesign.kind); }
    // Width in twips the control needs to show its caption and fields without clipping.
    int32_t DesiredWidth() const noexcept { return mlngDesiredWidth; }
    host::OleColor ForeColor() const noexcept { return UserControl.ForeColor(); }
    void ForeColor(host::OleColor value);
    host::OleColor BackColor() const noexcept { return UserControl.BackColor(); }
    void BackColor(host::OleColor value);

    // Whether the container lays the control out.
    virtual bool Show() const { return true; }
    virtual void SetCaption(std::string_view text) { ApplyCaption(text); }
    virtual void AddCaption(std::string_view text) { ApplyCaption(text); }
    // Controls that show no help ignore it.
    virtual void AddHelp(std::string_view text) { (void)text; }
    // Attaches an action to the option added last, or to the control's common actions
    // while no option takes them yet.
    void AddAction(std::string_view text);
    // The actions of what the user chose, the common ones first; empty when none apply.
    virtual std::string GetSelectedAction() const = 0;
    // Back to the state of a new control.
    virtual void Clear() = 0;

  protected:
    struct Design {
        ControlID kind;
        // The class name its error sources carry.
        std::string_view sourceName;
        // DesiredWidth of a new or cleared control.
        int32_t initialDesiredWidth;
        // Whether a ForeColor let marks the property changed.
        bool notifiesForeColor = true;
        // The whole source AddAction reports under, for a class that spells it its own way;
        // empty for the usual "PanelKit::" + class name + ".AddAction".
        std::string_view addActionSource = {};
        // The property a ForeColor let marks changed, for a class that names it its own way.
        std::string_view foreColorProperty = "ForeColor";
        // Whether a ForeColor let colours the control's own surface too, or only the
        // constituents PaintForeColor passes it on to.
        bool foreColorOnSurface = true;
    };

    OptionControl(std::string name, const Design& design);

    const ErrorSource& Source() const noexcept { return mSource; }

    // The control's own caption (SetCaption and AddCaption).
    virtual void ApplyCaption(std::string_view text) = 0;
    // Where AddAction puts an action (the control's Action let).
    virtual void RouteAction(std::string_view text) = 0;
    // Passes a new colour on to the constituents that show it.
    virtual void PaintForeColor(host::OleColor value) { (void)value; }
    virtual void PaintBackColor(host::OleColor value) { (void)value; }

    // Appends to the common actions until the control routes actions to its options, then
    // to `optionList`.
    void AppendRouted(std::string& optionList, std::string_view text);
    // The common actions, "," when both parts have text, then `selected`.
    std::string Answer(std::string_view selected) const;
    // Common actions, routing and desired width as in a new control.
    void ResetContract();
    // The text of a caption label, read under the control's "Caption(Get)" source.
    std::string CaptionOf(const host::WrapLabel& label) const;
    // The sizing switch cycle: the label takes the one-line width of the text.
    static void SizeToText(host::WrapLabel& label, std::string_view text);

    void WriteColours(host::PropertyBag& bag);
    void ReadColours(host::PropertyBag& bag);
    // A colour key read without a default: a bag without it gives black.
    static host::OleColor ReadColour(const host::PropertyBag& bag, std::string_view key);

    bool mblnLayoutBusy = false;
    std::string mstrCommonAction;
    bool mblnOptionMode = false;
    int32_t mlngDesiredWidth;

  private:
    Design mDesign;
    ErrorSource mSource;
};

}  // namespace panelkit2
