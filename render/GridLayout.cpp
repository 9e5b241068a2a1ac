#include "render/GridLayout.h"

#include "render/DrawingSurface.h"
#include "render/GraphCoordinates.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace plovex {
namespace {

// Light enough to stay behind the curve, dark enough to tell from the background.
constexpr Rgb kGridLine { 222, 212, 202 };
constexpr Rgb kGridLabel { 80, 80, 80 };

constexpr double kMinSpacing = 40.0;
constexpr int kMinExponent = -40;
constexpr int kMaxExponent = 40;
constexpr int kMantissas[] = { 1, 2, 5 };
// Longer fixed texts are written with an exponent: "2e+06" rather than "2000000.0".
constexpr std::size_t kMaxFixedLength = 7;
// Free pixels between an axis and its labels, and between two labels.
constexpr int kLabelGap = 2;
constexpr int kLabelSpacing = 4;
// The icon's top-left corner lies this far from the right and bottom edges.
constexpr int kIconCorner = 37;
// Multiples of a step beyond this are no longer whole numbers apart in a double.
constexpr double kMaxMultiple = 1e15;

// units · 10^exponent with the decimals the exponent needs: (15, -1) -> "1.5", (10, -1) ->
// "1.0", (2, 3) -> "2000".
std::string FixedText(long long units, int exponent)
{
    std::string digits = std::to_string(std::llabs(units));
    if (exponent >= 0) {
        digits.append(static_cast<std::size_t>(exponent), '0');
    } else {
        const auto decimals = static_cast<std::size_t>(-exponent);
        if (digits.size() <= decimals)
            digits.insert(0, decimals + 1 - digits.size(), '0');
        digits.insert(digits.size() - decimals, 1, '.');
    }
    return units < 0 ? "-" + digits : digits;
}

// units · 10^exponent as the fewest digits and a signed exponent of at least two digits:
// (12, 5) -> "1.2e+06", (5, -7) -> "5e-07".
std::string ExponentText(long long units, int exponent)
{
    std::string digits = std::to_string(std::llabs(units));
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    exponent += static_cast<int>(digits.size()) - 1;
    if (digits.size() > 1)
        digits.insert(1, 1, '.');
    const std::string power = std::to_string(std::abs(exponent));
    return (units < 0 ? "-" : "") + digits + (exponent < 0 ? "e-" : "e+")
        + (power.size() < 2 ? "0" : "") + power;
}

bool Overlap(const GridLayout::Label& a, const GridLayout::Label& b, int spacing)
{
    return a.left < b.right + spacing && b.left < a.right + spacing && a.top < b.bottom + spacing
        && b.top < a.bottom + spacing;
}

} // namespace

double GridLayout::Step::Value() const
{
    return mantissa * std::pow(10.0, exponent);
}

GridLayout::GridLayout(float xScale, float yScale, int width, int height)
    : GridLayout(GraphView { xScale, yScale }, width, height)
{ }

GridLayout::GridLayout(const GraphView& view, int width, int height)
    : m_width(width)
    , m_height(height)
    // An axis out of view lies beyond the edge it left by.
    , m_axisColumn(AxisColumn(view, width).value_or(view.xOffset > 0 ? -1 : width))
    , m_axisRow(AxisRow(view, height).value_or(view.yOffset < 0 ? -1 : height))
    , m_columns(Marks(view.xScale, width / 2, width, false, view.xOffset))
    , m_rows(Marks(view.yScale, height / 2, height, true, view.yOffset))
{ }

std::optional<GridLayout::Step> GridLayout::ChooseStep(float scale)
{
    const double length = std::fabs(static_cast<double>(scale));
    if (!std::isfinite(length) || length == 0.0)
        return std::nullopt;
    // Every step two decades below 40 / length is at most 2 pixels long: the search starts
    // there instead of at 10^-40.
    const double below = std::floor(std::log10(kMinSpacing / length)) - 2.0;
    const int first = static_cast<int>(
        std::clamp(below, static_cast<double>(kMinExponent), static_cast<double>(kMaxExponent)));
    for (int exponent = first; exponent <= kMaxExponent; ++exponent) {
        for (const int mantissa : kMantissas) {
            const Step step { mantissa, exponent };
            if (step.Value() * length >= kMinSpacing)
                return step;
        }
    }
    return std::nullopt;
}

