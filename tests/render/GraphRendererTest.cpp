#include "render/GraphRenderer.h"

#include "FormRendering.h"
#include "RecordingSurface.h"
#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "render/FormFields.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace plovex {
namespace {

using Pixels = std::vector<std::pair<int, int>>;

struct Setup {
    int width;
    int height;
    float xScale = 10.0f;
    float yScale = 10.0f;
    float quality = 10.0f;
    bool implicit = false;
    bool derivative = false;
    bool noClear = false;
    unsigned threads = 0;
};

// Parses `expression` as the form would and draws it on a recording surface.
class Rendering {
public:
    Rendering(const std::string& expression, const Setup& setup)
        : m_surface(setup.width, setup.height, m_fields)
    {
        m_fields.m_xScale = setup.xScale;
        m_fields.m_yScale = setup.yScale;
        m_fields.m_quality = setup.quality;
        m_fields.m_implicit = setup.implicit;
        m_fields.m_derivative = setup.derivative;
        m_fields.m_noClear = setup.noClear;
        TokenList queue;
        TokenList operators;
        const ParseResult result
            = Parse(expression, setup.implicit, queue, operators, m_fields.m_postfix);
        EXPECT_TRUE(result.Ok()) << result.message;
        m_totals = DrawFormGraph(m_fields, Program::Compile(queue), m_surface, setup.threads);
    }

