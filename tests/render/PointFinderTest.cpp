#include "render/PointFinder.h"

#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "render/GraphCoordinates.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace plovex {
namespace {

std::vector<float> Columns(int width, float xScale, double xOffset = 0.0)
{
    GraphView view;
    view.xScale = xScale;
    view.xOffset = xOffset;
    return ColumnXs(view, width);
}

Program Compile(const std::string& expression)
{
    TokenList queue;
    TokenList operators;
    std::string postfix;
    const ParseResult result = Parse(expression, false, queue, operators, postfix);
    EXPECT_TRUE(result.Ok()) << result.message;
    return Program::Compile(queue);
}

ValueAt Plain(const Program& program)
{
    return [&program](float x) { return static_cast<double>(program.Run(x, 0.0f)); };
}

std::string Texts(const std::vector<FoundPoint>& points)
{
    std::string text;
    for (const FoundPoint& point : points) {
        if (!text.empty())
            text += ' ';
        text += FormatFixed(point.x);
    }
    return text;
}

// The root rule: f is 0 at x, or changes sign towards a neighbouring float whose |f| is no
// smaller.
void ExpectRoot(const ValueAt& f, const FoundPoint& root)
{
    SCOPED_TRACE("root at " + FormatExact(root.x));
    const double value = f(root.x);
    EXPECT_EQ(root.y, value);
    if (value == 0.0)
        return;
    const float below = std::nextafter(root.x, -std::numeric_limits<float>::infinity());
    const float above = std::nextafter(root.x, std::numeric_limits<float>::infinity());
    const auto changes = [&](float neighbour) {
        const double other = f(neighbour);
        return ((value < 0.0 && other > 0.0) || (value > 0.0 && other < 0.0))
            && std::fabs(value) <= std::fabs(other);
    };
    EXPECT_TRUE(changes(below) || changes(above));
}

// The extremum rule: no worse than both neighbouring floats and than the samples around it.
void ExpectExtremum(const ValueAt& f, const FoundPoint& point, const std::vector<float>& columns)
{
    SCOPED_TRACE("extremum at " + FormatExact(point.x));
    const double sign = point.kind == PointKind::Maximum ? 1.0 : -1.0;
    const double value = f(point.x);
    EXPECT_EQ(point.y, value);
    EXPECT_GE(sign * value, sign * f(std::nextafter(point.x, -1e30f)));
    EXPECT_GE(sign * value, sign * f(std::nextafter(point.x, 1e30f)));
    for (std::size_t i = 0; i + 1 < columns.size(); ++i) {
        if (columns[i] <= point.x && point.x <= columns[i + 1]) {
            EXPECT_GE(sign * value, sign * f(columns[i]));
            EXPECT_GE(sign * value, sign * f(columns[i + 1]));
        }
    }
}

struct RootCase {
    const char* expression;
    int width;
    float xScale;
    // The roots' x as "%f" writes them, in order of x.
    const char* roots;
};

TEST(PointFinder, RootsFollowTheRule)
{
    const RootCase cases[] = {
        { "x^2-2", 610, 10.0f, "-1.414214 1.414214" },
        { "x^3-2*x-5", 610, 10.0f, "2.094552" }, // f is 9.5e-7 there, -1.4e-6 a float below
        { "sin x", 610, 10.0f,
            "-28.274334 -25.132742 -21.991148 -18.849556 -15.707963 -12.566371 -9.424778 -6.283185 "
            "-3.141593 0.000000 3.141593 6.283185 9.424778 12.566371 15.707963 18.849556 21.991148 "
            "25.132742 28.274334" },
        { "cos x - x", 610, 10.0f, "0.739085" },
        { "1/x", 610, 10.0f, "" }, // the centre sample is infinite: no pair to bracket
        { "1/x", 611, 7.0f, "" },
        { "tan x", 610, 10.0f,
            "-28.274334 -25.132742 -21.991148 -18.849556 -15.707963 -12.566371 -9.424778 -6.283185 "
            "-3.141593 0.000000 3.141593 6.283185 9.424778 12.566371 15.707963 18.849556 21.991148 "
            "25.132742 28.274334" }, // roots at multiples of pi, no poles
        { "tan x", 610, 33.0f, "-6.283185 -3.141593 0.000000 3.141593 6.283185" },
        { "x^2", 610, 10.0f, "0.000000" }, // touches zero at the centre sample only
        // Touches zero between samples: the minimum, whose value is 0, is a root too.
        { "(x-0.05)^2", 610, 10.0f, "0.050000" },
        { "0-(x-1)^2", 610, 10.0f, "1.000000" }, // a maximum of value -0
        { "abs(x-0.05)", 610, 10.0f, "0.050000" },
        { "x^2+0.001", 610, 10.0f, "" }, // the minimum stays above zero
        { "sqrt(x)", 610, 10.0f, "0.000000" }, // the NaN half brackets nothing
        { "sqrt(x)-1", 610, 10.0f, "1.000000" }, { "3", 610, 10.0f, "" },
        { "1000000*x-3", 610, 10.0f, "0.000003" },
        { "atan(10000*(x-1.23))", 610, 10.0f, "1.230000" },
        // A jump across which |f| does not grow is a sign change between neighbouring floats.
        { "floor(x)-0.5", 610, 10.0f, "1.000000" },
        { "x-floor(x)-0.5", 100, 10.0f, // the jumps at whole numbers are no roots
            "-4.500000 -3.500000 -2.500000 -1.500000 -0.500000 0.500000 1.500000 2.500000 "
            "3.500000 4.500000" },
        { "x^2-2", 610, -10.0f, "-1.414214 1.414214" },
        { "x", 610, 1e-44f, "0.000000" }, // every other column is infinite
    };
    for (const RootCase& c : cases) {
        SCOPED_TRACE(std::string(c.expression) + " over " + std::to_string(c.width) + " at "
            + std::to_string(c.xScale));
        const Program program = Compile(c.expression);
        const ValueAt f = Plain(program);
        const std::vector<float> columns = Columns(c.width, c.xScale);
        const PointList roots = InOrderOfX(FindRoots(f, columns));
        EXPECT_EQ(Texts(roots.points), c.roots);
        for (const FoundPoint& root : roots.points) {
            EXPECT_EQ(root.kind, PointKind::Root);
            ExpectRoot(f, root);
        }
    }
}

struct PoleCase {
    const char* expression;
    float xScale;
    float centre;
    // The roots' x and value as "%.17g" writes them, in order of x.
    const char* roots;
};

TEST(PointFinder, PolesAndJumpsAreNoRootsWhileNoisyRootsAre)
{
    // On 20 columns 0.0001 apart: near a root of these polynomials the float value is a few
    // rounding steps that rise and fall, and a sample can be smaller than the bisection's end.
    const PoleCase cases[] = {
        { "x^5-15*x^4+85*x^3-225*x^2+274*x-120", 10000.0f, 4.000814f,
            "3.9999847412109375 -0.000244140625" },
        { "x^4-4*x^3+6*x^2-4*x+1-0.0001", 10000.0f, 1.1f,
            "1.1000157594680786 1.3580574886873364e-07" },
        { "x^4-4*x^3+6*x^2-4*x+1-0.0001", 10000.0f, 0.8997453f,
            "0.90000855922698975 -3.4103140933439136e-07" },
        { "tan x", 100000.0f, 1.5707963f, "" },
        { "tan x", 10.0f, 4.712389f, "" },
        { "1/(x*x-2)", 100000.0f, 1.4142135f, "" }, // a sample is the float nearest the pole
        { "1/(x*x-2)", 10.0f, -1.4142135f, "" },
        // A sample lies on the jump at 1, which is no root; 0.5 and 1.5 are.
        { "x-floor(x)-0.5", 10.0f, 1.0f, "0.5 -0 1.5 -0" },
        { "x-floor(x)-0.5", 1000.0f, 2.0f, "" },
    };
    for (const PoleCase& c : cases) {
        SCOPED_TRACE(std::string(c.expression) + " at " + std::to_string(c.xScale) + " around "
            + std::to_string(c.centre));
        const Program program = Compile(c.expression);
        const ValueAt f = Plain(program);
        const std::vector<float> columns
            = Columns(20, c.xScale, static_cast<double>(c.centre) * c.xScale);
        std::string text;
        for (const FoundPoint& root : InOrderOfX(FindRoots(f, columns)).points) {
            if (!text.empty())
                text += ' ';
            text += FormatExact(root.x);
            text += ' ';
            text += FormatExact(root.y);
            ExpectRoot(f, root);
        }
        EXPECT_EQ(text, c.roots);
    }
}

TEST(PointFinder, ColumnsAreTheRenderersColumns)
{
    // One column per pixel offset from -W/2 to W/2 - 1: an odd W's last column is not drawn.
    EXPECT_EQ(Columns(5, 10.0f), (std::vector<float> { -0.2f, -0.1f, 0.0f, 0.1f }));
    EXPECT_EQ(
        Columns(4, 3.0f), (std::vector<float> { -0.6666667f, -0.33333334f, 0.0f, 0.33333334f }));
    EXPECT_EQ(Columns(1, 10.0f), std::vector<float> {});
    const std::vector<float> mirrored = Columns(2, -10.0f);
    EXPECT_EQ(mirrored, (std::vector<float> { 0.1f, 0.0f }));
    EXPECT_TRUE(std::signbit(mirrored[1])); // 0 / -10, as the renderer divides
    EXPECT_EQ(Columns(4, 10.0f, 0.5f), (std::vector<float> { -0.15f, -0.05f, 0.05f, 0.15f }));
}

struct ExtremaCase {
    const char* expression;
    int width;
    float xScale;
    // "min" or "max" and x as "%f" writes it, in order of x.
    const char* extrema;
};

TEST(PointFinder, ExtremaFollowTheRule)
{
    const ExtremaCase cases[] = {
        { "x^2-2", 610, 10.0f, "min 0.000000" },
        { "x^3-2*x-5", 610, 10.0f, "max -0.816408 min 0.816718" },
        { "sin x", 100, 10.0f, "max -4.712461 min -1.570820 max 1.570820 min 4.712461" },
        { "cos x - x", 610, 10.0f, "" }, // never turns
        // The infinite centre sample, and -10 at x = -0.1 whose climb ends at -inf: no extrema.
        { "1/x", 610, 10.0f, "" },
        { "tan x", 100, 10.0f, "" }, // the last samples before the poles climb into them
        { "1/(x-0.1)^2", 610, 10.0f, "" }, // even pole: halves within one float step
        { "x^2", 610, 10.0f, "min 0.000000" },
        { "x^2", 611, 7.0f, "min 0.000000" },
        { "sqrt(x)", 610, 10.0f, "" }, // NaN neighbours compare with nothing
        { "3", 610, 10.0f, "" },
        { "abs(x-0.05)", 610, 10.0f, "min 0.050000" }, // steep on both sides
        { "floor(x/3)*(x-3)", 100, 10.0f, "min 1.500000" }, // a run of equal samples counts once
        { "-(x-1)^2", 610, -10.0f, "max 1.000000" },
        { "x*sin(x)", 200, 10.0f,
            "max -7.978522 min -4.913274 max -2.028869 min 0.000000 max 2.028869 min 4.913274 "
            "max 7.978522" },
    };
    for (const ExtremaCase& c : cases) {
        SCOPED_TRACE(std::string(c.expression) + " over " + std::to_string(c.width) + " at "
            + std::to_string(c.xScale));
        const Program program = Compile(c.expression);
        const ValueAt f = Plain(program);
        const std::vector<float> columns = Columns(c.width, c.xScale);
        const PointList extrema = InOrderOfX(FindExtrema(f, columns));
        std::string text;
        for (const FoundPoint& point : extrema.points) {
            if (!text.empty())
                text += ' ';
            text += point.kind == PointKind::Maximum ? "max " : "min ";
            text += FormatFixed(point.x);
            ExpectExtremum(f, point, columns);
        }
        EXPECT_EQ(text, c.extrema);
    }
}

TEST(PointFinder, IntersectionsAreRootsOfTheDifference)
{
    const Program square = Compile("x^2");
    const Program line = Compile("x+2");
    const std::vector<float> columns = Columns(610, 10.0f);
    const PointList points = InOrderOfX(FindIntersections(Plain(square), Plain(line), 2, columns));
    ASSERT_EQ(points.points.size(), 2u);
    EXPECT_EQ(points.points[0].kind, PointKind::Intersection);
    EXPECT_EQ(points.points[0].x, -1.0f); // a sample where both are 1
    EXPECT_EQ(points.points[0].y, 1.0);
    EXPECT_EQ(points.points[0].other, 2);
    EXPECT_EQ(points.points[1].x, 2.0f);
    EXPECT_EQ(points.points[1].y, 4.0);
    // Between samples: x^2 meets x + 2.05 where the difference changes sign.
    const Program shifted = Compile("x+2.05");
    const PointList between
        = InOrderOfX(FindIntersections(Plain(square), Plain(shifted), 3, columns));
    ASSERT_EQ(between.points.size(), 2u);
    for (const FoundPoint& point : between.points) {
        EXPECT_EQ(point.y, square.Run(point.x, 0.0f));
        ExpectRoot(
            [&](float x) {
                return static_cast<double>(square.Run(x, 0.0f))
                    - static_cast<double>(shifted.Run(x, 0.0f));
            },
            { PointKind::Root, point.x,
                static_cast<double>(square.Run(point.x, 0.0f)) - shifted.Run(point.x, 0.0f) });
    }
}

TEST(PointFinder, OneCommandReportsAtMostAThousandPoints)
{
    const Program zero = Compile("0");
    struct {
        int width;
        std::size_t count;
        bool cut;
    } cases[] = { { 1000, 1000, false }, { 1002, 1000, true }, { 20, 20, false } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        // Every sample of 0 is a root.
        const PointList roots = InOrderOfX(FindRoots(Plain(zero), Columns(c.width, 10.0f)));
        EXPECT_EQ(roots.points.size(), c.count);
        EXPECT_EQ(roots.cut, c.cut);
        EXPECT_EQ(roots.points.front().x, -c.width / 20.0f);
    }
}

TEST(PointFinder, PointsAreInOrderOfXWithANaNLast)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const PointList list
        = InOrderOfX({ { PointKind::Maximum, 2.0f, 0.0 }, { PointKind::Root, nan, 0.0 },
            { PointKind::Root, -1.0f, 0.0 }, { PointKind::Minimum, 2.0f, 0.0 } });
    ASSERT_EQ(list.points.size(), 4u);
    EXPECT_EQ(list.points[0].x, -1.0f);
    EXPECT_EQ(list.points[1].kind, PointKind::Maximum); // equal x keep their order
    EXPECT_EQ(list.points[2].kind, PointKind::Minimum);
    EXPECT_TRUE(std::isnan(list.points[3].x));
}

} // namespace
} // namespace plovex
