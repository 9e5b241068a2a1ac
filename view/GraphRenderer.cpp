#include "view/GraphRenderer.h"

#include "engine/Numbers.h"
#include "engine/Program.h"
#include "view/DrawingSurface.h"
#include "view/FormFields.h"
#include "view/GridLayout.h"

#include <cmath>
#include <limits>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace plovex {
namespace {

constexpr int kProgressEvery = 25;
constexpr int kIconOffset = 37;

// Painting (Qt's AVX code paths) can leave the upper halves of the vector registers dirty,
// after which every SSE maths call in the sampling loop pays a transition penalty.
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void ClearUpperVectorStateAvx()
{
    _mm256_zeroupper();
}

void ClearUpperVectorState()
{
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        ClearUpperVectorStateAvx();
}
#else
void ClearUpperVectorState()
{ }
#endif

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

// Samples are evaluated a batch at a time (explicit: 64 samples, taken into the running values
// at once so that the float sum's long chain of roundings overlaps with the evaluations;
// implicit: a column) and then drawn. The evaluations run back to back, undisturbed by the
// drawing's hard-to-predict branches (which sample lands on the curve) and calls. Evaluating
// has no side effects, so the surface sees the same pixels and progress positions in the same
// order as when every sample is drawn as soon as it is evaluated.
constexpr std::size_t kBatch = 64;

// Curve pixels go to the surface a run at a time, one call instead of one per pixel; the run
// is handed over before every progress report, so the surface sees the same order of pixels
// and progress positions as if each were sent on its own.
class PixelRun {
public:
    PixelRun(DrawingSurface& surface, std::size_t capacity)
        : m_surface(surface)
        , m_pixels(capacity)
    { }
    ~PixelRun() { Flush(); }

    void Add(int x, int y) { m_pixels[m_count++] = { x, y }; }

    void Flush()
    {
        if (m_count > 0)
            m_surface.SetPixels(m_pixels.data(), m_count, kCurve);
        m_count = 0;
    }

    void Progress(int position)
    {
        Flush();
        m_surface.SetProgressPos(position);
    }

private:
    DrawingSurface& m_surface;
    std::vector<Pixel> m_pixels;
    std::size_t m_count = 0;
};

// Returns the last position sampled when the step stopped moving it short of the right edge.
std::optional<float> SampleExplicit(const FormFields& fields, const Program& program,
    DrawingSurface& surface, int hw, int hh, Running& running)
{
    const double step = 1.0 / static_cast<double>(fields.m_quality);
    const double yScale = fields.m_yScale;
    float offsets[kBatch];
    float values[kBatch];
    PixelRun run(surface, kBatch);
    float px = static_cast<float>(-hw);
    bool more = px < static_cast<float>(hw);
    float last = px;
    while (more) {
        std::size_t count = 0;
        while (more && count < kBatch) {
            const float x = static_cast<float>(static_cast<double>(px) / fields.m_xScale);
            const double v = program.Evaluate(fields.m_derivative, x, 0.0f);
            const float y = static_cast<float>(v * yScale);
            running.sum = static_cast<float>(static_cast<double>(running.sum) + v * yScale);
            running.Extend(y);
            offsets[count] = px;
            values[count++] = y;
            // The step is added in double and the sum rounded to float. A step that no
            // longer moves px forward (negative, NaN or huge qualities) would never reach
            // hw: the sweep ends there. Quality 0's infinite step ends it anyway.
            const float next = static_cast<float>(static_cast<double>(px) + step);
            more = next > px && next < static_cast<float>(hw);
            px = next;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const float y = values[i];
            // Both bounds included; a NaN value is no point of the curve.
            if (y >= static_cast<float>(-hh) && y <= static_cast<float>(hh)) {
                // Row and column in double: a float sum can be off by one near whole numbers.
                const int column = static_cast<int>(static_cast<double>(hw) + offsets[i]);
                const int row = static_cast<int>(static_cast<double>(hh) - y);
                run.Add(column, row);
                const int whole = static_cast<int>(offsets[i]);
                if (whole % kProgressEvery == 0)
                    run.Progress(whole);
            }
        }
        run.Flush();
        last = offsets[count - 1];
    }
    // A sweep that ran its course ends at or past the edge (quality 0's infinite step too).
    if (px >= static_cast<float>(hw))
        return std::nullopt;
    return last;
}

void SampleImplicit(const FormFields& fields, const Program& program, DrawingSurface& surface,
    int hw, int hh, Running& running)
{
    // Every column samples the same rows, so their y values are worked out once: a division
    // on the per-sample path costs as much as evaluating a short expression.
    std::vector<float> rows;
    for (int py = -hh; py < hh; ++py)
        rows.push_back(static_cast<float>(static_cast<double>(py) / fields.m_yScale));
    std::vector<double> values(rows.size());
    PixelRun run(surface, rows.size());
    for (int px = -hw; px < hw; ++px) {
        const float x = static_cast<float>(static_cast<double>(px) / fields.m_xScale);
        for (std::size_t i = 0; i < rows.size(); ++i)
            values[i] = program.Evaluate(fields.m_derivative, x, rows[i]);
        for (int py = -hh; py < hh; ++py) {
            // A value of exactly 0.5 counts; a NaN value does not.
            if (!(std::fabs(values[static_cast<std::size_t>(py + hh)]) <= 0.5))
                continue;
            const auto offset = static_cast<float>(py);
            running.sum = static_cast<float>(static_cast<double>(running.sum) + offset);
            running.Extend(offset);
            run.Add(hw + px, hh - py);
            if (px % kProgressEvery == 0)
                run.Progress(px);
        }
        run.Flush();
    }
}

} // namespace

RenderTotals DrawGraph(FormFields& fields, const Program& program, DrawingSurface& surface)
{
    const int width = surface.Width();
    const int height = surface.Height();
    const int hw = width / 2;
    const int hh = height / 2;
    Running running;
    surface.SetFill(kBackground);
    if (!fields.m_noClear) {
        surface.RepaintForm();
        surface.Rectangle(0, 0, width, height);
        if (fields.m_grid)
            DrawGridLines(fields, surface);
        surface.Line(0, hh, width, hh);
        surface.Line(hw, 0, hw, height);
        if (fields.m_grid)
            DrawGridLabels(fields, surface);
    }
    surface.SetProgressRange(-hw, hw);
    surface.SetProgressPos(-hw);
    fields.m_status = "WORKING";
    surface.PushFields();
    ClearUpperVectorState();
    std::optional<float> stalledAt;
    if (fields.m_implicit)
        SampleImplicit(fields, program, surface, hw, hh, running);
    else
        stalledAt = SampleExplicit(fields, program, surface, hw, hh, running);
    surface.DrawIcon(width - kIconOffset, height - kIconOffset);
    surface.SetProgressPos(hw);
    fields.m_status = "DONE";
    surface.PushFields();
    surface.RestoreFill();
    const RenderTotals totals { running.maximum, running.minimum, running.sum, stalledAt };
    fields.m_info = StatisticsText(
        ComputeStatistics(totals, fields.m_yScale, fields.m_quality, width), FormatFixed);
    return totals;
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
