#pragma once

#include "render/DrawingSurface.h"
#include "render/TracedCurve.h"

#include <QPoint>
#include <optional>
#include <vector>

class QPainter;

namespace plovex {

// A drawing surface that draws the graph area's parts as shapes on a QPainter (an SVG or PDF
// file, a printer), in the area's pixel coordinates: each rectangle, line and text covers the
// pixels the QImage surface sets for it, the texts being text in the labels' font. Pixels are
// not drawn here: the curves come as traced lines through DrawCurves. The icon is drawn by
// Finish, over the curves as the raster picture has it.
class VectorSurface : public DrawingSurface {
public:
    VectorSurface(QPainter& painter, int width, int height);

    // Each curve as lines 1.5 pixels wide in its colour, with round ends and joins; a line of
    // one point, or of points all alike, as a dot of that width.
    void DrawCurves(const std::vector<TracedCurve>& curves);
    void Finish();

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void SetFill(Rgb fill) override;
    void RestoreFill() override;
    void RepaintForm() override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Line(int x0, int y0, int x1, int y1) override;
    void SetPixel(int x, int y, Rgb colour) override;
    void SetPixels(const Pixel* pixels, std::size_t count, Rgb colour) override;
    void DrawIcon(int x, int y) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    TextSize MeasureText(const std::string& text) const override;
    void DrawText(int left, int top, const std::string& text, Rgb colour) override;

private:
    QPainter& m_painter;
    int m_width;
    int m_height;
    std::vector<Rgb> m_fills;
    std::optional<QPoint> m_icon;
};

} // namespace plovex
