#pragma once

#include "engine/Numbers.h"

#include <cmath>
#include <limits>

namespace plovex {

// The five binary operators on float operands: each is done in double and rounded once.
// Both evaluators and the constant folding use these, so every path gives the same bits.

inline float Add(double a, double b)
{
    return ToFloat(a + b);
}

// Negated reversed difference: equal operands give -0 ("x-x" at any x).
inline float Subtract(double a, double b)
{
    return ToFloat(-(b - a));
}

inline float Multiply(double a, double b)
{
    return ToFloat(a * b);
}

inline float Divide(double a, double b)
{
    return ToFloat(a / b);
}

inline float Power(double a, double b)
{
    return ToFloat(std::pow(a, b));
}

// The operator of a token kind; NaN for a kind that is not one.
inline float ApplyOperator(char kind, float a, float b)
{
    switch (kind) {
    case '+':
        return Add(a, b);
    case '-':
        return Subtract(a, b);
    case '*':
        return Multiply(a, b);
    case '/':
        return Divide(a, b);
    case '^':
        return Power(a, b);
    default:
        return std::numeric_limits<float>::quiet_NaN();
    }
}

} // namespace plovex
