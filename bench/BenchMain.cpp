// Nanoseconds per evaluation of the benchmark set through the compiled evaluator, muparser and
// the same formulas as native C++, then whole renders through the QImage surface against the
// bare evaluations of their samples. Every figure is the CPU time of the fastest of several
// repetitions, which keeps the ratios steady on a machine shared with other work. Before them,
// the wall-clock comparisons of RenderSpeed.h.

#include "bench/ParameterSpeed.h"
#include "bench/RenderSpeed.h"
#include "document/FunctionPalette.h"
#include "document/GraphModel.h"
#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "native/NativeCode.h"
#include "render/FormFields.h"
#include "render/GraphCoordinates.h"
#include "render/GraphRenderer.h"
#include "render/GridLayout.h"
#include "render/PointFinder.h"
#include "render/ViewNavigation.h"
#include "view/ImageSurface.h"
#include "view/VectorGraphWriter.h"

#include <QApplication>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <limits>
#include <map>
#include <memory>
#include <muParser.h>
#include <string>
#include <vector>

namespace plovex {
namespace {

// The evaluator's number rules written out: float operands, each operation in double, every
// result rounded once to float, in the order the parser emits the operations.
float Add(float a, float b)
{
    return ToFloat(static_cast<double>(a) + b);
}

float Sub(float a, float b)
{
    return ToFloat(-(static_cast<double>(b) - a));
}

float Mul(float a, float b)
{
    return ToFloat(static_cast<double>(a) * b);
}

float Div(float a, float b)
{
    return ToFloat(static_cast<double>(a) / b);
}

float Pow(float a, float b)
{
    return ToFloat(std::pow(static_cast<double>(a), static_cast<double>(b)));
}

float Square(float a)
{
    return ToFloat(static_cast<double>(a) * a);
}

float Sin(float v)
{
    return ToFloat(std::sin(static_cast<double>(v)));
}

float Cos(float v)
{
    return ToFloat(std::cos(static_cast<double>(v)));
}

float Tan(float v)
{
    return ToFloat(std::tan(static_cast<double>(v)));
}

struct Formula {
    const char* expression;
    bool implicit; // a function of x and y: swept over the grid, rendered implicitly
    float (*native)(float x, float y);
};

const Formula kFormulas[] = {
    { "x^2+5*x+6", false, [](float x, float) { return Add(Add(Square(x), Mul(5, x)), 6); } },
    { "sin(x)*cos(x)", false, [](float x, float) { return Mul(Sin(x), Cos(x)); } },
    { "x*sin(x)", false, [](float x, float) { return Mul(x, Sin(x)); } },
    { "1/((x^2+1)^1.5)", false,
        [](float x, float) { return Div(1, Pow(Add(Square(x), 1), 1.5f)); } },
    { "3*x^4-2*x^3+x^2-7*x+sin(x)*cos(x)/(1+x^2)", false,
        [](float x, float) {
            const float polynomial
                = Sub(Add(Sub(Mul(3, Pow(x, 4)), Mul(2, Pow(x, 3))), Square(x)), Mul(7, x));
            return Add(polynomial, Div(Mul(Sin(x), Cos(x)), Add(1, Square(x))));
        } },
    { "sin(x*y/(x+y))", true, [](float x, float y) { return Sin(Div(Mul(x, y), Add(x, y))); } },
    { "tan(x*y)", true, [](float x, float y) { return Tan(Mul(x, y)); } },
    { "x^2+y^2-100", true, [](float x, float y) { return Sub(Add(Square(x), Square(y)), 100); } },
};

// The default plot the evaluation figures refer to: 5340 explicit samples, a 534 by 256 grid.
constexpr int kSweepWidth = 534;
constexpr int kSweepHeight = 256;
// The form's graph area at its default size, for whole renders.
constexpr int kAreaWidth = 610;
constexpr int kAreaHeight = 238;
constexpr int kLargeWidth = 1920;
constexpr int kLargeHeight = 1080;

// How hard every benchmark works: nine repetitions of at least 30 ms for the figures, or two
// short ones with --brief, where continuous integration only sees that it builds and runs.
struct Effort {
    int repetitions = 9;
    double minSecondsPerRepetition = 0.03;
};

Effort& TheEffort()
{
    static Effort effort;
    return effort;
}

// The points a rendering samples: explicit, one x per sample with y 0; implicit, the grid of
// every x with every y.
struct Samples {
    std::vector<float> xs;
    std::vector<float> ys;
    bool grid = false;

