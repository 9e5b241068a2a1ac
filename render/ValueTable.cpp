#include "render/ValueTable.h"

#include <cmath>

namespace plovex {

TableXs MakeTableXs(float from, float to, float step)
{
    TableXs table;
    if (std::isnan(step) || step == 0.0f) {
        table.refusal = TableRefusal::BadStep;
        return table;
    }
    if (std::isnan(from) || std::isnan(to)) {
        table.refusal = TableRefusal::BadLimit;
        return table;
    }
    if ((step > 0.0f && to < from) || (step < 0.0f && to > from)) {
        table.refusal = TableRefusal::AwayFromTo;
        return table;
    }
    // The rounded x never goes back, so the rows end at the first one past To. The first row
    // is From itself: 0 times an infinite step would be no number.
    for (std::size_t k = 0;; ++k) {
        const float x = k == 0
            ? from
            : static_cast<float>(static_cast<double>(from) + static_cast<double>(k) * step);
        if (!(step > 0.0f ? x <= to : x >= to))
            break;
        if (table.xs.size() == kMaxTableRows) {
            table.refusal = TableRefusal::TooManyRows;
            table.xs.clear();
            return table;
        }
        table.xs.push_back(x);
    }
    return table;
}

std::string TableRefusalText(TableRefusal refusal)
{
    switch (refusal) {
    case TableRefusal::None:
        break;
    case TableRefusal::BadStep:
        return "The step must be a number other than 0.";
    case TableRefusal::BadLimit:
        return "From and To must be numbers.";
    case TableRefusal::AwayFromTo:
        return "The step leads away from To: give it the sign of To - From.";
    case TableRefusal::TooManyRows:
        return "The table would have more than " + std::to_string(kMaxTableRows)
            + " rows: choose a larger step or a shorter range.";
    }
    return "";
}

std::vector<TableRow> TabulateValues(const std::vector<float>& xs,
    const std::function<double(float)>& value, const std::function<double(float)>& quotient)
{
    std::vector<TableRow> rows;
    rows.reserve(xs.size());
    for (const float x : xs)
        rows.push_back({ x, value(x), quotient(x) });
    return rows;
}

} // namespace plovex
