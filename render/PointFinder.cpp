#include "render/PointFinder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace plovex {
namespace {

constexpr float kLargest = std::numeric_limits<float>::max();
// Where golden-section search probes a side of its bracket: 2 - golden ratio.
constexpr double kGoldenProbe = 0.3819660112501051;

// An infinite end of a bracket counts as the largest float for arithmetic: the midpoint of
// (-inf, 0) is then finite, and that of (-inf, -max) rounds to -max, its neighbour.
double Finite(float x)
{
    return std::clamp(
        static_cast<double>(x), -static_cast<double>(kLargest), static_cast<double>(kLargest));
}

float Midpoint(float a, float b)
{
    return static_cast<float>((Finite(a) + Finite(b)) / 2.0);
}

// A bracket's ends: two different x, neither of them NaN (a zero scale's centre column).
bool Ordered(float a, float b)
{
    return a < b || b < a;
}

bool OppositeSigns(double a, double b)
{
    return (a < 0.0 && b > 0.0) || (a > 0.0 && b < 0.0);
}

// Bisection of a finite sign change down to neighbouring floats. Nothing when a midpoint has
// no value (the change is across a gap, not a root), or when |f| grows as the bracket shrinks:
// it never gets smaller at either end and ends larger than at the smaller sample (a pole or a
// jump). Float noise near a real root makes |f| go up and down; only a pole or a jump grows
// steadily from both sides ("x^5-15*x^4+85*x^3-225*x^2+274*x-120" seen 0.0001 apart near 4
// has a sample whose |f| is a single rounding step, smaller than at the end).
std::optional<FoundPoint> Bisect(const ValueAt& f, float a, double fa, float b, double fb)
{
    const double start = std::min(std::fabs(fa), std::fabs(fb));
    bool grows = true;
    for (;;) {
        const float mid = Midpoint(a, b);
        if (mid == a || mid == b)
            break;
        const double value = f(mid);
        if (value == 0.0)
            return FoundPoint { PointKind::Root, mid, value };
        if (std::isnan(value))
            return std::nullopt;
        if ((value < 0.0) == (fa < 0.0)) {
            grows = grows && std::fabs(value) >= std::fabs(fa);
            a = mid;
            fa = value;
        } else {
            grows = grows && std::fabs(value) >= std::fabs(fb);
            b = mid;
            fb = value;
        }
    }
    if (grows && std::min(std::fabs(fa), std::fabs(fb)) > start)
        return std::nullopt;
    // Of two ends as close to zero, the lower x.
    const bool takeA = std::fabs(fa) < std::fabs(fb) || (std::fabs(fa) == std::fabs(fb) && a < b);
    return takeA ? FoundPoint { PointKind::Root, a, fa } : FoundPoint { PointKind::Root, b, fb };
}

std::vector<double> ValuesAt(const ValueAt& f, const std::vector<float>& columns)
{
    std::vector<double> values;
    values.reserve(columns.size());
    for (const float x : columns)
        values.push_back(f(x));
    return values;
}

// The next float from x towards `end`; `end` itself when none lies between.
float Toward(float x, float end)
{
    return std::nextafter(x, end);
}

// Golden-section search for a maximum of `sign` * f inside (low, high), starting from the
// bracket's best sample c. The best point found only ever gets better, and the bracket's ends
// are never better than it, so once low and high are c's neighbouring floats c is a float
// maximum no worse than any sample of the bracket.
FoundPoint Climb(
    const ValueAt& f, double sign, PointKind kind, float low, float c, double fc, float high)
{
    const auto better = [sign](double value, double than) { return sign * value > sign * than; };
    for (;;) {
        const bool rightOpen = Toward(c, high) != high;
        const bool leftOpen = Toward(c, low) != low;
        if (!rightOpen && !leftOpen)
            break;
        const double right = Finite(high) - Finite(c);
        const double left = Finite(c) - Finite(low);
        const bool goRight = rightOpen && (!leftOpen || right >= left);
        const float end = goRight ? high : low;
        float probe = static_cast<float>(Finite(c) + kGoldenProbe * (Finite(end) - Finite(c)));
        if (probe == c || probe == end)
            probe = Toward(c, end);
        const double value = f(probe);
        if (better(value, fc)) {
            (goRight ? low : high) = c;
            c = probe;
            fc = value;
        } else {
            (goRight ? high : low) = probe;
        }
    }
    return { kind, c, fc };
}

// A climbed maximum or minimum that is really a pole, where |f| grows without bound as x
// closes in: f changes sign between it and a neighbouring float while |f| there is no smaller
// than where the climb started and than at the bracket's sample on its other side (tan x just
// before pi/2), or f falls to less than half of it at a neighbouring float while it is larger
// than at both samples (1/(x-0.1)^2 at the float nearest 0.1). A true extremum's neighbouring
// floats differ from it by far less. `lowValue` and `highValue` are the bracket's samples at
// its lower and higher x.
bool AtPole(
    const ValueAt& f, const FoundPoint& point, double start, double lowValue, double highValue)
{
    const double size = std::fabs(point.y);
    const bool aboveBoth = size > std::fabs(lowValue) && size > std::fabs(highValue);
    for (const bool down : { true, false }) {
        const float neighbour = Toward(point.x, down ? -kLargest : kLargest);
        if (neighbour == point.x)
            continue;
        const double value = f(neighbour);
        const double otherSide = down ? highValue : lowValue;
        if (OppositeSigns(value, point.y)) {
            if (size >= std::fabs(start) && size >= std::fabs(otherSide))
                return true;
        } else if (aboveBoth && std::fabs(value) < size / 2.0) {
            return true;
        }
    }
    return false;
}

std::vector<FoundPoint> Roots(
    const ValueAt& f, const std::vector<float>& columns, const std::vector<double>& values)
{
    std::vector<FoundPoint> roots;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] == 0.0)
            roots.push_back({ PointKind::Root, columns[i], values[i] });
        if (i + 1 == values.size() || !std::isfinite(values[i]) || !std::isfinite(values[i + 1])
            || !OppositeSigns(values[i], values[i + 1]) || !Ordered(columns[i], columns[i + 1]))
            continue;
        if (const auto root = Bisect(f, columns[i], values[i], columns[i + 1], values[i + 1]))
            roots.push_back(*root);
    }
    return roots;
}

