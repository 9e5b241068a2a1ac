#pragma once

#include "engine/Numbers.h"
#include "engine/Program.h"
#include "view/FormFields.h"
#include "view/GraphRenderer.h"

namespace plovex {

// One function drawn with a form's fields, as the graph form draws its only function: the
// statistics text lands in fields.m_info.
inline RenderTotals DrawFormGraph(
    FormFields& fields, const Program& program, DrawingSurface& surface, unsigned threads = 0)
{
    const std::vector<PlotItem> items { { program, fields.m_implicit, fields.m_derivative } };
    const RenderResult result = DrawGraph({ fields.m_xScale, fields.m_yScale, fields.m_quality },
        { fields.m_noClear, fields.m_grid }, items, 0, surface, threads);
    fields.m_info = StatisticsText(result.statistics, FormatFixed);
    return result.totals;
}

} // namespace plovex
