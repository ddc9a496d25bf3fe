#pragma once

#include <QByteArray>
#include <QString>

namespace spreadsheet {

// The compound document file (OLE2 structured storage, version 3 with 512-byte sectors) that
// wraps a workbook: one stream under the root storage.
//
// Streams shorter than 4096 bytes would belong in the file's mini stream; instead the stream is
// padded with zero bytes to 4096, which the workbook's readers ignore after its last record, so
// the file needs no mini stream at all. The file allocation table grows to as many sectors as the
// stream needs, with extra DIFAT sectors beyond 109 of them (streams above about 6.8 MB).
constexpr int kMinimumStreamSize = 4096;

// The whole file. `streamName` has at most 31 characters.
QByteArray compoundFileWithStream(const QString& streamName, const QByteArray& stream);

} // namespace spreadsheet
