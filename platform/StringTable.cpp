#include "platform/StringTable.h"

#include "platform/FileStore.h"

#include <QCoreApplication>

namespace plovex {
namespace {

// The program's table is a few kilobytes; anything near this is not a string table.
constexpr qint64 kMaxTableBytes = 1024 * 1024;

// Reads the quoted text at the start of `text` into `out`; only blanks may follow it.
bool ParseQuoted(QStringView text, QString& out)
{
    if (!text.startsWith(u'"'))
        return false;
    qsizetype i = 1;
    for (; i < text.size() && text[i] != u'"'; ++i) {
        if (text[i] != u'\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i].unicode()) {
        case 'n':
            out += u'\n';
            break;
        case 't':
            out += u'\t';
            break;
        case '"':
        case '\\':
            out += text[i];
            break;
        default:
            return false;
        }
    }
    return i < text.size() && text.mid(i + 1).trimmed().isEmpty();
}

} // namespace

StringTable::StringTable(QStringView source)
{
    int number = 0;
    for (const QStringView line : source.split(u'\n')) {
        ++number;
        if (!ParseLine(line)) {
            m_texts.clear();
            m_error = QString("line %1 is not a string entry: %2").arg(number).arg(line);
            return;
        }
    }
}

bool StringTable::ParseLine(QStringView line)
{
    const QStringView text = line.trimmed();
    if (text.isEmpty() || text.startsWith(u'#'))
        return true;
    if (text.startsWith(u'"')) {
        // A continuation needs an entry above it to continue.
        return m_lastId >= 0 && ParseQuoted(text, m_texts[m_lastId]);
    }
    if (line.front().isSpace())
        return false;
    qsizetype digits = 0;
    while (digits < text.size() && text[digits].isDigit())
        ++digits;
    bool ok = false;
    const int id = text.first(digits).toInt(&ok);
    if (!ok || m_texts.contains(id))
        return false;
    QString value;
    if (digits == text.size() || !text[digits].isSpace()
        || !ParseQuoted(text.mid(digits).trimmed(), value))
        return false;
    m_texts.insert(id, value);
    m_lastId = id;
    return true;
}

StringTable StringTable::FromFile(const QString& path)
{
    QString reason;
    const std::optional<QByteArray> bytes = ReadWholeFile(path, kMaxTableBytes, reason);
    if (!bytes) {
        StringTable table(QStringView {});
        table.m_error = QString("cannot read %1: %2").arg(path, reason);
        return table;
    }
    return StringTable(QString::fromUtf8(*bytes));
}

const StringTable& StringTable::Application()
{
    static const StringTable table = FromFile(":/res/StringTable.txt");
    return table;
}

QString LoadString(int id)
{
    const QString text = StringTable::Application().Text(id);
    return text.isEmpty() ? text
                          : QCoreApplication::translate("StringTable", text.toUtf8().constData());
}

} // namespace plovex