std::vector<FoundPoint> Extrema(
    const ValueAt& f, const std::vector<float>& columns, const std::vector<double>& values)
{
    std::vector<FoundPoint> extrema;
    const std::size_t count = values.size();
    // Runs of equal values, each compared with the samples on either side of it.
    std::size_t first = 0;
    while (first < count) {
        std::size_t last = first;
        while (last + 1 < count && values[last + 1] == values[first])
            ++last;
        if (first > 0 && last + 1 < count) {
            const double value = values[first];
            const double before = values[first - 1];
            const double after = values[last + 1];
            const bool maximum = value > before && value > after;
            const bool minimum = value < before && value < after;
            if ((maximum || minimum) && Ordered(columns[first - 1], columns[last + 1])) {
                const float a = columns[first - 1];
                const float b = columns[last + 1];
                const FoundPoint point = Climb(f, maximum ? 1.0 : -1.0,
                    maximum ? PointKind::Maximum : PointKind::Minimum, std::min(a, b),
                    columns[first + (last - first) / 2], value, std::max(a, b));
                // Poles and infinite values are no extrema.
                const bool rising = a < b;
                if (std::isfinite(point.y)
                    && !AtPole(f, point, value, rising ? before : after, rising ? after : before))
                    extrema.push_back(point);
            }
        }
        first = last + 1;
    }
    return extrema;
}

} // namespace

std::vector<FoundPoint> FindRoots(const ValueAt& f, const std::vector<float>& columns)
{
    const std::vector<double> values = ValuesAt(f, columns);
    std::vector<FoundPoint> roots = Roots(f, columns, values);
    // A curve that touches zero without crossing it: a minimum or maximum whose value is 0,
    // unless a root at that x is already listed.
    for (const FoundPoint& point : Extrema(f, columns, values)) {
        if (point.y != 0.0)
            continue;
        const bool listed = std::any_of(
            roots.begin(), roots.end(), [&](const FoundPoint& root) { return root.x == point.x; });
        if (!listed)
            roots.push_back({ PointKind::Root, point.x, point.y });
    }
    return roots;
}

std::vector<FoundPoint> FindExtrema(const ValueAt& f, const std::vector<float>& columns)
{
    return Extrema(f, columns, ValuesAt(f, columns));
}

std::vector<FoundPoint> FindIntersections(
    const ValueAt& f, const ValueAt& g, int other, const std::vector<float>& columns)
{
    const auto difference = [&](float x) {
        return static_cast<double>(static_cast<float>(f(x)))
            - static_cast<double>(static_cast<float>(g(x)));
    };
    std::vector<FoundPoint> points = FindRoots(difference, columns);
    for (FoundPoint& point : points) {
        point.kind = PointKind::Intersection;
        point.y = f(point.x);
        point.other = other;
    }
    return points;
}

const char* PointKindName(PointKind kind)
{
    switch (kind) {
    case PointKind::Root:
        return "root";
    case PointKind::Minimum:
        return "minimum";
    case PointKind::Maximum:
        return "maximum";
    case PointKind::Intersection:
        return "intersection";
    }
    return "";
}

std::string PointLimitText()
{
    return "More than " + std::to_string(kMaxPoints) + " points were found; the first "
        + std::to_string(kMaxPoints) + " in order of x are listed.";
}

PointList InOrderOfX(std::vector<FoundPoint> points)
{
    std::stable_sort(points.begin(), points.end(), [](const FoundPoint& a, const FoundPoint& b) {
        if (std::isnan(a.x) || std::isnan(b.x))
            return !std::isnan(a.x) && std::isnan(b.x);
        return a.x < b.x;
    });
    PointList list;
    list.cut = points.size() > kMaxPoints;
    if (list.cut)
        points.resize(kMaxPoints);
    list.points = std::move(points);
    return list;
}

PointList SearchPoints(const ValueAt& f, const std::vector<float>& columns, bool roots,
    bool extrema, const std::vector<PointPartner>& partners)
{
    std::vector<FoundPoint> found;
    const auto add = [&found](const std::vector<FoundPoint>& more) {
        found.insert(found.end(), more.begin(), more.end());
    };
    if (roots)
        add(FindRoots(f, columns));
    if (extrema)
        add(FindExtrema(f, columns));
    for (const PointPartner& partner : partners)
        add(FindIntersections(f, partner.g, partner.number, columns));
    return InOrderOfX(std::move(found));
}

} // namespace plovex
