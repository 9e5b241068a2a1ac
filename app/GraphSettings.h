#pragma once

#include <bit>
#include <cstdint>

namespace plovex {

// What a graph document stores besides its expression: how the graph is drawn.
struct GraphSettings {
    float xScale = 10.0f;
    float yScale = 10.0f;
    float quality = 10.0f;
    bool implicit = false;

    // Bit for bit, so that a NaN scale equals itself and -0 differs from 0: a document whose
    // settings did not change is never taken for changed.
    friend bool operator==(const GraphSettings& a, const GraphSettings& b)
    {
        return std::bit_cast<std::uint32_t>(a.xScale) == std::bit_cast<std::uint32_t>(b.xScale)
            && std::bit_cast<std::uint32_t>(a.yScale) == std::bit_cast<std::uint32_t>(b.yScale)
            && std::bit_cast<std::uint32_t>(a.quality) == std::bit_cast<std::uint32_t>(b.quality)
            && a.implicit == b.implicit;
    }
};

} // namespace plovex
