#include "tools/panelkit-run/core/assistant.hpp"

namespace panelkit2::run {

const Page* Assistant::PageOf(std::string_view controlId) const {
    for (const Page& page : pages)
        for (const ControlDef& control : page.controls)
            if (control.id == controlId) return &page;
    return nullptr;
}

const ControlDef* Assistant::FindControl(std::string_view controlId) const {
    for (const Page& page : pages)
        for (const ControlDef& control : page.controls)
            if (control.id == controlId) return &control;
    return nullptr;
}

const Page* Assistant::FindPage(std::string_view pageId) const {
    for (const Page& page : pages)
        if (page.id == pageId) return &page;
    return nullptr;
}

}  // namespace panelkit2::run
