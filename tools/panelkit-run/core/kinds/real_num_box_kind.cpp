// A real number (single precision) in a range, typed or stepped, with actions for
// sub-ranges of it.

#include <limits>

#include "panelkit2/range/real_num_box.hpp"
#include "tools/panelkit-run/core/kind_table.hpp"
#include "tools/panelkit-run/core/kinds/ranged_number_kind.hpp"

namespace panelkit2::run {

const Kind& TheRealNumBoxKind() {
    static const RangedNumberKind<RealNumBox, float> kind(
        "realnumbox", ControlID::RealNumBox,
        {.lowest = -std::numeric_limits<float>::max(),
         .highest = std::numeric_limits<float>::max()});
    return kind;
}

}  // namespace panelkit2::run
