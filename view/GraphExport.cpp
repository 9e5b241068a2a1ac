#include "view/GraphExport.h"

#include "platform/FileStore.h"
#include "view/DrawnGraph.h"
#include "view/ImageExport.h"
#include "view/VectorGraphWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace plovex {
namespace {

QString ExportError(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("ImageExport", "Cannot export the graph to \"%1\".\n\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QString GraphExportFilter()
{
    return ExportFilter() + ";;"
        + QCoreApplication::translate("ImageExport", "Vector pictures (*.pdf *.svg)");
}

bool ExportGraph(const DrawnGraph& graph, int width, int height, ExportKeep keep,
    const QString& path, QString& error)
{
    if (const std::optional<QString> special = SpecialFileReason(path)) {
        error = ExportError(path, *special);
        return false;
    }
    const std::optional<VectorFormat> vector = VectorFormatOf(path);
    QStringList formats = ExportFormats() << "pdf"
                                          << "svg";
    formats.sort();
    if (!vector && !ExportFormats().contains(QFileInfo(path).suffix().toLower())) {
        error = ExportError(path,
            QCoreApplication::translate("ImageExport",
                "The name's extension does not say which image format to write. Use one of: "
                "%1.")
                .arg(formats.join(", ")));
        return false;
    }
    const GraphView view = ExportView(graph.view, graph.width, graph.height, width, height, keep);
    if (!vector) {
        const bool asShown = width == graph.width && height == graph.height;
        return ExportImage(
            asShown ? graph.picture : graph.Render(view, width, height), path, error);
    }
    const std::optional<VectorGraph> drawn = WriteVectorGraph(*vector, view, { false, graph.grid },
        graph.items, graph.statisticsItem, width, height, QFileInfo(path).completeBaseName());
    if (!drawn) {
        error = ExportError(
            path, QCoreApplication::translate("ImageExport", "The picture could not be drawn."));
        return false;
    }
    QString reason;
    if (!WriteWholeFile(path, drawn->bytes, reason)) {
        error = ExportError(path, reason);
        return false;
    }
    return true;
}

} // namespace plovex
