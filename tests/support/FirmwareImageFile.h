#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A firmware image file the meter accepts: 7676 bytes of program (a pattern the read-back can
// tell apart byte by byte), then version 1.16 and the creation date. Empty on a write failure.
namespace test_images {

inline QByteArray programBytes() {
    QByteArray bytes(7676, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i % 251);
    return bytes;
}

inline QString write(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) ||
        f.write(programBytes() + QByteArray::fromHex("01100532")) != 7680)
        return {};
    return path;
}

} // namespace test_images
