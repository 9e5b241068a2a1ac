#pragma once

#include <cstdint>

namespace plovex {

// What a function's expressions describe: y = f(x); the set f(x, y) = 0; the curve
// (x, y) = (X(t), Y(t)) for t over a range; or the curve of radius r = R(t) at the angle t.
enum class CurveKind : std::uint8_t {
    Explicit,
    Implicit,
    Parametric,
    Polar,
};

// Whether the kind's expressions are in t, sampled over the function's range.
constexpr bool SweepsParameter(CurveKind kind)
{
    return kind == CurveKind::Parametric || kind == CurveKind::Polar;
}

// How many expressions the kind has: Y(t) comes second in a parametric curve.
constexpr int ExpressionCount(CurveKind kind)
{
    return kind == CurveKind::Parametric ? 2 : 1;
}

} // namespace plovex
