// Every option control keeps the common contract: one line per control.

#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/combo.hpp"
#include "panelkit2/choice/command.hpp"
#include "panelkit2/choice/radio.hpp"
#include "panelkit2/range/num_box.hpp"
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

using OptionControls = ::testing::Types<Check, Combo, Command, Radio, Slide, NumBox>;
INSTANTIATE_TYPED_TEST_SUITE_P(Conforming, OptionControlContract, OptionControls);

}  // namespace panelkit2::test
