#include "FormRendering.h"
#include "RecordingSurface.h"
#include "document/GraphModel.h"
#include "render/FormFields.h"
#include "render/GraphRenderer.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace plovex {
namespace {

// The curve pixels of a recording, in order, with their colours.
std::vector<std::string> CurvePixels(const RecordingSurface& surface)
{
    std::vector<std::string> pixels;
    for (const std::string& call : surface.Calls()) {
        if (call.rfind("SetPixel", 0) == 0)
            pixels.push_back(call);
    }
    return pixels;
}

struct Drawn {
    std::vector<std::string> pixels;
    Statistics statistics;
};

// Renders `functions` (each parsed) with `selected` as the form would.
Drawn Render(const std::vector<StoredFunction>& functions, std::size_t selected, bool derivative)
{
    GraphModel model;
    model.Load(functions, {});
    for (std::size_t i = 0; i < model.Count(); ++i)
        EXPECT_TRUE(model.Function(i).Parse().Ok()) << i;
    FormFields fields;
    RecordingSurface surface(211, 121, fields);
    std::size_t statisticsItem = 0;
    const std::vector<PlotItem> items
        = PlotItems(model.Functions(), selected, derivative, statisticsItem, model.Variables());
    const RenderResult result = DrawGraph(model.View(), {}, items, statisticsItem, surface, 1);
    return { CurvePixels(surface), result.statistics };
}

// A graph of several functions is the superposition, in list order, of the one-function
// graphs, each in its colour; hidden functions are absent, the statistics are the selected
// function's, and the derivative is the selected function's alone.
TEST(Superposition, IsTheOneFunctionRendersInListOrder)
{
    const Rgb blue { 0, 0, 255 };
    const Rgb vermillion { 213, 94, 0 };
    const Rgb green { 0, 158, 115 };
    const struct {
        const char* name;
        std::vector<StoredFunction> functions;
        std::size_t selected;
        bool derivative;
    } cases[] = {
        { "explicit",
            { { "x^2/10", CurveKind::Explicit, blue }, { "x*2", CurveKind::Explicit, vermillion } },
            0, false },
        { "implicit",
            { { "x^2+y^2-100", CurveKind::Implicit, blue },
                { "x*y-20", CurveKind::Implicit, green } },
            1, false },
        { "mixed",
            { { "x*sin(x)", CurveKind::Explicit, blue },
                { "x^2+y^2-25", CurveKind::Implicit, vermillion },
                { "5", CurveKind::Explicit, green } },
            2, false },
        { "derivative",
            { { "x^3/20", CurveKind::Explicit, blue },
                { "x^3/20", CurveKind::Explicit, vermillion } },
            1, true },
        { "hidden",
            { { "x", CurveKind::Explicit, blue },
                { "x*y-9", CurveKind::Implicit, vermillion, false },
                { "0-x", CurveKind::Explicit, green } },
            0, false },
        { "selected hidden",
            { { "x", CurveKind::Explicit, blue, false }, { "3", CurveKind::Explicit, green } }, 0,
            false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Drawn together = Render(c.functions, c.selected, c.derivative);
        std::vector<std::string> expected;
        for (std::size_t i = 0; i < c.functions.size(); ++i) {
            StoredFunction alone = c.functions[i];
            const bool shown = alone.shown;
            alone.shown = true;
            const Drawn single = Render({ alone }, 0, c.derivative && i == c.selected);
            if (shown)
                expected.insert(expected.end(), single.pixels.begin(), single.pixels.end());
            if (i == c.selected) {
                EXPECT_EQ(together.statistics.maximum, single.statistics.maximum);
                EXPECT_EQ(together.statistics.minimum, single.statistics.minimum);
                EXPECT_EQ(std::isnan(together.statistics.mean), std::isnan(single.statistics.mean));
                if (!std::isnan(single.statistics.mean)) {
                    EXPECT_EQ(together.statistics.mean, single.statistics.mean);
                }
            }
        }
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(together.pixels, expected);
    }
}

// The progress bar runs once across all functions: each one's positions follow the last's.
TEST(Superposition, TheProgressBarCoversTheWholeRendering)
{
    GraphModel model;
    model.Load({ { "x" }, { "0-x" } }, { 10.0f, 10.0f, 1.0f });
    for (std::size_t i = 0; i < model.Count(); ++i)
        ASSERT_TRUE(model.Function(i).Parse().Ok());
    FormFields fields;
    RecordingSurface surface(90, 60, fields);
    std::size_t statisticsItem = 0;
    (void)DrawGraph(model.View(), {},
        PlotItems(model.Functions(), 0, false, statisticsItem, model.Variables()), 0, surface,
        surface);
    EXPECT_EQ(surface.Progress(), (std::vector<int> { -45, -25, 0, 25, 65, 90, 115, 135 }));
    EXPECT_EQ(surface.Calls()[5], "SetProgressRange -45 135");
}

} // namespace
} // namespace plovex
