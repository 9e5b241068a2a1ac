#include "render/ValueTable.h"

#include "engine/Numbers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace plovex {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

struct TableCase {
    float from;
    float to;
    float step;
    TableRefusal refusal;
    std::size_t rows;
    float last;
};

TEST(ValueTable, RowsRunFromFromUpToToInclusive)
{
    const TableCase cases[] = {
        // 10 * 0.1f is a little above 1 in double, and 1 once rounded to float.
        { 0.0f, 1.0f, 0.1f, TableRefusal::None, 11, 1.0f },
        { 0.0f, 1.0f, 0.3f, TableRefusal::None, 4, 0.90000004f },
        { 1.0f, 0.0f, -0.25f, TableRefusal::None, 5, 0.0f },
        { 2.0f, 2.0f, 1.0f, TableRefusal::None, 1, 2.0f },
        { 2.0f, 2.0f, -1.0f, TableRefusal::None, 1, 2.0f },
        { 0.0f, 1.0f, kInf, TableRefusal::None, 1, 0.0f }, // never 0 times infinity
        { 0.0f, 99999.0f, 1.0f, TableRefusal::None, 100000, 99999.0f },
        // Steps below the float spacing repeat rows: 1e8 + 4 rounds to 1e8.
        { 1e8f, 1e8f + 16.0f, 1.0f, TableRefusal::None, 21, 1e8f + 16.0f },
        { 0.0f, 1.0f, 0.0f, TableRefusal::BadStep, 0, 0.0f },
        { 0.0f, 1.0f, -0.0f, TableRefusal::BadStep, 0, 0.0f },
        { 0.0f, 1.0f, kNaN, TableRefusal::BadStep, 0, 0.0f },
        { kNaN, 1.0f, 1.0f, TableRefusal::BadLimit, 0, 0.0f },
        { 0.0f, kNaN, 1.0f, TableRefusal::BadLimit, 0, 0.0f },
        { 0.0f, 1.0f, -1.0f, TableRefusal::AwayFromTo, 0, 0.0f },
        { 1.0f, 0.0f, 1.0f, TableRefusal::AwayFromTo, 0, 0.0f },
        { 0.0f, 100000.0f, 1.0f, TableRefusal::TooManyRows, 0, 0.0f },
        { 0.0f, 1.0f, 1e-30f, TableRefusal::TooManyRows, 0, 0.0f },
        { -kInf, 0.0f, 1.0f, TableRefusal::TooManyRows, 0, 0.0f }, // -inf + k is -inf
        { kInf, kInf, 1.0f, TableRefusal::TooManyRows, 0, 0.0f },
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(
            FormatExact(c.from) + " to " + FormatExact(c.to) + " by " + FormatExact(c.step));
        const TableXs table = MakeTableXs(c.from, c.to, c.step);
        EXPECT_EQ(table.refusal, c.refusal);
        ASSERT_EQ(table.xs.size(), c.rows);
        if (c.rows == 0)
            continue;
        EXPECT_EQ(table.xs.front(), c.from);
        EXPECT_EQ(table.xs.back(), c.last);
        for (std::size_t k = 1; k < table.xs.size(); ++k) {
            ASSERT_EQ(table.xs[k],
                static_cast<float>(static_cast<double>(c.from) + static_cast<double>(k) * c.step));
        }
    }
    const TableXs repeated = MakeTableXs(1e8f, 1e8f + 16.0f, 1.0f);
    EXPECT_EQ(repeated.xs[4], 1e8f);
    EXPECT_EQ(repeated.xs[5], 1e8f + 8.0f);
}

TEST(ValueTable, RowsHoldTheValueAndTheDifferenceQuotient)
{
    const auto square = [](float x) {
        return static_cast<double>(static_cast<float>(static_cast<double>(x) * x));
    };
    const std::vector<TableRow> rows = TabulateValues(
        { 1.0f, 3.0f }, square, [&](float x) { return DifferenceQuotient(square, x); });
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].x, 1.0f);
    EXPECT_EQ(rows[0].value, 1.0);
    EXPECT_EQ(FormatFixed(rows[0].quotient), "2.010000");
    EXPECT_EQ(rows[1].value, 9.0);
}

} // namespace
} // namespace plovex
