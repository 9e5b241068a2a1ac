#pragma once

#include "document/GraphView.h"
#include "render/TracedCurve.h"

#include <vector>

namespace plovex {

struct PlotItem;

// The curves a rendering of `items` on a width by height area draws, as lines in their
// colours, in the order they are drawn: explicit functions as TraceExplicit gives them,
// implicit ones as TraceImplicit does, parametric and polar curves as TraceCurve does. Items
// sampled for their statistics alone are left out.
std::vector<TracedCurve> TraceGraph(
    const GraphView& view, const std::vector<PlotItem>& items, int width, int height);

} // namespace plovex
