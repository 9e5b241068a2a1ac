#include "platform/PrintDialogService.h"

#include "platform/ServiceSlot.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace plovex {
namespace {

// Each dialog blocks only the window it belongs to, so the help window stays usable.
class QtPrintDialogs final : public PrintDialogService {
public:
    bool SetUpPrinter(QWidget* parent, QPrinter& printer) override
    {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowModality(Qt::WindowModal);
        // One graph is one page: there is no range or selection to choose.
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        return dialog.exec() == QDialog::Accepted;
    }

    void Preview(QWidget* parent, QPrinter& printer, const PaintPages& paint) override
    {
        QPrintPreviewDialog dialog(&printer, parent);
        dialog.setWindowModality(Qt::WindowModal);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
            [&paint](QPrinter* pages) { paint(*pages); });
        dialog.exec();
    }
};

ServiceSlot<PrintDialogService> g_slot;

} // namespace

PrintDialogService& PrintDialogs()
{
    static QtPrintDialogs dialogs;
    return g_slot.Get(dialogs);
}

PrintDialogService* SetPrintDialogService(PrintDialogService* service)
{
    return g_slot.Install(service);
}

} // namespace plovex
