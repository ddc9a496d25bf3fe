#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

namespace device {

// Replaces the file at `path` with `bytes`, or leaves it as it was. The bytes go to a
// temporary file beside the target; the target is replaced only once every byte has been
// written and flushed to the disk, so a full disk or an I/O error never leaves a shorter or
// empty file, nor the temporary. False with the operating system's reason in `error`.
// A symbolic link is followed: the file it points to is replaced, the link kept. A target that
// exists and is not a regular file is never replaced: a FIFO (with a reader), a terminal or a
// null device gets the bytes written into it, anything else is refused.
bool saveFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Opens `path` for appending (created when missing) without ever waiting: a FIFO that nobody
// reads is an error, not a wait. The same targets as above are refused. The open file, or null
// with the reason in `error`.
std::unique_ptr<QFile> openAppending(const QString& path, QString* error = nullptr);

} // namespace device
