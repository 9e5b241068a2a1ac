#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace plovex {

// A rectangle of pixels, right and bottom excluded.
struct PixelArea {
    int left;
    int top;
    int right;
    int bottom;
};

// Clears a graph area's pixels (32-bit words, row after row with no padding) to a fill inside
// the pen's outline round the whole area, and lists what is drawn on it after. Clearing again
// to the same fill then puts back the listed pixels alone instead of filling every pixel: a
// curve is a few thousand pixels of a two-million-pixel area.
class AreaClearer {
public:
    AreaClearer(int width, int height);

    void Clear(std::uint32_t* pixels, std::uint32_t fill, std::uint32_t pen);
    // The pen's outline round the whole area, as a clear draws it; not listed.
    void Outline(std::uint32_t* pixels, std::uint32_t pen) const;

    // The pixel at (x, y), already inside the area, was drawn; `index` is y * width + x, which
    // the drawing has at hand. Successive samples of a flat curve hit the same pixel: it is
    // listed once.
    void Drawn(int x, int y, std::uint32_t index)
    {
        if (m_listing && index != m_last)
            List(x, y, index);
    }
    // Everything inside `area`, already cut to the area, may have changed.
    void Drawn(PixelArea area);
    // The pixels changed in a way not listed: the next clear fills every pixel.
    void Forget();

private:
    void List(int x, int y, std::uint32_t index);
    void Restore(std::uint32_t* pixels, std::uint32_t fill, std::uint32_t pen);
    void Reset();

    int m_width;
    int m_height;
    // Set while the pixels are the last clear's with, on top of it, nothing outside the lists.
    bool m_listing = false;
    std::uint32_t m_fill = 0;
    std::vector<std::uint32_t> m_listedPixels;
    static constexpr std::uint32_t kNoPixel = 0xFFFFFFFF;
    std::uint32_t m_last = kNoPixel;
    std::vector<PixelArea> m_listedAreas;
    // A listed pixel lies on the outline, which is then drawn again after the restore.
    bool m_outlineTouched = false;
};

} // namespace plovex
