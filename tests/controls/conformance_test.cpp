// Every option control keeps the common contract: one line per control.

#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/combo.hpp"
#include "panelkit2/choice/command.hpp"
#include "panelkit2/choice/list.hpp"
#include "panelkit2/choice/multi_list.hpp"
#include "panelkit2/choice/radio.hpp"
#include "panelkit2/choice/string_box.hpp"
#include "panelkit2/choice/text_area.hpp"
#include "panelkit2/range/continuous_slide.hpp"
#include "panelkit2/range/num_box.hpp"
#include "panelkit2/range/real_num_box.hpp"
#include "panelkit2/range/slide.hpp"
#include "support/option_control_contract.hpp"

namespace panelkit2::test {

// A slide is laid out from two ticks on.
template <>
struct ContractSample<Slide> {
    static void AddOptions(Dispatchable& control) {
        Get(control, "AddOption", "low");
        Get(control, "AddOption", "high");
    }
};

// A number box's options are sub-ranges; a new control holds 0.
template <>
struct ContractSample<NumBox> {
    static void AddOptions(Dispatchable& control) { Get(control, "AddOption", 0, 10); }
};

// So is a real number box's, in single precision.
template <>
struct ContractSample<RealNumBox> {
    static void AddOptions(Dispatchable& control) { Get(control, "AddOption", 0.0, 10.5); }
};

// A continuous slide's options are sub-ranges of values; a new control stands at 0.
template <>
struct ContractSample<ContinuousSlide> {
    static void AddOptions(Dispatchable& control) { Get(control, "AddOption", 0, 1); }
};

// A cleared list is empty, without the blank entry of a new one, and so not shown. Its
// load reads as many items as a new control holds (one) and routes their actions through
// the Action property, where they become common ones; and an element width of 0 comes
// back as 2600.
template <>
struct ContractRules<List> {
    static ContractView Cleared(ContractView fresh) {
        fresh.show = false;
        return fresh;
    }
    static constexpr bool kLoadKeepsKeys = false;
};

// So does its multi-selection twin.
template <>
struct ContractRules<MultiList> : ContractRules<List> {};

// A string box saves its width only where it differs from its first field's, which a
// caption narrows: the control loaded has no caption, so the width is then the default.
template <>
struct ContractRules<StringBox> {
    static ContractView Cleared(ContractView fresh) { return fresh; }
    static constexpr bool kLoadKeepsKeys = false;
};

using OptionControls =
    ::testing::Types<Check, Combo, Command, Radio, Slide, NumBox, List, ContinuousSlide, RealNumBox,
                     StringBox, MultiList, TextArea>;
INSTANTIATE_TYPED_TEST_SUITE_P(Conforming, OptionControlContract, OptionControls);

}  // namespace panelkit2::test
