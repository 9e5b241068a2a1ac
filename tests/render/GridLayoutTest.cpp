#include "render/GridLayout.h"

#include "FormRendering.h"
#include "RecordingSurface.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "render/FormFields.h"
#include "render/GraphRenderer.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace plovex {
namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

// "mantissa exponent" of the step, or "none".
std::string StepText(float scale)
{
    const std::optional<GridLayout::Step> step = GridLayout::ChooseStep(scale);
    return step ? std::to_string(step->mantissa) + " " + std::to_string(step->exponent) : "none";
}

// "position:label" for every line, in order.
std::string MarksText(const std::vector<GridLayout::Mark>& marks)
{
    std::string text;
    for (const GridLayout::Mark& mark : marks) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(mark.position);
        text += ':';
        text += mark.label;
    }
    return text;
}

TEST(GridLayout, StepLinesAndLabelsOfAnAxis)
{
    const struct {
        float scale;
        int size;
        bool upwards;
        const char* step;
        const char* marks;
    } cases[] = {
        { 10.0f, 120, false, "5 0", "10:-5 110:5" },
        { 10.0f, 121, true, "5 0", "10:5 110:-5" },
        { 10.0f, 102, false, "5 0", "1:-5" }, // 101 would be the border
        { 10.0f, 103, false, "5 0", "1:-5 101:5" },
        { 10.0f, 101, true, "5 0", "" }, // rows 0 and 100 are the border
        { 25.0f, 200, false, "2 0", "50:-2 150:2" },
        { 25.0f, 201, true, "2 0", "50:2 150:-2" },
        { 90.0f, 101, false, "5 -1", "5:-0.5 95:0.5" },
        { 90.0f, 400, false, "5 -1",
            "20:-2.0 65:-1.5 110:-1.0 155:-0.5 245:0.5 290:1.0 335:1.5 380:2.0" },
        // 0.35f is a little below 0.35: the lines right of the origin fall a pixel short.
        { 0.35f, 400, false, "2 2", "60:-400 130:-200 269:200 339:400" },
        { 0.35f, 401, true, "2 2", "60:400 130:200 269:-200 339:-400" },
        { 3.7f, 201, true, "2 1", "25:20 174:-20" },
        { 3.7f, 200, false, "2 1", "25:-20 174:20" },
        { 1000.0f, 160, false, "5 -2", "30:-0.05 130:0.05" },
        { 1000.0f, 161, true, "5 -2", "30:0.05 130:-0.05" },
        { 0.001f, 700, false, "5 4",
            "49:-300000 99:-250000 149:-200000 199:-150000 249:-100000 299:-50000 400:50000 "
            "450:100000 500:150000 550:200000 600:250000 650:300000" }, // 7 characters: fixed
        { 0.0001f, 300, false, "5 5",
            "50:-1e+06 100:-5e+05 199:5e+05 249:1e+06" }, // "-1000000" is too long
        { 1e8f, 200, false, "5 -7", "50:-5e-07 150:5e-07" },
        { -10.0f, 120, false, "5 0", "10:5 110:-5" },
        { -10.0f, 121, true, "5 0", "10:-5 110:5" },
        { 1e-30f, 200, false, "5 31", "49:-5e+31 150:5e+31" },
        { 1e-30f, 201, true, "5 31", "49:5e+31 150:-5e+31" },
        { 1e30f, 200, false, "5 -29", "49:-5e-29 150:5e-29" },
        { 1e30f, 201, true, "5 -29", "49:5e-29 150:-5e-29" },
        { 3.4028235e38f, 200, false, "2 -37", "31:-2e-37 168:2e-37" },
        { 1e-39f, 200, false, "5 40", "49:-5e+40 150:5e+40" },
        { 7e-40f, 200, false, "none", "" }, // 5e40 is 35 pixels
        { 0.0f, 200, false, "none", "" },
        { -0.0f, 201, true, "none", "" },
        { kInfinity, 200, false, "none", "" },
        { -kInfinity, 201, true, "none", "" },
        { std::nanf(""), 200, false, "none", "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.scale) + " " + std::to_string(c.size)
            + (c.upwards ? " rows" : " columns"));
        EXPECT_EQ(StepText(c.scale), c.step);
        EXPECT_EQ(MarksText(GridLayout::Marks(c.scale, c.size / 2, c.size, c.upwards)), c.marks);
    }
}

