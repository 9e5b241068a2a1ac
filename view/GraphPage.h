#pragma once

#include <QColor>
#include <QString>
#include <vector>

class QImage;
class QPrinter;

namespace plovex {

// One line of a printed graph's caption, in its colour.
struct CaptionLine {
    QString text;
    QColor colour;
};

// Prints one page: `caption`, its lines centred one below the other, at the top and `picture` below
// it, enlarged by the largest whole number of printer pixels per picture pixel that fits the page,
// so every pixel stays a sharp square. A page too small for even one printer pixel per pixel gets
// the picture shrunk to fit. A print preview, shown shrunk on the screen, gets it smoothed.
// false when the printer cannot start a page.
[[nodiscard]] bool PrintGraphPage(
    QPrinter& printer, const QImage& picture, const std::vector<CaptionLine>& caption);

} // namespace plovex