std::vector<GridLayout::Mark> GridLayout::Marks(
    float scale, int half, int size, bool upwards, double offset)
{
    const std::optional<Step> step = ChooseStep(scale);
    if (!step)
        return {};
    const double value = step->Value();
    const double pixels = scale;
    // Lines are at least 40 pixels apart, so none inside the area is further out than this
    // from the multiple of the step nearest the centre.
    const long long reach = static_cast<long long>(size / (value * std::fabs(pixels))) + 1;
    const double centre = std::round(offset / (value * pixels));
    // So far out that the multiples no longer tell neighbouring lines apart: no grid.
    if (!(std::fabs(centre) < kMaxMultiple))
        return {};
    const auto middle = static_cast<long long>(centre);
    std::vector<std::pair<int, long long>> lines; // position, multiple of the step
    for (long long k = middle - reach; k <= middle + reach; ++k) {
        if (k == 0)
            continue;
        const double distance = (static_cast<double>(k) * value) * pixels;
        double position = upwards ? half - distance : half + distance;
        if (offset != 0.0)
            position = upwards ? position + offset : position - offset;
        position = std::floor(position);
        if (position > 0.0 && position < size - 1.0)
            lines.emplace_back(static_cast<int>(position), k);
    }
    std::sort(lines.begin(), lines.end());

    std::vector<Mark> marks;
    bool fixed = true;
    for (const auto& [position, k] : lines) {
        marks.push_back({ position, FixedText(k * step->mantissa, step->exponent) });
        fixed = fixed && marks.back().label.size() <= kMaxFixedLength;
    }
    // One form for the whole axis.
    if (!fixed) {
        for (std::size_t i = 0; i < marks.size(); ++i)
            marks[i].label = ExponentText(lines[i].second * step->mantissa, step->exponent);
    }
    return marks;
}

std::vector<GridLayout::Label> GridLayout::PlaceLabels(const DrawingSurface& surface) const
{
    const int hw = m_axisColumn;
    const int hh = m_axisRow;
    const Label icon { m_width - kIconCorner, m_height - kIconCorner, m_width, m_height, {} };
    std::vector<Label> placed;
    const auto place = [&](Label label) {
        const bool inside = label.left >= 1 && label.top >= 1 && label.right <= m_width - 1
            && label.bottom <= m_height - 1;
        const bool onAxis
            = (label.left <= hw && hw < label.right) || (label.top <= hh && hh < label.bottom);
        if (!inside || onAxis || Overlap(label, icon, 0))
            return;
        for (const Label& other : placed) {
            if (Overlap(label, other, kLabelSpacing))
                return;
        }
        placed.push_back(std::move(label));
    };
    for (const Mark& mark : m_columns) {
        const TextSize size = surface.MeasureText(mark.label);
        const int left = mark.position - size.width / 2;
        int top = hh + kLabelGap;
        if (hh < 0)
            top = 1 + kLabelGap;
        else if (hh >= m_height)
            top = m_height - 1 - kLabelGap - size.height;
        place({ left, top, left + size.width, top + size.height, mark.label });
    }
    for (const Mark& mark : m_rows) {
        const TextSize size = surface.MeasureText(mark.label);
        int right = hw - kLabelGap;
        if (hw < 0)
            right = 1 + kLabelGap + size.width;
        else if (hw >= m_width)
            right = m_width - 1 - kLabelGap;
        const int top = mark.position - size.height / 2;
        place({ right - size.width, top, right, top + size.height, mark.label });
    }
    return placed;
}

void GridLayout::DrawLines(DrawingSurface& surface) const
{
    for (const Mark& column : m_columns)
        surface.FillRect(column.position, 1, column.position + 1, m_height - 1, kGridLine);
    for (const Mark& row : m_rows)
        surface.FillRect(1, row.position, m_width - 1, row.position + 1, kGridLine);
}

void GridLayout::DrawLabels(DrawingSurface& surface) const
{
    // On a patch of background, so that no grid line runs through the text.
    for (const Label& label : PlaceLabels(surface)) {
        surface.FillRect(label.left, label.top, label.right, label.bottom, kBackground);
        surface.DrawText(label.left, label.top, label.text, kGridLabel);
    }
}

void DrawGridLines(const GraphView& view, DrawingSurface& surface)
{
    GridLayout(view, surface.Width(), surface.Height()).DrawLines(surface);
}

void DrawGridLabels(const GraphView& view, DrawingSurface& surface)
{
    GridLayout(view, surface.Width(), surface.Height()).DrawLabels(surface);
}

} // namespace plovex
