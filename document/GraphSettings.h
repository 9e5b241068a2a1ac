#pragma once

#include "document/GraphView.h"

namespace plovex {

// What the document file stores after the expression: the view, and whether the (first)
// function is implicit.
struct GraphSettings : GraphView {
    GraphSettings() = default;
    // The scales and quality of a view that was never moved.
    GraphSettings(float xScale, float yScale, float quality, bool isImplicit)
        : GraphView { xScale, yScale, quality }
        , implicit(isImplicit)
    { }
    GraphSettings(const GraphView& view, bool isImplicit)
        : GraphView(view)
        , implicit(isImplicit)
    { }

    bool implicit = false;

    friend bool operator==(const GraphSettings& a, const GraphSettings& b)
    {
        return static_cast<const GraphView&>(a) == static_cast<const GraphView&>(b)
            && a.implicit == b.implicit;
    }
};

} // namespace plovex
