#pragma once

#include "document/Rgb.h"

#include <cstddef>
#include <string>

namespace plovex {

inline constexpr Rgb kBackground { 250, 240, 230 };
inline constexpr Rgb kPen { 0, 0, 0 };

struct Pixel {
    int x;
    int y;
};

struct TextSize {
    int width;
    int height;
};

// What the renderer draws on: the graph area's pixels. Coordinates are the graph area's client
// pixels, (0, 0) at the top left; a point outside the area is the surface's to clip.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // The fill of later rectangles; RestoreFill goes back to the fill before SetFill.
    virtual void SetFill(Rgb fill) = 0;
    virtual void RestoreFill() = 0;

    // Repaints the whole form at once, wiping the graph area.
    virtual void RepaintForm() = 0;

    // Outlined with the pen, filled with the fill; right and bottom edges excluded.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    // With the pen, end point excluded.
    virtual void Line(int x0, int y0, int x1, int y1) = 0;
    virtual void SetPixel(int x, int y, Rgb colour) = 0;
    // The same as SetPixel for each pixel in order; a surface may do it in one go.
    virtual void SetPixels(const Pixel* pixels, std::size_t count, Rgb colour)
    {
        for (std::size_t i = 0; i < count; ++i)
            SetPixel(pixels[i].x, pixels[i].y, colour);
    }
    // The application icon at its standard 32 by 32 size, top-left corner at (x, y).
    virtual void DrawIcon(int x, int y) = 0;

    // Filled with `colour`, no outline; right and bottom edges excluded.
    virtual void FillRect(int left, int top, int right, int bottom, Rgb colour) = 0;
    // The box a label's text takes in the labels' font, and the text drawn in that box with
    // its top-left corner at (left, top): only the letters' own pixels change.
    virtual TextSize MeasureText(const std::string& text) const = 0;
    virtual void DrawText(int left, int top, const std::string& text, Rgb colour) = 0;
};

} // namespace plovex
