#pragma once

#include "document/DocumentCodec.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace plovex {

// A graph document file as the window and the command line alike read and write it: its
// bytes, exactly, and what they decode to.
struct DocumentFile {
    QByteArray bytes;
    DecodedDocument decoded;
};

// Reads the file at `path`, never more than a document may hold. Nothing when it cannot be
// read, is too large or is no graph document; `reason` says why, and `unreadable` whether
// the file could not be read at all (rather than read and found to be no document).
std::optional<DocumentFile> ReadDocumentFile(
    const QString& path, QString& reason, bool& unreadable);

// The file's bytes for `functions` with `view` and `parameters`; nothing when they exceed what
// a document may hold, and `reason` says so.
std::optional<QByteArray> EncodeDocumentFile(const std::vector<StoredFunction>& functions,
    const GraphView& view, const std::vector<Parameter>& parameters, QString& reason);

} // namespace plovex
