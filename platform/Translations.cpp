#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace plovex {

Translations::~Translations()
{
    Remove();
}

void Translations::Remove()
{
    if (!m_installed)
        return;
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
    m_installed = false;
}

QString Translations::Install(const QStringList& uiLanguages, const QStringList& folders)
{
    Remove();
    for (const QString& name : uiLanguages) {
        const QLocale language(name);
        // The sources are English: an English-speaking user who also reads German sees
        // English, not the next language on the list.
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return QString();
        for (const QString& folder : folders) {
            // A file cut after its header loads as a translation of nothing.
            if (!m_program.load(language, QStringLiteral("plovex"), QStringLiteral("_"), folder)
                || m_program.isEmpty())
                continue;
            QCoreApplication::installTranslator(&m_program);
            // Without Qt's translations its dialogs stay English: a missing file is no error.
            if (m_qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(&m_qt);
            m_installed = true;
            return m_program.language();
        }
    }
    return QString();
}

QStringList Translations::Folders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {
        program.filePath(QStringLiteral("translations")),
        program.filePath(QStringLiteral("../share/plovex/translations")),
        QStringLiteral(PLOVEX_TRANSLATIONS_DIR),
    };
}

} // namespace plovex
