#pragma once

namespace plovex {

class TokenList;

// Walks the postfix queue once with a fresh value stack seeded with 0 and returns the value
// left on top (a float, widened). With `derivative` set and `subCall` clear it returns
// instead the forward difference quotient (f(x + h) - f(x)) / h, not rounded to float.
// An operator that finds a single value on the stack ends the walk with NaN ("x++").
double Evaluate(const TokenList& queue, bool derivative, float x, float y, bool subCall = false);

} // namespace plovex