    std::size_t Count() const { return grid ? xs.size() * ys.size() : xs.size(); }
};

// The renderer's own arithmetic: px advances by the step added in double and rounded to float.
Samples ExplicitSamples(const FormFields& fields, int width)
{
    Samples samples;
    const int hw = width / 2;
    const double step = 1.0 / static_cast<double>(fields.m_quality);
    for (float px = static_cast<float>(-hw); px < static_cast<float>(hw);
         px = static_cast<float>(static_cast<double>(px) + step))
        samples.xs.push_back(static_cast<float>(static_cast<double>(px) / fields.m_xScale));
    return samples;
}

Samples ImplicitSamples(const FormFields& fields, int width, int height)
{
    Samples samples;
    samples.grid = true;
    for (int px = -(width / 2); px < width / 2; ++px)
        samples.xs.push_back(static_cast<float>(static_cast<double>(px) / fields.m_xScale));
    for (int py = -(height / 2); py < height / 2; ++py)
        samples.ys.push_back(static_cast<float>(static_cast<double>(py) / fields.m_yScale));
    return samples;
}

template <typename Evaluate> double Sweep(const Samples& samples, Evaluate&& evaluate)
{
    double total = 0.0;
    if (samples.grid) {
        for (const float x : samples.xs) {
            for (const float y : samples.ys)
                total += evaluate(x, y);
        }
    } else {
        for (const float x : samples.xs)
            total += evaluate(x, 0.0f);
    }
    return total;
}

// As a parse compiles it: machine code where this process runs it (see the "evaluator:" line),
// or with `interpreted` the interpreter alone.
Program CompileFormula(const char* expression, bool implicit, bool interpreted = false)
{
    TokenList queue;
    TokenList operators;
    std::string postfix;
    const ParseResult result = Parse(expression, implicit, queue, operators, postfix);
    if (!result.Ok())
        std::fprintf(stderr, "%s: %s\n", expression, result.message.c_str());
    return interpreted ? Program::Compile(queue) : CompileProgram(queue);
}

// Counts the samples where the native formula's bits differ from the evaluator's: it must be
// none, or the native column measures something else.
std::size_t NativeMismatches(const Formula& formula, const Program& program, const Samples& samples)
{
    std::size_t mismatches = 0;
    Sweep(samples, [&](float x, float y) {
        const float expected = static_cast<float>(program.Evaluate(false, x, y));
        const float actual = formula.native(x, y);
        if (std::bit_cast<std::uint32_t>(expected) != std::bit_cast<std::uint32_t>(actual)
            && !(std::isnan(expected) && std::isnan(actual)))
            ++mismatches;
        return 0.0;
    });
    return mismatches;
}

double Fastest(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

// Keeps the fastest repetition of every benchmark, by name, and prints nothing itself.
class Collector : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred)
                std::fprintf(
                    stderr, "%s: %s\n", run.benchmark_name().c_str(), run.error_message.c_str());
            else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "fastest") {
                m_nanoseconds[run.run_name.function_name] = run.GetAdjustedCPUTime();
                for (const auto& [counter, value] : run.counters)
                    m_nanoseconds[run.run_name.function_name + "#" + counter] = value.value;
            }
        }
    }

    // Nanoseconds per iteration ("name"), or a counter in nanoseconds ("name#counter"); NaN
    // when the benchmark was filtered out.
    double Nanoseconds(const std::string& name) const
    {
        const auto found = m_nanoseconds.find(name);
        return found == m_nanoseconds.end() ? std::nan("") : found->second;
    }

private:
    std::map<std::string, double> m_nanoseconds;
};

// One formula's evaluation sweep through the three engines.
struct EvaluationCase {
    const Formula* formula;
    std::shared_ptr<const Program> program;
    std::shared_ptr<const Samples> samples;
    std::size_t nativeMismatches;
};

double ThreadSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The engines of the evaluation table, in the order they are timed.
constexpr const char* kEngines[] = { "evaluator", "interpreter", "muparser", "native" };

std::vector<EvaluationCase> RegisterEvaluations()
{
    const FormFields defaults;
    const auto explicitSweep
        = std::make_shared<const Samples>(ExplicitSamples(defaults, kSweepWidth));
    const auto implicitSweep
        = std::make_shared<const Samples>(ImplicitSamples(defaults, kSweepWidth, kSweepHeight));
    std::vector<EvaluationCase> cases;
    for (const Formula& formula : kFormulas) {
        const auto program
            = std::make_shared<const Program>(CompileFormula(formula.expression, formula.implicit));
        const auto& samples = formula.implicit ? implicitSweep : explicitSweep;
        const std::string name = formula.expression;
        // The renderer reads derivative mode at run time; so does this loop.
        const bool derivative = defaults.m_derivative;
        const auto interpreter = std::make_shared<const Program>(
            CompileFormula(formula.expression, formula.implicit, true));
        const auto parser = std::make_shared<mu::Parser>();
        const auto variables = std::make_shared<std::array<double, 2>>();
        parser->DefineVar("x", &(*variables)[0]);
        parser->DefineVar("y", &(*variables)[1]);
        parser->SetExpr(formula.expression);
        // The four engines timed in turns, so that all meet the same conditions on a machine
        // shared with other work; each keeps its fastest sweep (counters in ns).
        benchmark::RegisterBenchmark(("evaluation/" + name).c_str(),
            [program, interpreter, parser, variables, samples, derivative, native = formula.native](
                benchmark::State& state) {
                std::array<double, std::size(kEngines)> fastest;
                fastest.fill(std::numeric_limits<double>::infinity());
                const auto time = [&](std::size_t engine, const auto& evaluate) {
                    const double start = ThreadSeconds();
                    benchmark::DoNotOptimize(Sweep(*samples, evaluate));
                    fastest[engine] = std::min(fastest[engine], ThreadSeconds() - start);
                };
                for (auto _ : state) {
                    time(0, [&](float x, float y) { return program->Evaluate(derivative, x, y); });
                    time(1,
                        [&](float x, float y) { return interpreter->Evaluate(derivative, x, y); });
                    time(2, [&](float x, float y) {
                        (*variables)[0] = x;
                        (*variables)[1] = y;
                        return parser->Eval();
                    });
                    time(3, [&](float x, float y) { return native(x, y); });
                }
                for (std::size_t i = 0; i < fastest.size(); ++i)
                    state.counters[kEngines[i]] = fastest[i] * 1e9;
            })
            ->MinTime(TheEffort().minSecondsPerRepetition)
            ->Repetitions(TheEffort().repetitions)
            ->ReportAggregatesOnly(true)
            ->ComputeStatistics("fastest", Fastest);
        cases.push_back(
            { &formula, program, samples, NativeMismatches(formula, *program, *samples) });
    }
    return cases;
}

