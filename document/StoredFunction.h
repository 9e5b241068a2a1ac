#pragma once

#include "document/FunctionPalette.h"
#include "document/Rgb.h"

#include <string>

namespace plovex {

// What a graph document stores of one function: its expression's bytes, whether it is an
// implicit function f(x, y) = 0 rather than y = f(x), its colour and whether it is shown.
struct StoredFunction {
    std::string expression;
    bool implicit = false;
    Rgb colour = kFunctionPalette[0];
    bool shown = true;

    friend bool operator==(const StoredFunction&, const StoredFunction&) = default;
};

} // namespace plovex
