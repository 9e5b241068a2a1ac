#include "render/ViewNavigation.h"

#include "RecordingSurface.h"
#include "document/DocumentCodec.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "render/FormFields.h"
#include "render/GraphCoordinates.h"
#include "render/GraphRenderer.h"
#include "render/ViewHistory.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace plovex {
namespace {

using PixelSet = std::set<std::pair<int, int>>;

struct Drawn {
    PixelSet pixels;
    Statistics statistics;
};

Drawn Draw(const std::string& expression, bool implicit, const GraphView& view, int width,
    int height, unsigned threads = 1)
{
    TokenList queue;
    TokenList operators;
    std::string postfix;
    (void)Parse(expression, implicit, queue, operators, postfix);
    FormFields fields;
    RecordingSurface surface(width, height, fields);
    const std::vector<PlotItem> items { { Program::Compile(queue), implicit, false } };
    const RenderResult result = DrawGraph(view, {}, items, 0, surface, threads);
    const auto& pixels = surface.Pixels();
    return { PixelSet(pixels.begin(), pixels.end()), result.statistics };
}

// A pan by whole pixels moves every point of the curve by exactly that many columns and rows
// where the two pictures overlap; one thread or several.
TEST(ViewNavigation, APanByWholePixelsShiftsThePicture)
{
    const struct {
        const char* expression;
        bool implicit;
        float quality;
        double right;
        double up;
        unsigned threads;
    } cases[] = {
        { "x*sin(x)", false, 1.0f, 7, 0, 1 },
        { "x*sin(x)", false, 1.0f, -13, 5, 1 },
        { "x^3/50-x", false, 1.0f, 40, -17, 4 },
        { "sin(x)*20", false, 1.0f, 1000, 3, 1 },
        { "x^2+y^2-100", true, 10.0f, 9, 4, 1 },
        { "x^2+y^2-100", true, 10.0f, -31, -12, 4 },
        { "y-x*x/10+5", true, 10.0f, 250, 60, 1 },
    };
    constexpr int kWidth = 120;
    constexpr int kHeight = 80;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.expression) + " by " + std::to_string(c.right) + ","
            + std::to_string(c.up));
        GraphView base;
        base.quality = c.quality;
        GraphView moved = base;
        moved.xOffset = c.right;
        moved.yOffset = c.up;
        const int dx = static_cast<int>(c.right);
        const int dy = static_cast<int>(c.up);
        const Drawn before = Draw(c.expression, c.implicit, base, kWidth, kHeight, c.threads);
        const Drawn after = Draw(c.expression, c.implicit, moved, kWidth, kHeight, c.threads);
        // Column c of the moved picture samples what column c + dx sampled; a row moves down
        // by the upward offset. The first row and the one below the area are left out: there
        // the range test, not the shift, decides.
        const auto inBoth = [&](int column, int row) {
            return column >= 0 && column < kWidth && column + dx >= 0 && column + dx < kWidth
                && row >= 1 && row < kHeight && row - dy >= 1 && row - dy < kHeight;
        };
        PixelSet expected;
        for (const auto& [column, row] : before.pixels) {
            if (inBoth(column - dx, row + dy))
                expected.insert({ column - dx, row + dy });
        }
        PixelSet shown;
        for (const auto& [column, row] : after.pixels) {
            if (inBoth(column, row))
                shown.insert({ column, row });
        }
        EXPECT_EQ(shown, expected);
        EXPECT_FALSE(shown.empty() && before.pixels.size() > 0 && std::abs(dx) < kWidth / 2);
    }
}

// A surface that asks to stop after `allowed` questions: the rendering ends there with what it
// drew, says STOPPED and draws no icon; every thread count stops the same way.
class StoppingSurface : public RecordingSurface {
public:
    StoppingSurface(int width, int height, FormFields& fields, int allowed)
        : RecordingSurface(width, height, fields)
        , m_allowed(allowed)
    { }
    bool Stopped() override { return m_allowed-- <= 0; }

private:
    int m_allowed;
};

TEST(ViewNavigation, AStoppedRenderingKeepsWhatItDrew)
{
    const struct {
        const char* expression;
        bool implicit;
        int allowed;
        unsigned threads;
    } cases[] = {
        { "x*sin(x)", false, 3, 1 },
        { "x^2+y^2-10", true, 20, 1 },
        { "x^2+y^2-10", true, 20, 4 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression + std::string(" on ") + std::to_string(c.threads));
        TokenList queue;
        TokenList operators;
        std::string postfix;
        (void)Parse(c.expression, c.implicit, queue, operators, postfix);
        const std::vector<PlotItem> items { { Program::Compile(queue), c.implicit, false } };
        FormFields fields;
        StoppingSurface stopping(120, 80, fields, c.allowed);
        const RenderResult stopped = DrawGraph({}, {}, items, 0, stopping, stopping, c.threads);
        EXPECT_TRUE(stopped.totals.stopped);
        EXPECT_EQ(fields.m_status, "STOPPED");
        FormFields full;
        RecordingSurface whole(120, 80, full);
        const RenderResult finished = DrawGraph({}, {}, items, 0, whole, whole, c.threads);
        EXPECT_FALSE(finished.totals.stopped);
        // What was drawn is the start of the whole picture, and less than all of it.
        const auto& part = stopping.Pixels();
        ASSERT_LT(part.size(), whole.Pixels().size());
        EXPECT_TRUE(std::equal(part.begin(), part.end(), whole.Pixels().begin()));
        const auto icon = [](const std::string& call) { return call.rfind("DrawIcon", 0) == 0; };
        EXPECT_EQ(std::count_if(stopping.Calls().begin(), stopping.Calls().end(), icon), 0);
    }
}