// The renderer's sampling without the drawing: the same coordinates, worked out the same way
// (px stepped in float, each row's y once), every sample evaluated. With `statistics` the
// sweep also keeps the running sum, maximum and minimum as the renderer does (explicit: of
// every sample; implicit: of the samples that are points), so that a rendering measured
// against it shows what drawing and progress reports cost.
double BareSampling(
    const FormFields& fields, const Program& program, int width, int height, bool statistics)
{
    const int hw = width / 2;
    const int hh = height / 2;
    double total = 0.0;
    float sum = 0.0f;
    float maximum = -std::numeric_limits<float>::infinity();
    float minimum = std::numeric_limits<float>::infinity();
    const auto extend = [&](float value, double added) {
        sum = static_cast<float>(static_cast<double>(sum) + added);
        maximum = value > maximum ? value : maximum;
        minimum = value < minimum ? value : minimum;
    };
    if (!fields.m_implicit) {
        const double step = 1.0 / static_cast<double>(fields.m_quality);
        const double yScale = fields.m_yScale;
        for (float px = static_cast<float>(-hw); px < static_cast<float>(hw);
             px = static_cast<float>(static_cast<double>(px) + step)) {
            const float x = static_cast<float>(static_cast<double>(px) / fields.m_xScale);
            const double v = program.Evaluate(fields.m_derivative, x, 0.0f);
            if (statistics)
                extend(static_cast<float>(v * yScale), v * yScale);
            else
                total += v;
        }
        return total + sum + maximum + minimum;
    }
    std::vector<float> rows;
    for (int py = -hh; py < hh; ++py)
        rows.push_back(static_cast<float>(static_cast<double>(py) / fields.m_yScale));
    for (int px = -hw; px < hw; ++px) {
        const float x = static_cast<float>(static_cast<double>(px) / fields.m_xScale);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const double v = program.Evaluate(fields.m_derivative, x, rows[i]);
            if (!statistics)
                total += v;
            else if (std::fabs(v) <= 0.5)
                extend(static_cast<float>(static_cast<int>(i) - hh), static_cast<int>(i) - hh);
        }
    }
    return total + sum + maximum + minimum;
}

// A surface that draws nothing: a rendering through it costs the sampling, the statistics
// and the renderer's own bookkeeping, without any pixel, clearing or icon.
class BlankSurface : public DrawingSurface {
public:
    BlankSurface(int width, int height)
        : m_width(width)
        , m_height(height)
    { }

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void SetFill(Rgb) override { }
    void RestoreFill() override { }
    void RepaintForm() override { }
    void Rectangle(int, int, int, int) override { }
    void Line(int, int, int, int) override { }
    void SetPixel(int, int, Rgb) override { }
    void SetPixels(const Pixel*, std::size_t, Rgb) override { }
    void DrawIcon(int, int) override { }
    void FillRect(int, int, int, int, Rgb) override { }
    TextSize MeasureText(const std::string&) const override { return { 0, 0 }; }
    void DrawText(int, int, const std::string&, Rgb) override { }

private:
    int m_width;
    int m_height;
};

