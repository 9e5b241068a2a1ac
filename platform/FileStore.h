#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace plovex {

// Every file the program reads or writes whole goes through these two, so that the window and
// the command line meet the same limits and the same rules.

// The file's bytes, read to its end but never more than `limit` of them (a FIFO that never
// ends, /dev/zero, a huge sparse file). Nothing when the file cannot be read or holds more;
// `reason` then says why in a sentence.
std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 limit, QString& reason);

// Writes `bytes` as the whole content of `path`. A regular file (or a new one) is replaced
// only once the new content is complete, so a failed write leaves the old file intact; where
// no new file can be made in the folder (no permission, an immutable folder, no quota left)
// but the file itself is writable, it is written in place.
// A FIFO or a character device (a terminal, /dev/stdout, /dev/null) is written directly and
// stays what it is. A folder, a socket or a block device is refused. false on failure, with
// the system's reason ("No space left on device") in `reason`.
[[nodiscard]] bool WriteWholeFile(const QString& path, QByteArrayView bytes, QString& reason);

// Why `path` cannot be a file the window reads or writes whole ("It is a named pipe (FIFO),
// not a file."), or nothing for a regular file or a name that does not exist yet. Opening a
// FIFO waits for its other end and a terminal never ends, so the window asks this first:
// looking at a file's kind never blocks.
std::optional<QString> SpecialFileReason(const QString& path);

} // namespace plovex
