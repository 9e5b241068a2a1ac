#include "view/GraphRenderer.h"

#include "document/GraphFunction.h"
#include "engine/Numbers.h"
#include "engine/Program.h"
#include "view/DrawingSurface.h"
#include "view/GraphCoordinates.h"
#include "view/GridLayout.h"
#include "view/SamplePipeline.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <thread>
#include <vector>

namespace plovex {
namespace {

constexpr int kProgressEvery = 25;
constexpr int kIconOffset = 37;

// Instructions run (samples times program length) per block of samples: enough to make
// handing a block between threads cheap, few enough that the window's progress keeps moving.
constexpr double kBlockWork = 262144.0;
// Below this much work (about 10 ms on one thread) a rendering is done on one thread: starting
// and feeding others would cost more than they win, above all on a busy machine.
constexpr double kParallelWork = 4194304.0;
constexpr unsigned kMaxThreads = 64;
// Blocks in flight per thread: enough that the others go on evaluating while the caller
// paints the window.
constexpr std::size_t kSlotsPerThread = 8;

// Running values of one rendering, each stored as a float.
struct Running {
    float sum = 0.0f;
    float maximum = -std::numeric_limits<float>::infinity();
    float minimum = std::numeric_limits<float>::infinity();

    // A NaN compares false both ways, so it never becomes the maximum or the minimum.
    void Extend(float value)
    {
        if (value > maximum)
            maximum = value;
        if (value < minimum)
            minimum = value;
    }
};

// What the sampling of one item reads: the view, and the item's mode.
struct Sampling {
    GraphView view;
    bool derivative;
};

// How a rendering splits its samples: `threads` evaluate blocks of `blockSamples` samples.
struct Plan {
    unsigned threads;
    std::size_t blockSamples;
};

// `samples` is the number the rendering is expected to take.
Plan MakePlan(const Program& program, double samples, unsigned threads)
{
    const double length = static_cast<double>(program.Length());
    if (threads == 0 && samples * length < kParallelWork)
        threads = 1;
    if (threads == 0) {
        // Asking costs a read of the system's files: once is enough.
        static const unsigned available = std::thread::hardware_concurrency();
        threads = std::max(available, 1u);
    }
    threads = std::min(threads, kMaxThreads);
    // A small rendering still fills every slot: on several threads each of them has blocks to
    // take, and the buffers stay no bigger than the rendering.
    const double slots = static_cast<double>(threads * kSlotsPerThread);
    const double block
        = std::max(1.0, std::min(std::floor(kBlockWork / length), std::ceil(samples / slots)));
    return { threads, static_cast<std::size_t>(block) };
}

// Curve pixels go to the surface a run at a time, one call instead of one per pixel; the run
// is handed over before every progress report, so the surface sees the same order of pixels
// and progress positions as if each were sent on its own.
// The progress bar runs once across all items: an item's positions are shifted by the widths
// of the items before it. An item sampled for its statistics alone draws no pixel.
class PixelRun {
public:
    PixelRun(DrawingSurface& surface, const PlotItem& item, int progressOffset)
        : m_surface(surface)
        , m_colour(item.colour)
        , m_drawn(item.drawn)
        , m_progressOffset(progressOffset)
    { }
    ~PixelRun() { Flush(); }

    void Add(int x, int y)
    {
        if (m_drawn)
            m_pixels.push_back({ x, y });
    }

    void Flush()
    {
        if (!m_pixels.empty())
            m_surface.SetPixels(m_pixels.data(), m_pixels.size(), m_colour);
        m_pixels.clear();
    }

    void Progress(int position)
    {
        Flush();
        m_surface.SetProgressPos(position + m_progressOffset);
    }

    // Asked between batches of samples; once the surface has said stop, the answer stays.
    bool Stopped()
    {
        if (!m_stopped) {
            Flush();
            m_stopped = m_surface.Stopped();
        }
        return m_stopped;
    }

private:
    DrawingSurface& m_surface;
    Rgb m_colour;
    bool m_drawn;
    int m_progressOffset;
    bool m_stopped = false;
    std::vector<Pixel> m_pixels;
};

// The explicit sweep's offsets: px from -hw, advanced by the step added in double and rounded
// to float. A step that no longer moves px forward (negative, NaN or huge qualities) would
// never reach hw: the sweep ends there. Quality 0's infinite step ends it anyway.
class ExplicitSweep {
public:
    ExplicitSweep(int hw, double step)
        : m_px(static_cast<float>(-hw))
        , m_end(static_cast<float>(hw))
        , m_step(step)
        , m_more(m_px < m_end)
    { }

    bool More() const { return m_more; }

