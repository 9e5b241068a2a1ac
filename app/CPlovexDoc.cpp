#include "app/CPlovexDoc.h"

#include "app/DocumentCodec.h"
#include "platform/FileStore.h"

#include <QDir>
#include <QFileInfo>

namespace plovex {
namespace {

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
    UpdateModified();
    emit ExpressionChanged();
}

void CPlovexDoc::SetSettings(const GraphSettings& settings)
{
    if (settings == m_settings)
        return;
    m_settings = settings;
    UpdateModified();
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

void CPlovexDoc::UpdateModified()
{
    const bool modified = m_expression != m_savedExpression || !(m_settings == m_savedSettings);
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit ModifiedChanged();
}

bool CPlovexDoc::OnOpenDocument(const QString& path, QString& error, QString& warning)
{
    QString reason;
    const std::optional<QByteArray> bytes = ReadWholeFile(path, kMaxDocumentBytes, reason);
    if (!bytes) {
        error = OpenError(path, reason);
        return false;
    }
    DecodedDocument document
        = DecodeDocument(reinterpret_cast<const std::uint8_t*>(bytes->constData()),
            static_cast<std::size_t>(bytes->size()));
    if (!document.ok) {
        error = OpenError(
            path, "It is not a Plovex graph: " + QString::fromStdString(document.error));
        return false;
    }
    if (document.stored == StoredSettings::Damaged) {
        warning = QString("The graph settings stored in \"%1\" are damaged. The expression "
                          "opens with the default scales and quality.")
                      .arg(QDir::toNativeSeparators(path));
    }
    m_fileBytes = *bytes;
    m_savedExpression = std::move(document.expression);
    m_savedSettings = document.settings;
    m_expression = m_savedExpression;
    m_settings = m_savedSettings;
    SetPathName(path);
    UpdateModified();
    return true;
}

bool CPlovexDoc::OnSaveDocument(const QString& path, QString& error)
{
    QByteArray bytes = m_fileBytes;
    if (m_modified || bytes.isEmpty()) {
        const std::vector<std::uint8_t> encoded = EncodeDocument(m_expression, m_settings);
        bytes = QByteArray(
            reinterpret_cast<const char*>(encoded.data()), static_cast<qsizetype>(encoded.size()));
    }
    if (static_cast<std::size_t>(bytes.size()) > kMaxDocumentBytes) {
        error = SaveError(path,
            QString("The expression is too long: a graph document holds at most %1 bytes.")
                .arg(kMaxDocumentBytes));
        return false;
    }
    QString reason;
    if (!WriteWholeFile(path, bytes, reason)) {
        error = SaveError(path, reason);
        return false;
    }
    m_fileBytes = bytes;
    m_savedExpression = m_expression;
    m_savedSettings = m_settings;
    SetPathName(path);
    UpdateModified();
    return true;
}

} // namespace plovex
