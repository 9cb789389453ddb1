#pragma once

// The action lists of the two states of a check box or a push button, named by the option
// texts "TRUE" and "FALSE" (in any case). Actions go to the state named last.

#include <string>
#include <string_view>

namespace panelkit2 {

struct TwoStateActions {
    bool mblnTrueOption = false;
    std::string mstrTrueAction;
    std::string mstrFalseAction;

    // Names the state later actions belong to; false for any other text, which is ignored.
    bool NameOption(std::string_view text);
    // The list of the state named last.
    std::string& Named() { return mblnTrueOption ? mstrTrueAction : mstrFalseAction; }
    const std::string& Of(bool trueState) const {
        return trueState ? mstrTrueAction : mstrFalseAction;
    }
    void Reset() { *this = TwoStateActions{}; }
};

}  // namespace panelkit2
