#pragma once

// The name a screen reader gives a model widget, taken from a caption: the widget's own
// caption (a label, a check box, a button, a frame). A widget that takes input and has no
// caption of its own takes the caption of the label that stands for it in its parent, the
// way the controls place their captions: a visible label on the same row (the nearest one),
// else the nearest visible label above it; without one, its parent's tool tip, then its
// own (the controls keep their caption in the tool tips of their parts). Any other widget
// takes its own tool tip.

#include <string>

#include "panelkit2/toolkit/widget.hpp"

namespace panelkit2::qt {

std::string AccessibleNameOf(const host::Widget& widget);

bool IsLabel(const host::Widget& widget);
// Whether a person works the widget (fields, lists, boxes, buttons, tracks, bars): such a
// widget is named after a label beside it.
bool TakesInput(const host::Widget& widget);

}  // namespace panelkit2::qt
