#pragma once

#include <QColor>
#include <QString>
#include <vector>

class QPrinter;

namespace plovex {

struct DrawnGraph;

// One line of a printed graph's caption, in its colour.
struct CaptionLine {
    QString text;
    QColor colour;
};

// Prints one page: `caption`, its lines centred one below the other, at the top and the graph
// below it. A printer that draws lines and shapes (PDF, PostScript, every printer the desktop
// offers, the print preview) gets the graph as lines and text (see PaintVectorGraph), as large
// as the page allows, where its picture is the rendering of its functions. Otherwise it gets
// the picture, enlarged by the largest whole number of printer pixels per picture pixel that
// fits the page, so every pixel stays a sharp square; a page too small for even one printer
// pixel per pixel gets the picture shrunk to fit, and a print preview gets it smoothed. false
// when the printer cannot start a page.
[[nodiscard]] bool PrintGraphPage(
    QPrinter& printer, const DrawnGraph& graph, const std::vector<CaptionLine>& caption);

} // namespace plovex
