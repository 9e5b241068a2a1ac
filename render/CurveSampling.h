#pragma once

#include "document/GraphView.h"
#include "document/ParameterRange.h"
#include "render/DrawingSurface.h"

#include <cstdint>
#include <optional>

namespace plovex {

// The most samples an explicit graph ever takes, 2^26: its sweep advances from -hw only while
// the step 1/quality is more than half the float spacing at hw, which keeps 2·hw·quality
// below 2^26 for every area up to 2^24 pixels wide. A parametric or polar curve takes at most
// as many steps, so it costs no more than the densest explicit graph.
inline constexpr std::int64_t kExplicitSampleLimit = 67108864;

// A parametric or polar curve's steps N: floor(2·hw·quality), at least 1 (for a quality of
// zero, a negative one or NaN too) and at most kExplicitSampleLimit. It is sampled at
// N + 1 values of t, both ends of its range included.
std::int64_t CurveSteps(int hw, float quality);

// t_k = start + k·(end - start)/N, in double and rounded once to float: t_0 is the range's
// start and t_N its end.
float CurveParameter(const ParameterRange& range, std::int64_t k, std::int64_t steps);

// A point of a curve in graph units.
struct CurvePoint {
    float x;
    float y;
};

// The point at angle t and radius r: r·cos t and r·sin t, each in double from the floats and
// rounded once. A negative r lies opposite the angle.
CurvePoint PolarPoint(float r, float t);

// The pixel a curve's point is drawn at in an area of width by height: with hw, hh the
// halves, u = f32(x·xScale) - xOffset and v = f32(y·yScale) - yOffset (the offset taken in
// double), a point with -hw <= u < hw and -hh <= v <= hh lies at column trunc(hw + u) and row
// trunc(hh - v). Nothing for a point that is not finite, lies outside those bounds, or whose
// pixel falls outside the area (v = -hh on an even height is the row below the last).
std::optional<Pixel> CurvePixel(const GraphView& view, int width, int height, CurvePoint point);

} // namespace plovex
