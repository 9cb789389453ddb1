// A track of named steps (ticks), each with its actions and an optional help text that pops
// up when the thumb settles on it. The value is the tick's caption. A track needs two
// steps to be shown at all.

#include "panelkit2/range/slide.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/chosen_text_kind.hpp"

namespace panelkit2::run {

const Kind& TheSlideKind() {
    static const ChosenTextKind<Slide> kind(
        {"slide",
         ControlID::Slide,
         "ticks",
         {.textKey = "caption", .help = true, .least = 2},
         [](Slide& slide, std::string_view text) { slide.AddTick(text); }});
    return kind;
}

}  // namespace panelkit2::run
