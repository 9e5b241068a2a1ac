#pragma once

namespace plovex {

// Wall-clock comparisons of whole renderings, each the fastest of a few runs: the window's
// surface against the image surface, every core against one thread, and writing the PNG file
// against rendering it. Needs a QApplication.
void PrintRenderSpeeds();

} // namespace plovex
