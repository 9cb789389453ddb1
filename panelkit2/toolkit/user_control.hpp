#pragma once

// The control surface: the widget on which a control places its constituents. Setting its
// Width or Height raises Resize before the assignment returns.

#include <string>
#include <string_view>
#include <vector>

#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

class UserControl : public Widget {
  public:
    explicit UserControl(std::string name, Widget* parent = nullptr);

    // Moves the surface into another parent (a container placing the control).
    void SetParent(Widget* parent);

    // Marks a persisted property as changed (the host saves changed controls).
    void PropertyChanged(std::string_view name);
    const std::vector<std::string>& ChangedProperties() const { return mcolChanged; }

    // Size of a text in the surface's font, twips.
    float TextWidth(std::string_view text) const;
    float TextHeight(std::string_view text) const;
    // The device context whose font is the surface's font (text measuring services).
    int32_t hDC() const { return WindowHandle(); }

    Signal<> Resize;
    Signal<> Show;
    Signal<> Hide;

  protected:
    void OnGeometryChanged(bool sized) override;

  private:
    std::vector<std::string> mcolChanged;
};

}  // namespace panelkit2::host
