#pragma once

namespace plovex {

// The five binary operators; each pops two values and pushes one.
constexpr bool IsOperator(char kind)
{
    return kind == '+' || kind == '-' || kind == '*' || kind == '/' || kind == '^';
}

// Binding strength of an operator-stack entry; higher binds tighter.
//   '('        4   (never compared: every pop loop stops at a '(')
//   '^'        2
//   '*' '/'    1
//   '+' '-'    0
//   other      3   (every function code)
constexpr int Precedence(char kind)
{
    switch (kind) {
    case '(':
        return 4;
    case '^':
        return 2;
    case '*':
    case '/':
        return 1;
    case '+':
    case '-':
        return 0;
    default:
        return 3;
    }
}

} // namespace plovex
