#pragma once

#include <bit>
#include <cstdint>

namespace plovex {

// How a graph is laid on its area: pixels per unit along each axis and samples per pixel
// column. Each form has its own; a document stores the one of the form that last changed it.
struct GraphView {
    float xScale = 10.0f;
    float yScale = 10.0f;
    float quality = 10.0f;

    // Bit for bit, so that a NaN scale equals itself and -0 differs from 0: a document whose
    // view did not change is never taken for changed.
    friend bool operator==(const GraphView& a, const GraphView& b)
    {
        return std::bit_cast<std::uint32_t>(a.xScale) == std::bit_cast<std::uint32_t>(b.xScale)
            && std::bit_cast<std::uint32_t>(a.yScale) == std::bit_cast<std::uint32_t>(b.yScale)
            && std::bit_cast<std::uint32_t>(a.quality) == std::bit_cast<std::uint32_t>(b.quality);
    }
};

} // namespace plovex