    const FormFields& Fields() const { return m_fields; }
    const RecordingSurface& Surface() const { return m_surface; }
    const RenderTotals& Totals() const { return m_totals; }

private:
    FormFields m_fields;
    RecordingSurface m_surface;
    RenderTotals m_totals {};
};

Pixels Row(int row, int firstColumn, int lastColumn, int step = 1)
{
    Pixels pixels;
    for (int column = firstColumn; column <= lastColumn; column += step)
        pixels.emplace_back(column, row);
    return pixels;
}

TEST(GraphRenderer, DrawsInTheOrderOfTheForm)
{
    const Rendering rendering("100", { 20, 10 }); // above the area: no pixel
    const std::vector<std::string> expected = {
        "SetFill 250 240 230",
        "RepaintForm",
        "Rectangle 0 0 20 10",
        "Line 0 5 20 5",
        "Line 10 0 10 10",
        "SetProgressRange -10 10",
        "SetProgressPos -10",
        "ShowStatus WORKING",
        "DrawIcon -17 -27",
        "SetProgressPos 10",
        "ShowStatus DONE",
        "RestoreFill",
    };
    EXPECT_EQ(rendering.Surface().Calls(), expected);
    EXPECT_EQ(rendering.Fields().m_status, "DONE");
    EXPECT_EQ(InfoText(rendering.Fields().m_info),
        "Maximum: 100.000000\r\nMinimum: 100.000000\r\nMean: 100.000000");
}

TEST(GraphRenderer, SamplesBetweenWorkingAndTheIcon)
{
    const Rendering rendering("x", { 90, 60, 10.0f, 10.0f, 1.0f });
    const std::vector<std::string> expected = {
        "SetFill 250 240 230",
        "RepaintForm",
        "Rectangle 0 0 90 60",
        "Line 0 30 90 30",
        "Line 45 0 45 60",
        "SetProgressRange -45 45",
        "SetProgressPos -45",
        "ShowStatus WORKING",
        "DrawIcon 53 23",
        "SetProgressPos 45",
        "ShowStatus DONE",
        "RestoreFill",
    };
    EXPECT_EQ(rendering.Surface().CallsOutsideSampling(), expected);
    EXPECT_EQ(rendering.Surface().Pixels().size(), 61u);
    EXPECT_EQ(rendering.Surface().Calls().size(), expected.size() + 61 + 3);
    EXPECT_EQ(rendering.Surface().Progress(), (std::vector<int> { -45, -25, 0, 25, 45 }));
}

TEST(GraphRenderer, NoClearModeKeepsTheAreaAndDrawsTheIconAgain)
{
    const Rendering rendering("100", { 20, 10, 10.0f, 10.0f, 10.0f, false, false, true });
    const std::vector<std::string> expected = {
        "SetFill 250 240 230",
        "SetProgressRange -10 10",
        "SetProgressPos -10",
        "ShowStatus WORKING",
        "DrawIcon -17 -27",
        "SetProgressPos 10",
        "ShowStatus DONE",
        "RestoreFill",
    };
    EXPECT_EQ(rendering.Surface().Calls(), expected);

    const Rendering implicit("x-y", { 6, 6, 1.0f, 1.0f, 10.0f, true, false, true });
    EXPECT_EQ(implicit.Surface().CallsOutsideSampling().front(), "SetFill 250 240 230");
    EXPECT_EQ(implicit.Surface().CallsOutsideSampling().at(1), "SetProgressRange -3 3");
    EXPECT_EQ(implicit.Surface().Pixels().size(), 6u);
}

struct ExplicitCase {
    const char* name;
    const char* expression;
    Setup setup;
    Pixels pixels;
    std::vector<int> progress;
    const char* info;
};

TEST(GraphRenderer, ExplicitPixelsProgressAndStatistics)
{
    const ExplicitCase cases[] = {
        { "increasing: the minimum is the first sample", "x", { 20, 10, 10.0f, 10.0f, 1.0f },
            { { 5, 10 }, { 6, 9 }, { 7, 8 }, { 8, 7 }, { 9, 6 }, { 10, 5 }, { 11, 4 }, { 12, 3 },
                { 13, 2 }, { 14, 1 }, { 15, 0 } },
            { -10, 0, 10 }, "Maximum: 0.900000\r\nMinimum: -1.000000\r\nMean: -0.050000" },
        // -hh maps to row 2 * hh, which is row H here; hh maps to row 0.
        { "values exactly -hh and hh", "x", { 12, 10, 1.0f, 1.0f, 1.0f },
            { { 1, 10 }, { 2, 9 }, { 3, 8 }, { 4, 7 }, { 5, 6 }, { 6, 5 }, { 7, 4 }, { 8, 3 },
                { 9, 2 }, { 10, 1 }, { 11, 0 } },
            { -6, 0, 6 }, "Maximum: 5.000000\r\nMinimum: -6.000000\r\nMean: -0.500000" },
        { "negative y scale turns the picture and the statistics over", "x",
            { 20, 10, 10.0f, -10.0f, 1.0f },
            { { 5, 0 }, { 6, 1 }, { 7, 2 }, { 8, 3 }, { 9, 4 }, { 10, 5 }, { 11, 6 }, { 12, 7 },
                { 13, 8 }, { 14, 9 }, { 15, 10 } },
            { -10, 0, 10 }, "Maximum: -1.000000\r\nMinimum: 0.900000\r\nMean: -0.050000" },
        // Only W - 1 columns are sampled; the mean divides by the samples taken.
        { "odd width never samples the last column", "2", { 21, 10, 10.0f, 1.0f, 1.0f },
            Row(3, 0, 19), { -10, 0, 10 },
            "Maximum: 2.000000\r\nMinimum: 2.000000\r\nMean: 2.000000" },
        { "curve off the area", "100", { 20, 10 }, {}, { -10, 10 },
            "Maximum: 100.000000\r\nMinimum: 100.000000\r\nMean: 100.000000" },
        { "curve below the area", "0-100", { 20, 10 }, {}, { -10, 10 },
            "Maximum: -100.000000\r\nMinimum: -100.000000\r\nMean: -100.000000" },
        { "quality 1: one sample per column", "3", { 20, 10, 10.0f, 1.0f, 1.0f }, Row(2, 0, 19),
            { -10, 0, 10 }, "Maximum: 3.000000\r\nMinimum: 3.000000\r\nMean: 3.000000" },
        { "quality 0.5: one sample every second column", "3", { 20, 10, 10.0f, 1.0f, 0.5f },
            Row(2, 0, 18, 2), { -10, 0, 10 },
            "Maximum: 3.000000\r\nMinimum: 3.000000\r\nMean: 3.000000" },
        { "derivative mode samples the difference quotient", "x^2",
            { 20, 10, 10.0f, 10.0f, 1.0f, false, true },
            { { 8, 8 }, { 9, 6 }, { 10, 4 }, { 11, 2 }, { 12, 0 } }, { -10, 0, 10 },
            "Maximum: 1.810002\r\nMinimum: -1.989997\r\nMean: -0.090000" },
        { "infinite samples draw nothing but count", "1/x", { 20, 10, 10.0f, 10.0f, 1.0f }, {},
            { -10, 10 }, "Maximum: inf\r\nMinimum: -10.000000\r\nMean: inf" },
    };
    for (const ExplicitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Rendering rendering(c.expression, c.setup);
        EXPECT_EQ(rendering.Surface().Pixels(), c.pixels);
        EXPECT_EQ(rendering.Surface().Progress(), c.progress);
        EXPECT_EQ(InfoText(rendering.Fields().m_info), c.info);
    }
}

TEST(GraphRenderer, ConstantAtDefaultQuality)
{
    // 200 samples at rows 2, about twenty of them between -1 and 1, each sending position 0.
    const Rendering rendering("3", { 20, 10, 10.0f, 1.0f });
    const std::vector<std::pair<int, int>>& pixels = rendering.Surface().Pixels();
    EXPECT_EQ(pixels.size(), 200u);
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](auto p) { return p.second == 2; }));
    std::vector<int> progress { -10 };
    progress.insert(progress.end(), 20, 0);
    progress.push_back(10);
    EXPECT_EQ(rendering.Surface().Progress(), progress);
    EXPECT_EQ(InfoText(rendering.Fields().m_info),
        "Maximum: 3.000000\r\nMinimum: 3.000000\r\nMean: 3.000000");
    EXPECT_EQ(rendering.Totals().sum, 600.0);
    EXPECT_EQ(rendering.Totals().samples, 200u);

    // The float steps drift: column 14 gets one sample more and column 18 one less.
    const std::vector<int> perColumn
        = { 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 11, 10, 10, 10, 9, 10 };
    for (int column = 0; column < 20; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(std::count_if(
                      pixels.begin(), pixels.end(), [column](auto p) { return p.first == column; }),
            perColumn[column]);
    }

    // With an odd width the same 200 samples are still divided by 200, not by 21 times 10.
    const Rendering odd("3", { 21, 10, 10.0f, 1.0f });
    EXPECT_EQ(
        InfoText(odd.Fields().m_info), "Maximum: 3.000000\r\nMinimum: 3.000000\r\nMean: 3.000000");
}

