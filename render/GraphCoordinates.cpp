#include "render/GraphCoordinates.h"

#include <cmath>

namespace plovex {
namespace {

float Coordinate(double pixels, double offset, float scale)
{
    if (offset == 0.0)
        return static_cast<float>(pixels / scale);
    return static_cast<float>((pixels + offset) / scale);
}

// floor(position) when it is a pixel of an area `size` pixels long.
std::optional<int> PixelWithin(double position, int size)
{
    const double pixel = std::floor(position);
    if (!(pixel >= 0.0 && pixel < size))
        return std::nullopt;
    return static_cast<int>(pixel);
}

} // namespace

float GraphX(const GraphView& view, double px)
{
    return Coordinate(px, view.xOffset, view.xScale);
}

float GraphY(const GraphView& view, double py)
{
    return Coordinate(py, view.yOffset, view.yScale);
}

std::vector<float> ColumnXs(const GraphView& view, int width)
{
    std::vector<float> xs;
    const int hw = width / 2;
    for (int px = -hw; px < hw; ++px)
        xs.push_back(GraphX(view, px));
    return xs;
}

std::optional<int> AxisColumn(const GraphView& view, int width)
{
    const int hw = width / 2;
    if (!view.HasOffset())
        return hw;
    return PixelWithin(hw - view.xOffset, width);
}

std::optional<int> AxisRow(const GraphView& view, int height)
{
    const int hh = height / 2;
    if (!view.HasOffset())
        return hh;
    return PixelWithin(hh + view.yOffset, height);
}

} // namespace plovex
