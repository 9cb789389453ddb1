#include "panelkit2/toolkit/message_box.hpp"

#include "panelkit2/toolkit/host.hpp"

namespace panelkit2::host {

void MsgBox(const std::string& text, const std::string& title) {
    Host::Current().MessageBoxes().Show(text, title);
}

}  // namespace panelkit2::host
