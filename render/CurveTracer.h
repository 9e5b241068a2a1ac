#pragma once

#include "document/GraphView.h"
#include "render/TracedCurve.h"

#include <vector>

namespace plovex {

struct CurveItem;
class Program;

// The polylines of a parametric or polar curve on a width by height area, from the renderer's
// own samples (the same values of t, the same points): each point lies at (hw + u, hh - v),
// u = f32(x·xScale) - xOffset and v = f32(y·yScale) - yOffset, inside the pixel the raster
// picture sets for it, and is joined to the point before it. The line breaks at a point that is
// not finite, between two points more than `width` pixels apart across or `height` pixels
// apart up or down, and where x or y crosses 0 through a pole (halfway in t it is larger than
// at the neighbour of its own sign); what lies outside the area (with a margin of 2 pixels) is
// cut off. `program` is X(t), or R(t) for a polar curve.
std::vector<Polyline> TraceCurve(
    const GraphView& view, const Program& program, const CurveItem& curve, int width, int height);

} // namespace plovex
