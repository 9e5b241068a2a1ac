#pragma once

#include "document/Rgb.h"

#include <vector>

namespace plovex {

// A point of a vector picture in the graph area's pixel coordinates: x to the right and y down
// from the area's top-left corner, so that pixel (c, r) of the raster picture covers the square
// from (c, r) to (c + 1, r + 1).
struct TracePoint {
    double x;
    double y;

    friend bool operator==(const TracePoint&, const TracePoint&) = default;
};

// Points joined in order by straight lines; a polyline of one point is a dot.
using Polyline = std::vector<TracePoint>;

// One function of a graph as lines in its colour.
struct TracedCurve {
    Rgb colour;
    std::vector<Polyline> lines;
};

} // namespace plovex
