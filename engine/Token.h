#pragma once

#include <cstdint>

namespace plovex {

// The kind of an operand that reads a variable slot other than x's and y's: t and the
// parameters (see ExpressionNames). 'x' and 'y' tokens read slots 0 and 1 by their kind.
inline constexpr char kSlotOperand = 'v';

// One element of a postfix expression. `value` means something only for kind '0', `slot`
// only for kind kSlotOperand.
struct Token {
    char kind = '0';
    float value = 0.0f;
    std::uint16_t slot = 0;
};

} // namespace plovex
