#pragma once

#include "render/TracedCurve.h"

#include <vector>

namespace plovex {

// Gathers a curve's points into polylines cut to a rectangle: each point added is joined to
// the one before it unless Break() came between them; the parts of a line outside the
// rectangle are left out, so a line that leaves it and comes back makes two polylines. A point
// that is joined to nothing inside the rectangle stays alone, as a dot.
class TraceBuilder {
public:
    TraceBuilder(double left, double top, double right, double bottom);
    // For a width by height area, with a margin of 2 pixels: beyond the area by more than a
    // line's width, where a cut end never shows.
    static TraceBuilder ForArea(int width, int height);

    void Add(TracePoint point);
    void Break();
    // A segment of its own, as Break(), Add(from), Add(to), Break().
    void AddSegment(TracePoint from, TracePoint to);

    std::vector<Polyline> Take();

private:
    bool Inside(TracePoint point) const;

    double m_left;
    double m_top;
    double m_right;
    double m_bottom;
    bool m_hasLast = false;
    TracePoint m_last {};
    // Whether the last polyline ends at m_last, so that the next part continues it.
    bool m_open = false;
    std::vector<Polyline> m_lines;
};

} // namespace plovex
