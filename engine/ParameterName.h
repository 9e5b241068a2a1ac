#pragma once

#include <string_view>

namespace plovex {

// Why a text cannot name a parameter. A parameter's name must read back as that one name in
// any expression: lower-case letters, digits allowed after the first letter, and none of the
// names the language already gives a meaning.
enum class ParameterNameRefusal {
    None,
    Empty,
    NotLowerCaseStart, // "2a", "A", "_a": the first character is not a to z
    InvalidCharacter, // "aB", "a_b", "a b": a character other than a to z and 0 to 9
    Variable, // "x", "y", "t"
    Constant, // "pi"
    FunctionName, // "sin", "e", "log": a built-in function
    HoldsXOrY, // "ax", "y2": the scanner never takes x or y into a name ("ax" is a*x)
};

ParameterNameRefusal CheckParameterName(std::string_view name);

} // namespace plovex
