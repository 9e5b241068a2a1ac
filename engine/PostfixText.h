#pragma once

#include "engine/ExpressionNames.h"

#include <string>

namespace plovex {

class TokenList;

// The postfix queue as one line: numbers as "(%f)", t and parameters as their names in braces
// ("{t}", "{a}", named by `names`), every other token as its kind.
// "x^2+1" reads x(2.000000)^(1.000000)+, "a*t" reads {a}{t}*
std::string PostfixText(const TokenList& queue, const ExpressionNames& names = {});

} // namespace plovex
