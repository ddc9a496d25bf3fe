#pragma once

#include "link/Crc8.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

// Bytes on the line as the tests write them.
namespace test_frames {

inline QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

// `bytes` followed by their CRC-8.
inline QByteArray withCrc(QByteArray bytes) {
    bytes.append(char(
        line::crc8(reinterpret_cast<const quint8*>(bytes.constData()), std::size_t(bytes.size()))));
    return bytes;
}

// A complete read answer: the acknowledgement, the data and the CRC over the data.
inline QByteArray readAnswer(const QByteArray& data) {
    return QByteArray(1, char(0x64)) + withCrc(data);
}

// The time stamp of the first exchange-log line holding `what`; invalid when none does.
inline QDateTime stampOf(const QStringList& logLines, const QString& what) {
    for (const QString& line : logLines)
        if (line.contains(what))
            return QDateTime::fromString(line.left(23), QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    return QDateTime();
}

} // namespace test_frames