// Registers a whole rendering, the same rendering through a surface that draws nothing, the
// bare sampling of the same area and the sweep with its statistics, timed in turns so that all
// meet the same conditions, each keeping its fastest time (counters "render", "blank", "bare"
// and "sweep", in ns); returns its label.
std::string RegisterRender(const char* expression, bool implicit, int width, int height)
{
    FormFields fields;
    fields.m_implicit = implicit;
    const auto program = std::make_shared<const Program>(CompileFormula(expression, implicit));
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    const std::string label = size + (implicit ? " implicit " : " explicit ") + expression;
    const auto surface = std::make_shared<ImageSurface>(width, height);
    const auto blankSurface = std::make_shared<BlankSurface>(width, height);
    benchmark::RegisterBenchmark(("render/" + label).c_str(),
        [program, surface, blankSurface, fields, width, height](benchmark::State& state) mutable {
            double rendering = std::numeric_limits<double>::infinity();
            double blank = rendering;
            double bare = rendering;
            double sweep = rendering;
            for (auto _ : state) {
                const double start = ThreadSeconds();
                // On one thread: the clock is this thread's.
                const double sum = DrawFields(fields, *program, *surface, 1).totals.sum;
                const double early = ThreadSeconds();
                const double blankSum = DrawFields(fields, *program, *blankSurface, 1).totals.sum;
                const double middle = ThreadSeconds();
                const double total = BareSampling(fields, *program, width, height, false);
                const double late = ThreadSeconds();
                const double swept = BareSampling(fields, *program, width, height, true);
                const double end = ThreadSeconds();
                benchmark::DoNotOptimize(sum);
                benchmark::DoNotOptimize(blankSum);
                benchmark::DoNotOptimize(total);
                benchmark::DoNotOptimize(swept);
                rendering = std::min(rendering, early - start);
                blank = std::min(blank, middle - early);
                bare = std::min(bare, late - middle);
                sweep = std::min(sweep, end - late);
            }
            state.counters["render"] = rendering * 1e9;
            state.counters["blank"] = blank * 1e9;
            state.counters["bare"] = bare * 1e9;
            state.counters["sweep"] = sweep * 1e9;
        })
        ->MinTime(TheEffort().minSecondsPerRepetition)
        ->Repetitions(TheEffort().repetitions)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("fastest", Fastest);
    return label;
}

// The clearing step of a default rendering (the fill, the border, the axes) with and without
// the grid and its labels, timed in turns (counters "plain" and "grid", in ns). The area is
// cleared again every time, so the cost includes wiping the last grid.
void RegisterGridCost()
{
    const auto surface = std::make_shared<ImageSurface>(kAreaWidth, kAreaHeight);
    benchmark::RegisterBenchmark("grid/clear",
        [surface](benchmark::State& state) {
            const int hw = kAreaWidth / 2;
            const int hh = kAreaHeight / 2;
            const auto clear = [&](bool grid) {
                const double start = ThreadSeconds();
                surface->SetFill(kBackground);
                surface->Rectangle(0, 0, kAreaWidth, kAreaHeight);
                if (grid)
                    DrawGridLines({}, *surface);
                surface->Line(0, hh, kAreaWidth, hh);
                surface->Line(hw, 0, hw, kAreaHeight);
                if (grid)
                    DrawGridLabels({}, *surface);
                surface->RestoreFill();
                return ThreadSeconds() - start;
            };
            double plain = std::numeric_limits<double>::infinity();
            double grid = plain;
            for (auto _ : state) {
                plain = std::min(plain, clear(false));
                grid = std::min(grid, clear(true));
            }
            state.counters["plain"] = plain * 1e9;
            state.counters["grid"] = grid * 1e9;
        })
        ->MinTime(TheEffort().minSecondsPerRepetition)
        ->Repetitions(TheEffort().repetitions)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("fastest", Fastest);
}

// Eight functions on one default area, and the same eight drawn one to an area each, timed
// in turns (counters "eight" and "ones", in ns): what a graph of several functions costs
// beyond its functions.
constexpr const char* kEightFunctions[] = {
    "x^2+5*x+6",
    "sin(x)*10",
    "x-x^3/6",
    "x*sin(x)",
    "sqrt(abs(x))*3",
    "cos(x)^2*8",
    "1/((x^2+1)^1.5)*20",
    "e(x/10)",
};

void RegisterFunctionsCost()
{
    auto items = std::make_shared<std::vector<PlotItem>>();
    for (const char* expression : kEightFunctions)
        items->push_back({ CompileFormula(expression, false), false, false, { 0, 0, 255 } });
    const auto surface = std::make_shared<ImageSurface>(kAreaWidth, kAreaHeight);
    benchmark::RegisterBenchmark("functions/eight",
        [items, surface](benchmark::State& state) {
            double eight = std::numeric_limits<double>::infinity();
            double ones = eight;
            for (auto _ : state) {
                const double start = ThreadSeconds();
                benchmark::DoNotOptimize(DrawGraph({}, {}, *items, 0, *surface, 1).totals.sum);
                const double middle = ThreadSeconds();
                for (const PlotItem& item : *items)
                    benchmark::DoNotOptimize(
                        DrawGraph({}, {}, { item }, 0, *surface, 1).totals.sum);
                eight = std::min(eight, middle - start);
                ones = std::min(ones, ThreadSeconds() - middle);
            }
            state.counters["eight"] = eight * 1e9;
            state.counters["ones"] = ones * 1e9;
        })
        ->MinTime(TheEffort().minSecondsPerRepetition)
        ->Repetitions(TheEffort().repetitions)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("fastest", Fastest);
}

