#include "panelkit2/display/focus.hpp"

namespace panelkit2 {

Focus::Focus() : ControlBase("Focus") {}

}  // namespace panelkit2
