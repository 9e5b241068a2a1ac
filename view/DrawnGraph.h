#pragma once

#include "document/GraphView.h"
#include "render/GraphRenderer.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstddef>
#include <vector>

class QPainter;

namespace plovex {

// A graph as a form last drew it, for the commands that take it out of the window: what it
// shows and how to draw it again at another size or as lines.
struct DrawnGraph {
    GraphView view;
    bool grid = false;
    std::vector<PlotItem> items;
    std::size_t statisticsItem = 0;
    // The area's size and what it shows, pixel for pixel.
    int width = 0;
    int height = 0;
    QImage picture;
    // Whether drawing the items again gives the picture: not when the area kept earlier
    // graphs ("Do not clear previous graph") or the rendering was stopped.
    bool redrawable = true;

    // The graph drawn again on a width by height picture of `view`.
    QImage Render(const GraphView& at, int atWidth, int atHeight) const;
    // The graph as lines on `painter`, whose units are the area's pixels (see PaintVectorGraph).
    void Paint(QPainter& painter) const;
    // The graph as an SVG file at its own size; empty when that cannot be written.
    QByteArray Svg(const QString& title) const;
};

} // namespace plovex
