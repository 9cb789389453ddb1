#pragma once

// The container's view of a placed control or component: placement members answered
// late-bound on behalf of the object's own surface.

#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::host {

// Dispatch identifiers of the extender members.
namespace extender_id {
inline constexpr DispId Left = static_cast<DispId>(0x80010000);
inline constexpr DispId Top = Left + 1;
inline constexpr DispId Width = Left + 2;
inline constexpr DispId Height = Left + 3;
inline constexpr DispId Visible = Left + 4;
inline constexpr DispId Enabled = Left + 5;
inline constexpr DispId TabIndex = Left + 6;
inline constexpr DispId TabStop = Left + 7;
inline constexpr DispId ToolTipText = Left + 8;
inline constexpr DispId Move = Left + 9;
inline constexpr DispId SetFocus = Left + 10;
inline constexpr DispId Name = Left + 11;
inline constexpr DispId Index = Left + 12;
}  // namespace extender_id

class Extender : public Dispatchable {
  public:
    explicit Extender(Widget& target) : mTarget(target) {}
    const InterfaceTable& Interface() const override;
    Widget& Target() const { return mTarget; }

  private:
    Widget& mTarget;
};

}  // namespace panelkit2::host
