#include "platform/SettingsFile.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>

namespace plovex {

void UseSettingsFile()
{
    QCoreApplication::setOrganizationName(QStringLiteral("plovex"));
    QCoreApplication::setApplicationName(QStringLiteral("plovex"));
    QSettings settings;
    if (!settings.allKeys().isEmpty())
        return;
    const QSettings earlier(
        QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Plovex 2"));
    const QStringList keys = earlier.allKeys();
    for (const QString& key : keys)
        settings.setValue(key, earlier.value(key));
    settings.sync();
}

} // namespace plovex
