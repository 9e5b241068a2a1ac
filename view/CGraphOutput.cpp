#include "view/CGraphOutput.h"

#include "platform/FileDialogService.h"
#include "platform/FileStore.h"
#include "platform/MessageService.h"
#include "platform/PrintDialogService.h"
#include "res/Resource.h"
#include "view/CExportDlg.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"
#include "view/GraphExport.h"
#include "view/GraphPage.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>

namespace plovex {

void CGraphOutput::Copy() const
{
    const DrawnGraph graph = m_view.Drawn();
    auto* data = new QMimeData;
    data->setImageData(graph.picture);
    if (graph.redrawable)
        data->setData("image/svg+xml", graph.Svg(m_view.GetDocument().Title()));
    QGuiApplication::clipboard()->setMimeData(data);
}

void CGraphOutput::Export() const
{
    const DrawnGraph graph = m_view.Drawn();
    CExportDlg question(m_view.window());
    question.m_width = graph.width;
    question.m_height = graph.height;
    if (question.DoModal() != res::kIdOk)
        return;
    // Beside the document's file, named after it: circle.pxg -> circle.png.
    const CPlovexDoc& document = m_view.GetDocument();
    QString proposed = QFileInfo(document.Title()).completeBaseName() + ".png";
    if (!document.PathName().isEmpty())
        proposed = QFileInfo(document.PathName()).dir().filePath(proposed);
    const QString path = FileDialogs().GetSaveFileName(
        m_view.window(), CPlovexView::tr("Export Graph"), proposed, GraphExportFilter(), "png");
    if (path.isEmpty())
        return;
    QString error;
    if (!ExportGraph(graph, question.m_width, question.m_height, question.m_keep, path, error))
        Messages().MessageBox(&m_view, error, MessageKind::Failure);
}

void CGraphOutput::Print() const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_view.GetDocument().Title());
    if (PrintDialogs().SetUpPrinter(m_view.window(), printer))
        PrintOn(printer);
}

void CGraphOutput::PrintPreview() const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_view.GetDocument().Title());
    PrintDialogs().Preview(m_view.window(), printer, [this](QPrinter& pages) { PrintOn(pages); });
}

void CGraphOutput::PrintOn(QPrinter& printer) const
{
    // Printed to a file: a FIFO would hold the window until another program reads it.
    const QString file = printer.outputFileName();
    if (const std::optional<QString> special
        = file.isEmpty() ? std::nullopt : SpecialFileReason(file)) {
        Messages().MessageBox(&m_view,
            CPlovexView::tr("Cannot print the graph to \"%1\".\n\n%2")
                .arg(QDir::toNativeSeparators(file), *special),
            MessageKind::Refusal);
        return;
    }
    if (!PrintGraphPage(printer, m_view.Drawn(), m_view.DrawnCaption()))
        Messages().MessageBox(&m_view,
            CPlovexView::tr("Cannot print the graph: the printer did not accept the page."),
            MessageKind::Failure);
}

} // namespace plovex
