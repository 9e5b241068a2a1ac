#include "render/ImplicitTracer.h"

#include "engine/Program.h"
#include "render/GraphCoordinates.h"
#include "render/TraceBuilder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>

namespace plovex {
namespace {

// A raster point lies on the curve when |f| is at most this (a NaN value does not).
constexpr double kOnCurve = 0.5;
// A raster point this close to a segment is covered by its line.
constexpr double kCoveredDistance = 0.5;

bool Below(double value)
{
    return value < 0.0;
}

// Where the curve crosses the edge between two neighbouring samples.
struct Crossing {
    bool present = false;
    bool root = false;
    TracePoint point {};
};

struct Segment {
    TracePoint from;
    TracePoint to;
};

// The segments of one square of four samples: at most two.
struct Square {
    int count = 0;
    std::array<Segment, 2> segments {};
};

// The point between `from` and `to`, whose values a and b lie on different sides of 0, where
// the straight line between the values meets 0; next to an infinite value, at the other end.
TracePoint Interpolate(TracePoint from, TracePoint to, double a, double b)
{
    double t = 0.5;
    if (std::isinf(a) != std::isinf(b))
        t = std::isinf(a) ? 1.0 : 0.0;
    else if (!std::isinf(a))
        t = std::clamp(a / (a - b), 0.0, 1.0);
    return { from.x + t * (to.x - from.x), from.y + t * (to.y - from.y) };
}

// Towards a root |f| shrinks, towards a pole it grows: the value halfway decides. A sample
// that is exactly 0 is a root itself.
bool IsRoot(double a, double b, double middle)
{
    if (a == 0.0 || b == 0.0 || middle == 0.0)
        return true;
    if (std::isnan(middle))
        return false;
    const double sameSide = Below(middle) == Below(a) ? a : b;
    return std::fabs(middle) < std::fabs(sameSide);
}

double DistanceSquared(TracePoint point, const Segment& segment)
{
    const double dx = segment.to.x - segment.from.x;
    const double dy = segment.to.y - segment.from.y;
    const double length = dx * dx + dy * dy;
    double t = 0.0;
    if (length > 0.0) {
        t = ((point.x - segment.from.x) * dx + (point.y - segment.from.y) * dy) / length;
        t = std::clamp(t, 0.0, 1.0);
    }
    const double ex = segment.from.x + t * dx - point.x;
    const double ey = segment.from.y + t * dy - point.y;
    return ex * ex + ey * ey;
}

class Marcher {
public:
    Marcher(const GraphView& view, const Program& program, bool derivative, int width, int height)
        : m_view(view)
        , m_program(program)
        , m_derivative(derivative)
        , m_hw(width / 2)
        , m_hh(height / 2)
        , m_builder(TraceBuilder::ForArea(width, height))
    {
        const int rows = 2 * m_hh;
        for (int i = 0; i < rows; ++i) {
            m_ys.push_back(GraphY(view, i - m_hh));
            if (i + 1 < rows)
                m_middleYs.push_back(GraphY(view, i - m_hh + 0.5));
        }
        m_runs.resize(m_ys.size());
    }

    std::vector<Polyline> Trace()
    {
        if (m_hw == 0 || m_ys.empty())
            return {};
        Column left = MakeColumn(-m_hw);
        std::vector<Square> before;
        for (int px = -m_hw; px < m_hw; ++px) {
            std::vector<Square> after;
            std::optional<Column> right;
            if (px + 1 < m_hw) {
                right = MakeColumn(px + 1);
                after = March(left, *right);
            }
            AddDots(left, before, after);
            before = std::move(after);
            if (right)
                left = std::move(*right);
        }
        for (std::size_t i = 0; i < m_runs.size(); ++i)
            EndRun(i);
        return m_builder.Take();
    }

private:
    // One column of samples, and the crossings between each row and the one above it.
    struct Column {
        int px;
        float x;
        std::vector<double> values;
        std::vector<Crossing> up;
    };

    // Row i holds py = i - hh.
    TracePoint Position(int px, std::size_t i) const
    {
        return { m_hw + px + 0.5, 2.0 * m_hh - static_cast<double>(i) + 0.5 };
    }

    double Value(float x, float y) const { return m_program.Evaluate(m_derivative, x, y); }

    Crossing Cross(
        TracePoint from, TracePoint to, double a, double b, float middleX, float middleY) const
    {
        Crossing crossing;
        if (std::isnan(a) || std::isnan(b) || Below(a) == Below(b))
            return crossing;
        crossing.present = true;
        crossing.root = IsRoot(a, b, Value(middleX, middleY));
        crossing.point = Interpolate(from, to, a, b);
        return crossing;
    }

