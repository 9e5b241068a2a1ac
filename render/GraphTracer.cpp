#include "render/GraphTracer.h"

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
        curves.push_back({ item.colour,
            item.implicit ? TraceImplicit(view, item.program, item.derivative, width, height)
                          : TraceExplicit(view, item.program, item.derivative, width, height) });
    }
    return curves;
}

} // namespace plovex
