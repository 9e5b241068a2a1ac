#include "render/GraphRenderer.h"

#include "document/GraphFunction.h"
#include "engine/ExpressionNames.h"
#include "engine/Numbers.h"
#include "engine/Program.h"
#include "render/CurveSampling.h"
#include "render/DrawingSurface.h"
#include "render/ExplicitSweep.h"
#include "render/GraphCoordinates.h"
#include "render/GridLayout.h"
#include "render/RenderProgress.h"
#include "render/SamplePipeline.h"

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

// Running values of one rendering: maximum and minimum stored as floats, the sum in double.
struct Running {
    double sum = 0.0;
    std::uint64_t samples = 0;
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

// What the sampling of one item reads: the view, the item's mode and its evaluation array.
struct Sampling {
    GraphView view;
    bool derivative;
    const std::vector<float>& variables;
};

// One thread's evaluation array for an item: its parameters in their slots, and x and y, or t,
// written per sample.
class Slots {
public:
    explicit Slots(const std::vector<float>& variables)
        : m_slots(variables)
    {
        if (m_slots.size() < kFirstParameterSlot)
            m_slots.resize(kFirstParameterSlot, 0.0f);
    }

    double Evaluate(const Program& program, bool derivative, float x, float y)
    {
        m_slots[kSlotX] = x;
        m_slots[kSlotY] = y;
        return program.Evaluate(derivative, m_slots.data());
    }

    // Where a curve's t goes; the programs then run over Data().
    void SetT(float t) { m_slots[kSlotT] = t; }
    const float* Data() const { return m_slots.data(); }

private:
    std::vector<float> m_slots;
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
    PixelRun(
        DrawingSurface& surface, RenderProgress& progress, const PlotItem& item, int progressOffset)
        : m_surface(surface)
        , m_progress(progress)
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
        m_progress.SetProgressPos(position + m_progressOffset);
    }

    // Asked between batches of samples; once the watcher has said stop, the answer stays.
    bool Stopped()
    {
        if (!m_stopped) {
            Flush();
            m_stopped = m_progress.Stopped();
        }
        return m_stopped;
    }

private:
    DrawingSurface& m_surface;
    RenderProgress& m_progress;
    Rgb m_colour;
    bool m_drawn;
    int m_progressOffset;
    bool m_stopped = false;
    std::vector<Pixel> m_pixels;
};

