#include "render/PointerReadout.h"

#include "engine/Numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace plovex {
namespace {

// Beyond this a float has no more digits to show.
constexpr int kMostDecimals = 12;

std::string Coordinate(double offset, float scale)
{
    const double value = offset / static_cast<double>(scale);
    if (!std::isfinite(value))
        return FormatFixed(value);
    const double digits = std::ceil(std::log10(std::fabs(static_cast<double>(scale))));
    const int decimals = std::clamp(static_cast<int>(std::max(digits, 0.0)) + 1, 1, kMostDecimals);
    std::array<char, 400> text {};
    const auto end = std::to_chars(
        text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals)
                         .ptr;
    std::string result(text.data(), end);
    while (result.back() == '0')
        result.pop_back();
    if (result.back() == '.')
        result.pop_back();
    // -0.0001 at two decimals reads 0, not -0.
    return result == "-0" ? "0" : result;
}

} // namespace

std::string PointerReadoutText(double dx, double dy, float xScale, float yScale)
{
    return "x = " + Coordinate(dx, xScale) + ", y = " + Coordinate(dy, yScale);
}

} // namespace plovex
