#pragma once

#include "document/GraphView.h"

#include <optional>
#include <vector>

namespace plovex {

// The graph x of a sample `px` pixels right of the area's centre: (px + xOffset) / xScale in
// double, rounded once to float. A view never moved divides px alone, as graphs always have.
float GraphX(const GraphView& view, double px);
// The graph y of a sample `py` pixels above the centre: (py + yOffset) / yScale.
float GraphY(const GraphView& view, double py);

// The graph x of each column the renderer samples, left to right: px from -width / 2 up to,
// not including, width / 2 (an odd area's last column has no sample of its own).
std::vector<float> ColumnXs(const GraphView& view, int width);

// The column where x = 0 falls, floor(width / 2 - xOffset), and the row where y = 0 falls,
// floor(height / 2 + yOffset); none when that lies outside the area. A view never moved has
// its axes through the centre pixel (width / 2, height / 2).
std::optional<int> AxisColumn(const GraphView& view, int width);
std::optional<int> AxisRow(const GraphView& view, int height);

} // namespace plovex
