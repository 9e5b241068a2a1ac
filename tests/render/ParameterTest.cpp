#include "document/Parameter.h"

#include "RecordingSurface.h"
#include "document/GraphModel.h"
#include "engine/Numbers.h"
#include "engine/Program.h"
#include "render/FormFields.h"
#include "render/FunctionValues.h"
#include "render/GraphCoordinates.h"
#include "render/GraphRenderer.h"
#include "render/Integration.h"
#include "render/PointFinder.h"
#include "render/ValueTable.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace plovex {
namespace {

std::uint32_t Bits(float value)
{
    return std::bit_cast<std::uint32_t>(value);
}

std::uint64_t Bits(double value)
{
    return std::bit_cast<std::uint64_t>(value);
}

Parameter Param(
    const char* name, float value, float minimum = -5.0f, float maximum = 5.0f, float step = 0.1f)
{
    return { name, value, minimum, maximum, step };
}

// Position k stands for minimum + k·step in double, rounded once to float, and the last
// position for the maximum; a value shows at the nearest position.
TEST(Parameter, SliderPositionsGiveTheirValues)
{
    const struct {
        Parameter parameter;
        std::int64_t position;
        float value;
        std::int64_t steps;
    } cases[] = {
        { Param("a", 1), 0, -5.0f, 100 },
        { Param("a", 1), 1, -4.9f, 100 },
        // -5 + 86 * 0.1f is 3.60000001..., nearer 3.6000001f than 3.6f (3.5999999)
        { Param("a", 1), 86, 3.6000001f, 100 },
        { Param("a", 1), 50, 7.4505806e-08f, 100 }, // 0.1f is a little more than 0.1
        { Param("a", 1), 100, 5.0f, 100 },
        // 10 / 0.3 is 33.3...: 34 steps, the last clamped to the maximum
        { Param("a", 1, 0, 10, 0.3f), 33, 9.9000006f, 34 },
        { Param("a", 1, 0, 10, 0.3f), 34, 10.0f, 34 },
        { Param("a", 1, -1e30f, 1e30f, 1e29f), 7, -3.00000005e29f, 20 },
        { Param("a", 1, 0, 1, 1e-9f), 1000000000, 1.0f, 1000000029 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.position));
        EXPECT_EQ(Bits(SliderValue(c.parameter, c.position)), Bits(c.value));
        EXPECT_EQ(SliderSteps(c.parameter), c.steps);
    }

    const struct {
        float value;
        std::int64_t position;
    } shown[] = {
        { 1.0f, 60 },
        { 3.6000001f, 86 },
        { 3.6f, 86 }, // typed: the nearest position
        { 2.46f, 75 },
        { 2.44f, 74 },
        { 5.0f, 100 },
        { 7.0f, 100 }, // beyond the range: at its end
        { -9.0f, 0 },
    };
    for (const auto& c : shown) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(SliderPosition(Param("a", c.value)), c.position);
    }
    // The maximum shows at the last position even where the one before lies nearer it.
    EXPECT_EQ(SliderPosition(Param("a", 10.0f, 0, 10, 0.3f)), 34);
}

