#include "platform/ColourDialogService.h"

#include "platform/ServiceSlot.h"

#include <QColorDialog>
#include <QCoreApplication>

namespace plovex {
namespace {

// Blocks only the window it belongs to, so the help window stays usable.
class DialogService final : public ColourDialogService {
public:
    std::optional<QColor> GetColour(QWidget* parent, const QColor& initial) override
    {
        QColorDialog dialog(initial, parent);
        dialog.setWindowTitle(QCoreApplication::translate("ColourDialogService", "Colour"));
        dialog.setWindowModality(Qt::WindowModal);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.selectedColor();
    }
};

ServiceSlot<ColourDialogService> g_slot;

} // namespace

ColourDialogService& ColourDialogs()
{
    static DialogService dialogs;
    return g_slot.Get(dialogs);
}

ColourDialogService* SetColourDialogService(ColourDialogService* service)
{
    return g_slot.Install(service);
}

} // namespace plovex
