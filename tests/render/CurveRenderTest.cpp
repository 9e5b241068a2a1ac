#include "RecordingSurface.h"
#include "document/GraphModel.h"
#include "engine/Numbers.h"
#include "render/FormFields.h"
#include "render/GraphRenderer.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace plovex {
namespace {

using Pixels = std::vector<std::pair<int, int>>;

StoredFunction Curve(
    CurveKind kind, const char* first, const char* second, ParameterRange range = {})
{
    StoredFunction function;
    function.kind = kind;
    function.expression = first;
    function.yExpression = second;
    function.range = range;
    return function;
}

struct Drawn {
    Pixels pixels;
    RenderResult result;
};

// Renders `functions`, each parsed as the window's Plot parses it, with the first one's
// statistics, on a recording surface of width by height.
Drawn Render(
    const std::vector<StoredFunction>& functions, const GraphView& view, int width, int height)
{
    GraphModel model;
    model.Load(functions, view);
    for (std::size_t i = 0; i < model.Count(); ++i) {
        const FunctionParse parse = model.Function(i).Parse();
        for (const ExpressionError& error : parse.errors)
            ADD_FAILURE() << i << ": " << error.result.message;
    }
    FormFields fields;
    RecordingSurface surface(width, height, fields);
    std::size_t statisticsItem = 0;
    const std::vector<PlotItem> items
        = PlotItems(model.Functions(), 0, false, statisticsItem, model.Variables());
    const RenderResult result = DrawGraph(view, {}, items, statisticsItem, surface, 1);
    return { surface.Pixels(), result };
}

// On a 10 by 6 area (hw 5, hh 3) at scales 1: N = floor(10·quality) steps, t_k = A +
// k(B - A)/N for k = 0..N, each point at column trunc(5 + u), row trunc(3 - v), when
// -5 <= u < 5 and -3 <= v <= 3 and the pixel lies in the area.
TEST(CurveRender, SamplesTheRangeAsTheRulesSay)
{
    const GraphView unit { 1.0f, 1.0f, 0.4f }; // 4 steps: floor(4.0000001)
    const GraphView single { 1.0f, 1.0f, 0.0f }; // 1 step: both ends alone
    const GraphView moved { 1.0f, 1.0f, 0.4f, 1.5, -1.0 };
    const struct {
        const char* name;
        StoredFunction function;
        GraphView view;
        Pixels pixels;
    } cases[] = {
        { "both ends and the steps between", Curve(CurveKind::Parametric, "t", "0", { -2, 2 }),
            unit, { { 3, 3 }, { 4, 3 }, { 5, 3 }, { 6, 3 }, { 7, 3 } } },
        { "a range downwards runs backwards", Curve(CurveKind::Parametric, "t", "0", { 2, -2 }),
            unit, { { 7, 3 }, { 6, 3 }, { 5, 3 }, { 4, 3 }, { 3, 3 } } },
        { "an empty range draws its point N + 1 times",
            Curve(CurveKind::Parametric, "t", "t", { 1, 1 }), unit,
            { { 6, 2 }, { 6, 2 }, { 6, 2 }, { 6, 2 }, { 6, 2 } } },
        { "quality 0 takes the two ends", Curve(CurveKind::Parametric, "t", "t", { -2, 2 }), single,
            { { 3, 5 }, { 7, 1 } } },
        { "-hw <= u < hw", Curve(CurveKind::Parametric, "t", "0", { -5, 5 }), { 1.0f, 1.0f, 1.0f },
            { { 0, 3 }, { 1, 3 }, { 2, 3 }, { 3, 3 }, { 4, 3 }, { 5, 3 }, { 6, 3 }, { 7, 3 },
                { 8, 3 }, { 9, 3 } } },
        { "-hh <= v <= hh, and row 2hh lies below an even area",
            Curve(CurveKind::Parametric, "0", "t", { -3, 3 }), { 1.0f, 1.0f, 0.6f },
            { { 5, 5 }, { 5, 4 }, { 5, 3 }, { 5, 2 }, { 5, 1 }, { 5, 0 } } },
        { "fractions cut towards zero", Curve(CurveKind::Parametric, "t", "t*3/5", { -4, 4 }),
            { 1.0f, 1.0f, 0.8f },
            { { 1, 5 }, { 2, 4 }, { 3, 4 }, { 4, 3 }, { 5, 3 }, { 6, 2 }, { 7, 1 }, { 8, 1 },
                { 9, 0 } } },
        { "offsets subtracted in double", Curve(CurveKind::Parametric, "t", "t", { 0, 2 }), moved,
            { { 3, 2 }, { 4, 1 }, { 4, 1 }, { 5, 0 }, { 5, 0 } } },
        { "infinite and NaN points are not drawn",
            Curve(CurveKind::Parametric, "1/t", "sqrt(t)", { -1, 1 }), { 1.0f, 1.0f, 0.2f },
            { { 6, 2 } } },
        { "a negative radius lies opposite the angle",
            Curve(CurveKind::Polar, "0-2", "", { 0, 1.5707964f }), single, { { 3, 3 }, { 5, 5 } } },
        // The float nearest pi/2 lies beyond it: cos t < 0 puts x = r·cos t left of the centre.
        { "polar", Curve(CurveKind::Polar, "t", "", { 0, 3.1415927f }), { 1.0f, 1.0f, 0.2f },
            { { 5, 3 }, { 4, 1 }, { 1, 3 } } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Render({ c.function }, c.view, 10, 6).pixels, c.pixels);
    }
}

// A curve's statistics are those of its samples' y: the largest and smallest f32(y·yScale)
// over yScale, and the mean, the sum in double of y·yScale over the N + 1 samples, over yScale.
TEST(CurveRender, StatisticsDescribeTheSamplesY)
{
    const struct {
        const char* name;
        StoredFunction function;
        float yScale;
        std::string text;
    } cases[] = {
        { "y = t over 0 to 3", Curve(CurveKind::Parametric, "5", "t", { 0, 3 }), 2.0f,
            "Maximum: 3.000000\r\nMinimum: 0.000000\r\nMean: 1.500000" },
        { "off the area too", Curve(CurveKind::Parametric, "0", "t*100", { -1, 2 }), 1.0f,
            "Maximum: 200.000000\r\nMinimum: -100.000000\r\nMean: 50.000000" },
        { "a NaN is never an extreme but makes the mean NaN",
            Curve(CurveKind::Parametric, "0", "sqrt(t)", { -1, 2 }), 1.0f,
            "Maximum: 1.414214\r\nMinimum: 0.000000\r\nMean: nan" },
        { "polar: y = r sin t", Curve(CurveKind::Polar, "2", "", { 0, 1.5707964f }), 1.0f,
            "Maximum: 2.000000\r\nMinimum: 0.000000\r\nMean: 1.183013" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Drawn drawn = Render({ c.function }, { 1.0f, c.yScale, 1.0f / 3.0f }, 10, 6);
        EXPECT_EQ(StatisticsText(drawn.result.statistics, FormatFixed), c.text);
    }
}

// Curves go over the axes and the functions before them in list order, each in its colour,
// and a graph of several functions is the superposition of each drawn alone.
TEST(CurveRender, CurvesAreDrawnInListOrderAmongTheOtherKinds)
{
    StoredFunction line;
    line.expression = "x/4";
    StoredFunction circle = Curve(CurveKind::Polar, "5", "");
    circle.colour = { 213, 94, 0 };
    StoredFunction lissajous = Curve(CurveKind::Parametric, "8*sin(3*t)", "5*sin(2*t)");
    lissajous.colour = { 0, 158, 115 };
    const std::vector<StoredFunction> functions { line, circle, lissajous };
    const GraphView view;
    Pixels expected;
    for (const StoredFunction& function : functions) {
        const Pixels alone = Render({ function }, view, 211, 121).pixels;
        expected.insert(expected.end(), alone.begin(), alone.end());
    }
    EXPECT_EQ(Render(functions, view, 211, 121).pixels, expected);
    EXPECT_GT(expected.size(), 4000u);
    EXPECT_EQ(Render({ circle }, view, 211, 121).pixels.size(), 2101u); // 2·105·10 + 1 points
}

} // namespace
} // namespace plovex
