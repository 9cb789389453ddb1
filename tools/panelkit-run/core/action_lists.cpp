#include "tools/panelkit-run/core/action_lists.hpp"

namespace panelkit2::run {

std::string Joined(const ActionList& list) {
    std::string text;
    for (size_t i = 0; i < list.size(); ++i) {
        if (i > 0) text += ',';
        text += list[i];
    }
    return text;
}

void AppendOwner(ActionList& into, const ActionList& owner) {
    if (Joined(into).empty()) {
        into = owner;
        return;
    }
    if (owner.empty())
        into.emplace_back();
    else
        into.insert(into.end(), owner.begin(), owner.end());
}

void AppendNonEmpty(ActionList& into, const ActionList& owner) {
    if (!Joined(owner).empty()) AppendOwner(into, owner);
}

ActionList Answer(const ActionList& common, const ActionList& selected) {
    if (Joined(common).empty()) return selected;
    if (Joined(selected).empty()) return common;
    ActionList answer = common;
    answer.insert(answer.end(), selected.begin(), selected.end());
    return answer;
}

}  // namespace panelkit2::run
