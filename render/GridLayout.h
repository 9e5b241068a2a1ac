#pragma once

#include "document/GraphView.h"

#include <optional>
#include <string>
#include <vector>

namespace plovex {

class DrawingSurface;

// The grid and tick labels of a cleared graph area: per axis the spacing of its lines, where
// they lie and what their labels read, and where on the area the labels fit.
class GridLayout {
public:
    // The distance between two lines, mantissa · 10^exponent with a mantissa of 1, 2 or 5.
    struct Step {
        int mantissa;
        int exponent;

        double Value() const;
    };

    // One line: its column (x) or row (y), and its label.
    struct Mark {
        int position;
        std::string label;
    };

    // A label's box on the area, right and bottom excluded, and its text.
    struct Label {
        int left;
        int top;
        int right;
        int bottom;
        std::string text;
    };

    GridLayout(float xScale, float yScale, int width, int height);
    // The grid of a view that may have been moved: its lines and axes follow the offset.
    GridLayout(const GraphView& view, int width, int height);

    // The smallest step whose length, step · |scale| pixels, is at least 40; none for a zero,
    // infinite or NaN scale, or when no step from 10^-40 to 5 · 10^40 is long enough.
    static std::optional<Step> ChooseStep(float scale);

    // The lines strictly inside the border of an axis `size` pixels long whose centre lies at
    // `half`, in the order of their positions. The line of value v lies at floor(half + v ·
    // scale − offset), or with `upwards` (rows grow downwards) at floor(half − v · scale +
    // offset); an offset of 0 is not added at all.
    static std::vector<Mark> Marks(
        float scale, int half, int size, bool upwards, double offset = 0);

    // Where the labels go with the text boxes `surface` measures: x labels just below the
    // horizontal axis centred on their lines, y labels just left of the vertical axis centred
    // on theirs; an axis moved out of view leaves its labels along the nearest edge. A label that
    // would come within 4 pixels of an earlier one, or cover an axis or the icon's corner, or leave
    // the area inside the border, is left out.
    std::vector<Label> PlaceLabels(const DrawingSurface& surface) const;

    void DrawLines(DrawingSurface& surface) const;
    void DrawLabels(DrawingSurface& surface) const;

private:
    int m_width;
    int m_height;
    // Where the axes lie; outside the area when the view has moved them out of it.
    int m_axisColumn;
    int m_axisRow;
    std::vector<Mark> m_columns;
    std::vector<Mark> m_rows;
};

// The grid's parts of a rendering: the lines under the axes, the labels over them.
void DrawGridLines(const GraphView& view, DrawingSurface& surface);
void DrawGridLabels(const GraphView& view, DrawingSurface& surface);

} // namespace plovex
