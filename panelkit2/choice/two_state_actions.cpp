#include "panelkit2/choice/two_state_actions.hpp"

#include "panelkit2/controls/action_list.hpp"
#include "panelkit2/automation/numeric.hpp"

namespace panelkit2 {

void TwoStateActions::NameOption(std::string_view text) {
    const std::string option = ToUpper(text);
    if (option != "TRUE" && option != "FALSE") return;
    mblnTrueOption = option == "TRUE";
    mblnOptionMode = true;
}

void TwoStateActions::Route(std::string_view text) {
    if (!mblnOptionMode)
        AppendAction(mstrCommonAction, text);
    else
        AppendAction(mblnTrueOption ? mstrTrueAction : mstrFalseAction, text);
}

std::string TwoStateActions::Selected(bool trueState) const {
    return JoinActions(mstrCommonAction, trueState ? mstrTrueAction : mstrFalseAction);
}

void TwoStateActions::Reset() {
    *this = TwoStateActions{};
}

}  // namespace panelkit2
