#include "tools/panelkit-run/core/kind_table.hpp"

#include <string>

namespace panelkit2::run {

const std::vector<const Kind*>& AllKinds() {
    static const std::vector<const Kind*> kinds = {
        &TheCheckKind(),      &TheComboKind(),     &TheCommandKind(),   &TheContinuousSlideKind(),
        &TheListKind(),       &TheMultiListKind(), &TheNumBoxKind(),    &TheRadioKind(),
        &TheRealNumBoxKind(), &TheSlideKind(),     &TheStringBoxKind(), &TheTextAreaKind(),
    };
    return kinds;
}

const Kind* FindKind(std::string_view name) {
    for (const Kind* kind : AllKinds())
        if (kind->Name() == name) return kind;
    return nullptr;
}

std::string KindNames() {
    std::string names;
    for (const Kind* kind : AllKinds())
        names += (names.empty() ? "" : ", ") + std::string(kind->Name());
    return names;
}

}  // namespace panelkit2::run
