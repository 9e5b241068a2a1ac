#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <string_view>

namespace plovex {

// The built-in functions: the name the user types, the token kind it becomes, and what both
// evaluators compute from it (in double; the result is rounded to float when pushed). A row's
// position also numbers its instruction in a compiled Program, so a new function is one new row
// here (and, where the compiler supports threaded dispatch, one more handler in Program.cpp,
// which fails to compile until it is added).
struct Function {
    std::string_view name;
    char code;
    double (*apply)(double);
};

inline constexpr std::array<Function, 15> kFunctions { {
    { "sin", 's', [](double v) { return std::sin(v); } },
    { "cos", 'c', [](double v) { return std::cos(v); } },
    { "tan", 't', [](double v) { return std::tan(v); } },
    { "cosec", 'S', [](double v) { return 1.0 / std::sin(v); } },
    { "sec", 'C', [](double v) { return 1.0 / std::cos(v); } },
    { "cot", 'T', [](double v) { return 1.0 / std::tan(v); } },
    { "asin", 'a', [](double v) { return std::asin(v); } },
    { "acos", 'A', [](double v) { return std::acos(v); } },
    { "atan", 'b', [](double v) { return std::atan(v); } },
    { "e", 'e', [](double v) { return std::exp(v); } },
    { "ln", 'l', [](double v) { return std::log(v); } },
    { "log", 'L', [](double v) { return std::log10(v); } },
    { "abs", 'm', [](double v) { return std::fabs(v); } },
    { "sqrt", 'r', [](double v) { return std::sqrt(v); } },
    { "floor", 'f', [](double v) { return std::floor(v); } },
} };

inline constexpr char kUnknownFunction = '?';

// The one named constant: "pi" reads as the number π rounded to float, 3.1415927.
inline constexpr std::string_view kPiName = "pi";
inline constexpr float kPi = static_cast<float>(std::numbers::pi);

// Exact, case-sensitive match; '?' for a name that is not in the table.
constexpr char LookupFunction(std::string_view name)
{
    for (const Function& function : kFunctions) {
        if (function.name == name)
            return function.code;
    }
    return kUnknownFunction;
}

// The row of a function code in kFunctions; kFunctions.size() for any other kind.
constexpr std::size_t FunctionIndex(char code)
{
    std::size_t index = 0;
    while (index < kFunctions.size() && kFunctions[index].code != code)
        ++index;
    return index;
}

// The table row of a function code, or nullptr for any other kind.
constexpr const Function* FindFunction(char code)
{
    const std::size_t index = FunctionIndex(code);
    return index < kFunctions.size() ? &kFunctions[index] : nullptr;
}

} // namespace plovex
