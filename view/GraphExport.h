#pragma once

#include "render/ExportSize.h"

#include <QString>

namespace plovex {

struct DrawnGraph;

// The file dialog's filters for Export Graph: the image formats Qt writes, then SVG and PDF.
QString GraphExportFilter();

// Writes `graph` on a width by height picture that keeps what `keep` says of it (see
// ExportView) to `path`: as lines and text when the extension is .svg or .pdf, else as an image
// in the format the extension names. An image of the graph's own size is the picture as shown,
// pixel for pixel. false with the message for the user in `error`, checked before anything is
// drawn where it can be; a file that was there stays as it was, and only a regular file (or a
// new one) is written.
bool ExportGraph(const DrawnGraph& graph, int width, int height, ExportKeep keep,
    const QString& path, QString& error);

} // namespace plovex
