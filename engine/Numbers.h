#pragma once

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plovex {

// Every stored number is a float; arithmetic is done in double and rounded once on storing.
// Text conversions here ignore the user's locale: "2.5" is two and a half on every desktop.

// The float nearest to 0.01: the derivative's difference step and the integration step.
inline constexpr float kStepH = std::bit_cast<float>(std::uint32_t { 0x3C23D70A });

// Rounds a double to the nearest float; beyond the float range this gives an infinity.
constexpr float ToFloat(double value)
{
    return static_cast<float>(value);
}

// The derivative: the forward difference quotient (f(x + h) - f(x)) / h of a function that
// gives floats, with x + h rounded to float and the quotient left in double.
template <typename Function> double DifferenceQuotient(const Function& valueAt, float x)
{
    const float a = valueAt(ToFloat(static_cast<double>(x) + kStepH));
    const double b = valueAt(x);
    return (a - b) / kStepH;
}

// A parsed number buffer: 0 unless the text starts with a digit, otherwise the longest
// leading decimal number ("2.5.1" -> 2.5, "12." -> 12, "2e5x" -> 200000).
double BufferToNumber(std::string_view text);

// A number typed into a number box or given on the command line: a decimal number
// (optional sign, digits with an optional point, optional exponent), blanks around it
// allowed, nothing else. Rounded to float; too large gives an infinity.
std::optional<float> ParseDecimal(std::string_view text);

// "%f": six decimals, no exponent. Infinities read "inf" and "-inf", every NaN "nan".
std::string FormatFixed(double value);

// "%.17g": enough digits for a double to read back exactly; "inf", "-inf", "nan" likewise.
std::string FormatExact(double value);

// A float as a number box shows it: the shortest text that reads back as the same float,
// in plain decimals unless that takes more than 12 characters (10, 0.1, 100000, 1e+20; an
// infinity as 1e+39).
std::string FormatField(float value);

} // namespace plovex