TEST(Parameter, RefusesWhatNoSliderOrExpressionCanUse)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<Parameter> graph { Param("a", 1), Param("k2", 0) };
    const struct {
        Parameter parameter;
        std::size_t replacing;
        const char* text; // empty: accepted
    } cases[] = {
        { Param("b", 1), 2, "" },
        { Param("a", 3), 0, "" }, // itself
        { Param("a", 7, -5, 5, 0.1f), 0, "" }, // a value beyond the range is kept as typed
        { Param("a", 1), 2, "There is already a parameter 'a'." },
        { Param("k2", 1), 0, "There is already a parameter 'k2'." },
        { Param("x", 1), 2, "'x' cannot name a parameter: x, y and t are variables." },
        { Param("t", 1), 2, "'t' cannot name a parameter: x, y and t are variables." },
        { Param("sin", 1), 2, "'sin' cannot name a parameter: it is a built-in function." },
        { Param("e", 1), 2, "'e' cannot name a parameter: it is a built-in function." },
        { Param("pi", 1), 2, "'pi' cannot name a parameter: it is the number pi." },
        { Param("A", 1), 2,
            "'A' cannot name a parameter: a name starts with a lower-case letter." },
        { Param("2a", 1), 2,
            "'2a' cannot name a parameter: a name starts with a lower-case letter." },
        { Param("a-b", 1), 2,
            "'a-b' cannot name a parameter: a name holds only lower-case letters and digits." },
        { Param("ay", 1), 2,
            "'ay' cannot name a parameter: x and y in a name are always the variables ('ax' reads "
            "as a*x)." },
        { Param("", 1), 2, "A parameter needs a name." },
        { Param("b", nan), 2, "The value of a parameter must be a finite number." },
        { Param("b", inf), 2, "The value of a parameter must be a finite number." },
        { Param("b", 1, 5, 5), 2, "The minimum must be less than the maximum." },
        { Param("b", 1, 5, -5), 2, "The minimum must be less than the maximum." },
        { Param("b", 1, -5, 5, 0), 2, "The step must be more than 0." },
        { Param("b", 1, -5, 5, -0.1f), 2, "The step must be more than 0." },
        { Param("b", 1, -inf, 5), 2,
            "The minimum, the maximum and the step must be finite numbers." },
        { Param("b", 1, -5, 5, nan), 2,
            "The minimum, the maximum and the step must be finite numbers." },
        { Param("b", 1, -5, 5, 1e-9f), 2,
            "A slider has at most 2147483647 steps: choose a larger step or a smaller range." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.parameter.name);
        const ParameterCheck check = CheckParameter(c.parameter, graph, c.replacing);
        EXPECT_EQ(check.Ok(), *c.text == '\0');
        EXPECT_EQ(ParameterRefusalText(c.parameter, check), c.text);
    }
}

// What a rendering of `functions` gives, each parsed with `parameters` as Plot parses them.
struct Drawn {
    std::vector<std::pair<int, int>> pixels;
    RenderResult result;
};

Drawn Render(const std::vector<StoredFunction>& functions, const std::vector<Parameter>& parameters,
    const GraphView& view, bool derivative)
{
    GraphModel model;
    model.Load(functions, view, parameters);
    for (std::size_t i = 0; i < model.Count(); ++i) {
        for (const ExpressionError& error : model.Parse(i).errors)
            ADD_FAILURE() << i << ": " << error.result.message;
    }
    FormFields fields;
    RecordingSurface surface(61, 41, fields);
    std::size_t statisticsItem = 0;
    const std::vector<PlotItem> items
        = PlotItems(model.Functions(), 0, derivative, statisticsItem, model.Variables());
    const RenderResult result = DrawGraph(view, {}, items, statisticsItem, surface, 1);
    return { surface.Pixels(), result };
}

StoredFunction Function(CurveKind kind, const std::string& first, const std::string& second = "")
{
    StoredFunction function;
    function.kind = kind;
    function.expression = first;
    function.yExpression = second;
    return function;
}

// "a" replaced by the number, written so that it reads as one float: a negative value as
// (0-v), which gives exactly -v, -0 included.
std::string WithLiteral(std::string expression, const std::string& name, float value)
{
    const std::string literal
        = std::signbit(value) ? "(0-" + FormatField(-value) + ")" : FormatField(value);
    for (std::size_t at = expression.find(name); at != std::string::npos;
         at = expression.find(name, at + literal.size())) {
        expression.replace(at, name.size(), literal);
    }
    return expression;
}

