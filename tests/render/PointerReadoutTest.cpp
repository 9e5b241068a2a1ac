#include "render/PointerReadout.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace plovex {
namespace {

struct ReadoutCase {
    int dx;
    int dy;
    float xScale;
    float yScale;
    const char* text;
};

TEST(PointerReadout, AsManyDecimalsAsTheScaleWarrants)
{
    const ReadoutCase cases[] = {
        { 100, -30, 80.0f, 80.0f, "x = 1.25, y = -0.375" },
        { 1, 1, 80.0f, 80.0f, "x = 0.013, y = 0.013" }, // 0.0125 at three decimals
        { 3, -7, 10.0f, 10.0f, "x = 0.3, y = -0.7" }, { 0, 0, 10.0f, 10.0f, "x = 0, y = 0" },
        { 1, 2, 3.0f, 3.0f, "x = 0.33, y = 0.67" }, { 7, 7, 1.0f, 0.5f, "x = 7, y = 14" },
        { -1, 1, -10.0f, 1e-3f, "x = 0.1, y = 1000" },
        { -1, 0, 1000.0f, 10.0f, "x = -0.001, y = 0" },
        { 1, 1, 0.0f, 1e9f, "x = inf, y = 0.000000001" },
        { 1, -1, 1e20f, 10.0f, "x = 0, y = -0.1" }, // at most twelve decimals
    };
    for (const ReadoutCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PointerReadoutText(c.dx, c.dy, c.xScale, c.yScale), c.text);
    }
}

} // namespace
} // namespace plovex
