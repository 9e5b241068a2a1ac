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
    QString shown = QDir::toNativeSeparators(m_files.value(index));
    if (shown.size() > kMaxShownLength) {
        const qsizetype keep = (kMaxShownLength - 3) / 2;
        shown = shown.left(keep) + "..." + shown.right(keep);
    }
    shown.replace("&", "&&");
    return QString("&%1 %2").arg(index + 1).arg(shown);
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
