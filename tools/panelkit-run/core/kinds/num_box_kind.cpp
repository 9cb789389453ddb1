// A whole number in a range, typed or stepped, with actions for sub-ranges of it.

#include <limits>

#include "panelkit2/range/num_box.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/ranged_number_kind.hpp"

namespace panelkit2::run {

const Kind& TheNumBoxKind() {
    static const RangedNumberKind<NumBox, int32_t> kind(
        "numbox", ControlID::NumBox,
        {.whole = true,
         .lowest = std::numeric_limits<int32_t>::min(),
         .highest = std::numeric_limits<int32_t>::max()});
    return kind;
}

}  // namespace panelkit2::run
