#include "view/VectorGraphWriter.h"

#include "render/GraphTracer.h"
#include "view/VectorSurface.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace plovex {
namespace {

constexpr const char* kCreator = "Plovex 2";

} // namespace

std::optional<VectorFormat> VectorFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "svg")
        return VectorFormat::Svg;
    if (suffix == "pdf")
        return VectorFormat::Pdf;
    return std::nullopt;
}

RenderResult PaintVectorGraph(QPainter& painter, const GraphView& view,
    const RenderOptions& options, const std::vector<PlotItem>& items, std::size_t statisticsItem,
    int width, int height)
{
    VectorSurface surface(painter, width, height);
    // The frame, grid, labels and statistics as the renderer gives them; its pixels are not
    // drawn here.
    const RenderResult result = DrawGraph(view, options, items, statisticsItem, surface);
    surface.DrawCurves(TraceGraph(view, items, width, height));
    surface.Finish();
    return result;
}

std::optional<VectorGraph> WriteVectorGraph(VectorFormat format, const GraphView& view,
    const RenderOptions& options, const std::vector<PlotItem>& items, std::size_t statisticsItem,
    int width, int height, const QString& title)
{
    VectorGraph graph;
    QBuffer buffer(&graph.bytes);
    buffer.open(QIODevice::WriteOnly);
    QPainter painter;
    if (format == VectorFormat::Svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(width, height));
        // As CSS counts pixels: a viewer shows the picture at the graph's size.
        generator.setResolution(96);
        generator.setViewBox(QRect(0, 0, width, height));
        generator.setTitle(title);
        generator.setDescription(kCreator);
        if (!painter.begin(&generator))
            return std::nullopt;
        graph.result
            = PaintVectorGraph(painter, view, options, items, statisticsItem, width, height);
        if (!painter.end())
            return std::nullopt;
        return graph;
    }
    QPdfWriter writer(&buffer);
    writer.setCreator(kCreator);
    writer.setTitle(title);
    writer.setResolution(72);
    writer.setPageLayout(QPageLayout(
        QPageSize(QSizeF(width, height), QPageSize::Point, QString(), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF()));
    if (!painter.begin(&writer))
        return std::nullopt;
    graph.result = PaintVectorGraph(painter, view, options, items, statisticsItem, width, height);
    if (!painter.end())
        return std::nullopt;
    return graph;
}

} // namespace plovex
