// Every option control keeps the common contract: one line per control.

#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/combo.hpp"
#include "panelkit2/choice/command.hpp"
#include "panelkit2/choice/radio.hpp"
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

using OptionControls = ::testing::Types<Check, Combo, Command, Radio, Slide>;
INSTANTIATE_TYPED_TEST_SUITE_P(Conforming, OptionControlContract, OptionControls);

}  // namespace panelkit2::test
