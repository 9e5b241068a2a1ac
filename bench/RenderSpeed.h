#pragma once

#include "render/FormFields.h"
#include "render/GraphRenderer.h"

namespace plovex {

// One function rendered with a form's fields, as the graph form renders its only function.
inline RenderResult DrawFields(
    const FormFields& fields, const Program& program, DrawingSurface& surface, unsigned threads = 0)
{
    const std::vector<PlotItem> items { { program, fields.m_implicit, fields.m_derivative } };
    return DrawGraph({ fields.m_xScale, fields.m_yScale, fields.m_quality },
        { fields.m_noClear, fields.m_grid }, items, 0, surface, threads);
}

// Wall-clock comparisons of whole renderings, each the fastest of a few runs: the window's
// surface against the image surface, every core against one thread, and writing the PNG file
// against rendering it. Needs a QApplication. `brief` times each once, as fast as it can.
void PrintRenderSpeeds(bool brief);

} // namespace plovex
