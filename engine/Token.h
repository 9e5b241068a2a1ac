#pragma once

namespace plovex {

// One element of a postfix expression. `value` means something only for kind '0'.
struct Token {
    char kind = '0';
    float value = 0.0f;
};

} // namespace plovex
