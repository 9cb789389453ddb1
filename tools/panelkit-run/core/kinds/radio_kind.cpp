// Option buttons: one option out of several, the first chosen until another is.

#include "panelkit2/choice/radio.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/chosen_text_kind.hpp"

namespace panelkit2::run {

const Kind& TheRadioKind() {
    static const ChosenTextKind<Radio> kind(
        {"radio", ControlID::Radio, "options", {}, [](Radio& radio, std::string_view text) {
             radio.AddOption(text);
         }});
    return kind;
}

}  // namespace panelkit2::run
