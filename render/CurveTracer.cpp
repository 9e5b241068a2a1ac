#include "render/CurveTracer.h"

#include "engine/ExpressionNames.h"
#include "engine/Program.h"
#include "render/CurveSampling.h"
#include "render/GraphRenderer.h"
#include "render/TraceBuilder.h"

#include <cmath>

namespace plovex {
namespace {

class CurvePoints {
public:
    CurvePoints(const Program& program, const CurveItem& curve)
        : m_program(program)
        , m_curve(curve)
    { }

    CurvePoint At(float t)
    {
        // Expressions in t read no other variable: the parse refuses x and y in them.
        m_variables[kSlotT] = t;
        if (m_curve.kind == CurveKind::Polar)
            return PolarPoint(m_program.Run(m_variables), t);
        return { m_program.Run(m_variables), m_curve.y->Run(m_variables) };
    }

private:
    const Program& m_program;
    const CurveItem& m_curve;
    float m_variables[kFirstParameterSlot] = { 0.0f, 0.0f, 0.0f };
};

// One coordinate crossing 0 between neighbours with a pole between them: halfway it is larger
// than at the neighbour of its own sign, where towards a root it would be smaller.
bool PoleBetween(float a, float b, float middle)
{
    if ((a < 0.0f) == (b < 0.0f) || a == 0.0f || b == 0.0f)
        return false;
    if (std::isnan(middle))
        return true;
    const float sameSide = (middle < 0.0f) == (a < 0.0f) ? a : b;
    return std::fabs(middle) > std::fabs(sameSide);
}

} // namespace

std::vector<Polyline> TraceCurve(
    const GraphView& view, const Program& program, const CurveItem& curve, int width, int height)
{
    const int hw = width / 2;
    const int hh = height / 2;
    TraceBuilder builder = TraceBuilder::ForArea(width, height);
    CurvePoints points(program, curve);
    const std::int64_t steps = CurveSteps(hw, view.quality);
    CurvePoint before {};
    float tBefore = 0.0f;
    double uBefore = 0.0;
    double vBefore = 0.0;
    bool joined = false;
    for (std::int64_t k = 0; k <= steps; ++k) {
        const float t = CurveParameter(curve.range, k, steps);
        const CurvePoint point = points.At(t);
        // As the renderer places the point, before it cuts the fraction off.
        const double scaledX = static_cast<float>(static_cast<double>(point.x) * view.xScale);
        const double scaledY = static_cast<float>(static_cast<double>(point.y) * view.yScale);
        const double u = view.xOffset == 0.0 ? scaledX : scaledX - view.xOffset;
        const double v = view.yOffset == 0.0 ? scaledY : scaledY - view.yOffset;
        if (!std::isfinite(u) || !std::isfinite(v)) {
            builder.Break();
            joined = false;
            continue;
        }
        if (joined) {
            bool pole = std::fabs(u - uBefore) > width || std::fabs(v - vBefore) > height;
            if (!pole
                && ((before.x < 0.0f) != (point.x < 0.0f)
                    || (before.y < 0.0f) != (point.y < 0.0f))) {
                const CurvePoint middle
                    = points.At(static_cast<float>((static_cast<double>(tBefore) + t) / 2.0));
                pole = PoleBetween(before.x, point.x, middle.x)
                    || PoleBetween(before.y, point.y, middle.y);
            }
            if (pole)
                builder.Break();
        }
        before = point;
        tBefore = t;
        uBefore = u;
        vBefore = v;
        joined = true;
        builder.Add({ hw + u, hh - v });
    }
    return builder.Take();
}

} // namespace plovex
