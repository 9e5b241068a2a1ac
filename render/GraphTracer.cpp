#include "render/GraphTracer.h"

#include "render/CurveTracer.h"
#include "render/ExplicitTracer.h"
#include "render/GraphRenderer.h"
#include "render/ImplicitTracer.h"

namespace plovex {

std::vector<TracedCurve> TraceGraph(
    const GraphView& view, const std::vector<PlotItem>& items, int width, int height)
{
    std::vector<TracedCurve> curves;
    for (const PlotItem& item : items) {
        if (!item.drawn)
            continue;
        if (item.curve)
            curves.push_back(
                { item.colour, TraceCurve(view, item.program, *item.curve, width, height) });
        else if (item.implicit)
            curves.push_back(
                { item.colour, TraceImplicit(view, item.program, item.derivative, width, height) });
        else
            curves.push_back(
                { item.colour, TraceExplicit(view, item.program, item.derivative, width, height) });
    }
    return curves;
}

} // namespace plovex
