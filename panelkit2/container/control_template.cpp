#include "panelkit2/container/control_template.hpp"

#include <array>
#include <initializer_list>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2 {

namespace {

using Entry = std::pair<std::string_view, Variant>;

// Colours are stored as the Long an OLE colour is persisted as.
const Variant kFace = static_cast<int32_t>(host::colors::ButtonFace);
const Variant kText = static_cast<int32_t>(host::colors::ButtonText);

host::PropertyBag Persisted(std::initializer_list<Entry> entries) {
    host::PropertyBag bag;
    for (const auto& [key, value] : entries) bag.WriteProperty(key, value);
    return bag;
}

ControlTemplate Make(ControlID kind, std::string_view name, std::string_view progId, float width,
                     float height, std::initializer_list<Entry> entries) {
    return {kind, name, progId, width, height, Persisted(entries)};
}

std::array<ControlTemplate, kControlIDCount> BuildTemplates() {
    using K = ControlID;
    const auto h = [](int32_t v) { return Entry{"height", v}; };
    const auto w = [](int32_t v) { return Entry{"width", v}; };
    const Entry back{"backcolor", kFace};
    const Entry fore{"forecolor", kText};
    return {{
        Make(K::Check, "Check1", "PanelKit2.Check", 1695, 375, {h(375), w(1695), back, fore}),
        Make(K::Combo, "Combo1", "PanelKit2.Combo", 2730, 360, {h(360), back, fore}),
        Make(K::CommandButton, "Command1", "PanelKit2.Command", 975, 375,
             {h(375), w(975), back, fore}),
        Make(K::ContinuousSlide, "ContinuousSlide1", "PanelKit2.ContinuousSlide", 3855, 855,
             {h(855), w(3855), {"caption", "Caption"}}),
        Make(K::List, "List1", "PanelKit2.List", 2820, 1920,
             {{"listwidth", int32_t{2620}}, fore, back}),
        Make(K::MultiList, "MultiList1", "PanelKit2.MultiList", 2295, 1215,
             {{"listwidth", int32_t{2095}}, fore, back}),
        Make(K::NumBox, "NumBox1", "PanelKit2.NumBox", 1815, 270,
             {{"captionheight", int32_t{195}}, {"numboxheight", int32_t{285}}, h(270)}),
        Make(K::Radio, "Radio1", "PanelKit2.Radio", 2175, 495, {h(495), w(2175), back, fore}),
        Make(K::RealNumBox, "RealNumBox1", "PanelKit2.RealNumBox", 2055, 270,
             {{"captionheight", int32_t{195}},
              {"realnumboxheight", int32_t{285}},
              h(270),
              fore,
              back}),
        Make(K::Slide, "Slide1", "PanelKit2.Slide", 3570, 1020, {h(1020), w(3570), fore, back}),
        Make(K::StringBox, "StringBox1", "PanelKit2.StringBox", 3375, 255, {h(255), fore, back}),
        Make(K::TextArea, "TextArea1", "PanelKit2.TextArea", 1455, 1215, {h(1215), fore, back}),
    }};
}

}  // namespace

const ControlTemplate& TemplateOf(int32_t kind) {
    static const auto templates = BuildTemplates();
    if (kind < 0 || kind >= kControlIDCount) RaiseStandard(err::SubscriptOutOfRange);
    return templates[static_cast<size_t>(kind)];
}

}  // namespace panelkit2
