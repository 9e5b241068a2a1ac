#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

namespace plovex {

// The program's string resources: numbered texts read from a source such as
//   57600 "Create a new document\nNew"
//   61216 "First part, "
//         "continued on an indented line"
// Blank lines and lines starting with '#' are skipped. Escapes: \n \t \" \\.
class StringTable {
public:
    // A source with a line of any other shape gives an invalid table; Error() names the line.
    explicit StringTable(QStringView source);

    bool IsValid() const { return m_error.isEmpty(); }
    const QString& Error() const { return m_error; }

    bool Contains(int id) const { return m_texts.contains(id); }
    // Empty when the table holds no string `id`.
    QString Text(int id) const { return m_texts.value(id); }
    QList<int> Ids() const { return m_texts.keys(); }

    // A file that cannot be read gives an invalid table whose error tells why.
    static StringTable FromFile(const QString& path);
    // The table built into the program (res/StringTable.txt).
    static const StringTable& Application();

private:
    bool ParseLine(QStringView line);

    QHash<int, QString> m_texts;
    int m_lastId = -1;
    QString m_error;
};

// The text of string resource `id` of the program's own table, empty when it has none.
QString LoadString(int id);

} // namespace plovex