// The coordinates of a moved view: (px + offset) / scale in double, rounded once; an unmoved
// view divides px alone. Axes fall where 0 does, and not at all outside the area.
TEST(ViewNavigation, CoordinatesAndAxesFollowTheOffset)
{
    const GraphView unmoved;
    EXPECT_EQ(GraphX(unmoved, -305), -30.5f);
    EXPECT_EQ(GraphY(unmoved, 3), 0.3f);
    GraphView view;
    view.xScale = 3.0f;
    view.yScale = 7.0f;
    view.xOffset = 0.1;
    view.yOffset = -2.5;
    EXPECT_EQ(GraphX(view, 1), static_cast<float>(1.1 / 3.0));
    EXPECT_EQ(GraphY(view, 1), static_cast<float>(-1.5 / 7.0));
    const std::vector<float> columns = ColumnXs(view, 4);
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[0], static_cast<float>(-1.9 / 3.0));
    EXPECT_EQ(columns[3], static_cast<float>(1.1 / 3.0));

    const struct {
        double xOffset;
        double yOffset;
        std::optional<int> column;
        std::optional<int> row;
    } cases[] = {
        { 0, 0, 50, 20 },
        { 10, -5, 40, 15 },
        { 0.5, 0.5, 49, 20 }, // floor of 49.5 and 20.5
        { 50, 20, 0, std::nullopt }, // x = 0 on the first column; y = 0 just below the area
        { 50.5, -20, std::nullopt, 0 },
        { -49.5, 0, 99, 20 },
        { -50, 0, std::nullopt, 20 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.xOffset) + "," + std::to_string(c.yOffset));
        GraphView moved;
        moved.xOffset = c.xOffset;
        moved.yOffset = c.yOffset;
        EXPECT_EQ(AxisColumn(moved, 100), c.column);
        EXPECT_EQ(AxisRow(moved, 40), c.row);
    }
}

// A zoom about a pixel keeps the graph point there on its pixel; zooms that would make a
// scale zero, infinite or so large that neighbouring columns share a float are refused.
TEST(ViewNavigation, ZoomKeepsThePointUnderThePointerOrIsRefused)
{
    const struct {
        const char* name;
        GraphView view;
        double xFactor;
        double yFactor;
        double px;
        double py;
        bool refused;
    } cases[] = {
        { "in at a corner", {}, 1.25, 1.25, -300, 100, false },
        { "out at a corner", {}, 0.8, 0.8, 250, -90, false },
        { "x only", {}, 1.25, 1.0, 17, 3, false },
        { "y only, moved view", { 10, 4, 10, 123.5, -7.25 }, 1.0, 1.25, -40, 60, false },
        { "three notches", { 2.5f, 2.5f, 10, 1000, 0 }, 1.953125, 1.953125, 5, 5, false },
        { "to infinity", { 3e38f, 10, 10, 0, 0 }, 1.25, 1.0, 0, 0, true },
        { "to zero", { 1e-45f, 10, 10, 0, 0 }, 1.0 / 1.25, 1.0, 0, 0, true },
        { "columns share a float", { 1000, 10, 10, 1e9, 0 }, 1.25, 1.0, 0, 0, true },
        { "rows share a float", { 10, 1e6f, 10, 0, 1e12 }, 1.0, 1.25, 0, 0, true },
    };
    constexpr int kWidth = 610;
    constexpr int kHeight = 238;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<GraphView> zoomed
            = ZoomAbout(c.view, c.xFactor, c.yFactor, c.px, c.py, kWidth, kHeight);
        ASSERT_EQ(!zoomed, c.refused);
        if (c.refused)
            continue;
        EXPECT_EQ(GraphX(*zoomed, c.px), GraphX(c.view, c.px));
        EXPECT_EQ(GraphY(*zoomed, c.py), GraphY(c.view, c.py));
        EXPECT_EQ(zoomed->xScale, static_cast<float>(c.view.xScale * c.xFactor));
        EXPECT_EQ(zoomed->quality, c.view.quality);
    }
    // About the centre of an unmoved view nothing moves.
    const std::optional<GraphView> centred = ZoomAbout({}, 1.25, 1.25, 0, 0, kWidth, kHeight);
    ASSERT_TRUE(centred);
    EXPECT_FALSE(centred->HasOffset());
    EXPECT_EQ(centred->xScale, 12.5f);

    const GraphView reset = ResetView({ 3, 4, 7, 5, 6 });
    EXPECT_TRUE(reset == (GraphView { 10, 10, 7, 0, 0 }));
    const std::optional<GraphView> equal = EqualScales({ 3, 6, 10, 0, 12 }, kWidth, kHeight);
    ASSERT_TRUE(equal);
    EXPECT_EQ(equal->yScale, 3.0f);
    EXPECT_EQ(equal->yOffset, 6.0); // the centre's y, 2, stays at the centre
}

