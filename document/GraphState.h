#pragma once

#include "document/Parameter.h"
#include "document/StoredFunction.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace plovex {

// What an undo step puts back: the graph's functions and parameters, and the scales and quality
// they were plotted with. The view's offset is not part of it: moving the view has Back and
// Forward instead.
struct GraphState {
    std::vector<StoredFunction> functions;
    std::vector<Parameter> parameters;
    float xScale = 10.0f;
    float yScale = 10.0f;
    float quality = 10.0f;

    // Bit for bit, as the view compares: a NaN scale equals itself.
    bool SameScales(const GraphState& other) const
    {
        return std::bit_cast<std::uint32_t>(xScale) == std::bit_cast<std::uint32_t>(other.xScale)
            && std::bit_cast<std::uint32_t>(yScale) == std::bit_cast<std::uint32_t>(other.yScale)
            && std::bit_cast<std::uint32_t>(quality) == std::bit_cast<std::uint32_t>(other.quality);
    }

    friend bool operator==(const GraphState& a, const GraphState& b)
    {
        return a.functions == b.functions && a.parameters == b.parameters && a.SameScales(b);
    }

    // Roughly what the state holds in memory, for the undo list's bound.
    std::size_t Bytes() const
    {
        std::size_t bytes = sizeof(GraphState);
        for (const StoredFunction& function : functions)
            bytes += sizeof(StoredFunction) + function.expression.size()
                + function.yExpression.size();
        for (const Parameter& parameter : parameters)
            bytes += sizeof(Parameter) + parameter.name.size();
        return bytes;
    }
};

} // namespace plovex
