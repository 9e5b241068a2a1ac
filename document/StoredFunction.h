#pragma once

#include "document/CurveKind.h"
#include "document/FunctionPalette.h"
#include "document/ParameterRange.h"
#include "document/Rgb.h"

#include <string>

namespace plovex {

// What a graph document stores of one function: its kind, its expressions' bytes, its colour,
// whether it is shown, and for a parametric or polar curve the range of t.
// `expression` is f(x) of an explicit function, f(x, y) of an implicit one, X(t) of a
// parametric curve and R(t) of a polar one; `yExpression` is a parametric curve's Y(t) and
// empty for the other kinds, whose `range` stays the default.
struct StoredFunction {
    std::string expression;
    CurveKind kind = CurveKind::Explicit;
    Rgb colour = kFunctionPalette[0];
    bool shown = true;
    std::string yExpression {};
    ParameterRange range {};

    friend bool operator==(const StoredFunction&, const StoredFunction&) = default;
};

} // namespace plovex
