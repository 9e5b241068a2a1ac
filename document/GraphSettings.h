#pragma once

#include "document/GraphView.h"

namespace plovex {

// What the first version of the document file stores after the expression: the view, and
// whether the (first) function is implicit.
struct GraphSettings : GraphView {
    bool implicit = false;

    friend bool operator==(const GraphSettings& a, const GraphSettings& b)
    {
        return static_cast<const GraphView&>(a) == static_cast<const GraphView&>(b)
            && a.implicit == b.implicit;
    }
};

} // namespace plovex
