#pragma once

#include "document/GraphView.h"
#include "render/TracedCurve.h"

#include <vector>

namespace plovex {

class Program;

// The polylines of y = f(x) on a width by height area, from the renderer's own samples (the
// same offsets px, the same x, the same scaled value y): each sample lies at (hw + px,
// hh - (y - yOffset)), inside the pixel the raster picture sets for it, and is joined to the
// sample before it. The line breaks at a sample whose value is not finite, between two
// samples more than `height` pixels apart, and between two samples on either side of 0 where
// |f| halfway between them is larger than at the one of its own sign (a pole, not a root:
// tan(x) at scale 1, where the samples beside a pole lie on the area), so that no line crosses a
// pole; what lies outside the area (with a margin of 2 pixels) is cut off.
std::vector<Polyline> TraceExplicit(
    const GraphView& view, const Program& program, bool derivative, int width, int height);

} // namespace plovex
