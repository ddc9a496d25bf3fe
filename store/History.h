#pragma once

#include "archive/ArchiveBuffers.h"
#include "archive/ArchiveReadout.h"
#include "store/Store.h"

#include <QLocale>
#include <QStringList>

#include <optional>

// A meter's stored records as a readout would have left them: the archive buffer and summary
// that the reports, the exporters and the chart take, so a stored range goes the very same
// way as a readout. Positions without a stored record are empty entries.
namespace store::history {

// The most entries a report holds (its summary counts them in 16 bits): 45 days of minutes.
constexpr int kMaxEntries = 65535;

struct Built {
    archive::Archives archives; // the one archive filled, the other untouched
    QStringList lines;          // the text report
};

// `from` and `to` are positions of the ring (day numbers, or minutes since 1899-12-30);
// empty when the store failed (its error says why) or the range holds too many entries.
std::optional<Built> build(Store& store, qint64 meterId, archive::Kind kind, Position from,
                           Position to, const QLocale& locale);

// The same from records already fetched (oldest first), for the window and the benchmarks.
Built fromRecords(const std::vector<StoredRecord>& records, archive::Kind kind, Position from,
                  Position to, const QLocale& locale);

} // namespace store::history
