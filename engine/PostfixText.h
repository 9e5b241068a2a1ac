#pragma once

#include <string>

namespace plovex {

class TokenList;

// The postfix queue as one line: numbers as "(%f)", every other token as its kind.
// "x^2+1" reads x(2.000000)^(1.000000)+
std::string PostfixText(const TokenList& queue);

} // namespace plovex
