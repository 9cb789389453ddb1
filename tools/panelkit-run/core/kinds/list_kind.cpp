// A list box: one item out of a list, the first chosen until another is.

#include "panelkit2/choice/list.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/chosen_text_kind.hpp"

namespace panelkit2::run {

const Kind& TheListKind() {
    static const ChosenTextKind<List> kind(
        {"list", ControlID::List, "items", {}, [](List& list, std::string_view text) {
             list.AddItem(text);
         }});
    return kind;
}

}  // namespace panelkit2::run
