#pragma once

#include <bit>
#include <cstdint>

namespace plovex {

// How a graph is laid on its area: pixels per unit along each axis, samples per pixel column,
// and how far the view has been moved. A sample at pixel offset (px, py) from the area's centre
// stands for the graph point ((px + xOffset) / xScale, (py + yOffset) / yScale). Each form has
// its own view; a document stores the one of the form that last changed it.
struct GraphView {
    float xScale = 10.0f;
    float yScale = 10.0f;
    float quality = 10.0f;
    // Pixels, in double so that panning and zooming about a point add no rounding of their own;
    // zero until the user moves the view.
    double xOffset = 0.0;
    double yOffset = 0.0;

    // A view never moved samples exactly where a graph without offsets does: no addition is
    // made at all, so -0 and 0 count alike here.
    bool HasOffset() const { return xOffset != 0.0 || yOffset != 0.0; }

    // Bit for bit, so that a NaN scale equals itself and -0 differs from 0: a document whose
    // view did not change is never taken for changed.
    friend bool operator==(const GraphView& a, const GraphView& b)
    {
        return std::bit_cast<std::uint32_t>(a.xScale) == std::bit_cast<std::uint32_t>(b.xScale)
            && std::bit_cast<std::uint32_t>(a.yScale) == std::bit_cast<std::uint32_t>(b.yScale)
            && std::bit_cast<std::uint32_t>(a.quality) == std::bit_cast<std::uint32_t>(b.quality)
            && std::bit_cast<std::uint64_t>(a.xOffset) == std::bit_cast<std::uint64_t>(b.xOffset)
            && std::bit_cast<std::uint64_t>(a.yOffset) == std::bit_cast<std::uint64_t>(b.yOffset);
    }
};

} // namespace plovex
