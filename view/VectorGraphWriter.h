#pragma once

#include "render/GraphRenderer.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

namespace plovex {

enum class VectorFormat { Svg, Pdf };

// The vector format a file name's extension names: .svg or .pdf, in any case; none otherwise.
std::optional<VectorFormat> VectorFormatOf(const QString& path);

// Draws a width by height graph area as `DrawGraph` renders it, with the curves as lines (see
// GraphTracer), on `painter`, whose units are the area's pixels: the background, its border,
// the grid, the axes and the labels as shapes and text, each curve in its colour, the icon
// last. Returns the rendering's statistics.
RenderResult PaintVectorGraph(QPainter& painter, const GraphView& view,
    const RenderOptions& options, const std::vector<PlotItem>& items, std::size_t statisticsItem,
    int width, int height);

// A file's bytes and the statistics of the rendering in it.
struct VectorGraph {
    QByteArray bytes;
    RenderResult result;
};

// The graph painted as PaintVectorGraph paints it into an SVG file (its view box width by
// height pixels, its size that many pixels at 96 to the inch) or a PDF file (one page of width by
// height points, 72 to the inch, so one point for each pixel), titled `title`. None when the
// painting cannot start.
std::optional<VectorGraph> WriteVectorGraph(VectorFormat format, const GraphView& view,
    const RenderOptions& options, const std::vector<PlotItem>& items, std::size_t statisticsItem,
    int width, int height, const QString& title);

} // namespace plovex
