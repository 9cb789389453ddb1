#include "tools/panelkit-run/core/run_result.hpp"

namespace panelkit2::run {

std::string RunResult::Actions() const {
    std::string joined;
    for (const PageResult& page : pages) {
        if (page.actions.empty()) continue;
        if (!joined.empty()) joined += ',';
        joined += page.actions;
    }
    return joined;
}

Json RunResult::ToJson() const {
    Json pageList = Json::array();
    for (const PageResult& page : pages) {
        Json controls = Json::array();
        for (const ControlResult& control : page.controls)
            controls.push_back({{"id", control.id},
                                {"kind", control.kind},
                                {"value", control.value},
                                {"actions", control.actions}});
        pageList.push_back({{"id", page.id},
                            {"caption", page.caption},
                            {"actions", page.actions},
                            {"controls", std::move(controls)}});
    }
    return {{"assistant", title}, {"pages", std::move(pageList)}, {"actions", Actions()}};
}

}  // namespace panelkit2::run
