#pragma once

namespace plovex {

class TokenList;

// Walks the postfix queue once with a fresh value stack seeded with 0 and returns the value
// left on top (a float, widened). Every operand reads its variable from `variables`: x at
// kSlotX, y at kSlotY, t and the parameters at the slots ExpressionNames gives them, so the
// array holds every slot the queue reads. With `derivative` set and `subCall` clear it
// returns instead the forward difference quotient in x, (f(x + h) - f(x)) / h, the other
// slots unchanged, not rounded to float. An operator that finds a single value on the stack
// ends the walk with NaN ("x++").
double Evaluate(
    const TokenList& queue, bool derivative, const float* variables, bool subCall = false);

// The same at x and y, for a queue that reads no other slot (an explicit or implicit
// function without parameters); any other slot reads as NaN.
double Evaluate(const TokenList& queue, bool derivative, float x, float y, bool subCall = false);

} // namespace plovex
