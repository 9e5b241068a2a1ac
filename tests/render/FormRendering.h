#pragma once

#include "engine/Numbers.h"
#include "engine/Program.h"
#include "render/DrawingSurface.h"
#include "render/FormFields.h"
#include "render/GraphRenderer.h"
#include "render/RenderProgress.h"

namespace plovex {

// One function drawn with a form's fields, as the graph form draws its only function: the
// statistics land in fields.m_info. A surface that also watches the progress (the
// recording one) hears it too.
inline RenderTotals DrawFormGraph(
    FormFields& fields, const Program& program, DrawingSurface& surface, unsigned threads = 0)
{
    const std::vector<PlotItem> items { { program, fields.m_implicit, fields.m_derivative } };
    RenderProgress unwatched;
    auto* watcher = dynamic_cast<RenderProgress*>(&surface);
    const RenderResult result = DrawGraph({ fields.m_xScale, fields.m_yScale, fields.m_quality },
        { fields.m_noClear, fields.m_grid }, items, 0, surface, watcher ? *watcher : unwatched,
        threads);
    fields.m_info = InfoField::Of(result.statistics);
    return result.totals;
}

} // namespace plovex
