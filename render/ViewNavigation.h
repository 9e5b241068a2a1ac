#pragma once

#include "document/GraphView.h"

#include <optional>

namespace plovex {

// How much one wheel notch or one Zoom In stretches the picture; Zoom Out divides by it.
inline constexpr double kZoomStep = 1.25;

// The view after zooming by `xFactor` and `yFactor` about the pixel `px` right of and `py`
// above the area's centre: each scale is multiplied in double and rounded once to float, and
// the offsets change so that the graph point at that pixel stays there. None when the new
// view could not be drawn sensibly on a `width` by `height` area (see ViewUsable).
std::optional<GraphView> ZoomAbout(const GraphView& view, double xFactor, double yFactor, double px,
    double py, int width, int height);

// Whether scales multiplied by these factors (in double, rounded to float) stay finite and
// not zero: a refused zoom that fails this went beyond the range of numbers.
bool ZoomKeepsScales(const GraphView& view, double xFactor, double yFactor);

// The picture follows the pointer: `right` pixels to the right and `down` pixels down.
GraphView PanBy(const GraphView& view, double right, double down);

// Scales 10 and no offset, the view of a new graph; the quality stays.
GraphView ResetView(const GraphView& view);

// The y scale set to the x scale, so that circles look round, the graph point at the centre
// staying there. None when that view is not usable.
std::optional<GraphView> EqualScales(const GraphView& view, int width, int height);

// Whether every scale is finite and not zero, the offsets finite, and neighbouring columns
// (and rows) of the area still stand for different float graph coordinates.
bool ViewUsable(const GraphView& view, int width, int height);

} // namespace plovex
