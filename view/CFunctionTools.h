#pragma once

#include "render/PointFinder.h"

#include <cstddef>
#include <vector>

namespace plovex {

class CPlovexView;

// The Tools commands on a form's selected function as its last rendering drew it: its roots,
// extrema and intersections over the visible columns, and its table of values.
class CFunctionTools {
public:
    explicit CFunctionTools(CPlovexView& view)
        : m_view(view)
    { }

    // Whether the last rendering drew an explicit function, which the Tools commands work on;
    // when it did not, the user is told so.
    bool CheckDrawnExplicit() const;
    // The x of the graph area's columns at the last rendering's scale.
    std::vector<float> VisibleColumns() const;
    // The other shown explicit functions, which Find Intersections meets the selected one with.
    std::vector<std::size_t> IntersectionPartners() const;
    // The selected function's roots, extrema, or intersections with every partner, as the last
    // rendering drew it, over the visible columns, in order of x; each is marked on the graph
    // with a ring in the function's colour until the next rendering.
    PointList FindPoints(PointSearch kinds) const;
    // Asks for From, To and Step and shows the table of the selected function as drawn.
    void TableOfValues();

private:
    CPlovexView& m_view;
    // The last table asked for: the next one starts from it.
    float m_tableFrom = -5.0f;
    float m_tableTo = 5.0f;
    float m_tableStep = 1.0f;
};

} // namespace plovex
