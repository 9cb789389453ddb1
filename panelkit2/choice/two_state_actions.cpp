#include "panelkit2/choice/two_state_actions.hpp"

#include "panelkit2/automation/numeric.hpp"

namespace panelkit2 {

bool TwoStateActions::NameOption(std::string_view text) {
    const std::string option = ToUpper(text);
    if (option != "TRUE" && option != "FALSE") return false;
    mblnTrueOption = option == "TRUE";
    return true;
}

}  // namespace panelkit2
