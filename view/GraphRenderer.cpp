#include "view/GraphRenderer.h"

#include "engine/Numbers.h"
#include "engine/Program.h"
#include "view/DrawingSurface.h"
#include "view/FormFields.h"

#include <cmath>
#include <limits>

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

void SampleExplicit(const FormFields& fields, const Program& program, DrawingSurface& surface,
    int hw, int hh, Running& running)
{
    const double step = 1.0 / static_cast<double>(fields.m_quality);
    const double yScale = fields.m_yScale;
    float px = static_cast<float>(-hw);
    while (px < static_cast<float>(hw)) {
        const float x = static_cast<float>(static_cast<double>(px) / fields.m_xScale);
        const double v = program.Evaluate(fields.m_derivative, x, 0.0f);
        const float y = static_cast<float>(v * yScale);
        running.sum = static_cast<float>(static_cast<double>(running.sum) + v * yScale);
        running.Extend(y);
        // Both bounds included; a NaN value is no point of the curve.
        if (y >= static_cast<float>(-hh) && y <= static_cast<float>(hh)) {
            // Row and column in double: a float sum can be off by one near whole numbers.
            const int column = static_cast<int>(static_cast<double>(hw) + px);
            const int row = static_cast<int>(static_cast<double>(hh) - y);
            surface.SetPixel(column, row, kCurve);
            const int whole = static_cast<int>(px);
            if (whole % kProgressEvery == 0)
                surface.SetProgressPos(whole);
        }
        // The step is added in double and the sum rounded to float. A step that no longer
        // moves px forward (quality 0 excepted, whose infinite step ends the sweep anyway,
        // negative, NaN or huge qualities) would never reach hw: the sweep ends there.
        const float next = static_cast<float>(static_cast<double>(px) + step);
        if (!(next > px))
            break;
        px = next;
    }
}

void SampleImplicit(const FormFields& fields, const Program& program, DrawingSurface& surface,
    int hw, int hh, Running& running)
{
    for (int px = -hw; px < hw; ++px) {
        const float x = static_cast<float>(static_cast<double>(px) / fields.m_xScale);
        for (int py = -hh; py < hh; ++py) {
            const float y = static_cast<float>(static_cast<double>(py) / fields.m_yScale);
            const double v = program.Evaluate(fields.m_derivative, x, y);
            // A value of exactly 0.5 counts; a NaN value does not.
            if (!(std::fabs(v) <= 0.5))
                continue;
            const auto offset = static_cast<float>(py);
            running.sum = static_cast<float>(static_cast<double>(running.sum) + offset);
            running.Extend(offset);
            surface.SetPixel(hw + px, hh - py, kCurve);
            if (px % kProgressEvery == 0)
                surface.SetProgressPos(px);
        }
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
        surface.Line(0, hh, width, hh);
        surface.Line(hw, 0, hw, height);
    }
    surface.SetProgressRange(-hw, hw);
    surface.SetProgressPos(-hw);
    fields.m_status = "WORKING";
    surface.PushFields();
    ClearUpperVectorState();
    if (fields.m_implicit)
        SampleImplicit(fields, program, surface, hw, hh, running);
    else
        SampleExplicit(fields, program, surface, hw, hh, running);
    surface.DrawIcon(width - kIconOffset, height - kIconOffset);
    surface.SetProgressPos(hw);
    fields.m_status = "DONE";
    surface.PushFields();
    surface.RestoreFill();
    const RenderTotals totals { running.maximum, running.minimum, running.sum };
    fields.m_info = StatisticsText(
        ComputeStatistics(totals, fields.m_yScale, fields.m_quality, width), FormatFixed);
    return totals;
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