struct ImplicitCase {
    const char* name;
    const char* expression;
    Setup setup;
    Pixels pixels;
    std::vector<int> progress;
    const char* info;
};

TEST(GraphRenderer, ImplicitPixelsProgressAndStatistics)
{
    const ImplicitCase cases[] = {
        // Row 0 is never sampled; py = -hh maps to row H.
        { "diagonal", "x-y", { 6, 6, 1.0f, 1.0f, 10.0f, true },
            { { 0, 6 }, { 1, 5 }, { 2, 4 }, { 3, 3 }, { 4, 2 }, { 5, 1 } }, { -3, 0, 3 },
            "Maximum: 2.000000\r\nMinimum: -3.000000\r\nMean: -0.050000" },
        { "a value of exactly 0.5 is a point", "x-y-0.5", { 4, 4, 1.0f, 1.0f, 10.0f, true },
            { { 0, 4 }, { 1, 4 }, { 1, 3 }, { 2, 3 }, { 2, 2 }, { 3, 2 }, { 3, 1 } },
            { -2, 0, 0, 2 }, "Maximum: 1.000000\r\nMinimum: -2.000000\r\nMean: -0.125000" },
        { "no point", "1", { 6, 6, 1.0f, 1.0f, 10.0f, true }, {}, { -3, 3 },
            "Maximum: -inf\r\nMinimum: inf\r\nMean: 0.000000" },
        { "quality divides the mean only", "x-y", { 6, 6, 1.0f, 1.0f, 0.5f, true },
            { { 0, 6 }, { 1, 5 }, { 2, 4 }, { 3, 3 }, { 4, 2 }, { 5, 1 } }, { -3, 0, 3 },
            "Maximum: 2.000000\r\nMinimum: -3.000000\r\nMean: -1.000000" },
        // An undefined sample is no point: nothing left of the vertical axis.
        { "sqrt(x)-y", "sqrt(x)-y", { 10, 10, 1.0f, 1.0f, 10.0f, true },
            { { 5, 5 }, { 6, 4 }, { 7, 4 }, { 8, 3 }, { 9, 3 } }, { -5, 0, 5 },
            "Maximum: 2.000000\r\nMinimum: 0.000000\r\nMean: 0.060000" },
        { "scales", "x-y", { 8, 6, 2.0f, 0.5f, 1.0f, true },
            { { 0, 4 }, { 1, 4 }, { 3, 3 }, { 4, 3 }, { 5, 3 }, { 7, 2 } }, { -4, 0, 4 },
            "Maximum: 2.000000\r\nMinimum: -2.000000\r\nMean: -0.250000" },
    };
    for (const ImplicitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Rendering rendering(c.expression, c.setup);
        EXPECT_EQ(rendering.Surface().Pixels(), c.pixels);
        EXPECT_EQ(rendering.Surface().Progress(), c.progress);
        EXPECT_EQ(InfoText(rendering.Fields().m_info), c.info);
    }
}