void PrintFunctionsCost(const Collector& collector)
{
    const double eight = collector.Nanoseconds("functions/eight#eight") / 1e6;
    const double ones = collector.Nanoseconds("functions/eight#ones") / 1e6;
    std::printf("Eight functions on a default %dx%d render: %.3f ms (each alone on its own "
                "render, together %.3f ms; ratio %.3f; target well under 5 ms)\n\n",
        kAreaWidth, kAreaHeight, eight, ones, eight / ones);
}

// The eight functions, each in its palette colour, on a 1920x1080 area with the grid, written as an
// SVG file (tracing, painting and the file's text) and as a PDF file, in ns, and the SVG's size.
constexpr const char* kVectorExportName = "vector/export eight functions 1920x1080";

void RegisterVectorExport()
{
    auto items = std::make_shared<std::vector<PlotItem>>();
    std::vector<Rgb> colours;
    for (const char* expression : kEightFunctions) {
        colours.push_back(NextFunctionColour(colours));
        items->push_back({ CompileFormula(expression, false), false, false, colours.back() });
    }
    benchmark::RegisterBenchmark(kVectorExportName,
        [items](benchmark::State& state) {
            double svg = std::numeric_limits<double>::infinity();
            double pdf = svg;
            double bytes = 0;
            for (auto _ : state) {
                const double start = ThreadSeconds();
                const std::optional<VectorGraph> file = WriteVectorGraph(VectorFormat::Svg, {},
                    { false, true }, *items, 0, kLargeWidth, kLargeHeight, "bench");
                const double middle = ThreadSeconds();
                benchmark::DoNotOptimize(WriteVectorGraph(VectorFormat::Pdf, {}, { false, true },
                    *items, 0, kLargeWidth, kLargeHeight, "bench"));
                svg = std::min(svg, middle - start);
                pdf = std::min(pdf, ThreadSeconds() - middle);
                bytes = file ? static_cast<double>(file->bytes.size()) : 0.0;
            }
            state.counters["svg"] = svg * 1e9;
            state.counters["pdf"] = pdf * 1e9;
            state.counters["bytes"] = bytes;
        })
        ->MinTime(TheEffort().minSecondsPerRepetition)
        ->Repetitions(TheEffort().repetitions)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("fastest", Fastest);
}

void PrintVectorExport(const Collector& collector)
{
    const std::string name = kVectorExportName;
    std::printf("SVG export of eight functions with the grid at %dx%d: %.3f ms, %.0f kB (PDF %.3f "
                "ms; fastest of %d, one thread)\n\n",
        kLargeWidth, kLargeHeight, collector.Nanoseconds(name + "#svg") / 1e6,
        collector.Nanoseconds(name + "#bytes") / 1e3, collector.Nanoseconds(name + "#pdf") / 1e6,
        TheEffort().repetitions);
}

// Find Extrema on x*sin(x) across a 1920-pixel area at the default scale: the samples of every
// column, then a golden-section search inside each bracket.
constexpr const char* kFindExtremaName = "points/find extrema x*sin(x) 1920 columns";

void RegisterFindExtrema()
{
    const auto program = std::make_shared<const Program>(CompileFormula("x*sin(x)", false));
    benchmark::RegisterBenchmark(kFindExtremaName,
        [program](benchmark::State& state) {
            const std::vector<float> columns = ColumnXs(GraphView {}, kLargeWidth);
            const ValueAt valueAt = [&](float x) { return program->Evaluate(false, x, 0.0f); };
            std::size_t found = 0;
            for (auto _ : state) {
                const std::vector<FoundPoint> extrema = FindExtrema(valueAt, columns);
                found = extrema.size();
                benchmark::DoNotOptimize(extrema.data());
            }
            state.counters["points"] = static_cast<double>(found);
        })
        ->MinTime(TheEffort().minSecondsPerRepetition)
        ->Repetitions(TheEffort().repetitions)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("fastest", Fastest);
}

void PrintFindExtrema(const Collector& collector)
{
    std::printf("Find Extrema on x*sin(x) over %d columns: %.3f ms for %.0f points (fastest of "
                "%d)\n\n",
        kLargeWidth, collector.Nanoseconds(kFindExtremaName) / 1e6,
        collector.Nanoseconds(std::string(kFindExtremaName) + "#points"), TheEffort().repetitions);
}

// A parametric and a polar curve on a default area at the default quality (6100 steps, each
// sample two evaluations or one and a sine and cosine), beside the explicit x*sin(x) at the
// same size and quality, each on one thread through the QImage surface, timed in turns
// (counters "parametric", "polar" and "explicit", in ns).
constexpr const char* kCurvesName = "curves/default";

