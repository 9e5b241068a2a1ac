#include "render/ExplicitTracer.h"

#include "engine/Program.h"
#include "render/ExplicitSweep.h"
#include "render/GraphCoordinates.h"
#include "render/TraceBuilder.h"

#include <cmath>

namespace plovex {
namespace {

struct Sample {
    float px;
    double value;
    double shown;
};

// Two neighbouring samples on either side of 0 with a pole between them: halfway, |f| is larger
// than at the neighbour of its own sign, where towards a root it would be smaller.
bool PoleBetween(const GraphView& view, const Program& program, bool derivative, const Sample& left,
    const Sample& right)
{
    if ((left.value < 0.0) == (right.value < 0.0) || left.value == 0.0 || right.value == 0.0)
        return false;
    const double middle = program.Evaluate(
        derivative, GraphX(view, (static_cast<double>(left.px) + right.px) / 2.0), 0.0f);
    if (std::isnan(middle))
        return true;
    const double sameSide = (middle < 0.0) == (left.value < 0.0) ? left.value : right.value;
    return std::fabs(middle) > std::fabs(sameSide);
}

} // namespace

std::vector<Polyline> TraceExplicit(
    const GraphView& view, const Program& program, bool derivative, int width, int height)
{
    const int hw = width / 2;
    const int hh = height / 2;
    TraceBuilder builder = TraceBuilder::ForArea(width, height);
    const double yScale = view.yScale;
    // The sample before, when it was finite.
    Sample previous {};
    bool joined = false;
    ExplicitSweep sweep(hw, 1.0 / static_cast<double>(view.quality));
    while (sweep.More()) {
        const float px = sweep.Next();
        const double v = program.Evaluate(derivative, GraphX(view, px), 0.0f);
        const float y = static_cast<float>(v * yScale);
        const Sample sample { px, v, view.yOffset == 0.0 ? y : y - view.yOffset };
        if (!std::isfinite(sample.shown)) {
            builder.Break();
            joined = false;
            continue;
        }
        if (joined
            && (std::fabs(sample.shown - previous.shown) > height
                || PoleBetween(view, program, derivative, previous, sample)))
            builder.Break();
        previous = sample;
        joined = true;
        builder.Add({ static_cast<double>(hw) + px, static_cast<double>(hh) - sample.shown });
    }
    return builder.Take();
}

} // namespace plovex