// A parameter evaluates as a number holding its value: every kind draws the same pixels with
// the same statistics as the expression with that number written in, in derivative mode too.
TEST(Parameter, DrawsAsTheLiteralDoes)
{
    const GraphView view { 4.0f, 5.0f, 3.0f };
    const struct {
        CurveKind kind;
        const char* first;
        const char* second;
        bool derivative;
    } functions[] = {
        { CurveKind::Explicit, "a*sin(x)+a^2/7", "", false },
        { CurveKind::Explicit, "x^a-a", "", true },
        { CurveKind::Explicit, "1/(x-a)", "", false },
        { CurveKind::Implicit, "x^2+(y-a)^2-9-a*a", "", false },
        { CurveKind::Parametric, "a*cos(t)", "sin(a*t)*3", false },
        { CurveKind::Polar, "2+a*cos(3t)", "", false },
    };
    const float values[] = { 2.5f, 0.1f, -3.7f, -0.0f, 1e-30f, 3.6000001f };
    for (const auto& f : functions) {
        for (const float value : values) {
            SCOPED_TRACE(std::string(f.first) + " a=" + FormatExact(value));
            const Drawn parameter = Render(
                { Function(f.kind, f.first, f.second) }, { Param("a", value) }, view, f.derivative);
            const Drawn literal = Render({ Function(f.kind, WithLiteral(f.first, "a", value),
                                             WithLiteral(f.second, "a", value)) },
                {}, view, f.derivative);
            EXPECT_FALSE(parameter.pixels.empty());
            EXPECT_EQ(parameter.pixels, literal.pixels);
            const RenderTotals& a = parameter.result.totals;
            const RenderTotals& b = literal.result.totals;
            EXPECT_EQ(Bits(a.maximum), Bits(b.maximum));
            EXPECT_EQ(Bits(a.minimum), Bits(b.minimum));
            EXPECT_EQ(Bits(a.sum), Bits(b.sum));
            EXPECT_EQ(Bits(parameter.result.statistics.mean), Bits(literal.result.statistics.mean));
        }
    }
}

FunctionValues Values(const std::string& expression, const std::vector<Parameter>& parameters)
{
    GraphModel model;
    model.Load({ Function(CurveKind::Explicit, expression) }, {}, parameters);
    for (const ExpressionError& error : model.Parse(0).errors)
        ADD_FAILURE() << error.result.message;
    return { Program::Compile(model.Function(0).PostfixQueue()), model.Variables() };
}

// How many points `p` holds, each bit for bit as in `q`.
std::size_t ExpectSamePoints(const std::vector<FoundPoint>& p, const std::vector<FoundPoint>& q)
{
    EXPECT_EQ(p.size(), q.size());
    for (std::size_t i = 0; i < p.size() && i < q.size(); ++i) {
        EXPECT_EQ(p[i].kind, q[i].kind);
        EXPECT_EQ(Bits(p[i].x), Bits(q[i].x));
        EXPECT_EQ(Bits(p[i].y), Bits(q[i].y));
    }
    return p.size();
}

