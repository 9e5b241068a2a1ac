#include "app/CPlovexDoc.h"

#include "app/DocumentFile.h"
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
    // A FIFO or a terminal would hold the window until its other end acts.
    if (const std::optional<QString> special = SpecialFileReason(path)) {
        error = OpenError(path, *special);
        return false;
    }
    QString reason;
    bool unreadable = false;
    std::optional<DocumentFile> file = ReadDocumentFile(path, reason, unreadable);
    if (!file) {
        error = OpenError(path, unreadable ? reason : "It is not a Plovex graph: " + reason);
        return false;
    }
    DecodedDocument& document = file->decoded;
    if (document.stored == StoredSettings::Damaged) {
        warning = QString("The graph settings stored in \"%1\" are damaged. The expression "
                          "opens with the default scales and quality.")
                      .arg(QDir::toNativeSeparators(path));
    }
    m_fileBytes = file->bytes;
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
    // A FIFO without a reader would hold the window, and /dev/null would take the document
    // and report it saved.
    if (const std::optional<QString> special = SpecialFileReason(path)) {
        error = SaveError(path, *special);
        return false;
    }
    QString reason;
    QByteArray bytes = m_fileBytes;
    if (m_modified || bytes.isEmpty()) {
        std::optional<QByteArray> encoded = EncodeDocumentFile(m_expression, m_settings, reason);
        if (!encoded) {
            error = SaveError(path, reason);
            return false;
        }
        bytes = *std::move(encoded);
    }
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
