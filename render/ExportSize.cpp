#include "render/ExportSize.h"

#include <bit>
#include <cstdint>

namespace plovex {
namespace {

// The scale and offset along one axis `size` pixels long, drawn `newSize` pixels long.
void Stretch(float& scale, double& offset, int size, int newSize)
{
    const float old = scale;
    scale = static_cast<float>(static_cast<double>(old) * newSize / size);
    // Bit for bit: a NaN scale stays NaN, and its offset must not become one.
    if (std::bit_cast<std::uint32_t>(scale) != std::bit_cast<std::uint32_t>(old) && offset != 0.0)
        offset = offset / old * scale;
}

} // namespace

GraphView ExportView(
    const GraphView& view, int width, int height, int newWidth, int newHeight, ExportKeep keep)
{
    GraphView exported = view;
    if (keep == ExportKeep::Region) {
        Stretch(exported.xScale, exported.xOffset, width, newWidth);
        Stretch(exported.yScale, exported.yOffset, height, newHeight);
    }
    return exported;
}

} // namespace plovex
