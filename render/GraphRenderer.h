#pragma once

#include "document/CurveKind.h"
#include "document/GraphView.h"
#include "document/ParameterRange.h"
#include "document/Rgb.h"
#include "engine/Program.h"
#include "render/Statistics.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plovex {

class DrawingSurface;
class GraphFunction;
class RenderProgress;

// The running values a rendering ends with, before they are scaled into the statistics.
struct RenderTotals {
    float maximum;
    float minimum;
    // Explicit, parametric and polar: the sum of every sample's y times yScale, each product taken
    // in double and added unrounded; implicit: the sum of the drawn rows' offsets. A float sum
    // would lose the samples' low bits once it grows (a constant 400 at quality 3000 drifted to a
    // mean of 404).
    double sum;
    // Explicit, parametric and polar: the samples taken; the float steps of an explicit sweep's px
    // take a few more or fewer than W times the quality.
    std::uint64_t samples = 0;
    bool implicit = false;
    // The explicit sweep's last position (a pixel offset from the centre) when the quality's
    // step stopped moving it before the right edge: far fewer samples than asked were drawn.
    std::optional<float> sweepStalledAt;
    // The surface asked to stop before the last sample: the running values are partial.
    bool stopped = false;
};

// What the rendering of one function's statistics gives.
struct RenderResult {
    RenderTotals totals;
    Statistics statistics;
};

// What a parametric or polar curve adds to its item: its kind, a parametric curve's Y(t)
// (the item's program is X(t), or a polar curve's R(t)), and the range of t.
struct CurveItem {
    CurveKind kind = CurveKind::Parametric;
    std::optional<Program> y;
    ParameterRange range;
};

// One function as a rendering samples it: y = f(x), or f(x, y) = 0 when implicit, each value
// the difference quotient when `derivative` is set; or with `curve` a parametric or polar
// curve, sampled over t, never as a derivative. A function that is not `drawn` is sampled for
// its statistics alone. Its programs run over `variables`, the graph's evaluation array (see
// GraphModel::Variables), with x and y, or t, written for each sample; empty for a function
// that reads no parameter.
struct PlotItem {
    Program program;
    bool implicit = false;
    bool derivative = false;
    Rgb colour { 0, 0, 255 };
    bool drawn = true;
    std::optional<CurveItem> curve {};
    std::vector<float> variables {};
};

// How a form draws: the area cleared first (with its grid when `grid`), or the new curves drawn
// over what it shows.
struct RenderOptions {
    bool noClear = false;
    bool grid = false;
};

// The items a form draws of `functions` as each was last parsed: each shown one in list order,
// an explicit or implicit `selected` as its derivative when `derivative` is set; a hidden
// `selected` is sampled but not drawn, so that the statistics are always its own.
// `*statisticsItem` becomes the selected one's index. Every item reads `variables`, the graph's
// evaluation array with its parameters' values.
std::vector<PlotItem> PlotItems(const std::vector<GraphFunction>& functions, std::size_t selected,
    bool derivative, std::size_t& statisticsItem, const std::vector<float>& variables);

// Clears the surface's area (unless options.noClear), then samples and draws each item in
// order in its colour, the progress bar running once across them all; `progress` hears the
// status Working, then Done, or Stopped when it asked to stop (the picture then stays as far as
// it was drawn, and the statistics mean nothing). Returns the running values and statistics of
// items[statisticsItem], and where the explicit sweep stalled if it did for any item. The samples
// are evaluated on `threads` threads, the caller's among them; 0 takes every core when the
// rendering is big enough to gain from it. The surface and `progress` are called on the caller's
// thread only, and everything they see and return is the same for every number of threads.
RenderResult DrawGraph(const GraphView& view, const RenderOptions& options,
    const std::vector<PlotItem>& items, std::size_t statisticsItem, DrawingSurface& surface,
    RenderProgress& progress, unsigned threads = 0);
// A rendering nobody watches, such as the command line's.
RenderResult DrawGraph(const GraphView& view, const RenderOptions& options,
    const std::vector<PlotItem>& items, std::size_t statisticsItem, DrawingSurface& surface,
    unsigned threads = 0);

// What the user is told when the sweep stalled at `position` for `quality`.
std::string SweepStallText(float quality, float position);

Statistics ComputeStatistics(const RenderTotals& totals, float yScale, float quality, int width);

} // namespace plovex
