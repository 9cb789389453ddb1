// Every option control keeps the common contract: one line per control.

#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/combo.hpp"
#include "panelkit2/choice/command.hpp"
#include "panelkit2/choice/radio.hpp"
#include "support/option_control_contract.hpp"

namespace panelkit2::test {

using OptionControls = ::testing::Types<Check, Combo, Command, Radio>;
INSTANTIATE_TYPED_TEST_SUITE_P(Conforming, OptionControlContract, OptionControls);

}  // namespace panelkit2::test