// An explicit sample into the running values; its scaled value y.
float TakeExplicit(Running& running, double v, double yScale)
{
    const float y = static_cast<float>(v * yScale);
    running.sum += v * yScale;
    ++running.samples;
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
void EvaluateColumn(const Program& program, bool derivative, Slots& slots, float x,
    const std::vector<float>& rows, std::uint8_t* points)
{
    for (const float y : rows)
        *points++ = std::fabs(slots.Evaluate(program, derivative, x, y)) <= 0.5;
}

void TakeColumn(Running& running, PixelRun& run, int px, int hw, int hh, double yOffset,
    const std::uint8_t* points)
{
    for (int py = -hh; py < hh; ++py) {
        if (!*points++)
            continue;
        // The graph y of the point, in pixels.
        const auto offset = static_cast<float>(yOffset == 0.0 ? py : py + yOffset);
        running.sum += offset;
        running.Extend(offset);
        run.Add(hw + px, hh - py);
        if (px % kProgressEvery == 0)
            run.Progress(px);
    }
    run.Flush();
}

// One thread: samples are evaluated a batch at a time and then drawn. The evaluations run back
// to back, undisturbed by the drawing's hard-to-predict branches (which sample lands on the
// curve) and calls, and the sum's long chain of additions overlaps with them.
std::optional<float> SampleExplicitAlone(const Sampling& sampling, const Program& program,
    PixelRun& run, int hw, int hh, Running& running)
{
    constexpr std::size_t kBatch = 64;
    const GraphView& view = sampling.view;
    const double yScale = view.yScale;
    float offsets[kBatch];
    float values[kBatch];
    Slots slots(sampling.variables);
    ExplicitSweep sweep(hw, 1.0 / static_cast<double>(view.quality));
    while (sweep.More()) {
        std::size_t count = 0;
        while (sweep.More() && count < kBatch) {
            const float px = sweep.Next();
            const float x = GraphX(view, px);
            offsets[count] = px;
            values[count++] = TakeExplicit(
                running, slots.Evaluate(program, sampling.derivative, x, 0.0f), yScale);
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
    Slots slots(sampling.variables);
    for (int px = -hw; px < hw; ++px) {
        EvaluateColumn(
            program, sampling.derivative, slots, GraphX(sampling.view, px), rows, points.data());
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
        Slots slots(sampling.variables);
        for (std::size_t i = 0; i < block.offsets.size(); ++i)
            block.values[i]
                = slots.Evaluate(program, derivative, GraphX(view, block.offsets[i]), 0.0f);
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
        Slots slots(sampling.variables);
        for (int column = 0; column < block.columns; ++column) {
            const float x = GraphX(view, block.first + column);
            EvaluateColumn(program, derivative, slots, x, rows,
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

// A parametric or polar curve: its point at each of the N + 1 values of t is a pixel of its
// own, as explicit samples are, and its y enters the statistics. The progress bar crosses the
// item's span as t runs from the start of the range to its end.
void SampleCurve(const GraphView& view, const PlotItem& item, PixelRun& run, int width, int height,
    Running& running)
{
    constexpr std::int64_t kBatch = 64;
    const CurveItem& curve = *item.curve;
    const int hw = width / 2;
    const std::int64_t steps = CurveSteps(hw, view.quality);
    const double yScale = view.yScale;
    int position = -hw;
    // Expressions in t read no other variable but the parameters: the parse refuses x and y
    // in them.
    Slots slots(item.variables);
    for (std::int64_t k = 0; k <= steps;) {
        for (const std::int64_t end = std::min(steps + 1, k + kBatch); k < end; ++k) {
            const float t = CurveParameter(curve.range, k, steps);
            slots.SetT(t);
            const float* variables = slots.Data();
            const CurvePoint point = curve.kind == CurveKind::Polar
                ? PolarPoint(item.program.Run(variables), t)
                : CurvePoint { item.program.Run(variables), curve.y->Run(variables) };
            running.Extend(static_cast<float>(point.y * yScale));
            running.sum += point.y * yScale;
            ++running.samples;
            if (const std::optional<Pixel> pixel = CurvePixel(view, width, height, point))
                run.Add(pixel->x, pixel->y);
        }
        const int reached = -hw
            + static_cast<int>(static_cast<double>(2 * hw) * static_cast<double>(k - 1)
                / static_cast<double>(steps));
        if (reached != position) {
            position = reached;
            run.Progress(position);
        }
        run.Flush();
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
    bool derivative, std::size_t& statisticsItem, const std::vector<float>& variables)
{
    std::vector<PlotItem> items;
    statisticsItem = 0;
    for (std::size_t i = 0; i < functions.size(); ++i) {
        const GraphFunction& function = functions[i];
        if (!function.shown && i != selected)
            continue;
        if (i == selected)
            statisticsItem = items.size();
        const CurveKind kind = function.kind;
        std::optional<CurveItem> curve;
        if (SweepsParameter(kind)) {
            curve = CurveItem { kind, std::nullopt, function.ParsedRange() };
            if (kind == CurveKind::Parametric)
                curve->y = function.CompiledProgram(1);
        }
        items.push_back({ function.CompiledProgram(), kind == CurveKind::Implicit,
            derivative && i == selected && !curve, function.colour, function.shown, curve,
            variables });
    }
    return items;
}

RenderResult DrawGraph(const GraphView& view, const RenderOptions& options,
    const std::vector<PlotItem>& items, std::size_t statisticsItem, DrawingSurface& surface,
    unsigned threads)
{
    RenderProgress unwatched;
    return DrawGraph(view, options, items, statisticsItem, surface, unwatched, threads);
}

RenderResult DrawGraph(const GraphView& view, const RenderOptions& options,
    const std::vector<PlotItem>& items, std::size_t statisticsItem, DrawingSurface& surface,
    RenderProgress& progress, unsigned threads)
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
    progress.SetProgressRange(-hw, last);
    progress.SetProgressPos(-hw);
    progress.ShowStatus(RenderStatus::Working);
    Running statistics;
    std::optional<float> stalledAt;
    bool stopped = false;
    for (std::size_t i = 0; i < items.size() && !stopped; ++i) {
        const PlotItem& item = items[i];
        const Sampling sampling { view, item.derivative, item.variables };
        Running running;
        PixelRun run(surface, progress, item, span * static_cast<int>(i));
        if (item.curve) {
            SampleCurve(view, item, run, width, height, running);
        } else if (item.implicit) {
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
    const bool implicit = statisticsItem < items.size() && items[statisticsItem].implicit;
    RenderTotals totals { statistics.maximum, statistics.minimum, statistics.sum,
        statistics.samples, implicit, stalledAt, stopped };
    // A stopped rendering leaves the picture as far as it got, without the finishing touches.
    if (stopped) {
        progress.ShowStatus(RenderStatus::Stopped);
        surface.RestoreFill();
        totals.sweepStalledAt.reset();
        return { totals, {} };
    }
    surface.DrawIcon(width - kIconOffset, height - kIconOffset);
    progress.SetProgressPos(last);
    progress.ShowStatus(RenderStatus::Done);
    surface.RestoreFill();
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
    const double mean = totals.implicit || totals.samples == 0
        ? ((totals.sum / static_cast<double>(quality)) / scale) / width
        : (totals.sum / static_cast<double>(totals.samples)) / scale;
    return { totals.maximum / scale, totals.minimum / scale, mean };
}

} // namespace plovex
