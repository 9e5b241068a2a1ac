#include "view/DocumentFile.h"

#include "platform/FileStore.h"
#include "view/EngineTexts.h"

#include <QCoreApplication>

namespace plovex {

std::optional<DocumentFile> ReadDocumentFile(const QString& path, QString& reason, bool& unreadable)
{
    std::optional<QByteArray> bytes = ReadWholeFile(path, kMaxDocumentBytes, reason);
    unreadable = !bytes;
    if (!bytes)
        return std::nullopt;
    DecodedDocument decoded
        = DecodeDocument(reinterpret_cast<const std::uint8_t*>(bytes->constData()),
            static_cast<std::size_t>(bytes->size()));
    if (!decoded.ok) {
        reason = EngineTexts::DocumentRefusalText(decoded.error);
        return std::nullopt;
    }
    return DocumentFile { *std::move(bytes), std::move(decoded) };
}

std::optional<QByteArray> EncodeDocumentFile(const std::vector<StoredFunction>& functions,
    const GraphView& view, const std::vector<Parameter>& parameters, QString& reason)
{
    const std::vector<std::uint8_t> bytes = EncodeDocument(functions, view, parameters);
    if (bytes.size() > kMaxDocumentBytes) {
        // lupdate reads the count's argument best as a plain name.
        const int most = static_cast<int>(kMaxDocumentBytes);
        reason = QCoreApplication::translate("DocumentFile",
            "The expression is too long: a graph document holds at most %n bytes.", nullptr, most);
        return std::nullopt;
    }
    return QByteArray(
        reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

} // namespace plovex