std::vector<PlotItem> CurveItems(CurveKind kind, const char* expression, const char* y)
{
    StoredFunction function;
    function.kind = kind;
    function.expression = expression;
    function.yExpression = y;
    GraphModel model;
    model.Load({ function }, {});
    const FunctionParse parse = model.Function(0).Parse();
    for (const ExpressionError& error : parse.errors)
        std::fprintf(stderr, "%s: %s\n", expression, error.result.message.c_str());
    std::size_t statisticsItem = 0;
    return PlotItems(model.Functions(), 0, false, statisticsItem, model.Variables());
}

void RegisterCurves()
{
    const auto parametric = std::make_shared<const std::vector<PlotItem>>(
        CurveItems(CurveKind::Parametric, "t-sin(t)", "1-cos(t)"));
    const auto polar = std::make_shared<const std::vector<PlotItem>>(
        CurveItems(CurveKind::Polar, "cos(5*t)", ""));
    const auto explicitItems = std::make_shared<const std::vector<PlotItem>>(
        CurveItems(CurveKind::Explicit, "x*sin(x)", ""));
    const auto surface = std::make_shared<ImageSurface>(kAreaWidth, kAreaHeight);
    benchmark::RegisterBenchmark(kCurvesName,
        [parametric, polar, explicitItems, surface](benchmark::State& state) {
            double times[3] = { std::numeric_limits<double>::infinity(),
                std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity() };
            const std::vector<PlotItem>* items[3]
                = { parametric.get(), polar.get(), explicitItems.get() };
            for (auto _ : state) {
                for (int i = 0; i < 3; ++i) {
                    const double start = ThreadSeconds();
                    benchmark::DoNotOptimize(
                        DrawGraph({}, {}, *items[i], 0, *surface, 1).totals.sum);
                    times[i] = std::min(times[i], ThreadSeconds() - start);
                }
            }
            state.counters["parametric"] = times[0] * 1e9;
            state.counters["polar"] = times[1] * 1e9;
            state.counters["explicit"] = times[2] * 1e9;
        })
        ->MinTime(TheEffort().minSecondsPerRepetition)
        ->Repetitions(TheEffort().repetitions)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("fastest", Fastest);
}

void PrintCurves(const Collector& collector)
{
    const std::string name = kCurvesName;
    std::printf(
        "Curves on a default %dx%d render at quality 10 (6101 samples each, fastest of %d): "
        "parametric t-sin(t), 1-cos(t) %.3f ms, polar cos(5*t) %.3f ms; explicit x*sin(x) "
        "%.3f ms\n\n",
        kAreaWidth, kAreaHeight, TheEffort().repetitions,
        collector.Nanoseconds(name + "#parametric") / 1e6,
        collector.Nanoseconds(name + "#polar") / 1e6,
        collector.Nanoseconds(name + "#explicit") / 1e6);
}

// What compiling one expression of 100 tokens or a little more costs, step by step: the parse,
// the instructions, and the instructions with their machine code (counters in ns).
constexpr const char* kCompileName = "compile/expression";

std::string HundredTokenExpression(std::size_t& tokens)
{
    std::string expression = "3*x^4-2*x^3+x^2-7*x+sin(x)*cos(x)/(1+x^2)";
    expression = expression + "+" + expression + "+" + expression;
    for (;;) {
        TokenList queue;
        TokenList operators;
        std::string postfix;
        (void)Parse(expression, false, queue, operators, postfix);
        tokens = 0;
        queue.ForEach([&](const Token&) { ++tokens; });
        if (tokens >= 100)
            return expression;
        expression += "-x";
    }
}

void RegisterCompileTime()
{
    benchmark::RegisterBenchmark(kCompileName,
        [](benchmark::State& state) {
            std::size_t tokens = 0;
            const std::string expression = HundredTokenExpression(tokens);
            double parse = std::numeric_limits<double>::infinity();
            double program = parse;
            double native = parse;
            for (auto _ : state) {
                const double start = ThreadSeconds();
                TokenList queue;
                TokenList operators;
                std::string postfix;
                (void)Parse(expression, false, queue, operators, postfix);
                const double parsed = ThreadSeconds();
                benchmark::DoNotOptimize(Program::Compile(queue).Length());
                const double compiled = ThreadSeconds();
                benchmark::DoNotOptimize(CompileProgram(queue).IsNative());
                const double end = ThreadSeconds();
                parse = std::min(parse, parsed - start);
                program = std::min(program, compiled - parsed);
                native = std::min(native, end - compiled);
            }
            state.counters["tokens"] = static_cast<double>(tokens);
            state.counters["parse"] = parse * 1e9;
            state.counters["program"] = program * 1e9;
            state.counters["native"] = native * 1e9;
        })
        ->MinTime(TheEffort().minSecondsPerRepetition)
        ->Repetitions(TheEffort().repetitions)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("fastest", Fastest);
}

