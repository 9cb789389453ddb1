#include "qt/color_resolver.hpp"

#include <array>

namespace panelkit2::qt {

namespace {
constexpr host::OleColor kSystemBit = 0x80000000;

// Indexed by system colour number (scroll bar, desktop, active caption, ... menu bar).
constexpr std::array<QPalette::ColorRole, 31> kSystemRoles = {
    QPalette::Button,
    QPalette::Window,
    QPalette::Highlight,
    QPalette::Mid,
    QPalette::Window,
    QPalette::Base,
    QPalette::Shadow,
    QPalette::WindowText,
    QPalette::Text,
    QPalette::HighlightedText,
    QPalette::Window,
    QPalette::Window,
    QPalette::Dark,
    QPalette::Highlight,
    QPalette::HighlightedText,
    QPalette::Button,
    QPalette::Dark,
    QPalette::PlaceholderText,
    QPalette::ButtonText,
    QPalette::WindowText,
    QPalette::Light,
    QPalette::Shadow,
    QPalette::Midlight,
    QPalette::ToolTipText,
    QPalette::ToolTipBase,
    QPalette::Window,
    QPalette::Link,
    QPalette::Highlight,
    QPalette::Mid,
    QPalette::Highlight,
    QPalette::Window,
};
}  // namespace

QPalette::ColorRole ColorResolver::SystemRole(uint32_t index) {
    return index < kSystemRoles.size() ? kSystemRoles[index] : QPalette::Window;
}

QColor ColorResolver::Resolve(host::OleColor color) const {
    if (color & kSystemBit) return mPalette.color(QPalette::Active, SystemRole(color & 0xFF));
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

}  // namespace panelkit2::qt
