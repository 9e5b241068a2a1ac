#pragma once

#include "document/GraphView.h"
#include "render/TracedCurve.h"

#include <vector>

namespace plovex {

class Program;

// The lines of f(x, y) = 0 on a width by height area, by marching squares over the renderer's
// own grid of samples (one per pixel, the same x and y): each sample lies at the centre of the
// pixel the raster picture gives it, (hw + px + 0.5, hh - py + 0.5). Where f changes sign
// between neighbouring samples (below 0 on one side, 0 or above on the other) the crossing
// lies where the straight line between their values meets 0; each square of four samples
// joins its crossings by segments, a square whose corners' signs alternate joining them
// around the sign of the corners' mean, and a square with a corner that is not a number none.
// A crossing is drawn only where the value halfway along the edge is 0 or smaller in size
// than the value at the end of its own sign: a root, not a pole or a jump (y - tan(x), y - 1/x).
// A sample that the raster draws (|f| at most 0.5) and that lies more than half a pixel from
// every segment becomes a dot, so that every raster point is covered, also where f only touches
// 0 or changes so slowly that the raster's band is wide; dots side by side in a row are joined
// into one line.
std::vector<Polyline> TraceImplicit(
    const GraphView& view, const Program& program, bool derivative, int width, int height);

} // namespace plovex
