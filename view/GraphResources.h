#pragma once

class QFont;
class QImage;

namespace plovex {

// What every surface draws a graph with, so that the picture and its vector form agree.

// The application icon as drawn into the graph area, loaded once.
const QImage& GraphIcon();

// The tick labels' font: DejaVu Sans at 10 pixels, unsmoothed and fully hinted. Needs a
// QGuiApplication.
const QFont& LabelFont();

} // namespace plovex