void PrintCompileTime(const Collector& collector)
{
    const auto microseconds = [&](const char* counter) {
        return collector.Nanoseconds(std::string(kCompileName) + "#" + counter) / 1e3;
    };
    const double parse = microseconds("parse");
    const double native = microseconds("native");
    std::printf("Compiling an expression of %.0f tokens: parse %.1f us, instructions %.1f us, "
                "instructions and machine code %.1f us; %.3f ms in all (target under 0.2)\n\n",
        collector.Nanoseconds(std::string(kCompileName) + "#tokens"), parse,
        microseconds("program"), native, (parse + native) / 1e3);
}

// One wheel notch as the form takes it: the zoom about the pointer (which checks that the new
// view is usable) and the rendering at the new view, on one thread. The notches go in and out
// in turns, so the view stays near the default.
constexpr struct {
    const char* name;
    const char* expression;
    bool implicit;
} kWheelGraphs[] = {
    { "wheel/explicit", "x*sin(x)", false },
    { "wheel/implicit", "x^2+y^2-100", true },
};

void RegisterWheelSteps()
{
    for (const auto& graph : kWheelGraphs) {
        const auto program
            = std::make_shared<const Program>(CompileFormula(graph.expression, graph.implicit));
        const auto surface = std::make_shared<ImageSurface>(kAreaWidth, kAreaHeight);
        const bool implicit = graph.implicit;
        benchmark::RegisterBenchmark(graph.name,
            [program, surface, implicit](benchmark::State& state) {
                GraphView view;
                bool in = true;
                const std::vector<PlotItem> items { { *program, implicit, false } };
                for (auto _ : state) {
                    const double factor = in ? 1.25 : 1.0 / 1.25;
                    view = ZoomAbout(view, factor, factor, 100.5, -30, kAreaWidth, kAreaHeight)
                               .value_or(GraphView {});
                    benchmark::DoNotOptimize(DrawGraph(view, {}, items, 0, *surface, 1).totals.sum);
                    in = !in;
                }
            })
            ->MinTime(TheEffort().minSecondsPerRepetition)
            ->Repetitions(TheEffort().repetitions)
            ->ReportAggregatesOnly(true)
            ->ComputeStatistics("fastest", Fastest);
    }
}

void PrintWheelSteps(const Collector& collector)
{
    std::printf("One wheel step (zoom about the pointer, then render) on a default %dx%d graph: "
                "explicit x*sin(x) %.3f ms, implicit x^2+y^2-100 %.3f ms (target well under 100, "
                "the time in which the window must answer)\n\n",
        kAreaWidth, kAreaHeight, collector.Nanoseconds("wheel/explicit") / 1e6,
        collector.Nanoseconds("wheel/implicit") / 1e6);
}

void PrintGridCost(const Collector& collector)
{
    const double plain = collector.Nanoseconds("grid/clear#plain") / 1e6;
    const double grid = collector.Nanoseconds("grid/clear#grid") / 1e6;
    std::printf("Grid and tick labels on a default %dx%d render: %.3f ms (clearing %.3f ms with "
                "them, %.3f ms without; target well under 1)\n\n",
        kAreaWidth, kAreaHeight, grid - plain, grid, plain);
}

double GeometricMean(const std::vector<double>& ratios)
{
    double logSum = 0.0;
    for (const double ratio : ratios)
        logSum += std::log(ratio);
    return std::exp(logSum / static_cast<double>(ratios.size()));
}

// Renderings whose bare evaluations take at least this long have a target for their ratio.
constexpr double kHeavyMilliseconds = 1.0;

void PrintRenders(const Collector& collector, const std::vector<std::string>& renders)
{
    std::printf(
        "Whole renders through the QImage surface (fastest of %d)\n", TheEffort().repetitions);
    std::printf("%-62s %10s %11s %9s %7s %7s %7s\n", "rendering", "render ms", "evaluate ms",
        "sweep ms", "ratio", "blank", "r/sweep");
    double worst = 0.0;
    double worstHeavy = 0.0;
    double worstBlank = 0.0;
    double worstOverSweep = 0.0;
    for (const std::string& render : renders) {
        const auto milliseconds = [&](const char* counter) {
            return collector.Nanoseconds("render/" + render + "#" + counter) / 1e6;
        };
        const double rendering = milliseconds("render");
        const double blank = milliseconds("blank");
        const double bare = milliseconds("bare");
        const double sweep = milliseconds("sweep");
        worst = std::max(worst, rendering / bare);
        if (bare >= kHeavyMilliseconds)
            worstHeavy = std::max(worstHeavy, rendering / bare);
        worstBlank = std::max(worstBlank, blank / bare);
        worstOverSweep = std::max(worstOverSweep, rendering / sweep);
        std::printf("%-62s %10.3f %11.3f %9.3f %7.3f %7.3f %7.3f\n", render.c_str(), rendering,
            bare, sweep, rendering / bare, blank / bare, rendering / sweep);
    }
    // Clearing the area, the axes and the icon cost a few hundredths of a millisecond whatever
    // is drawn: against the cheapest plots' evaluations that is a large share, which the
    // renderer cannot win back. The target holds where the evaluations take their time.
    std::printf("render/evaluation worst ratio: %.3f (no target: below %.0f ms of evaluations "
                "the fixed cost of clearing the area and drawing the icon dominates)\n",
        worst, kHeavyMilliseconds);
    std::printf("render/evaluation worst ratio from %.0f ms of evaluations: %.3f (target at most "
                "1.3: drawing and progress add about a tenth, the renderer's bookkeeping about "
                "another)\n",
        kHeavyMilliseconds, worstHeavy);
    std::printf("blank/evaluation worst ratio (rendering through a surface that draws nothing): "
                "%.3f\n",
        worstBlank);
    std::printf("render/sweep worst ratio (drawing and progress alone): %.3f\n", worstOverSweep);
    std::printf("%dx%d implicit render: %.1f ms (target under 60)\n\n", kLargeWidth, kLargeHeight,
        collector.Nanoseconds("render/" + renders.back() + "#render") / 1e6);
}

