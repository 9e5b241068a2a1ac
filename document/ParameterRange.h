#pragma once

#include <bit>
#include <cstdint>

namespace plovex {

// The values of t a parametric or polar curve is drawn for, from `start` to `end`: any two
// finite floats, in either order. 0 to 2 pi (6.2831855 as a float) until the user says
// otherwise.
struct ParameterRange {
    float start = 0.0f;
    float end = 6.2831855f;

    // Bit for bit: -0 and 0 give different first samples when the range runs downwards.
    friend bool operator==(const ParameterRange& a, const ParameterRange& b)
    {
        return std::bit_cast<std::uint32_t>(a.start) == std::bit_cast<std::uint32_t>(b.start)
            && std::bit_cast<std::uint32_t>(a.end) == std::bit_cast<std::uint32_t>(b.end);
    }
};

} // namespace plovex
