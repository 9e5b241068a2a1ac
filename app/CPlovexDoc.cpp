#include "app/CPlovexDoc.h"

#include "app/DocumentCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace plovex {
namespace {

// Far beyond any expression the form can hold; keeps a wrong file (or a device that never
// ends) from being read whole into memory.
constexpr qint64 kMaxDocumentBytes = 16 * 1024 * 1024;

QString OpenError(const QString& path, const QString& reason)
{
    return QString("Cannot open the document \"%1\".\n\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString SaveError(const QString& path, const QString& reason)
{
    return QString("Cannot save the document \"%1\".\n\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

CPlovexDoc::CPlovexDoc(QObject* parent)
    : QObject(parent)
{ }

void CPlovexDoc::SetExpression(const std::string& expression)
{
    if (expression == m_expression)
        return;
    m_expression = expression;
    SetModifiedFlag();
}

void CPlovexDoc::SetPathName(const QString& path)
{
    m_pathName = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    SetTitle(QFileInfo(path).fileName());
}

void CPlovexDoc::SetTitle(const QString& title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit TitleChanged();
}

void CPlovexDoc::SetModifiedFlag(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit ModifiedChanged();
}

bool CPlovexDoc::OnOpenDocument(const QString& path, QString& error)
{
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        error = OpenError(path, "It is a folder, not a file.");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = OpenError(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.read(kMaxDocumentBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        error = OpenError(path, file.errorString());
        return false;
    }
    if (bytes.size() > kMaxDocumentBytes) {
        error = OpenError(path, "The file is too large to be a graph document.");
        return false;
    }
    DecodedDocument document
        = DecodeDocument(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size()));
    if (!document.ok) {
        error = OpenError(
            path, "It is not a Plovex graph: " + QString::fromStdString(document.error));
        return false;
    }
    m_expression = std::move(document.expression);
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

bool CPlovexDoc::OnSaveDocument(const QString& path, QString& error)
{
    const std::vector<std::uint8_t> bytes = EncodeDocument(m_expression);
    // Unbuffered, and written until every byte is in: a buffered QSaveFile commits a file
    // that a full disk cut short, and a short write leaves errno unread until the next one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = SaveError(path, file.errorString());
        return false;
    }
    const char* data = reinterpret_cast<const char*>(bytes.data());
    auto remaining = static_cast<qint64>(bytes.size());
    while (remaining > 0) {
        const qint64 written = file.write(data, remaining);
        if (written <= 0) {
            error = SaveError(path, file.errorString());
            return false;
        }
        data += written;
        remaining -= written;
    }
    if (!file.commit()) {
        error = SaveError(path, file.errorString());
        return false;
    }
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

} // namespace plovex
