#pragma once

#include <string>

namespace plovex {

enum class ParseError {
    None,
    UnrecognisedSymbol, // 1
    UnmatchedParentheses, // 2
    VariableYNotAllowed, // 3
    UnrecognisedFunction, // 4
    FunctionWithoutArgument, // a function followed by an operator, ")" or the end: "e^x"
    VariableNotInCurve, // x or y in a parametric or polar function, which uses t
};

// What a parse ended with: the error and, for an error, the finished message text and the
// symbol or name it quotes (empty for the others), from which a window writes the message in
// the user's language. For UnrecognisedFunction `detail` is the unknown name ("foo" in
// "x+foo"; a window may offer to make it a parameter), for FunctionWithoutArgument the
// function's name, for VariableNotInCurve "x" or "y".
struct [[nodiscard]] ParseResult {
    ParseError error = ParseError::None;
    std::string message;
    std::string detail;

    bool Ok() const { return error == ParseError::None; }
};

} // namespace plovex
