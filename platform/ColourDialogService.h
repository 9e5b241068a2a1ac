#pragma once

#include <QColor>
#include <optional>

class QWidget;

namespace plovex {

// The colour question of a function's Colour... command. The windows ask through
// ColourDialogs(), so a test can install a service that answers instead of a person.
class ColourDialogService {
public:
    virtual ~ColourDialogService() = default;

    // A colour chosen in a colour dialog that starts at `initial`; nothing when cancelled.
    virtual std::optional<QColor> GetColour(QWidget* parent, const QColor& initial) = 0;
};

// The service in use: Qt's colour dialog unless a test has installed another.
ColourDialogService& ColourDialogs();

// Installs `service` (not owned; it must outlive its use) and returns the one it replaces;
// nullptr goes back to Qt's dialog.
ColourDialogService* SetColourDialogService(ColourDialogService* service);

} // namespace plovex
