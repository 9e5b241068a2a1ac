#include "view/ImageSurface.h"

#include "FormRendering.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "render/FormFields.h"
#include "render/GraphRenderer.h"

#include <QImage>
#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace plovex {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kCream = qRgb(250, 240, 230);

QRgb At(const ImageSurface& surface, int x, int y)
{
    return surface.Image().pixel(x, y) | 0xFF000000u;
}

TEST(ImageSurface, RectangleOutlinesWithThePenAndFillsInside)
{
    ImageSurface surface(20, 10);
    surface.SetFill({ 250, 240, 230 });
    surface.Rectangle(0, 0, 20, 10);
    const struct {
        int x;
        int y;
        QRgb colour;
    } cases[] = {
        { 0, 0, kBlack },
        { 19, 0, kBlack },
        { 0, 9, kBlack },
        { 19, 9, kBlack },
        { 7, 0, kBlack },
        { 7, 9, kBlack },
        { 0, 4, kBlack },
        { 19, 4, kBlack },
        { 1, 1, kCream },
        { 18, 8, kCream },
        { 10, 5, kCream },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(At(surface, c.x, c.y), c.colour);
    }

    // Right and bottom edges are excluded: an inner rectangle leaves them alone.
    ImageSurface inner(10, 10);
    inner.SetFill({ 250, 240, 230 });
    inner.Rectangle(2, 2, 6, 5);
    EXPECT_EQ(At(inner, 2, 2), kBlack);
    EXPECT_EQ(At(inner, 5, 4), kBlack);
    EXPECT_EQ(At(inner, 3, 3), kCream);
    EXPECT_EQ(At(inner, 6, 3), kWhite);
    EXPECT_EQ(At(inner, 3, 5), kWhite);
    EXPECT_EQ(At(inner, 1, 1), kWhite);
}

TEST(ImageSurface, RestoreFillReturnsToThePreviousFill)
{
    ImageSurface surface(6, 6);
    surface.SetFill({ 255, 0, 0 });
    surface.SetFill({ 0, 255, 0 });
    surface.RestoreFill();
    surface.Rectangle(0, 0, 6, 6);
    EXPECT_EQ(At(surface, 2, 2), qRgb(255, 0, 0));
}

TEST(ImageSurface, LinesLeaveOutTheirEndPoint)
{
    ImageSurface surface(10, 10);
    surface.Line(2, 1, 6, 1);
    for (int x = 2; x < 6; ++x)
        EXPECT_EQ(At(surface, x, 1), kBlack) << x;
    EXPECT_EQ(At(surface, 6, 1), kWhite);
    EXPECT_EQ(At(surface, 1, 1), kWhite);

    surface.Line(8, 7, 8, 3); // upwards
    for (int y = 4; y <= 7; ++y)
        EXPECT_EQ(At(surface, 8, y), kBlack) << y;
    EXPECT_EQ(At(surface, 8, 3), kWhite);

    surface.Line(0, 3, 4, 7);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(At(surface, i, 3 + i), kBlack) << i;
    EXPECT_EQ(At(surface, 4, 7), kWhite);

    const QImage before = surface.Image();
    surface.Line(5, 5, 5, 5); // nothing between a point and itself
    EXPECT_EQ(surface.Image(), before);
}

TEST(ImageSurface, ClipsWhatFallsOutside)
{
    ImageSurface surface(8, 6);
    const QImage before = surface.Image();
    surface.SetPixel(8, 0, { 0, 0, 255 });
    surface.SetPixel(0, 6, { 0, 0, 255 }); // row H, which the renderer can produce
    surface.SetPixel(-1, 0, { 0, 0, 255 });
    surface.SetPixel(0, -1, { 0, 0, 255 });
    surface.SetPixel(INT_MAX, INT_MIN, { 0, 0, 255 });
    surface.Line(-5, 10, -5, -10);
    surface.DrawIcon(-40, -40);
    surface.DrawIcon(8, 6);
    EXPECT_EQ(surface.Image(), before);

    surface.Line(-3, 2, 3, 2); // partly inside
    EXPECT_EQ(At(surface, 0, 2), kBlack);
    EXPECT_EQ(At(surface, 2, 2), kBlack);
    EXPECT_EQ(At(surface, 3, 2), kWhite);
}

