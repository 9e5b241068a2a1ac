#include "render/CurveSampling.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace plovex {
namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// N = floor(2·hw·quality), at least 1 and at most 2^26.
TEST(CurveSampling, StepsFollowTheQuality)
{
    const struct {
        int hw;
        float quality;
        std::int64_t steps;
    } cases[] = {
        { 305, 10.0f, 6100 },
        { 960, 10.0f, 19200 },
        { 305, 0.5f, 305 },
        { 305, 0.3f, 183 }, // 0.3f is a little above 0.3: 183.0000073 -> 183
        { 305, 0.001f, 1 },
        { 305, 0.0f, 1 },
        { 305, -4.0f, 1 },
        { 305, kNaN, 1 },
        { 0, 10.0f, 1 }, // an area one pixel wide
        { 1024, 32768.0f, 67108864 }, // exactly the limit
        { 305, 1e9f, 67108864 },
        { 305, kInfinity, 67108864 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.hw) + " at " + std::to_string(c.quality));
        EXPECT_EQ(CurveSteps(c.hw, c.quality), c.steps);
    }
}

// t_k = A + k·(B - A)/N in double, rounded once: both ends exact, either direction, an empty
// range all at its one value.
TEST(CurveSampling, TheParameterRunsFromStartToEnd)
{
    const struct {
        const char* name;
        ParameterRange range;
        std::int64_t k;
        std::int64_t steps;
        float t;
    } cases[] = {
        { "start", {}, 0, 6100, 0.0f },
        { "end", {}, 6100, 6100, 6.2831855f },
        { "a third, rounded once", { 0.0f, 1.0f }, 1, 3, 0.3333333432674408f },
        { "two thirds", { 0.0f, 1.0f }, 2, 3, 0.6666666865348816f },
        { "downwards", { 1.0f, -2.0f }, 1, 3, 0.0f },
        { "downwards, end", { 1.0f, -2.0f }, 3, 3, -2.0f },
        { "empty", { 2.5f, 2.5f }, 7, 10, 2.5f },
        { "one step", { -1.0f, 1.0f }, 1, 1, 1.0f },
        { "widest", { -3.4028235e38f, 3.4028235e38f }, 1, 2, 0.0f },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(CurveParameter(c.range, c.k, c.steps)),
            std::bit_cast<std::uint32_t>(c.t));
    }
}

// x = f32(r·cos t), y = f32(r·sin t) from the floats; a negative r lies opposite the angle.
TEST(CurveSampling, PolarPointsFromRadiusAndAngle)
{
    const struct {
        float r;
        float t;
        float x;
        float y;
    } cases[] = {
        { 2.0f, 0.0f, 2.0f, 0.0f }, { -1.0f, 0.0f, -1.0f, -0.0f },
        { 1.0f, 6.2831855f, 1.0f, 1.7484555e-07f }, // the float is a little above 2 pi
        { -1.5f, 2.0f, 0.6242202520370483f, -1.3639461994171143f },
        { kInfinity, 0.0f, kInfinity, kNaN }, // infinity times 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.r) + " at " + std::to_string(c.t));
        const CurvePoint point = PolarPoint(c.r, c.t);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(point.x), std::bit_cast<std::uint32_t>(c.x));
        if (std::isnan(c.y))
            EXPECT_TRUE(std::isnan(point.y));
        else
            EXPECT_EQ(std::bit_cast<std::uint32_t>(point.y), std::bit_cast<std::uint32_t>(c.y));
    }
}

// u = f32(x·xScale) - xOffset, v = f32(y·yScale) - yOffset; drawn for -hw <= u < hw and
// -hh <= v <= hh at column trunc(hw + u), row trunc(hh - v), inside the area.
TEST(CurveSampling, APointLandsOnItsPixel)
{
    const GraphView unit { 1.0f, 1.0f, 10.0f };
    const GraphView moved { 1.0f, 1.0f, 10.0f, 2.5, -1.0 };
    const GraphView tens { 10.0f, 10.0f, 10.0f };
    const struct {
        const char* name;
        GraphView view;
        int height;
        CurvePoint point;
        int column; // -1: not drawn
        int row;
    } cases[] = {
        { "centre", unit, 10, { 0.0f, 0.0f }, 10, 5 },
        { "left edge", unit, 10, { -10.0f, 0.0f }, 0, 5 },
        { "right edge is outside", unit, 10, { 10.0f, 0.0f }, -1, 0 },
        { "just inside the right edge", unit, 10, { 9.99f, 0.0f }, 19, 5 },
        { "top row", unit, 10, { 0.0f, 5.0f }, 10, 0 },
        { "above the top", unit, 10, { 0.0f, 5.01f }, -1, 0 },
        { "-hh on an even height is below the area", unit, 10, { 0.0f, -5.0f }, -1, 0 },
        { "-hh on an odd height is its last row", unit, 11, { 0.0f, -5.0f }, 10, 10 },
        { "fractions cut towards the centre's left and top", unit, 10, { -0.5f, 0.5f }, 9, 4 },
        { "the scaled value rounded to float first", tens, 10, { 0.1f, -0.1f }, 11, 6 },
        { "offsets subtracted", moved, 10, { 0.0f, 0.0f }, 7, 4 },
        { "NaN", unit, 10, { kNaN, 0.0f }, -1, 0 },
        { "infinite", unit, 10, { 0.0f, -kInfinity }, -1, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Pixel> pixel = CurvePixel(c.view, 20, c.height, c.point);
        if (c.column < 0) {
            EXPECT_FALSE(pixel.has_value());
            continue;
        }
        ASSERT_TRUE(pixel.has_value());
        EXPECT_EQ(pixel->x, c.column);
        EXPECT_EQ(pixel->y, c.row);
    }
}

} // namespace
} // namespace plovex
