#pragma once

// What the kinds with named options share: reading a list of options (texts with their
// actions and help) from the file, finding one by its text, and refusing a value that names
// none. Also the two named states of check boxes and push buttons.

#include <string>
#include <string_view>
#include <vector>

#include "tools/panelkit-run/core/action_lists.hpp"
#include "tools/panelkit-run/core/assistant.hpp"

namespace panelkit2::run {

class TableReader;

struct OptionFields {
    // The key of an option's text ("text", "caption").
    std::string_view textKey = "text";
    bool help = false;
    // Fewer options than this is a mistake.
    size_t least = 1;
    // Characters an option text may not hold (the separator of a joined selection).
    std::string_view forbidden = {};
};

// The list under `key`: tables of a text, its actions and (when asked for) help. Texts are
// unique within the list.
std::vector<Option> ReadOptions(TableReader& fields, std::string_view key, const OptionFields& how);

const Option* FindOption(const std::vector<Option>& options, std::string_view text);
// "one of \"a\", \"b\"" for messages.
std::string OptionChoices(const std::vector<Option>& options);
// Why `value` is not the text of one of the options; empty when it is.
std::string RefuseOptionText(const std::vector<Option>& options, const Json& value);
// The actions of the option named `text`, none when there is no such option.
ActionList ActionsOf(const std::vector<Option>& options, std::string_view text);

// The states "TRUE" and "FALSE" of a check box or push button, under "options", each at
// most once; texts are compared without regard to case and kept upper-cased.
std::vector<Option> ReadStates(TableReader& fields);
ActionList StateActions(const std::vector<Option>& states, bool state);
std::string RefuseBoolean(const Json& value);

}  // namespace panelkit2::run
