#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace plovex {

// The questions of the print commands: which printer and how, and the preview of a page.
// The windows ask through PrintDialogs(), so a test can install a service that answers
// instead of a person (and prints to a file).
class PrintDialogService {
public:
    using PaintPages = std::function<void(QPrinter&)>;

    virtual ~PrintDialogService() = default;

    // The print dialog over `parent` sets up `printer`; false when cancelled.
    virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;
    // Shows what `paint` puts on `printer`'s pages; the user may print from the preview.
    virtual void Preview(QWidget* parent, QPrinter& printer, const PaintPages& paint) = 0;
};

// The service in use: the Qt dialogs unless a test has installed another.
PrintDialogService& PrintDialogs();

// Installs `service` (not owned; it must outlive its use) and returns the one it replaces;
// nullptr goes back to the Qt dialogs.
PrintDialogService* SetPrintDialogService(PrintDialogService* service);

} // namespace plovex