FormFields unusedFields;

// A surface that measures text as `charWidth` pixels a character and `height` high.
class MeasuringSurface : public RecordingSurface {
public:
    MeasuringSurface(int width, int height, int charWidth, int textHeight)
        : RecordingSurface(width, height, unusedFields)
        , m_charWidth(charWidth)
        , m_textHeight(textHeight)
    { }

    TextSize MeasureText(const std::string& text) const override
    {
        return { m_charWidth * static_cast<int>(text.size()), m_textHeight };
    }

private:
    int m_charWidth;
    int m_textHeight;
};

bool Overlap(const GridLayout::Label& a, int left, int top, int right, int bottom)
{
    return a.left < right && left < a.right && a.top < bottom && top < a.bottom;
}

TEST(GridLayout, LabelsNeverOverlapNorLeaveTheArea)
{
    const float scales[] = { 10.0f, -10.0f, 1.0f, 3.7f, 25.0f, 40.0f, 41.0f, 90.0f, 0.35f, 0.001f,
        0.0001f, -0.0001f, 1e8f, 1e-30f, 1e30f, 1234.5f, 0.0f, kInfinity };
    const struct {
        int width;
        int height;
    } sizes[] = { { 610, 238 }, { 611, 239 }, { 120, 100 }, { 81, 81 }, { 40, 30 }, { 1, 1 },
        { 1920, 1080 }, { 300, 45 }, { 45, 300 } };
    const struct {
        int charWidth;
        int height;
    } fonts[] = { { 6, 12 }, { 9, 16 }, { 20, 30 } };
    std::size_t labels = 0;
    for (const auto& size : sizes) {
        for (const float xScale : scales) {
            for (const float yScale : { 10.0f, -3.7f, 0.001f, 1e30f }) {
                for (const auto& font : fonts) {
                    SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height)
                        + " x " + std::to_string(xScale) + " y " + std::to_string(yScale) + " font "
                        + std::to_string(font.charWidth));
                    const MeasuringSurface surface(
                        size.width, size.height, font.charWidth, font.height);
                    const std::vector<GridLayout::Label> placed
                        = GridLayout(xScale, yScale, size.width, size.height).PlaceLabels(surface);
                    labels += placed.size();
                    const int hw = size.width / 2;
                    const int hh = size.height / 2;
                    for (std::size_t i = 0; i < placed.size(); ++i) {
                        const GridLayout::Label& label = placed[i];
                        EXPECT_EQ(label.right - label.left,
                            font.charWidth * static_cast<int>(label.text.size()));
                        EXPECT_EQ(label.bottom - label.top, font.height);
                        EXPECT_GE(label.left, 1);
                        EXPECT_GE(label.top, 1);
                        EXPECT_LE(label.right, size.width - 1);
                        EXPECT_LE(label.bottom, size.height - 1);
                        EXPECT_FALSE(Overlap(label, hw, 0, hw + 1, size.height));
                        EXPECT_FALSE(Overlap(label, 0, hh, size.width, hh + 1));
                        EXPECT_FALSE(Overlap(label, size.width - 37, size.height - 37,
                            size.width - 5, size.height - 5)); // the icon
                        for (std::size_t j = 0; j < i; ++j) {
                            EXPECT_FALSE(Overlap(label, placed[j].left, placed[j].top,
                                placed[j].right, placed[j].bottom));
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(labels, 10000u); // the sweep is not empty
}

TEST(GridLayout, LabelsSitBesideTheAxesCentredOnTheirLines)
{
    // 120 by 100 at x scale 10, y scale 20: columns 10 and 110, rows 10 and 90. The x label
    // "5" would cover the icon's corner.
    const MeasuringSurface surface(120, 100, 6, 12);
    const GridLayout grid(10.0f, 20.0f, 120, 100);
    std::vector<std::string> labels;
    for (const GridLayout::Label& label : grid.PlaceLabels(surface)) {
        labels.push_back(label.text + " " + std::to_string(label.left) + " "
            + std::to_string(label.top) + " " + std::to_string(label.right) + " "
            + std::to_string(label.bottom));
    }
    EXPECT_EQ(
        labels, (std::vector<std::string> { "-5 4 52 16 64", "2 52 4 58 16", "-2 46 84 58 96" }));

    // Labels as wide as the step: one too close to the label before it is left out, and
    // "8" would cover the icon's corner.
    const MeasuringSurface wide(400, 100, 20, 12);
    std::vector<std::string> kept;
    for (const GridLayout::Label& label : GridLayout(20.0f, 1e30f, 400, 100).PlaceLabels(wide))
        kept.push_back(label.text);
    EXPECT_EQ(kept, (std::vector<std::string> { "-8", "-4", "2", "4", "6" }));
}

// Draws `expression` on a recording surface with the grid as given.
struct GridRendering {
    GridRendering(const char* expression, int width, int height, bool grid, float xScale = 10.0f,
        float yScale = 10.0f, bool implicit = false, bool derivative = false, bool noClear = false)
        : surface(width, height, fields)
    {
        fields.m_xScale = xScale;
        fields.m_yScale = yScale;
        fields.m_implicit = implicit;
        fields.m_derivative = derivative;
        fields.m_noClear = noClear;
        fields.m_grid = grid;
        TokenList queue;
        TokenList operators;
        EXPECT_TRUE(Parse(expression, implicit, queue, operators, fields.m_postfix).Ok());
        totals = DrawFormGraph(fields, Program::Compile(queue), surface);
    }

    FormFields fields;
    RecordingSurface surface;
    RenderTotals totals {};
};

TEST(GridLayout, LinesUnderTheAxesLabelsBeforeTheSampling)
{
    const GridRendering rendering("100", 120, 100, true, 10.0f, 20.0f);
    const std::vector<std::string> expected = {
        "SetFill 250 240 230",
        "RepaintForm",
        "Rectangle 0 0 120 100",
        "FillRect 10 1 11 99 222 212 202",
        "FillRect 110 1 111 99 222 212 202",
        "FillRect 1 10 119 11 222 212 202",
        "FillRect 1 90 119 91 222 212 202",
        "Line 0 50 120 50",
        "Line 60 0 60 100",
        "FillRect 4 52 16 64 250 240 230",
        "DrawText 4 52 -5 80 80 80",
        "FillRect 52 4 58 16 250 240 230",
        "DrawText 52 4 2 80 80 80",
        "FillRect 46 84 58 96 250 240 230",
        "DrawText 46 84 -2 80 80 80",
        "SetProgressRange -60 60",
        "SetProgressPos -60",
        "ShowStatus WORKING",
        "DrawIcon 83 63",
        "SetProgressPos 60",
        "ShowStatus DONE",
        "RestoreFill",
    };
    EXPECT_EQ(rendering.surface.Calls(), expected);

    // Without clearing there are no axes, and no grid either.
    const GridRendering piled("100", 120, 100, true, 10.0f, 20.0f, false, false, true);
    const GridRendering plain("100", 120, 100, false, 10.0f, 20.0f, false, false, true);
    EXPECT_EQ(piled.surface.Calls(), plain.surface.Calls());
}

TEST(GridLayout, TheCurveAndItsNumbersDoNotDependOnTheGrid)
{
    const struct {
        const char* expression;
        float xScale;
        float yScale;
        bool implicit;
        bool derivative;
    } cases[] = {
        { "x*sin(x)", 10.0f, 10.0f, false, false },
        { "x^2+y^2-100", 7.0f, 12.0f, true, false },
        { "x^3/20", 10.0f, 10.0f, false, true },
        { "x*sin(x)", -10.0f, -4.0f, false, false },
        { "x*y-20", -9.0f, 10.0f, true, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        const GridRendering with(
            c.expression, 211, 120, true, c.xScale, c.yScale, c.implicit, c.derivative);
        const GridRendering without(
            c.expression, 211, 120, false, c.xScale, c.yScale, c.implicit, c.derivative);
        EXPECT_FALSE(with.surface.Pixels().empty());
        EXPECT_EQ(with.surface.Pixels(), without.surface.Pixels());
        EXPECT_EQ(with.surface.Progress(), without.surface.Progress());
        EXPECT_EQ(InfoText(with.fields.m_info), InfoText(without.fields.m_info));
        EXPECT_EQ(with.fields.m_status, without.fields.m_status);
        EXPECT_NE(with.surface.Calls(), without.surface.Calls());
    }
}

} // namespace
} // namespace plovex