void PrintEvaluations(const Collector& collector, const std::vector<EvaluationCase>& cases)
{
    std::printf("Nanoseconds per evaluation (fastest of %d); evaluator: %s\n",
        TheEffort().repetitions, NativeCodeStatus().c_str());
    std::printf("%-42s %-8s %7s %9s %9s %9s %9s %8s %8s %8s\n", "expression", "sweep", "samples",
        "evaluator", "interp", "muparser", "native", "ev/mu", "ev/nat", "int/nat");
    std::vector<double> toMuparser;
    std::vector<double> toNative;
    std::vector<double> interpreterToNative;
    for (const EvaluationCase& c : cases) {
        const std::string name = c.formula->expression;
        const auto perSample = [&](const char* engine) {
            return collector.Nanoseconds("evaluation/" + name + "#" + engine)
                / static_cast<double>(c.samples->Count());
        };
        const double evaluator = perSample("evaluator");
        const double interpreter = perSample("interpreter");
        const double muparser = perSample("muparser");
        const double native = perSample("native");
        toMuparser.push_back(evaluator / muparser);
        toNative.push_back(evaluator / native);
        interpreterToNative.push_back(interpreter / native);
        std::printf("%-42s %-8s %7zu %9.2f %9.2f %9.2f %9.2f %8.3f %8.3f %8.3f\n", name.c_str(),
            c.formula->implicit ? "implicit" : "explicit", c.samples->Count(), evaluator,
            interpreter, muparser, native, evaluator / muparser, evaluator / native,
            interpreter / native);
        if (c.nativeMismatches != 0)
            std::printf(
                "  native formula differs from the evaluator on %zu samples\n", c.nativeMismatches);
    }
    std::printf("interpreter/native geometric mean: %.3f (the evaluator without machine code)\n",
        GeometricMean(interpreterToNative));
    std::printf("evaluator/muparser worst: %.3f (target at most 1.5)\n",
        *std::max_element(toMuparser.begin(), toMuparser.end()));
    std::printf("evaluator/muparser geometric mean: %.3f (target at most 0.6)\n",
        GeometricMean(toMuparser));
    std::printf(
        "evaluator/native geometric mean: %.3f (target at most 1.15)\n", GeometricMean(toNative));
}

} // namespace
} // namespace plovex

int main(int argc, char** argv)
{
    using namespace plovex;
    // The grid's labels need fonts, and the window's rendering is timed with the window shown:
    // on the offscreen platform, so nothing appears.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // --brief: two short repetitions of everything, which shows that it all builds and runs.
    bool brief = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--brief") == 0) {
            brief = true;
            std::copy(argv + i + 1, argv + argc, argv + i);
            --argc;
            break;
        }
    }
    if (brief) {
        TheEffort() = { 2, 0.001 }; // the fastest of runs needs two to be computed
        std::printf("Brief run: every figure timed once or twice, to see that all of it builds "
                    "and runs. The targets are for a full run on a quiet machine.\n\n");
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setStyle("Fusion");

    std::vector<std::string> renders;
    for (const Formula& formula : kFormulas)
        renders.push_back(
            RegisterRender(formula.expression, formula.implicit, kAreaWidth, kAreaHeight));
    renders.push_back(RegisterRender("sin(x*y/(x+y))", true, kLargeWidth, kLargeHeight));
    RegisterGridCost();
    RegisterFunctionsCost();
    RegisterFindExtrema();
    RegisterCompileTime();
    RegisterWheelSteps();
    RegisterCurves();
    RegisterVectorExport();
    const std::vector<EvaluationCase> evaluations = RegisterEvaluations();

    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    // The evaluation table comes last so that the output ends with its two summary lines.
    PrintRenderSpeeds(brief);
    PrintParameterSpeeds(brief);
    PrintRenders(collector, renders);
    PrintGridCost(collector);
    PrintFunctionsCost(collector);
    PrintFindExtrema(collector);
    PrintCompileTime(collector);
    PrintWheelSteps(collector);
    PrintCurves(collector);
    PrintVectorExport(collector);
    PrintEvaluations(collector, evaluations);
    return 0;
}