TEST(GraphRenderer, UndefinedImplicitSamplesAreNoPoints)
{
    // tan(x/y) is undefined all along y = 0: the axis row stays clear.
    const Rendering rendering("tan(x/y)", { 10, 10, 1.0f, 1.0f, 10.0f, true });
    const Pixels& pixels = rendering.Surface().Pixels();
    EXPECT_EQ(pixels.size(), 25u);
    EXPECT_TRUE(std::none_of(pixels.begin(), pixels.end(), [](auto p) { return p.second == 5; }));

    const Rendering nothing("sqrt(0-1)+y", { 10, 10, 1.0f, 1.0f, 10.0f, true });
    EXPECT_TRUE(nothing.Surface().Pixels().empty());
    EXPECT_EQ(InfoText(nothing.Fields().m_info), "Maximum: -inf\r\nMinimum: inf\r\nMean: 0.000000");
}

TEST(GraphRenderer, UndefinedExplicitSamplesNeverBecomeMaximumOrMinimum)
{
    // The sweep ends on undefined samples: they neither replace the minimum nor move the
    // progress bar, yet the mean of a set with undefined values is undefined.
    const Rendering after("sqrt(0-x)", { 20, 10 });
    EXPECT_EQ(
        InfoText(after.Fields().m_info), "Maximum: 1.000000\r\nMinimum: 0.099999\r\nMean: nan");
    EXPECT_EQ(after.Surface().Pixels().size(), 25u);
    std::vector<int> progress { -10 };
    progress.insert(progress.end(), 10, 0);
    progress.push_back(10);
    EXPECT_EQ(after.Surface().Progress(), progress);
    EXPECT_EQ(after.Totals().minimum, 0.99999070167541504f);
    EXPECT_TRUE(std::isnan(after.Totals().sum));

    const Rendering before("sqrt(x)", { 20, 10, 10.0f, 10.0f, 1.0f });
    EXPECT_EQ(before.Surface().Pixels(), (Pixels { { 10, 5 }, { 11, 1 }, { 12, 0 } }));
    EXPECT_EQ(
        InfoText(before.Fields().m_info), "Maximum: 0.948683\r\nMinimum: 0.000000\r\nMean: nan");

    const Rendering all("sqrt(0-1)", { 20, 10 });
    EXPECT_TRUE(all.Surface().Pixels().empty());
    EXPECT_EQ(all.Surface().Progress(), (std::vector<int> { -10, 10 }));
    EXPECT_EQ(InfoText(all.Fields().m_info), "Maximum: -inf\r\nMinimum: inf\r\nMean: nan");
}

TEST(GraphRenderer, EveryQualityEnds)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float quality;
        const char* info;
    } cases[] = {
        // One sample each, so the mean is that sample's value whatever the quality.
        { 0.0f, "Maximum: 3.000000\r\nMinimum: 3.000000\r\nMean: 3.000000" }, // infinite step
        { -1.0f, "Maximum: 3.000000\r\nMinimum: 3.000000\r\nMean: 3.000000" },
        { nan, "Maximum: 3.000000\r\nMinimum: 3.000000\r\nMean: 3.000000" },
        { 1e30f, "Maximum: 3.000000\r\nMinimum: 3.000000\r\nMean: 3.000000" },
        { -std::numeric_limits<float>::infinity(),
            "Maximum: 3.000000\r\nMinimum: 3.000000\r\nMean: 3.000000" },
        { 3e6f, "Maximum: 3.000000\r\nMinimum: 3.000000\r\nMean: 3.000000" }, // stalls at -10
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.quality);
        const Rendering rendering("3", { 20, 10, 10.0f, 1.0f, c.quality });
        EXPECT_EQ(rendering.Surface().Pixels(), (Pixels { { 0, 2 } })); // the one sample
        EXPECT_EQ(InfoText(rendering.Fields().m_info), c.info);
        EXPECT_EQ(rendering.Fields().m_status, "DONE");
    }
}

