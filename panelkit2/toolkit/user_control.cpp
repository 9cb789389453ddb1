#include "panelkit2/toolkit/user_control.hpp"

#include <algorithm>

#include "panelkit2/toolkit/host.hpp"

namespace panelkit2::host {

UserControl::UserControl(std::string name, Widget* parent)
    : Widget(WidgetKind::Surface, parent, std::move(name)) {}

void UserControl::SetParent(Widget* parent) {
    Reparent(parent);
}

void UserControl::PropertyChanged(std::string_view name) {
    if (std::find(mcolChanged.begin(), mcolChanged.end(), name) == mcolChanged.end())
        mcolChanged.emplace_back(name);
}

float UserControl::TextWidth(std::string_view text) const {
    // The widest line of a multi-line text.
    const auto& host = Host::Current();
    int32_t widest = 0;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find('\n', start);
        auto line = text.substr(start, end == std::string_view::npos ? text.npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        widest = std::max(widest, host.Metrics().TextWidthPixels(line));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return static_cast<float>(widest) * host.TwipsPerPixelX();
}

float UserControl::TextHeight(std::string_view text) const {
    const auto& host = Host::Current();
    const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
    return static_cast<float>(lines * host.Metrics().LineHeightPixels()) * host.TwipsPerPixelY();
}

void UserControl::OnGeometryChanged(bool sized) {
    if (sized) Resize.Emit();
}

}  // namespace panelkit2::host