// The window shows a copy of the picture while the rendering goes on: whichever drawing call
// comes first after the copy, the surface takes its own pixels again, the copy keeps its own.
TEST(ImageSurface, ACopyOfThePictureKeepsItsPixels)
{
    const Pixel run[] = { { 2, 3 }, { 4, 5 } };
    const struct {
        const char* name;
        std::function<void(ImageSurface&)> draw;
    } cases[] = {
        { "SetPixel",
            [](ImageSurface& s) {
                s.SetPixel(3, 3, { 0, 0, 255 });
            } },
        { "SetPixels",
            [&run](ImageSurface& s) {
                s.SetPixels(run, 2, { 0, 0, 255 });
            } },
        { "straight Line", [](ImageSurface& s) { s.Line(1, 4, 7, 4); } },
        { "slanted Line", [](ImageSurface& s) { s.Line(1, 1, 6, 4); } },
        { "Rectangle", [](ImageSurface& s) { s.Rectangle(2, 2, 6, 5); } },
        { "clearing Rectangle", [](ImageSurface& s) { s.Rectangle(0, 0, 8, 6); } },
        { "FillRect",
            [](ImageSurface& s) {
                s.FillRect(1, 1, 3, 3, { 0, 0, 255 });
            } },
        { "DrawIcon", [](ImageSurface& s) { s.DrawIcon(-20, -20); } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ImageSurface surface(8, 6);
        // Cleared, with a pixel listed for the next clear to restore.
        surface.SetFill({ 250, 240, 230 });
        surface.Rectangle(0, 0, 8, 6);
        surface.SetPixel(6, 1, { 0, 0, 255 });
        const QImage copy = std::as_const(surface).Image();
        const QImage before = copy.copy();
        c.draw(surface);
        EXPECT_EQ(copy, before);
        EXPECT_NE(surface.Image(), before);
    }
}

TEST(ImageSurface, DrawsAGraphWithIconAndClipsRowH)
{
    TokenList queue;
    TokenList operators;
    FormFields fields;
    fields.m_xScale = 1.0f;
    fields.m_yScale = 1.0f;
    fields.m_quality = 1.0f;
    ASSERT_TRUE(Parse("x", false, queue, operators, fields.m_postfix).Ok());
    ImageSurface surface(100, 60);
    (void)DrawFormGraph(fields, Program::Compile(queue), surface);

    EXPECT_EQ(At(surface, 0, 0), kBlack); // border
    EXPECT_EQ(At(surface, 99, 59), kBlack);
    EXPECT_EQ(At(surface, 10, 30), kBlack); // horizontal axis
    EXPECT_EQ(At(surface, 50, 10), kBlack); // vertical axis
    EXPECT_EQ(At(surface, 10, 10), kCream);
    EXPECT_EQ(At(surface, 50, 30), kBlue); // the curve at the origin, over the axes
    EXPECT_EQ(At(surface, 21, 59), kBlue); // px = -29
    EXPECT_EQ(At(surface, 79, 1), kBlue); // px = 29
    EXPECT_EQ(At(surface, 80, 0), kBlue); // px = 30: row 0
    // px = -30 falls on row 60, below the image: dropped, and column 20 keeps its border.
    EXPECT_EQ(At(surface, 20, 59), kBlack);

    // The icon covers (63, 23) to (94, 54) and nothing outside it.
    int changed = 0;
    for (int y = 23; y < 55; ++y) {
        for (int x = 63; x < 95; ++x)
            changed += At(surface, x, y) != kCream;
    }
    EXPECT_GT(changed, 100);
    EXPECT_EQ(At(surface, 62, 40), kCream);
    EXPECT_EQ(At(surface, 95, 40), kCream);
    EXPECT_EQ(At(surface, 80, 22), kCream);
    EXPECT_EQ(At(surface, 80, 55), kCream);
}

TEST(ImageSurface, NarrowRectanglesAreOutlinesOnly)
{
    const struct {
        int right;
        int bottom;
    } cases[] = { { 1, 5 }, { 2, 5 }, { 5, 1 }, { 5, 2 }, { 1, 1 }, { 2, 2 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.right) + "x" + std::to_string(c.bottom));
        ImageSurface surface(8, 8);
        surface.SetFill({ 250, 240, 230 });
        surface.Rectangle(0, 0, c.right, c.bottom); // once ran its fill backwards
        EXPECT_EQ(
            At(surface, c.right - 1, c.bottom - 1), c.right * c.bottom == 1 ? kWhite : kBlack);
        EXPECT_EQ(At(surface, c.right, c.bottom), kWhite);
    }
}

// The surface remembers what it drew since its last clear and restores only that on the next
// one: a rendering on a used surface must equal one on a fresh surface, also after the image
// was handed out and changed.
TEST(ImageSurface, ARenderingOnAUsedSurfaceEqualsOneOnAFreshSurface)
{
    const auto render = [](const char* expression, bool implicit, ImageSurface& surface) {
        TokenList queue;
        TokenList operators;
        FormFields fields;
        fields.m_implicit = implicit;
        EXPECT_TRUE(Parse(expression, implicit, queue, operators, fields.m_postfix).Ok());
        (void)DrawFormGraph(fields, Program::Compile(queue), surface);
    };
    const struct {
        const char* expression;
        bool implicit;
    } cases[] = { { "x*sin(x)", false }, { "x^2+y^2-100", true }, { "10*sin(x)", false },
        { "tan(x*y)", true }, { "x", false } };
    ImageSurface used(61, 37);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        render(c.expression, c.implicit, used);
        ImageSurface fresh(61, 37);
        render(c.expression, c.implicit, fresh);
        EXPECT_EQ(used.Image(), fresh.Image());
        used.Image().setPixel(30, 20, qRgb(1, 2, 3));
    }
}

} // namespace
} // namespace plovex
