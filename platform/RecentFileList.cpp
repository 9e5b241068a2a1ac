#include "platform/RecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace plovex {
namespace {

const char* const kSection = "Recent File List";
constexpr int kMaxShownLength = 60;

QString Key(int index)
{
    return QString("File%1").arg(index + 1);
}

QString Normalised(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// A long path keeps its first folder and as many of its last parts as fit:
// "/home/.../many/folders/graph.pxg".
QString Abbreviated(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (shown.size() <= kMaxShownLength)
        return shown;
    const QChar separator = QDir::separator();
    const qsizetype first = shown.indexOf(separator, 1);
    if (first < 0)
        return shown;
    const QString head = shown.left(first + 1) + "...";
    qsizetype tail = shown.lastIndexOf(separator);
    while (tail > first) {
        const qsizetype before = shown.lastIndexOf(separator, tail - 1);
        if (before <= first || head.size() + shown.size() - before > kMaxShownLength)
            break;
        tail = before;
    }
    return head + shown.mid(tail);
}

} // namespace

RecentFileList::RecentFileList(int size)
    : m_size(size)
{ }

void RecentFileList::ReadList()
{
    m_files.clear();
    QSettings settings;
    settings.beginGroup(kSection);
    for (int i = 0; i < m_size; ++i) {
        const QString path = settings.value(Key(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files << path;
    }
}

void RecentFileList::Add(const QString& path)
{
    const QString file = Normalised(path);
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > m_size)
        m_files.removeLast();
    WriteList();
}

void RecentFileList::Remove(const QString& path)
{
    if (m_files.removeAll(path) + m_files.removeAll(Normalised(path)) > 0)
        WriteList();
}

QString RecentFileList::MenuText(int index) const
{
    return QString("&%1 %2").arg(index + 1).arg(
        Abbreviated(m_files.value(index)).replace("&", "&&"));
}

void RecentFileList::WriteList() const
{
    QSettings settings;
    settings.beginGroup(kSection);
    settings.remove("");
    for (int i = 0; i < m_files.size(); ++i)
        settings.setValue(Key(i), m_files[i]);
}

} // namespace plovex
