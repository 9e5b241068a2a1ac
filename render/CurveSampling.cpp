#include "render/CurveSampling.h"

#include <cmath>

namespace plovex {

std::int64_t CurveSteps(int hw, float quality)
{
    const double steps = std::floor(2.0 * hw * static_cast<double>(quality));
    // "Not at least 1" also holds for NaN.
    if (!(steps >= 1.0))
        return 1;
    if (steps >= static_cast<double>(kExplicitSampleLimit))
        return kExplicitSampleLimit;
    return static_cast<std::int64_t>(steps);
}

float CurveParameter(const ParameterRange& range, std::int64_t k, std::int64_t steps)
{
    const double start = range.start;
    const double end = range.end;
    return static_cast<float>(
        start + static_cast<double>(k) * (end - start) / static_cast<double>(steps));
}

CurvePoint PolarPoint(float r, float t)
{
    const double radius = r;
    const double angle = t;
    return { static_cast<float>(radius * std::cos(angle)),
        static_cast<float>(radius * std::sin(angle)) };
}

std::optional<Pixel> CurvePixel(const GraphView& view, int width, int height, CurvePoint point)
{
    const int hw = width / 2;
    const int hh = height / 2;
    const double scaledX = static_cast<float>(static_cast<double>(point.x) * view.xScale);
    const double scaledY = static_cast<float>(static_cast<double>(point.y) * view.yScale);
    const double u = view.xOffset == 0.0 ? scaledX : scaledX - view.xOffset;
    const double v = view.yOffset == 0.0 ? scaledY : scaledY - view.yOffset;
    // Written so that NaN fails every test; an infinity fails the bounds.
    if (!(u >= -hw && u < hw && v >= -hh && v <= hh))
        return std::nullopt;
    const auto column = static_cast<int>(static_cast<double>(hw) + u);
    const auto row = static_cast<int>(static_cast<double>(hh) - v);
    if (column < 0 || column >= width || row < 0 || row >= height)
        return std::nullopt;
    return Pixel { column, row };
}

} // namespace plovex
