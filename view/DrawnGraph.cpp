#include "view/DrawnGraph.h"

#include "view/ImageSurface.h"
#include "view/VectorGraphWriter.h"

namespace plovex {

QImage DrawnGraph::Render(const GraphView& at, int atWidth, int atHeight) const
{
    ImageSurface surface(atWidth, atHeight);
    DrawGraph(at, { false, grid }, items, statisticsItem, surface);
    return surface.Image();
}

void DrawnGraph::Paint(QPainter& painter) const
{
    PaintVectorGraph(painter, view, { false, grid }, items, statisticsItem, width, height);
}

QByteArray DrawnGraph::Svg(const QString& title) const
{
    const std::optional<VectorGraph> svg = WriteVectorGraph(
        VectorFormat::Svg, view, { false, grid }, items, statisticsItem, width, height, title);
    return svg ? svg->bytes : QByteArray();
}

} // namespace plovex
