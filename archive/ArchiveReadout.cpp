#include "archive/ArchiveReadout.h"

#include "app/core/Frontend.h"
#include "app/core/Texts.h"
#include "archive/ArchiveReport.h"
#include "archive/ArchiveTexts.h"
#include "device/DeviceDates.h"
#include "device/MemoryMap.h"
#include "link/Protocol.h"

#include <algorithm>
#include <cstring>

namespace archive {

namespace {
constexpr int kPreambleProgressMaximum = 1000;
// The daily interval may reach back 731 days before the meter's today, the minute interval 4.
constexpr int kDailyDaysBack = archive_layout::kDailyRecords;
constexpr int kMinuteDaysBack = archive_layout::kMinuteRecords / archive_layout::kMinutesPerDay - 1;

// The checks both readouts make, in their order; empty when the interval is fine.
QString intervalError(const Interval& interval, int meterToday, int daysBack) {
    if (interval.end > meterToday)
        return texts::invalidInterval();
    if (interval.start < meterToday - daysBack)
        return texts::invalidInterval();
    if (interval.start > interval.end)
        return texts::startAfterEnd();
    return {};
}

void copyRecord(const Protocol& protocol, Record& entry) {
    std::memcpy(entry.bytes.data(), protocol.buffer() + 1, entry.bytes.size());
}

QString outcomeStatus(int read, int errors) {
    return errors == 0 ? texts::readSuccessfully(read) : texts::readWithErrors(errors);
}

std::optional<QStringList> readDaily(Protocol& p, Frontend& frontend, const Interval& interval,
                                     int meterToday, DailyArchive& archive, const QLocale& locale) {
    if (const QString error = intervalError(interval, meterToday, kDailyDaysBack);
        !error.isEmpty()) {
        frontend.setStatus(error);
        return std::nullopt;
    }
    frontend.setStatus(texts::readingDaily());
    frontend.processEvents();

    std::vector<Record>& entries = archive.entries;
    std::fill(entries.begin(), entries.end(), Record{});
    int errors = 0;
    const int count = interval.end - interval.start + 1;
    frontend.setProgressMaximum(count);

    int n = 0;
    quint16 address = 0;
    if (interval.end == meterToday) {
        // Today's figures so far are in the running day record; the ring slot of today still
        // holds the day 731 days back.
        if (p.ReadMemory(memory::kRunningDayRecord, 8)) {
            copyRecord(p, entries[0]);
        } else {
            markUnreadable(entries[0]);
            ++errors;
        }
        entries[0].bytes[7] |= event_bit::kRecordPresent;
        n = 1;
        address = dailyRecordAddress(interval.end - 1);
    } else {
        address = dailyRecordAddress(interval.end);
    }
    for (; n < count; ++n) {
        if (p.ReadRecord(address)) {
            copyRecord(p, entries[std::size_t(n)]);
        } else {
            markUnreadable(entries[std::size_t(n)]);
            ++errors;
        }
        address = previousRecordAddress(address, Area::Daily);
    }
    frontend.setStatus(outcomeStatus(n, errors));

    DailyReport report = buildDailyReport(entries, n, interval.start, interval.end, locale);
    archive.summary = {quint16(n), interval.end, report.volumeTotal, report.hoursTotal};
    return std::move(report.lines);
}

std::optional<QStringList> readMinute(Protocol& p, Frontend& frontend, const Interval& interval,
                                      int meterToday, MinuteArchive& archive,
                                      const QLocale& locale) {
    if (const QString error = intervalError(interval, meterToday, kMinuteDaysBack);
        !error.isEmpty()) {
        frontend.setStatus(error);
        return std::nullopt;
    }
    frontend.setStatus(texts::readingMinute());
    frontend.processEvents();

    int hour = 23;
    int minute = 59;
    if (interval.end == meterToday) {
        // Without the meter's time there is no newest minute to start from.
        if (!p.ReadMemory(memory::kClock, 2)) {
            frontend.setStatus(::texts::noAnswer());
            return std::nullopt;
        }
        hour = p.at(1);
        minute = p.at(2);
        // An impossible time would reach past the ring and the buffer.
        if (hour > 23 || minute > 59) {
            frontend.setStatus(texts::invalidMeterClock());
            return std::nullopt;
        }
    }

    std::vector<Record>& entries = archive.entries;
    std::fill(entries.begin(), entries.end(), Record{});
    int errors = 0;
    const int span =
        (interval.end - interval.start) * archive_layout::kMinutesPerDay + hour * 60 + minute;
    frontend.setProgressMaximum(span);

    quint16 address = minuteRecordAddress(interval.end, hour, minute);
    int n = 0;
    for (; n <= span; ++n) {
        if (p.ReadRecord(address)) {
            copyRecord(p, entries[std::size_t(n)]);
        } else {
            markUnreadable(entries[std::size_t(n)]);
            ++errors;
        }
        address = previousRecordAddress(address, Area::Minute);
    }
    frontend.setStatus(outcomeStatus(n, errors));

    MinuteReport report =
        buildMinuteReport(entries, n, interval.start, interval.end, hour, minute, locale);
    archive.summary = {quint16(n),      interval.end,       quint16(hour),
                       quint16(minute), report.volumeTotal, report.secondsTotal};
    return std::move(report.lines);
}

} // namespace

std::optional<QStringList> readArchive(Protocol& p, Frontend& frontend, Kind kind,
                                       const Interval& interval, Archives& archives,
                                       const QLocale& locale) {
    p.clearFlags();
    frontend.setProgressMaximum(kPreambleProgressMaximum);
    if (!p.ReadMemory(memory::kDeviceState, 1)) {
        frontend.setStatus(::texts::noAnswer());
        return std::nullopt;
    }
    frontend.setProgressPosition(0);
    if (p.at(1) & device_state::kArchiveUnavailable) {
        frontend.setStatus(texts::archiveUnavailable());
        return std::nullopt;
    }
    // Without the meter's date neither the interval checks nor the ring addresses can be made.
    if (!p.ReadMemory(memory::kDate, 2)) {
        frontend.setStatus(::texts::noAnswer());
        return std::nullopt;
    }
    const int meterToday = dayNumberFromDeviceDay(int(p.dataLE(1, 2)));

    if (kind == Kind::Daily)
        return readDaily(p, frontend, interval, meterToday, archives.daily, locale);
    return readMinute(p, frontend, interval, meterToday, archives.minute, locale);
}

} // namespace archive
