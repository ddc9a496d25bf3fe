#pragma once

#include <QByteArray>
#include <QString>

namespace device {

// Replaces the file at `path` with `bytes`, or leaves it as it was. The bytes go to a
// temporary file beside the target; the target is replaced only once every byte has been
// written and flushed to the disk, so a full disk or an I/O error never leaves a shorter or
// empty file, nor the temporary. False with the operating system's reason in `error`.
bool saveFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace device
