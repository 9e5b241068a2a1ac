#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace plovex {

// The rows of a table of values: x = From + k * Step for k = 0, 1, 2, ..., each worked out in
// double and rounded to float, from From up to To inclusive.

// One table holds at most this many rows.
inline constexpr std::size_t kMaxTableRows = 100000;

enum class TableRefusal {
    None,
    // A step of 0 or not a number never reaches To.
    BadStep,
    // From or To is not a number.
    BadLimit,
    // The step leads away from To.
    AwayFromTo,
    // More than kMaxTableRows rows.
    TooManyRows,
};

struct TableXs {
    TableRefusal refusal = TableRefusal::None;
    std::vector<float> xs;
};

TableXs MakeTableXs(float from, float to, float step);

// Why a table is refused, in a sentence.
std::string TableRefusalText(TableRefusal refusal);

struct TableRow {
    float x;
    double value;
    // The difference quotient, as Eval dy/dx gives it.
    double quotient;
};

std::vector<TableRow> TabulateValues(const std::vector<float>& xs,
    const std::function<double(float)>& value, const std::function<double(float)>& quotient);

} // namespace plovex