TEST(GraphRenderer, RowAndColumnAreComputedInDouble)
{
    // At quality 10 the steps of 0.1 drift in float: the 151st sample lies at px = 4.9999995,
    // and hw + px is column 14, though it would round to 15 in float.
    const Rendering rendering("0", { 20, 10 });
    const Pixels& pixels = rendering.Surface().Pixels();
    ASSERT_EQ(pixels.size(), 200u);
    EXPECT_EQ(pixels[150], (std::pair<int, int> { 14, 5 }));
    EXPECT_EQ(pixels[151], (std::pair<int, int> { 15, 5 }));

    // Quality 0.7: the eighth sample is at px = -2.5e-7, still column 9 and progress 0.
    const Rendering coarse("0", { 20, 10, 10.0f, 10.0f, 0.7f });
    EXPECT_EQ(coarse.Surface().Pixels(),
        (Pixels { { 0, 5 }, { 1, 5 }, { 2, 5 }, { 4, 5 }, { 5, 5 }, { 7, 5 }, { 8, 5 }, { 9, 5 },
            { 11, 5 }, { 12, 5 }, { 14, 5 }, { 15, 5 }, { 17, 5 }, { 18, 5 } }));
    EXPECT_EQ(coarse.Surface().Progress(), (std::vector<int> { -10, 0, 10 }));

    // A value a hair above the axis: hh - y is 4.99999999, row 4, though 5 in float.
    const Rendering row("0.00000001", { 20, 10, 10.0f, 1.0f, 1.0f });
    EXPECT_EQ(row.Surface().Pixels(), Row(4, 0, 19));
}

TEST(GraphRenderer, TinySurfaces)
{
    const Rendering empty("x", { 1, 1 });
    EXPECT_TRUE(empty.Surface().Pixels().empty());
    EXPECT_EQ(empty.Surface().Progress(), (std::vector<int> { 0, 0 }));
    EXPECT_EQ(InfoText(empty.Fields().m_info), "Maximum: -inf\r\nMinimum: inf\r\nMean: 0.000000");

    const Rendering implicit("x", { 0, 0, 10.0f, 10.0f, 10.0f, true });
    EXPECT_TRUE(implicit.Surface().Pixels().empty());
    EXPECT_EQ(InfoText(implicit.Fields().m_info), "Maximum: -inf\r\nMinimum: inf\r\nMean: nan");
}

struct ThreadCase {
    const char* expression;
    Setup setup;
};

TEST(GraphRenderer, EveryThreadCountDrawsTheSame)
{
    const ThreadCase cases[] = {
        { "x^3/40-x", { 121, 61, 10.0f, 10.0f, 10.0f } },
        { "sqrt(x)*sin(x)*3", { 120, 60, 4.0f, 10.0f, 7.0f } }, // NaN samples left of the axis
        { "tan(x)", { 241, 61, 10.0f, 10.0f, 3.5f } }, // many progress positions per column
        { "x^2/8", { 121, 61, 10.0f, 10.0f, 10.0f, false, true } },
        { "x^2+y^2-25", { 121, 61, 5.0f, 5.0f, 10.0f, true } },
        { "sin(x*y)", { 100, 80, 10.0f, 10.0f, 10.0f, true } },
        { "sqrt(x)-y", { 61, 41, 2.0f, 2.0f, 10.0f, true } },
    };
    for (const ThreadCase& c : cases) {
        ThreadCase one = c;
        one.setup.threads = 1;
        const Rendering single(c.expression, one.setup);
        ASSERT_FALSE(single.Surface().Pixels().empty()) << c.expression;
        for (unsigned threads = 2; threads <= 8; ++threads) {
            SCOPED_TRACE(std::string(c.expression) + " on " + std::to_string(threads));
            ThreadCase many = c;
            many.setup.threads = threads;
            const Rendering rendering(c.expression, many.setup);
            // Every call in order: the pixels, the progress positions and the statuses.
            EXPECT_EQ(rendering.Surface().Calls(), single.Surface().Calls());
            EXPECT_EQ(std::bit_cast<std::uint64_t>(rendering.Totals().sum),
                std::bit_cast<std::uint64_t>(single.Totals().sum));
            EXPECT_EQ(rendering.Totals().samples, single.Totals().samples);
            EXPECT_EQ(std::bit_cast<std::uint32_t>(rendering.Totals().maximum),
                std::bit_cast<std::uint32_t>(single.Totals().maximum));
            EXPECT_EQ(std::bit_cast<std::uint32_t>(rendering.Totals().minimum),
                std::bit_cast<std::uint32_t>(single.Totals().minimum));
            EXPECT_EQ(InfoText(rendering.Fields().m_info), InfoText(single.Fields().m_info));
        }
    }
}

