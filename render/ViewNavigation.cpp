#include "render/ViewNavigation.h"

#include "render/GraphCoordinates.h"

#include <cmath>

namespace plovex {
namespace {

bool ScaleUsable(float scale)
{
    return std::isfinite(scale) && scale != 0.0f;
}

// Adjacent pixels along one axis of `size` pixels give distinct coordinates.
template <typename Coordinate> bool Distinct(int size, Coordinate coordinate)
{
    const int half = size / 2;
    float previous = coordinate(-half);
    for (int pixel = -half + 1; pixel < size - half; ++pixel) {
        const float next = coordinate(pixel);
        if (!(next != previous) || !std::isfinite(next))
            return false;
        previous = next;
    }
    return std::isfinite(coordinate(-half));
}

// The offset that keeps the graph coordinate at `pixel` there when the scale goes from
// `before` to `after`: (pixel + offset) / before = (pixel + new offset) / after.
double KeptOffset(double offset, double pixel, float before, float after)
{
    if (before == after)
        return offset;
    const double kept = (pixel + offset) / before * after - pixel;
    // A point at the centre whose coordinate is 0 stays unmoved: no offset appears.
    return kept == 0.0 ? 0.0 : kept;
}

} // namespace

bool ViewUsable(const GraphView& view, int width, int height)
{
    if (!ScaleUsable(view.xScale) || !ScaleUsable(view.yScale) || !std::isfinite(view.xOffset)
        || !std::isfinite(view.yOffset))
        return false;
    return Distinct(width, [&](int px) { return GraphX(view, px); })
        && Distinct(height, [&](int py) { return GraphY(view, py); });
}

bool ZoomKeepsScales(const GraphView& view, double xFactor, double yFactor)
{
    return ScaleUsable(static_cast<float>(static_cast<double>(view.xScale) * xFactor))
        && ScaleUsable(static_cast<float>(static_cast<double>(view.yScale) * yFactor));
}

std::optional<GraphView> ZoomAbout(const GraphView& view, double xFactor, double yFactor, double px,
    double py, int width, int height)
{
    if (!ZoomKeepsScales(view, xFactor, yFactor))
        return std::nullopt;
    GraphView zoomed = view;
    zoomed.xScale = static_cast<float>(static_cast<double>(view.xScale) * xFactor);
    zoomed.yScale = static_cast<float>(static_cast<double>(view.yScale) * yFactor);
    zoomed.xOffset = KeptOffset(view.xOffset, px, view.xScale, zoomed.xScale);
    zoomed.yOffset = KeptOffset(view.yOffset, py, view.yScale, zoomed.yScale);
    if (!ViewUsable(zoomed, width, height))
        return std::nullopt;
    return zoomed;
}

GraphView PanBy(const GraphView& view, double right, double down)
{
    GraphView moved = view;
    moved.xOffset = view.xOffset - right;
    moved.yOffset = view.yOffset + down;
    return moved;
}

GraphView ResetView(const GraphView& view)
{
    return { GraphView {}.xScale, GraphView {}.yScale, view.quality, 0.0, 0.0 };
}

std::optional<GraphView> EqualScales(const GraphView& view, int width, int height)
{
    GraphView equal = view;
    equal.yScale = view.xScale;
    equal.yOffset = KeptOffset(view.yOffset, 0.0, view.yScale, equal.yScale);
    if (!ViewUsable(equal, width, height))
        return std::nullopt;
    return equal;
}

} // namespace plovex