// One entry per change, a run of wheel notches without a half-second pause being one; Back
// and Forward walk the entries, and a change after Back drops those ahead.
TEST(ViewNavigation, HistoryOrderAndWheelRuns)
{
    const auto view = [](float scale) { return GraphView { scale, scale, 10, 0, 0 }; };
    ViewHistory history(view(10));
    history.RecordWheel(view(12.5f), 1000);
    history.RecordWheel(view(15.625f), 1400);
    history.RecordWheel(view(19.53125f), 1899); // still the same run
    EXPECT_EQ(history.Size(), 2u);
    history.RecordWheel(view(24.4140625f), 2399); // after a half-second pause: a new entry
    EXPECT_EQ(history.Size(), 3u);
    history.Record(view(11)); // a scale button
    history.Record(view(11)); // no change, no entry
    history.RecordWheel(view(13.75f), 2500); // a menu command ended the wheel run
    EXPECT_EQ(history.Size(), 5u);

    const struct {
        const char* step;
        float expected;
        bool back;
        bool forward;
    } steps[] = {
        { "back", 11, true, true },
        { "back", 24.4140625f, true, true },
        { "back", 19.53125f, true, true },
        { "back", 10, false, true },
        { "back", 10, false, true }, // nothing further back
        { "forward", 19.53125f, true, true },
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        const GraphView& shown = std::string(s.step) == "back" ? history.Back() : history.Forward();
        EXPECT_EQ(shown.xScale, s.expected);
        EXPECT_EQ(history.CanGoBack(), s.back);
        EXPECT_EQ(history.CanGoForward(), s.forward);
    }
    history.RecordWheel(view(40), 9000);
    EXPECT_EQ(history.Size(), 3u); // the entries ahead of 19.53125 are gone
    EXPECT_FALSE(history.CanGoForward());
    // A notch right after Back starts a new entry rather than rewriting the one gone back to.
    history.Back();
    history.RecordWheel(view(50), 9100);
    EXPECT_EQ(history.Size(), 3u);
    EXPECT_EQ(history.Back().xScale, 19.53125f);
}

// A moved view is stored in trailer version 3 and read back bit for bit; an unmoved one is
// written as before; an offset that is not finite is a damaged trailer.
TEST(ViewNavigation, DocumentsStoreTheOffset)
{
    GraphSettings moved(GraphView { 2.5f, -1.0f, 0.5f, -0.125, 1e300 }, true);
    const std::vector<std::uint8_t> bytes = EncodeDocument("x", moved);
    const std::vector<std::uint8_t> expected { 0x01, 'x', 'P', 'X', 'G', 'S', 0x03, 0x20, 0x00,
        0x00, 0x20, 0x40, 0x00, 0x00, 0x80, 0xBF, 0x00, 0x00, 0x00, 0x3F, 0x01, 0x00, 0x00, 0xFF,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0xBF, 0x9C, 0x75, 0x00, 0x88, 0x3C, 0xE4, 0x37,
        0x7E };
    EXPECT_EQ(bytes, expected);
    const DecodedDocument decoded = DecodeDocument(bytes);
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.stored, StoredSettings::Read);
    EXPECT_TRUE(decoded.settings == moved);

    // Offset zero, also -0: today's version 1 bytes.
    GraphSettings unmoved(2.5f, -1.0f, 0.5f, true);
    const std::vector<std::uint8_t> today = EncodeDocument("x", unmoved);
    EXPECT_EQ(today[6], 0x01);
    unmoved.xOffset = -0.0;
    EXPECT_EQ(EncodeDocument("x", unmoved), today);

    std::vector<std::uint8_t> infinite = bytes;
    const std::uint8_t infinity[] = { 0, 0, 0, 0, 0, 0, 0xF0, 0x7F };
    std::copy(std::begin(infinity), std::end(infinity), infinite.end() - 8);
    const DecodedDocument damaged = DecodeDocument(infinite);
    ASSERT_TRUE(damaged.ok);
    EXPECT_EQ(damaged.stored, StoredSettings::Damaged);
    EXPECT_FALSE(damaged.settings.HasOffset());
}

} // namespace
} // namespace plovex
