#pragma once

class QImage;
class QPrinter;
class QString;

namespace plovex {

// Prints one page: `caption` centred at the top and `picture` below it, enlarged by the
// largest whole number of printer pixels per picture pixel that fits the page, so every
// pixel stays a sharp square. A page too small for even one printer pixel per pixel gets
// the picture shrunk to fit. A print preview, shown shrunk on the screen, gets it smoothed.
// false when the printer cannot start a page.
[[nodiscard]] bool PrintGraphPage(QPrinter& printer, const QImage& picture, const QString& caption);

} // namespace plovex