    float Next()
    {
        const float px = m_px;
        const float next = static_cast<float>(static_cast<double>(px) + m_step);
        m_more = next > px && next < m_end;
        m_last = px;
        m_px = next;
        return px;
    }

    // Once the sweep is over: the last offset sampled when the step stopped moving it short of
    // the edge. A sweep that ran its course ends at or past the edge (quality 0's too).
    std::optional<float> StalledAt() const
    {
        if (m_px >= m_end)
            return std::nullopt;
        return m_last;
    }

private:
    float m_last = 0.0f;
    float m_px;
    float m_end;
    double m_step;
    bool m_more;
};

// An explicit sample into the running values; its scaled value y.
float TakeExplicit(Running& running, double v, double yScale)
{
    const float y = static_cast<float>(v * yScale);
    running.sum = static_cast<float>(static_cast<double>(running.sum) + v * yScale);
    running.Extend(y);
    return y;
}

// A moved view draws the scaled value y where an unmoved one draws y - yOffset, taken in
// double: a pan by whole pixels then moves every point by exactly that many rows.
void DrawExplicit(PixelRun& run, int hw, int hh, float px, float y, double yOffset)
{
    const double shown = yOffset == 0.0 ? y : y - yOffset;
    // Both bounds included; a NaN value is no point of the curve.
    if (!(shown >= -hh && shown <= hh))
        return;
    // Row and column in double: a float sum can be off by one near whole numbers.
    run.Add(static_cast<int>(static_cast<double>(hw) + px),
        static_cast<int>(static_cast<double>(hh) - shown));
    const int whole = static_cast<int>(px);
    if (whole % kProgressEvery == 0)
        run.Progress(whole);
}

// Implicit: a sample is a point of the curve when its value is at most 0.5 in size (exactly
// 0.5 counts; a NaN value does not).
void EvaluateColumn(const Program& program, bool derivative, float x,
    const std::vector<float>& rows, std::uint8_t* points)
{
    for (const float y : rows)
        *points++ = std::fabs(program.Evaluate(derivative, x, y)) <= 0.5;
}

void TakeColumn(Running& running, PixelRun& run, int px, int hw, int hh, double yOffset,
    const std::uint8_t* points)
{
    for (int py = -hh; py < hh; ++py) {
        if (!*points++)
            continue;
        // The graph y of the point, in pixels.
        const auto offset = static_cast<float>(yOffset == 0.0 ? py : py + yOffset);
        running.sum = static_cast<float>(static_cast<double>(running.sum) + offset);
        running.Extend(offset);
        run.Add(hw + px, hh - py);
        if (px % kProgressEvery == 0)
            run.Progress(px);
    }
    run.Flush();
}

// One thread: samples are evaluated a batch at a time and then drawn. The evaluations run back
// to back, undisturbed by the drawing's hard-to-predict branches (which sample lands on the
// curve) and calls, and the float sum's long chain of roundings overlaps with them.
std::optional<float> SampleExplicitAlone(const Sampling& sampling, const Program& program,
    PixelRun& run, int hw, int hh, Running& running)
{
    constexpr std::size_t kBatch = 64;
    const GraphView& view = sampling.view;
    const double yScale = view.yScale;
    float offsets[kBatch];
    float values[kBatch];
    ExplicitSweep sweep(hw, 1.0 / static_cast<double>(view.quality));
    while (sweep.More()) {
        std::size_t count = 0;
        while (sweep.More() && count < kBatch) {
            const float px = sweep.Next();
            const float x = GraphX(view, px);
            offsets[count] = px;
            values[count++]
                = TakeExplicit(running, program.Evaluate(sampling.derivative, x, 0.0f), yScale);
        }
        for (std::size_t i = 0; i < count; ++i)
            DrawExplicit(run, hw, hh, offsets[i], values[i], view.yOffset);
        run.Flush();
        if (run.Stopped())
            return std::nullopt;
    }
    return sweep.StalledAt();
}

void SampleImplicitAlone(const Sampling& sampling, const Program& program, PixelRun& run,
    const std::vector<float>& rows, int hw, int hh, Running& running)
{
    std::vector<std::uint8_t> points(rows.size());
    for (int px = -hw; px < hw; ++px) {
        EvaluateColumn(
            program, sampling.derivative, GraphX(sampling.view, px), rows, points.data());
        TakeColumn(running, run, px, hw, hh, sampling.view.yOffset, points.data());
        if (run.Stopped())
            return;
    }
}

// Several threads: blocks of samples are evaluated into buffers, on every thread, and then
// taken, block after block in the order of the sweep, into the running values and onto the
// surface. Evaluating has no side effects, so the running values and the surface see the
// same samples, pixels and progress positions in the same order as on one thread.
std::optional<float> SampleExplicitTogether(const Sampling& sampling, const Program& program,
    PixelRun& run, int hw, int hh, const Plan& plan, Running& running)
{
    const double yScale = sampling.view.yScale;
    const double yOffset = sampling.view.yOffset;
    // The buffers grow as the sweep fills them: a quality that ends the sweep early costs no
    // memory for the samples it was expected to take.
    struct Block {
        std::vector<float> offsets;
        std::vector<double> values;
    };
    std::vector<Block> blocks(plan.threads * kSlotsPerThread);
    // The workers read their own copies of the fields.
    const GraphView view = sampling.view;
    const bool derivative = sampling.derivative;
    SamplePipeline pipeline(plan.threads, blocks.size(), [&, view, derivative](std::size_t slot) {
        Block& block = blocks[slot];
        for (std::size_t i = 0; i < block.offsets.size(); ++i)
            block.values[i] = program.Evaluate(derivative, GraphX(view, block.offsets[i]), 0.0f);
    });
    ExplicitSweep sweep(hw, 1.0 / static_cast<double>(view.quality));
    for (;;) {
        while (sweep.More() && !pipeline.Full()) {
            Block& block = blocks[pipeline.NextSlot()];
            block.offsets.clear();
            while (sweep.More() && block.offsets.size() < plan.blockSamples)
                block.offsets.push_back(sweep.Next());
            block.values.resize(block.offsets.size());
            pipeline.Publish();
        }
        if (pipeline.Empty())
            break;
        const Block& block = blocks[pipeline.WaitForOldest()];
        for (std::size_t i = 0; i < block.offsets.size(); ++i)
            DrawExplicit(run, hw, hh, block.offsets[i],
                TakeExplicit(running, block.values[i], yScale), yOffset);
        run.Flush();
        pipeline.ReleaseOldest();
        if (run.Stopped())
            return std::nullopt;
    }
    return sweep.StalledAt();
}

void SampleImplicitTogether(const Sampling& sampling, const Program& program, PixelRun& run,
    const std::vector<float>& rows, int hw, int hh, const Plan& plan, Running& running)
{
    const int blockColumns = static_cast<int>(
        std::max<std::size_t>(plan.blockSamples / std::max<std::size_t>(rows.size(), 1), 1));
    // A block is a run of whole columns.
    struct Block {
        int first = 0;
        int columns = 0;
        std::vector<std::uint8_t> points;
    };
    std::vector<Block> blocks(plan.threads * kSlotsPerThread);
    for (Block& block : blocks)
        block.points.resize(static_cast<std::size_t>(blockColumns) * rows.size());
    const GraphView view = sampling.view;
    const bool derivative = sampling.derivative;
    SamplePipeline pipeline(plan.threads, blocks.size(), [&, view, derivative](std::size_t slot) {
        Block& block = blocks[slot];
        for (int column = 0; column < block.columns; ++column) {
            const float x = GraphX(view, block.first + column);
            EvaluateColumn(program, derivative, x, rows,
                block.points.data() + static_cast<std::size_t>(column) * rows.size());
        }
    });
    int next = -hw;
    for (;;) {
        while (next < hw && !pipeline.Full()) {
            Block& block = blocks[pipeline.NextSlot()];
            block.first = next;
            block.columns = std::min(blockColumns, hw - next);
            next += block.columns;
            pipeline.Publish();
        }
        if (pipeline.Empty())
            break;
        const Block& block = blocks[pipeline.WaitForOldest()];
        for (int column = 0; column < block.columns; ++column)
            TakeColumn(running, run, block.first + column, hw, hh, view.yOffset,
                block.points.data() + static_cast<std::size_t>(column) * rows.size());
        pipeline.ReleaseOldest();
        if (run.Stopped())
            return;
    }
}

// Returns where the sweep stalled, if it did.
std::optional<float> SampleExplicit(const Sampling& sampling, const Program& program, PixelRun& run,
    int hw, int hh, unsigned threads, Running& running)
{
    const double step = 1.0 / static_cast<double>(sampling.view.quality);
    const double expected = std::isfinite(step) && step > 0.0 ? 2.0 * hw / step : 1.0;
    const Plan plan = MakePlan(program, expected, threads);
    if (plan.threads == 1)
        return SampleExplicitAlone(sampling, program, run, hw, hh, running);
    return SampleExplicitTogether(sampling, program, run, hw, hh, plan, running);
}

void SampleImplicit(const Sampling& sampling, const Program& program, PixelRun& run, int hw, int hh,
    unsigned threads, Running& running)
{
    // Every column samples the same rows, so their y values are worked out once: a division
    // on the per-sample path costs as much as evaluating a short expression.
    std::vector<float> rows;
    for (int py = -hh; py < hh; ++py)
        rows.push_back(GraphY(sampling.view, py));
    const Plan plan = MakePlan(
        program, 2.0 * hw * static_cast<double>(std::max<std::size_t>(rows.size(), 1)), threads);
    if (plan.threads == 1)
        SampleImplicitAlone(sampling, program, run, rows, hw, hh, running);
    else
        SampleImplicitTogether(sampling, program, run, rows, hw, hh, plan, running);
}

} // namespace

std::vector<PlotItem> PlotItems(const std::vector<GraphFunction>& functions, std::size_t selected,
    bool derivative, std::size_t& statisticsItem)
{
    std::vector<PlotItem> items;
    statisticsItem = 0;
    for (std::size_t i = 0; i < functions.size(); ++i) {
        const GraphFunction& function = functions[i];
        if (!function.shown && i != selected)
            continue;
        if (i == selected)
            statisticsItem = items.size();
        items.push_back({ function.CompiledProgram(), function.implicit,
            derivative && i == selected, function.colour, function.shown });
    }
    return items;
}

RenderResult DrawGraph(const GraphView& view, const RenderOptions& options,
    const std::vector<PlotItem>& items, std::size_t statisticsItem, DrawingSurface& surface,
    unsigned threads)
{
    const int width = surface.Width();
    const int height = surface.Height();
    const int hw = width / 2;
    const int hh = height / 2;
    surface.SetFill(kBackground);
    if (!options.noClear) {
        surface.RepaintForm();
        surface.Rectangle(0, 0, width, height);
        if (options.grid)
            DrawGridLines(view, surface);
        // The axes where x = 0 and y = 0 fall: through the centre until the view is moved.
        if (const std::optional<int> row = AxisRow(view, height))
            surface.Line(0, *row, width, *row);
        if (const std::optional<int> column = AxisColumn(view, width))
            surface.Line(*column, 0, *column, height);
        if (options.grid)
            DrawGridLabels(view, surface);
    }
    // One item's sweep covers the columns from -hw to hw.
    const int span = 2 * hw;
    const int last = hw + span * static_cast<int>(items.empty() ? 0 : items.size() - 1);
    surface.SetProgressRange(-hw, last);
    surface.SetProgressPos(-hw);
    surface.PushFields("WORKING");
    Running statistics;
    std::optional<float> stalledAt;
    bool stopped = false;
    for (std::size_t i = 0; i < items.size() && !stopped; ++i) {
        const PlotItem& item = items[i];
        const Sampling sampling { view, item.derivative };
        Running running;
        PixelRun run(surface, item, span * static_cast<int>(i));
        if (item.implicit) {
            SampleImplicit(sampling, item.program, run, hw, hh, threads, running);
        } else {
            const std::optional<float> stalled
                = SampleExplicit(sampling, item.program, run, hw, hh, threads, running);
            if (!stalledAt)
                stalledAt = stalled;
        }
        if (i == statisticsItem)
            statistics = running;
        stopped = run.Stopped();
    }
    // A stopped rendering leaves the picture as far as it got, without the finishing touches.
    if (stopped) {
        surface.PushFields("STOPPED");
        surface.RestoreFill();
        return { { statistics.maximum, statistics.minimum, statistics.sum, std::nullopt, true },
            {} };
    }
    surface.DrawIcon(width - kIconOffset, height - kIconOffset);
    surface.SetProgressPos(last);
    surface.PushFields("DONE");
    surface.RestoreFill();
    const RenderTotals totals { statistics.maximum, statistics.minimum, statistics.sum, stalledAt };
    return { totals, ComputeStatistics(totals, view.yScale, view.quality, width) };
}

std::string SweepStallText(float quality, float position)
{
    return "Fewer samples were drawn than the quality asks: at quality " + FormatField(quality)
        + " the step between samples no longer moves the sampling position from pixel "
        + FormatField(position) + " (from the centre) on, so the graph stops there.";
}

Statistics ComputeStatistics(const RenderTotals& totals, float yScale, float quality, int width)
{
    const double scale = yScale;
    return {
        totals.maximum / scale,
        totals.minimum / scale,
        ((totals.sum / static_cast<double>(quality)) / scale) / width,
    };
}

std::string StatisticsText(const Statistics& statistics, std::string (*format)(double))
{
    return "Maximum: " + format(statistics.maximum) + "\r\nMinimum: " + format(statistics.minimum)
        + "\r\nMean: " + format(statistics.mean);
}

} // namespace plovex