// Roots, extrema, integrals, values and tables read a parameter as the number it holds.
TEST(Parameter, PointsIntegralsAndTablesAsTheLiteral)
{
    const char* const expressions[] = { "a*x^2-b", "sin(a*x)*b", "x^3-a*x", "b/(x-a)" };
    const float pairs[][2] = { { 2.5f, 1.0f }, { 0.3f, -2.2f }, { -1.7f, 4.0f } };
    const std::vector<float> columns = ColumnXs(GraphView {}, 610);
    const TableXs table = MakeTableXs(-3.0f, 3.0f, 0.25f);
    std::size_t found = 0;
    for (const char* expression : expressions) {
        for (const auto& pair : pairs) {
            SCOPED_TRACE(std::string(expression) + " a=" + FormatExact(pair[0])
                + " b=" + FormatExact(pair[1]));
            const FunctionValues parameter
                = Values(expression, { Param("a", pair[0]), Param("b", pair[1]) });
            const FunctionValues literal
                = Values(WithLiteral(WithLiteral(expression, "a", pair[0]), "b", pair[1]), {});
            for (const bool derivative : { false, true }) {
                found += ExpectSamePoints(FindRoots(parameter.Along(derivative), columns),
                    FindRoots(literal.Along(derivative), columns));
                found += ExpectSamePoints(FindExtrema(parameter.Along(derivative), columns),
                    FindExtrema(literal.Along(derivative), columns));
                const std::vector<TableRow> p
                    = TabulateValues(table.xs, parameter.Along(derivative), parameter.Along(true));
                const std::vector<TableRow> q
                    = TabulateValues(table.xs, literal.Along(derivative), literal.Along(true));
                ASSERT_EQ(p.size(), q.size());
                for (std::size_t i = 0; i < p.size(); ++i) {
                    EXPECT_EQ(Bits(p[i].value), Bits(q[i].value));
                    EXPECT_EQ(Bits(p[i].quotient), Bits(q[i].quotient));
                }
            }
            const Integral p = Integrate(parameter, -2.0f, 3.5f);
            const Integral q = Integrate(literal, -2.0f, 3.5f);
            EXPECT_EQ(Bits(p.sum), Bits(q.sum));
        }
    }
    EXPECT_GT(found, 50u);
}

// Adding, removing and renaming parameters parses the texts each function last parsed again,
// so that its slots are the graph's: what it reads follows the names, never a stale slot.
TEST(Parameter, FunctionsFollowTheNames)
{
    GraphModel model;
    model.Load({ Function(CurveKind::Explicit, "a*x"), Function(CurveKind::Explicit, "b+x"),
                   Function(CurveKind::Polar, "b*t") },
        {}, { Param("a", 2), Param("b", 3) });
    for (std::size_t i = 0; i < model.Count(); ++i)
        EXPECT_TRUE(model.Parse(i).Ok());
    // Typed since, not plotted: the texts of the last parse are parsed again.
    model.Function(0).expression = "a+b";
    const auto valuesAtOne = [&model] {
        std::vector<std::string> values;
        for (std::size_t i = 0; i < 2; ++i) {
            const FunctionValues f(
                Program::Compile(model.Function(i).PostfixQueue()), model.Variables());
            values.push_back(FormatFixed(f.At(false, 1.0f)));
        }
        std::vector<float> variables = model.Variables();
        variables[2] = 2.0f; // t
        values.push_back(
            FormatFixed(Program::Compile(model.Function(2).PostfixQueue()).Run(variables.data())));
        return values;
    };
    using Values = std::vector<std::string>;
    EXPECT_EQ(valuesAtOne(), (Values { "2.000000", "4.000000", "6.000000" }));
    model.InsertParameter(0, Param("k", 10));
    EXPECT_EQ(valuesAtOne(), (Values { "2.000000", "4.000000", "6.000000" }));
    model.SetParameter(2, Param("b", -1));
    EXPECT_EQ(valuesAtOne(), (Values { "2.000000", "0.000000", "-2.000000" }));
    // a goes: "a*x" no longer parses and draws what its parse left, nothing: 0.
    model.RemoveParameter(1);
    EXPECT_EQ(valuesAtOne(), (Values { "0.000000", "0.000000", "-2.000000" }));
    EXPECT_EQ(model.Function(0).PostfixText(), "{a}x*"); // its last successful parse's
    model.SetParameter(1, Param("c", 5));
    EXPECT_EQ(valuesAtOne(), (Values { "0.000000", "0.000000", "0.000000" }));
    model.SetParameter(1, Param("b", 5));
    model.InsertParameter(2, Param("a", 0.5f));
    EXPECT_EQ(valuesAtOne(), (Values { "0.500000", "6.000000", "10.000000" }));
    EXPECT_EQ(model.Function(0).ParsedExpression(), "a*x");
    EXPECT_EQ(model.Function(1).PostfixText(), "{b}x+");
}

} // namespace
} // namespace plovex
