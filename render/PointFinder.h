#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace plovex {

// Roots, extrema and intersections of explicit functions over the columns of a graph area.
// Brackets come from one sample per column; inside a bracket x moves over floats only,
// halving in double and rounding to float, so every point found is exact for the evaluator:
// - a root for every pair of neighbouring samples with finite values of opposite sign, every
//   sample whose value is exactly 0, and every minimum or maximum whose value is 0 (a curve
//   touching zero); its x is a float where f is 0, or where f changes sign towards a
//   neighbouring float whose |f| is no smaller. A sign change across which |f| grows as the
//   bracket shrinks, never getting smaller at either end, is a pole or a jump: none.
// - a maximum (minimum) for every sample, or run of equal samples, above (below) both
//   neighbours; its x has a value no smaller (larger) than every sample of its bracket and
//   both neighbouring floats. Infinite values and poles are none.
// - an intersection of f and g where f - g, taken in double from the two float values, has
//   a root; its y is f(x).

enum class PointKind { Root, Minimum, Maximum, Intersection };

// What one command looks for.
enum class PointSearch { Roots, Extrema, Intersections };

struct FoundPoint {
    PointKind kind;
    float x;
    double y;
    // An intersection's other function: its 1-based number in the list; 0 for the others.
    int other = 0;
};

// The function's value at x, from the program's own evaluator.
using ValueAt = std::function<double(float)>;

std::vector<FoundPoint> FindRoots(const ValueAt& f, const std::vector<float>& columns);
std::vector<FoundPoint> FindExtrema(const ValueAt& f, const std::vector<float>& columns);
// `other` is g's number in the list of functions.
std::vector<FoundPoint> FindIntersections(
    const ValueAt& f, const ValueAt& g, int other, const std::vector<float>& columns);

// One command reports at most this many points.
inline constexpr std::size_t kMaxPoints = 1000;

struct PointList {
    std::vector<FoundPoint> points;
    // More points were found than one command reports; `points` holds the first.
    bool cut = false;
};

// "root", "minimum", "maximum", "intersection": the command line's words.
const char* PointKindName(PointKind kind);

// What the user is told when a command found more points than it reports.
std::string PointLimitText();

// In order of x (a NaN x last); points at one x keep their order, so a touching root found
// by FindRoots stays before its minimum or maximum. At most kMaxPoints.
PointList InOrderOfX(std::vector<FoundPoint> points);

// Another function that an intersection search meets f with, and its 1-based number in the list.
struct PointPartner {
    ValueAt g;
    int number;
};

// One search over the columns, as the Tools commands and the command line make it: f's roots
// when asked, then its extrema, then its intersections with each partner in turn, in order of x.
PointList SearchPoints(const ValueAt& f, const std::vector<float>& columns, bool roots,
    bool extrema, const std::vector<PointPartner>& partners);

} // namespace plovex
