#pragma once

#include "archive/ArchiveRecord.h"
#include "device/DeviceDates.h"

#include <QDate>

// Archive records as the tests need them.
namespace test_records {

inline int day(int y, int m, int d) { return device::dayNumberFromDate(QDate(y, m, d)); }

// A present record with `volumeUnits` (0.000256 m3 each), `time` and the event bits.
inline archive::Record present(quint64 volumeUnits, quint16 time, quint8 events = 0) {
    archive::Record r;
    for (int i = 0; i < 5; ++i)
        r.bytes[std::size_t(i)] = quint8(volumeUnits >> (8 * i));
    r.bytes[5] = quint8(time);
    r.bytes[6] = quint8(time >> 8);
    r.bytes[7] = quint8(0x80 | events);
    return r;
}

inline archive::Record unreadable() {
    archive::Record r;
    archive::markUnreadable(r);
    return r;
}

} // namespace test_records
