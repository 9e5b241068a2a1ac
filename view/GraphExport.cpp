#include "view/GraphExport.h"

#include "platform/FileStore.h"
#include "view/DrawnGraph.h"
#include "view/ImageExport.h"
#include "view/VectorGraphWriter.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace plovex {

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
        error = UnknownFormatError(path, formats);
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
    return WriteExport(path, drawn->bytes, error);
}

} // namespace plovex