struct MeanCase {
    const char* expression;
    Setup setup;
    std::uint64_t samples;
    // "%.17g" of the mean: the sum of value * yScale in double over the samples taken,
    // divided by their number, then by yScale.
    const char* mean;
};

TEST(GraphRenderer, ExplicitMeanIsTheDoubleSumOverTheSamplesTaken)
{
    const MeanCase cases[] = {
        // A float sum drifted to 403.9269 and W * quality = 1830000 divided it.
        { "400", { 610, 238, 10.0f, 10.0f, 3000.0f }, 1820484, "400" },
        { "400", { 610, 238, 10.0f, 10.0f, 300.0f }, 183207, "400" },
        { "0.1", { 610, 238, 10.0f, 10.0f, 1000.0f }, 607629, "0.10000000149011612" },
        { "x", { 610, 238 }, 6100, "-0.0040582256412446558" },
        { "x", { 610, 238, 10.0f, 7.0f }, 6100, "-0.0040582256412446558" },
        { "x*x/3", { 610, 238, 10.0f, 0.7f, 3.0f }, 1831, "103.47347878646966" },
        { "x", { 20, 10, 10.0f, 10.0f, 0.5f }, 10, "-0.10000000000000001" },
    };
    for (const MeanCase& c : cases) {
        for (const unsigned threads : { 1u, 2u, 3u }) {
            SCOPED_TRACE(std::string(c.expression) + " at quality "
                + std::to_string(c.setup.quality) + " on " + std::to_string(threads));
            auto setup = c.setup;
            setup.threads = threads;
            const Rendering rendering(c.expression, setup);
            EXPECT_EQ(rendering.Totals().samples, c.samples);
            const Statistics statistics
                = ComputeStatistics(rendering.Totals(), setup.yScale, setup.quality, setup.width);
            EXPECT_EQ(FormatExact(statistics.mean), c.mean);
        }
    }
}

TEST(GraphRenderer, StatisticsAreDividedInTheStatedOrder)
{
    // Implicit: ((sum / quality) / yScale) / W.
    const RenderTotals totals { 1.0f, -2.5f, 391665.71875, 0, true, {}, false };
    const Statistics statistics = ComputeStatistics(totals, 7.0f, 10.0f, 610);
    EXPECT_EQ(statistics.mean, 9.1724992681498847); // sum / (q * ys * W) gives ...829
    EXPECT_EQ(ComputeStatistics(totals, 0.7f, 3.0f, 610).maximum, 1.4285714528998554);
    EXPECT_EQ(ComputeStatistics(totals, 0.7f, 3.0f, 610).minimum, -3.5714286322496385);
    EXPECT_EQ(
        ComputeStatistics({ 1.0f, 1.0f, 577446.6875, 0, true, {}, false }, 0.7f, 3.0f, 610).mean,
        450.77806193119329);
    // Explicit: (sum / samples) / yScale, whatever the quality and width.
    EXPECT_EQ(
        ComputeStatistics({ 1.0f, 1.0f, 577446.6875, 1831, false, {}, false }, 0.7f, 3.0f, 610)
            .mean,
        450.5318696526946); // 315.3722... / 0.7f
    // An explicit graph without samples keeps the implicit formula: 0 / W.
    EXPECT_EQ(
        ComputeStatistics({ 1.0f, 1.0f, 0.0, 0, false, {}, false }, 10.0f, 10.0f, 1).mean, 0.0);

    const Statistics zeroScale
        = ComputeStatistics({ 2.0f, -2.0f, 0.0, 0, true, {}, false }, 0.0f, 10.0f, 20);
    EXPECT_EQ(zeroScale.maximum, std::numeric_limits<double>::infinity());
    EXPECT_EQ(zeroScale.minimum, -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(zeroScale.mean));
}

TEST(GraphRenderer, StatisticsTextFormat)
{
    EXPECT_EQ(StatisticsText({ 0.5, -1e-7, 1e10 }, [](double) { return std::string("v"); }),
        "Maximum: v\r\nMinimum: v\r\nMean: v");
    const Statistics statistics { std::numeric_limits<double>::infinity(), -0.25,
        std::numeric_limits<double>::quiet_NaN() };
    EXPECT_EQ(StatisticsText(statistics, [](double value) { return std::to_string(value); }),
        "Maximum: inf\r\nMinimum: -0.250000\r\nMean: nan");
}

} // namespace
} // namespace plovex
