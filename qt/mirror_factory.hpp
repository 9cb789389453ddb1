#pragma once

// The mirror for each kind of widget. A widget whose class does not match its kind is
// shown as a plain surface.

#include <memory>

#include "qt/mirror.hpp"

namespace panelkit2::qt {

std::unique_ptr<Mirror> CreateMirror(host::Widget& widget, MirrorContext& context);

}  // namespace panelkit2::qt