    Column MakeColumn(int px) const
    {
        Column column { px, GraphX(m_view, px), {}, {} };
        column.values.reserve(m_ys.size());
        for (const float y : m_ys)
            column.values.push_back(Value(column.x, y));
        for (std::size_t i = 0; i + 1 < m_ys.size(); ++i) {
            column.up.push_back(Cross(Position(px, i), Position(px, i + 1), column.values[i],
                column.values[i + 1], column.x, m_middleYs[i]));
        }
        return column;
    }

    // The segments of every square between two neighbouring columns, bottom to top.
    std::vector<Square> March(const Column& left, const Column& right)
    {
        const float middleX = GraphX(m_view, left.px + 0.5);
        std::vector<Crossing> across;
        for (std::size_t i = 0; i < m_ys.size(); ++i) {
            across.push_back(Cross(Position(left.px, i), Position(right.px, i), left.values[i],
                right.values[i], middleX, m_ys[i]));
        }
        std::vector<Square> squares(left.up.size());
        for (std::size_t k = 0; k < squares.size(); ++k) {
            const double bottomLeft = left.values[k];
            const double bottomRight = right.values[k];
            const double topRight = right.values[k + 1];
            const double topLeft = left.values[k + 1];
            if (std::isnan(bottomLeft) || std::isnan(bottomRight) || std::isnan(topRight)
                || std::isnan(topLeft))
                continue;
            const Crossing& bottom = across[k];
            const Crossing& top = across[k + 1];
            const Crossing& leftSide = left.up[k];
            const Crossing& rightSide = right.up[k];
            Square& square = squares[k];
            const auto join = [&](const Crossing& a, const Crossing& b) {
                if (!a.root || !b.root)
                    return;
                square.segments[static_cast<std::size_t>(square.count++)] = { a.point, b.point };
                m_builder.AddSegment(a.point, b.point);
            };
            if (bottom.present && top.present && leftSide.present && rightSide.present) {
                // The corners alternate: the mean tells whether the top-left and bottom-right
                // corners' side runs through the middle, cutting off the other two corners.
                const double mean = (bottomLeft + bottomRight + topRight + topLeft) / 4.0;
                if (Below(mean) == Below(topLeft)) {
                    join(top, rightSide);
                    join(bottom, leftSide);
                } else {
                    join(top, leftSide);
                    join(bottom, rightSide);
                }
                continue;
            }
            const Crossing* ends[2] = { nullptr, nullptr };
            int found = 0;
            for (const Crossing* edge : { &bottom, &rightSide, &top, &leftSide }) {
                if (edge->present && found < 2)
                    ends[found++] = edge;
            }
            if (found == 2)
                join(*ends[0], *ends[1]);
        }
        return squares;
    }

    // The raster points of `column` that no segment of the squares on either side of it comes
    // near enough to cover.
    void AddDots(
        const Column& column, const std::vector<Square>& before, const std::vector<Square>& after)
    {
        const auto covered = [&](TracePoint point, std::size_t i) {
            for (const std::vector<Square>* side : { &before, &after }) {
                // The squares below and above row i; below row 0 (k wraps round) there is none.
                for (const std::size_t k : { i - 1, i }) {
                    if (k >= side->size())
                        continue;
                    const Square& square = (*side)[k];
                    for (int s = 0; s < square.count; ++s) {
                        if (DistanceSquared(point, square.segments[static_cast<std::size_t>(s)])
                            <= kCoveredDistance * kCoveredDistance)
                            return true;
                    }
                }
            }
            return false;
        };
        for (std::size_t i = 0; i < column.values.size(); ++i) {
            if (!(std::fabs(column.values[i]) <= kOnCurve) || covered(Position(column.px, i), i))
                continue;
            Run& run = m_runs[i];
            if (run.open && run.last == column.px - 1) {
                run.last = column.px;
                continue;
            }
            EndRun(i);
            run = { true, column.px, column.px };
        }
    }

    // A row's dots side by side go as one line through their centres.
    void EndRun(std::size_t i)
    {
        Run& run = m_runs[i];
        if (!run.open)
            return;
        if (run.first == run.last) {
            m_builder.Break();
            m_builder.Add(Position(run.first, i));
            m_builder.Break();
        } else {
            m_builder.AddSegment(Position(run.first, i), Position(run.last, i));
        }
        run.open = false;
    }

    const GraphView& m_view;
    const Program& m_program;
    bool m_derivative;
    int m_hw;
    int m_hh;
    TraceBuilder m_builder;
    std::vector<float> m_ys;
    std::vector<float> m_middleYs;
    // Per row, the dots not yet drawn: from column `first` to `last`, side by side.
    struct Run {
        bool open = false;
        int first = 0;
        int last = 0;
    };
    std::vector<Run> m_runs;
};

} // namespace

std::vector<Polyline> TraceImplicit(
    const GraphView& view, const Program& program, bool derivative, int width, int height)
{
    return Marcher(view, program, derivative, width, height).Trace();
}

} // namespace plovex
