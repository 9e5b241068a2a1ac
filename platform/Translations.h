#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace plovex {

// The program's texts, and Qt's own (file, print and message dialogs), in the user's language.
// The English texts are the sources, so English needs no file, and a language whose file is
// missing or damaged stays English. Only the window installs them: the command line's output
// is the same in every locale, so that scripts can read it.
class Translations {
public:
    Translations() = default;
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;
    ~Translations();

    // Follows the user's interface languages in order, as QLocale().uiLanguages() lists them
    // from LANGUAGE, LC_ALL, LC_MESSAGES and LANG ("de-DE", "de"): the first one that is
    // English, or that plovex_<language>.qm in one of `folders` translates, is the one shown.
    // Returns that language's name ("de", "pt_BR"), empty for English.
    QString Install(const QStringList& uiLanguages, const QStringList& folders);

    // Beside the program when it runs from its build folder, under share/plovex/translations
    // relative to the program once installed (wherever the package put it), then under the
    // prefix it was built for.
    static QStringList Folders();

private:
    void Remove();

    QTranslator m_program;
    QTranslator m_qt;
    bool m_installed = false;
};

} // namespace plovex
