#pragma once

#include "document/GraphView.h"

namespace plovex {

// What a picture of another size keeps of the graph shown on its area.
enum class ExportKeep {
    // The same x and y ranges fill the picture: each scale is multiplied by the ratio of the
    // sizes along its axis.
    Region,
    // The scales stay: a bigger picture shows more around the same centre.
    Scales,
};

// The view that draws a width by height area's graph `view` on a picture of newWidth by
// newHeight pixels. Keeping the region, the x scale becomes xScale · newWidth / width, the
// product and the quotient taken in double and rounded once to float (the y scale likewise
// with the heights); an offset stays where its scale stays, and otherwise becomes the graph
// point at the centre, xOffset / xScale, times the new scale, in double, so the centre stays.
// Keeping the scales, the view is unchanged, offsets included. The quality stays.
GraphView ExportView(
    const GraphView& view, int width, int height, int newWidth, int newHeight, ExportKeep keep);

} // namespace plovex
