#pragma once

// The actions of a control whose two states are named by the option texts "TRUE" and
// "FALSE" (a check box, a push button). Actions attached before a state was named are
// common to both; afterwards each goes to the state named last.

#include <string>
#include <string_view>

namespace panelkit2 {

struct TwoStateActions {
    std::string mstrCommonAction;
    bool mblnOptionMode = false;
    bool mblnTrueOption = false;
    std::string mstrTrueAction;
    std::string mstrFalseAction;

    // "TRUE" or "FALSE" (in any case) names the state that later actions belong to; any
    // other text is ignored.
    void NameOption(std::string_view text);
    // Appends an action to the common list or to the list of the state named last.
    void Route(std::string_view text);
    // Common actions, then those of the given state.
    std::string Selected(bool trueState) const;
    void Reset();
};

}  // namespace panelkit2
