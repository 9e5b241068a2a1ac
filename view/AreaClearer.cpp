#include "view/AreaClearer.h"

#include <algorithm>

namespace plovex {

AreaClearer::AreaClearer(int width, int height)
    : m_width(width)
    , m_height(height)
{ }

void AreaClearer::Clear(std::uint32_t* pixels, std::uint32_t fill, std::uint32_t pen)
{
    if (m_listing && m_fill == fill) {
        Restore(pixels, fill, pen);
    } else {
        std::fill(pixels, pixels + static_cast<std::ptrdiff_t>(m_width) * m_height, fill);
        Outline(pixels, pen);
        m_listing = true;
        m_fill = fill;
    }
    Reset();
}

void AreaClearer::Outline(std::uint32_t* pixels, std::uint32_t pen) const
{
    std::uint32_t* last = pixels + static_cast<std::ptrdiff_t>(m_height - 1) * m_width;
    std::fill(pixels, pixels + m_width, pen);
    std::fill(last, last + m_width, pen);
    for (int row = 1; row < m_height - 1; ++row) {
        std::uint32_t* line = pixels + static_cast<std::ptrdiff_t>(row) * m_width;
        line[0] = pen;
        line[m_width - 1] = pen;
    }
}

void AreaClearer::Drawn(PixelArea area)
{
    if (!m_listing)
        return;
    // A few dozen areas cover any rendering, a hundred or so one with a grid on a large
    // area; more come only from piling graphs up.
    constexpr std::size_t kMaxAreas = 256;
    if (m_listedAreas.size() >= kMaxAreas) {
        Forget();
        return;
    }
    m_listedAreas.push_back(area);
}

void AreaClearer::Forget()
{
    m_listing = false;
    Reset();
}

void AreaClearer::List(int x, int y, std::uint32_t index)
{
    // Past an eighth of the area a full fill is as cheap as restoring the list.
    if (m_listedPixels.size() >= static_cast<std::size_t>(m_width) * m_height / 8) {
        Forget();
        return;
    }
    m_last = index;
    m_listedPixels.push_back(index);
    if (x == 0 || y == 0 || x == m_width - 1 || y == m_height - 1)
        m_outlineTouched = true;
}

void AreaClearer::Restore(std::uint32_t* pixels, std::uint32_t fill, std::uint32_t pen)
{
    for (const std::uint32_t index : m_listedPixels)
        pixels[index] = fill;
    // An area is put back as the clear left it: the pen on the outermost pixels, the fill
    // inside.
    for (const PixelArea& area : m_listedAreas) {
        for (int row = area.top; row < area.bottom; ++row) {
            std::uint32_t* line = pixels + static_cast<std::ptrdiff_t>(row) * m_width;
            const bool edge = row == 0 || row == m_height - 1;
            std::fill(line + area.left, line + area.right, edge ? pen : fill);
            if (area.left == 0)
                line[0] = pen;
            if (area.right == m_width)
                line[m_width - 1] = pen;
        }
    }
    if (m_outlineTouched)
        Outline(pixels, pen);
}

void AreaClearer::Reset()
{
    m_listedPixels.clear();
    m_listedAreas.clear();
    m_outlineTouched = false;
    m_last = kNoPixel;
}

} // namespace plovex
