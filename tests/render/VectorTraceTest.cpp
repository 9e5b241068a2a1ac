#include "engine/ExpressionNames.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "render/CurveTracer.h"
#include "render/ExplicitTracer.h"
#include "render/ExportSize.h"
#include "render/GraphRenderer.h"
#include "render/GraphTracer.h"
#include "render/ImplicitTracer.h"
#include "render/TraceBuilder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace plovex {
namespace {

Program Compile(const std::string& expression, bool implicit)
{
    TokenList queue;
    TokenList operators;
    std::string postfix;
    const ParseResult result = Parse(expression, implicit, queue, operators, postfix);
    EXPECT_TRUE(result.Ok()) << expression;
    return Program::Compile(queue);
}

// "(x,y) (x,y) | (x,y)": the polylines, each point with "%.17g"'s digits.
std::string Text(const std::vector<Polyline>& lines)
{
    std::ostringstream text;
    text.precision(17);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text << (i ? " | " : "");
        for (std::size_t j = 0; j < lines[i].size(); ++j)
            text << (j ? " " : "") << "(" << lines[i][j].x << "," << lines[i][j].y << ")";
    }
    return text.str();
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(TraceBuilder, JoinsBreaksAndCutsToTheRectangle)
{
    // The rectangle from (0, 0) to (10, 10); "b" breaks the line.
    const struct {
        const char* name;
        std::vector<TracePoint> points; // a NaN x breaks
        std::string expected;
    } cases[] = {
        { "inside", { { 1, 1 }, { 2, 3 }, { 4, 4 } }, "(1,1) (2,3) (4,4)" },
        { "a break", { { 1, 1 }, { 2, 2 }, { kNaN, 0 }, { 3, 3 }, { 4, 4 } },
            "(1,1) (2,2) | (3,3) (4,4)" },
        { "a lone point is a dot", { { 1, 1 }, { kNaN, 0 }, { 3, 3 } }, "(1,1) | (3,3)" },
        { "leaves and comes back", { { 5, 5 }, { 5, 15 }, { 7, 5 } },
            "(5,5) (5,10) | (6,10) (7,5)" },
        { "enters from outside", { { -10, 5 }, { 5, 5 } }, "(0,5) (5,5)" },
        { "crosses without a point inside", { { -5, 5 }, { 15, 5 } }, "(0,5) (10,5)" },
        { "passes by", { { -5, 5 }, { 5, 20 }, { 20, 5 } }, "" },
        { "touches a corner once", { { -5, 5 }, { 0, 0 }, { -5, -5 } }, "(0,0)" },
        { "outside alone", { { 20, 20 } }, "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TraceBuilder builder(0, 0, 10, 10);
        for (const TracePoint& point : c.points) {
            if (std::isnan(point.x))
                builder.Break();
            else
                builder.Add(point);
        }
        EXPECT_EQ(Text(builder.Take()), c.expected);
    }
}

TEST(ExplicitTracer, BreaksAtNonFiniteSamplesAndAtJumpsTallerThanTheArea)
{
    // A 20 by 10 area at scale 1 and quality 1: samples at x = -10 ... 9, each at
    // (10 + x, 5 - y); the margin reaches from -2 to 22 and 12.
    const struct {
        const char* expression;
        std::string expected;
    } cases[] = {
        { "x/4",
            "(0,7.5) (1,7.25) (2,7) (3,6.75) (4,6.5) (5,6.25) (6,6) (7,5.75) (8,5.5) "
            "(9,5.25) (10,5) (11,4.75) (12,4.5) (13,4.25) (14,4) (15,3.75) (16,3.5) "
            "(17,3.25) (18,3) (19,2.75)" },
        // A pole: the infinite sample breaks the line, and so does nothing else.
        { "1/x",
            "(0,5.1000000014901161) (1,5.1111111119389534) (2,5.125) (3,5.1428571492433548) "
            "(4,5.1666666716337204) (5,5.2000000029802322) (6,5.25) (7,5.3333333432674408) "
            "(8,5.5) (9,6) | (11,4) (12,4.5) (13,4.6666666567325592) (14,4.75) "
            "(15,4.7999999970197678) (16,4.8333333283662796) (17,4.8571428507566452) (18,4.875) "
            "(19,4.8888888880610466)" },
        // Not a number left of 0: the line starts there.
        { "sqrt(x)*0", "(10,5) (11,5) (12,5) (13,5) (14,5) (15,5) (16,5) (17,5) (18,5) (19,5)" },
        // Steps of 6 are joined; the line comes in from below the margin where it meets it.
        { "floor(x/5)*6-1",
            "(5,12) (6,12) (7,12) (8,12) (9,12) (10,6) (11,6) (12,6) (13,6) (14,6) (15,0) (16,0) "
            "(17,0) (18,0) (19,0)" },
        // Steps of 11, more than the area's 10 rows, are broken.
        { "floor(x/5)*11+5.5",
            "(5,10.5) (6,10.5) (7,10.5) (8,10.5) (9,10.5) | (10,-0.5) (11,-0.5) (12,-0.5) "
            "(13,-0.5) (14,-0.5)" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        EXPECT_EQ(
            Text(TraceExplicit({ 1.0f, 1.0f, 1.0f }, Compile(c.expression, false), false, 20, 10)),
            c.expected);
    }
}

TEST(ExplicitTracer, LinesAcrossAPoleAreBrokenAtEveryScale)
{
    const struct {
        const char* expression;
        float xScale;
        float yScale;
        int pieces;
    } cases[] = {
        { "tan(x)", 10.0f, 10.0f, 21 }, // 20 poles over 610 columns
        { "tan(x)", 1.0f, 1.0f, 195 }, // the samples beside most poles lie on the area
        { "tan(x)+2", 1.0f, 1.0f, 195 },
        { "tan(x)", 10.0f, 0.01f, 21 }, // so flat that each pole spans a few rows
        { "x/abs(x)", 10.0f, 10.0f, 1 }, // a jump is no pole: joined { "1/x", 10.0f, 10.0f, 2 },
        { "1/(x-0.05)", 10.0f, 10.0f, 2 }, // no sample at the pole itself
        { "-1/x^2", 10.0f, 10.0f, 2 }, // beside its top, the spike's samples lie far apart
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        const std::vector<Polyline> lines = TraceExplicit(
            { c.xScale, c.yScale, 10.0f }, Compile(c.expression, false), false, 610, 238);
        EXPECT_EQ(static_cast<int>(lines.size()), c.pieces) << Text(lines).substr(0, 200);
        for (const Polyline& line : lines) {
            for (std::size_t i = 1; i < line.size(); ++i)
                ASSERT_LE(std::fabs(line[i].y - line[i - 1].y), 242.0);
        }
    }
}

TEST(ImplicitTracer, SegmentsCrossingsRootsAndDots)
{
    // A 10 by 8 area at scale 1: samples at x = -5 ... 4 and y = -4 ... 3, each at the centre of
    // its pixel, (5 + x + 0.5, 4 - y + 0.5).
    const struct {
        const char* expression;
        std::string expected;
    } cases[] = {
        // Zeros on the samples of column x = 0: one segment per square beside them.
        { "x",
            "(5.5,8.5) (5.5,7.5) | (5.5,7.5) (5.5,6.5) | (5.5,6.5) (5.5,5.5) | (5.5,5.5) "
            "(5.5,4.5) | (5.5,4.5) (5.5,3.5) | (5.5,3.5) (5.5,2.5) | (5.5,2.5) (5.5,1.5)" },
        // Halfway between samples, and beside the squares where the value is not a number.
        { "y-0.5+0*sqrt(x)",
            "(6.5,4) (5.5,4) | (7.5,4) (6.5,4) | (8.5,4) (7.5,4) | (9.5,4) (8.5,4)" },
        // Only touching 0 at one sample: no crossing, the raster's point is a dot.
        { "x^2+y^2", "(5.5,4.5)" },
        // The pole of 1/x is no crossing; the raster's points (|1/x| at most 0.5) are dots,
        // joined row by row.
        { "1/x",
            "(0.5,8.5) (3.5,8.5) | (0.5,7.5) (3.5,7.5) | (0.5,6.5) (3.5,6.5) | (0.5,5.5) "
            "(3.5,5.5) | (0.5,4.5) (3.5,4.5) | (0.5,3.5) (3.5,3.5) | (0.5,2.5) (3.5,2.5) | "
            "(0.5,1.5) (3.5,1.5) | (7.5,8.5) (9.5,8.5) | (7.5,7.5) (9.5,7.5) | (7.5,6.5) "
            "(9.5,6.5) | (7.5,5.5) (9.5,5.5) | (7.5,4.5) (9.5,4.5) | (7.5,3.5) (9.5,3.5) | "
            "(7.5,2.5) (9.5,2.5) | (7.5,1.5) (9.5,1.5)" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        EXPECT_EQ(Text(TraceImplicit({ 1.0f, 1.0f }, Compile(c.expression, true), false, 10, 8)),
            c.expected);
    }
}

TEST(ImplicitTracer, EveryRasterPointLiesNearALine)
{
    // What the raster draws (|f| at most 0.5) lies within half a pixel of a segment or a dot.
    const struct {
        const char* expression;
        float scale;
    } cases[] = {
        { "(x^2+y^2)/2-50", 10.0f },
        { "x*y-20", 10.0f },
        { "y-1/x", 10.0f },
        { "y-tan(x)", 10.0f },
        { "x^2-y^2", 7.0f }, // saddles at the origin
        { "sin(x*y)", 4.0f },
    };
    const int width = 121;
    const int height = 81;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        const Program program = Compile(c.expression, true);
        const GraphView view { c.scale, c.scale };
        const std::vector<Polyline> lines = TraceImplicit(view, program, false, width, height);
        for (int px = -60; px < 60; ++px) {
            for (int py = -40; py < 40; ++py) {
                const double value = program.Evaluate(false, px / c.scale, py / c.scale);
                if (!(std::fabs(value) <= 0.5))
                    continue;
                const TracePoint point { 60 + px + 0.5, 40 - py + 0.5 };
                double nearest = std::numeric_limits<double>::infinity();
                for (const Polyline& line : lines) {
                    for (std::size_t i = 0; i < line.size(); ++i) {
                        const TracePoint a = line[i];
                        const TracePoint b = line[i + 1 < line.size() ? i + 1 : i];
                        const double dx = b.x - a.x;
                        const double dy = b.y - a.y;
                        const double length = dx * dx + dy * dy;
                        const double t = length == 0.0
                            ? 0.0
                            : std::clamp(
                                ((point.x - a.x) * dx + (point.y - a.y) * dy) / length, 0.0, 1.0);
                        nearest = std::min(
                            nearest, std::hypot(a.x + t * dx - point.x, a.y + t * dy - point.y));
                    }
                }
                ASSERT_LE(nearest, 0.5) << px << "," << py;
            }
        }
    }
}

TEST(ImplicitTracer, NoSegmentAcrossAPole)
{
    // y - tan(x) changes sign across every pole; no segment may span the gap there.
    const std::vector<Polyline> lines
        = TraceImplicit({ 10.0f, 10.0f }, Compile("y-tan(x)", true), false, 610, 238);
    for (const Polyline& line : lines) {
        for (const TracePoint& point : line) {
            // Around the pole at x = pi/2, column 305 + 15.7, the curve is far above or below.
            if (point.x > 320.0 && point.x < 322.5) {
                ASSERT_TRUE(point.y < 60 || point.y > 180) << point.x << "," << point.y;
            }
        }
    }
}

Program CompileInT(const std::string& expression)
{
    TokenList queue;
    TokenList operators;
    std::string postfix;
    const ParseResult result
        = Parse(expression, ExpressionNames::Curve(), queue, operators, postfix);
    EXPECT_TRUE(result.Ok()) << expression;
    return Program::Compile(queue);
}

TEST(CurveTracer, BreaksWherePointsJumpOrACoordinatePassesAPole)
{
    const struct {
        const char* name;
        CurveKind kind;
        const char* x; // or r
        const char* y;
        ParameterRange range;
        int pieces;
    } cases[] = {
        { "circle", CurveKind::Parametric, "cos t*8", "sin t*8", {}, 1 },
        { "spiral", CurveKind::Polar, "t", nullptr, { 0.0f, 9.0f }, 1 },
        // x = 5 with y = tan t, whose poles at t = -pi/2 and pi/2 part it into three.
        { "polar line", CurveKind::Polar, "5/cos(t)", nullptr, { -3.0f, 3.0f }, 3 },
        { "tangent", CurveKind::Parametric, "t", "tan(t)", { -3.0f, 3.0f }, 3 },
        // Far off to the right beyond t = 1, and back: the jump across is cut at the margin.
        { "out and back", CurveKind::Parametric, "t+1/(t-1.05)^2", "t", { 0.0f, 2.0f }, 2 },
        { "not a number", CurveKind::Parametric, "sqrt(t)", "t", { -2.0f, 2.0f }, 1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CurveItem curve { c.kind, std::nullopt, c.range };
        if (c.y)
            curve.y = CompileInT(c.y);
        const std::vector<Polyline> lines
            = TraceCurve({ 10.0f, 10.0f, 10.0f }, CompileInT(c.x), curve, 300, 200);
        EXPECT_EQ(static_cast<int>(lines.size()), c.pieces) << Text(lines).substr(0, 300);
    }
}

TEST(GraphTracer, EachDrawnFunctionInItsColourAndOrder)
{
    std::vector<PlotItem> items {
        { Compile("x", false), false, false, { 213, 94, 0 }, true },
        { Compile("x^2+y^2-9", true), true, false, { 0, 158, 115 }, true },
        // Sampled for its statistics alone: not drawn.
        { Compile("2*x", false), false, false, { 0, 0, 255 }, false },
    };
    const std::vector<TracedCurve> curves = TraceGraph({}, items, 100, 80);
    ASSERT_EQ(curves.size(), 2u);
    EXPECT_EQ(curves[0].colour, (Rgb { 213, 94, 0 }));
    EXPECT_EQ(curves[1].colour, (Rgb { 0, 158, 115 }));
    EXPECT_EQ(curves[0].lines.size(), 1u);
    EXPECT_GT(curves[1].lines.size(), 40u);
}

TEST(ExportSize, RegionMultipliesTheScalesAndKeepsTheCentre)
{
    const struct {
        const char* name;
        GraphView view;
        int newWidth;
        int newHeight;
        ExportKeep keep;
        GraphView expected;
    } cases[] = {
        { "region", { 10.0f, 10.0f, 10.0f }, 1600, 600, ExportKeep::Region,
            { 26.229507446289062f, 25.210084915161133f, 10.0f } },
        // The centre (3.5, -2.25) stays: offsets are the centre times the new scales, as
        // --center gives them.
        { "moved", { 10.0f, 10.0f, 3.0f, 35.0, -22.5 }, 1600, 600, ExportKeep::Region,
            { 26.229507446289062f, 25.210084915161133f, 3.0f, 91.80327606201172,
                -56.72269105911255 } },
        { "mirrored and smaller", { -10.0f, 10.0f, 10.0f }, 1920, 238, ExportKeep::Region,
            { -31.47541046142578f, 10.0f, 10.0f } },
        // A scale that stays keeps its offset bit for bit, whatever the division would give.
        { "same size", { 12.5f, 7.0f, 10.0f, 0.1, -1e-300 }, 610, 238, ExportKeep::Region,
            { 12.5f, 7.0f, 10.0f, 0.1, -1e-300 } },
        { "height only", { 12.5f, 7.0f, 10.0f, 0.1, 3.0 }, 610, 476, ExportKeep::Region,
            { 12.5f, 14.0f, 10.0f, 0.1, 6.0 } },
        { "not a number stays", { std::nanf(""), 10.0f, 10.0f, 4.0, 0.0 }, 1600, 238,
            ExportKeep::Region, { std::nanf(""), 10.0f, 10.0f, 4.0, 0.0 } },
        { "scales", { 10.0f, 20.0f, 10.0f, 35.0, -22.5 }, 1600, 600, ExportKeep::Scales,
            { 10.0f, 20.0f, 10.0f, 35.0, -22.5 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ExportView(c.view, 610, 238, c.newWidth, c.newHeight, c.keep), c.expected);
    }
}

} // namespace
} // namespace plovex
