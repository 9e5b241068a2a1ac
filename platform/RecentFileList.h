#pragma once

#include <QString>
#include <QStringList>

namespace plovex {

// The documents opened or saved last, newest first, kept in the application's settings
// (section "Recent File List", keys File1, File2, ...) so the next run offers them too.
class RecentFileList {
public:
    explicit RecentFileList(int size);

    int Size() const { return m_size; }
    const QStringList& Files() const { return m_files; }

    // Reads the list from the settings; entries beyond the size are dropped.
    void ReadList();
    // Puts `path` first (it moves up when it is listed already) and stores the list.
    void Add(const QString& path);
    void Remove(const QString& path);

    // The menu text of entry `index`: "&1 " and the path, shortened in the middle when long.
    QString MenuText(int index) const;

private:
    void WriteList() const;

    int m_size;
    QStringList m_files;
};

} // namespace plovex
