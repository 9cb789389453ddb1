#pragma once

// What a mirror needs from the view that owns it.

#include <functional>

#include "qt/color_resolver.hpp"
#include "qt/pixel_scale.hpp"

namespace panelkit2::qt {

class MirrorContext {
  public:
    virtual ~MirrorContext() = default;

    virtual PixelScale Scale() const = 0;
    virtual const ColorResolver& Colors() const = 0;
    // Runs one piece of real input through the model's user-input entry points, then shows
    // what it changed. Errors the model raises are reported, never thrown into Qt; widgets
    // the input destroys keep their QWidgets until Qt has finished delivering the event.
    virtual void RunInput(const std::function<void()>& input) = 0;
    // False while a message box is open: the model may be half-way through a change, so
    // what a QWidget asks of it later (the lines of a caption it paints) must wait.
    virtual bool ModelSettled() const = 0;
};

}  // namespace panelkit2::qt
