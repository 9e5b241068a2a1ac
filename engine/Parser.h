#pragma once

#include "engine/ExpressionNames.h"
#include "engine/ParseResult.h"

#include <string>
#include <string_view>

namespace plovex {

class TokenList;

// Turns an expression into the postfix queue in one left-to-right pass (shunting-yard over
// `operators`). Both lists are cleared first. `names` says which variables the expression may
// use and which names are parameters: x and y become 'x' and 'y' tokens, t and a parameter a
// kSlotOperand token with its slot, written "{t}" and "{a}" in the postfix text. Beyond the
// operators and functions:
// - an operand that directly follows another (blanks aside) takes a "*" before it, as if
//   typed, with the precedence of "*": "2x", "2(x+1)", "(x+1)(x-1)", "x sin x", "2a", "2x^2"
//   is 2*x^2 and "1/2x" is (1/2)*x;
// - a number may end in an exponent, "e" and digits with an optional sign: "1e5", "2.5e-3";
// - "pi" is the number pi rounded to float;
// - digits right after a name's letters belong to the name: "log10" is one (unknown) name;
// - a function must be followed by its argument: "e^x" is an error, "e(x)" is e to the x.
// On success `postfix` receives the queue's postfix text; on an error the lists keep what was
// built up to the failing character and `postfix` is left as it was. The message holds the
// unrecognised character's bytes as the text holds them: a whole UTF-8 character when the
// text is UTF-8, one byte otherwise, so it reads as the text does (see BytesToTextAs).
ParseResult Parse(std::string_view expression, const ExpressionNames& names, TokenList& queue,
    TokenList& operators, std::string& postfix);

// The same for an explicit function (x) or, with `implicit` set, an implicit one (x and y),
// with no parameters.
ParseResult Parse(std::string_view expression, bool implicit, TokenList& queue,
    TokenList& operators, std::string& postfix);

} // namespace plovex
