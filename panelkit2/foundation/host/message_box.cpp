#include "panelkit2/foundation/host/message_box.hpp"

#include "panelkit2/foundation/host/host.hpp"

namespace panelkit2::host {

void MsgBox(const std::string& text, const std::string& title) {
    Host::Current().MessageBoxes().Show(text, title);
}

}  // namespace panelkit2::host
