#pragma once

#include <QByteArray>
#include <QString>

namespace device {

// Windows-1251, the code page of every file the program writes for the engineer: the text
// report, the settings file and the workbook's byte strings (cell texts, the sheet name, font
// names and format codes). The table is built in, so no file depends on which code pages the
// Qt build carries.

// Encodes text in Windows-1251. A character the code page cannot hold (for example '³' or an
// emoji) becomes one '?'.
QByteArray encodeCp1251(QStringView text);

// The character of one Windows-1251 byte; U+FFFD for the one unassigned byte, 0x98.
QChar decodeCp1251(unsigned char byte);
QString decodeCp1251(const QByteArray& bytes);

} // namespace device
