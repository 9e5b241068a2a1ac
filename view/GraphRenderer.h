#pragma once

#include <optional>
#include <string>

namespace plovex {

class DrawingSurface;
class Program;
struct FormFields;

// The running values a rendering ends with, before they are scaled into the statistics.
struct RenderTotals {
    float maximum;
    float minimum;
    float sum;
    // The explicit sweep's last position (a pixel offset from the centre) when the quality's
    // step stopped moving it before the right edge: far fewer samples than asked were drawn.
    std::optional<float> sweepStalledAt;
};

// The three numbers of the information box, in double from the running values:
// maximum / yScale, minimum / yScale, ((sum / quality) / yScale) / W.
struct Statistics {
    double maximum;
    double minimum;
    double mean;
};

// Samples `program` over the surface (explicit y = f(x) or implicit f(x, y) = 0 by
// fields.m_implicit) and draws it; sets m_status to "WORKING" then "DONE" and leaves the
// statistics text in m_info. Derivative mode is fields.m_derivative. The samples are
// evaluated on `threads` threads, the caller's among them; 0 takes every core when the
// rendering is big enough to gain from it. The surface is called on the caller's thread only,
// and everything it sees and returns is the same for every number of threads.
RenderTotals DrawGraph(
    FormFields& fields, const Program& program, DrawingSurface& surface, unsigned threads = 0);

// What the user is told when the sweep stalled at `position` for `quality`.
std::string SweepStallText(float quality, float position);

Statistics ComputeStatistics(const RenderTotals& totals, float yScale, float quality, int width);

// "Maximum: %f\r\nMinimum: %f\r\nMean: %f", each number written by `format`.
std::string StatisticsText(const Statistics& statistics, std::string (*format)(double));

} // namespace plovex
