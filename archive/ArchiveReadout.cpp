#include "archive/ArchiveReadout.h"

#include "archive/ArchiveReport.h"
#include "archive/ArchiveTexts.h"
#include "core/Frontend.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "device/MemoryMap.h"
#include "link/Protocol.h"

#include <algorithm>
#include <cstring>

namespace archive {

namespace {
constexpr int kPreambleProgressMaximum = 1000;
// A readout of more records than this ends when the meter has fallen silent.
constexpr int kLongReadout = 20;

using Detail = core::Outcome::Detail;

// The checks both readouts make, in their order; None when the interval is fine.
Detail intervalError(const Interval& interval, int meterToday, int daysBack) {
    if (interval.end > meterToday)
        return Detail::IntervalInvalid;
    if (interval.start < meterToday - daysBack)
        return Detail::IntervalInvalid;
    if (interval.start > interval.end)
        return Detail::IntervalReversed;
    return Detail::None;
}

void copyRecord(const line::Protocol& protocol, Record& entry) {
    std::memcpy(entry.bytes.data(), protocol.buffer() + 1, entry.bytes.size());
}

using core::Outcome;

// A readout that ran to its end or was stopped: the records read and the ones whose transfer
// failed.
// A readout the meter's silence ended is told as one that ran to its end with errors, or
// as no answer when no record came at all.
Outcome readOutcome(int read, int errors, bool stopped, bool silenced = false) {
    Outcome o = stopped ? Outcome::of(Outcome::Kind::Cancelled, Detail::RecordsRead)
                : silenced && errors == read
                    ? Outcome::of(Outcome::Kind::NoAnswer)
                    : Outcome::of(errors == 0 ? Outcome::Kind::Succeeded
                                              : Outcome::Kind::FinishedWithErrors,
                                  Detail::RecordsRead);
    o.done = read;
    o.failed = errors;
    return o;
}

Readout refused(core::Frontend& frontend, Outcome::Kind kind, Detail detail = Detail::None) {
    return {core::finish(frontend, Outcome::of(kind, detail)), std::nullopt, std::nullopt};
}

// A transaction of the preamble failed: stopped by the engineer, or no answer.
Readout notAnswered(const line::Protocol& p, core::Frontend& frontend) {
    return refused(frontend,
                   p.stopRequested() ? Outcome::Kind::Cancelled : Outcome::Kind::NoAnswer);
}

// Reads one record into `entry`. A transfer that failed marks the entry; one that the
// engineer's stop cut short leaves it unread and returns false.
bool readEntry(line::Protocol& p, quint16 address, Record& entry, int& errors) {
    if (p.ReadRecord(address)) {
        copyRecord(p, entry);
        return true;
    }
    if (p.stopRequested())
        return false;
    markUnreadable(entry);
    ++errors;
    return true;
}

// An interval outside what the meter holds: the status, and a message that says what it holds.
Readout intervalRefused(core::Frontend& frontend, Detail error, Kind kind, int meterToday,
                        const QLocale& locale) {
    Readout r = refused(frontend, Outcome::Kind::IntervalRefused, error);
    if (error == Detail::IntervalInvalid) {
        const int back = kind == Kind::Daily ? kDailyDaysBack : kMinuteDaysBack;
        frontend.showInformation(core::texts::attentionCaption(),
                                 texts::meterHolds(kind == Kind::Daily,
                                                   shortDate(meterToday - back, locale),
                                                   shortDate(meterToday, locale)));
    }
    return r;
}

Readout readDaily(line::Protocol& p, core::Frontend& frontend, const Interval& interval,
                  int meterToday, DailyArchive& archive, const QLocale& locale,
                  const EntryHook& onEntry) {
    if (const Detail error = intervalError(interval, meterToday, kDailyDaysBack);
        error != Detail::None)
        return intervalRefused(frontend, error, Kind::Daily, meterToday, locale);
    frontend.setStatus(texts::readingDaily());
    frontend.processEvents();

    std::vector<Record>& entries = archive.entries;
    std::fill(entries.begin(), entries.end(), Record{});
    int errors = 0;
    const int count = interval.end - interval.start + 1;
    frontend.setProgressMaximum(count);
    if (count > kLongReadout)
        p.endAfterSilence(line::Protocol::kSilentTransactionsLimit);

    int n = 0;
    quint16 address = 0;
    if (interval.end == meterToday) {
        // Today's figures so far are in the running day record; the ring slot of today still
        // holds the day 731 days back.
        if (p.ReadMemory(device::memory::kRunningDayRecord, 8)) {
            copyRecord(p, entries[0]);
            n = 1;
        } else if (!p.stopRequested()) {
            markUnreadable(entries[0]);
            ++errors;
            n = 1;
        }
        if (n == 1) {
            entries[0].bytes[7] |= event_bit::kRecordPresent;
            if (onEntry)
                onEntry({interval.end, 0, true, &entries[0]});
        }
        address = dailyRecordAddress(interval.end - 1);
    } else {
        address = dailyRecordAddress(interval.end);
    }
    for (; n < count && !p.halted(); ++n) {
        if (!readEntry(p, address, entries[std::size_t(n)], errors))
            break;
        if (onEntry)
            onEntry({interval.end - n, 0, false, &entries[std::size_t(n)]});
        address = previousRecordAddress(address, Area::Daily);
    }
    const Outcome outcome = core::finish(
        frontend, readOutcome(n, errors, n < count && p.stopRequested(), p.meterSilent()));

    const bool interrupted = n < count;
    DailyReport report =
        buildDailyReport(entries, n, interval.start, interval.end, locale, interrupted);
    archive.summary = {quint16(n),        interval.end, report.volumeTotal,
                       report.hoursTotal, interrupted,  meterToday};
    return {outcome, std::move(report.lines), std::nullopt};
}

Readout readMinute(line::Protocol& p, core::Frontend& frontend, const Interval& interval,
                   int meterToday, MinuteArchive& archive, const QLocale& locale,
                   const EntryHook& onEntry) {
    if (const Detail error = intervalError(interval, meterToday, kMinuteDaysBack);
        error != Detail::None)
        return intervalRefused(frontend, error, Kind::Minute, meterToday, locale);
    frontend.setStatus(texts::readingMinute());
    frontend.processEvents();

    int hour = 23;
    int minute = 59;
    std::optional<qint64> drift;
    if (interval.end == meterToday) {
        // Without the meter's time there is no newest minute to start from.
        if (!p.ReadMemory(device::memory::kClock, 2))
            return notAnswered(p, frontend);
        const QDateTime pcTime = QDateTime::currentDateTime();
        hour = p.at(1);
        minute = p.at(2);
        // An impossible time would reach past the ring and the buffer.
        if (hour > 23 || minute > 59) {
            return refused(frontend, Outcome::Kind::FinishedWithErrors, Detail::MeterClockInvalid);
        }
        drift =
            pcTime.secsTo(QDateTime(device::dateFromDayNumber(meterToday), QTime(hour, minute)));
    }

    std::vector<Record>& entries = archive.entries;
    std::fill(entries.begin(), entries.end(), Record{});
    int errors = 0;
    const int span = (interval.end - interval.start) * device::archive_layout::kMinutesPerDay +
                     hour * 60 + minute;
    frontend.setProgressMaximum(span);
    if (span + 1 > kLongReadout)
        p.endAfterSilence(line::Protocol::kSilentTransactionsLimit);

    quint16 address = minuteRecordAddress(interval.end, hour, minute);
    MinuteClock clock{interval.end, hour, minute};
    int n = 0;
    for (; n <= span && !p.halted(); ++n) {
        if (!readEntry(p, address, entries[std::size_t(n)], errors))
            break;
        if (onEntry)
            onEntry({clock.date, clock.hour * 60 + clock.minute,
                     n == 0 && interval.end == meterToday, &entries[std::size_t(n)]});
        clock.stepBack();
        address = previousRecordAddress(address, Area::Minute);
    }
    const Outcome outcome = core::finish(
        frontend, readOutcome(n, errors, n <= span && p.stopRequested(), p.meterSilent()));

    const bool interrupted = n <= span;
    MinuteReport report = buildMinuteReport(entries, n, interval.start, interval.end, hour, minute,
                                            locale, interrupted);
    archive.summary = {quint16(n),         interval.end,        quint16(hour), quint16(minute),
                       report.volumeTotal, report.secondsTotal, interrupted,   meterToday};
    Readout done{outcome, std::move(report.lines), drift};
    return done;
}

} // namespace

Readout readArchive(line::Protocol& p, core::Frontend& frontend, Kind kind,
                    const Interval& interval, Archives& archives, const QLocale& locale,
                    const EntryHook& onEntry) {
    p.clearFlags();
    frontend.setProgressMaximum(kPreambleProgressMaximum);
    if (!p.ReadMemory(device::memory::kDeviceState, 1))
        return notAnswered(p, frontend);
    frontend.setProgressPosition(0);
    if (p.at(1) & device::state::kArchiveUnavailable) {
        return refused(frontend, Outcome::Kind::RefusedByMeter, Detail::ArchiveUnavailable);
    }
    // Without the meter's date neither the interval checks nor the ring addresses can be made.
    if (!p.ReadMemory(device::memory::kDate, 2))
        return notAnswered(p, frontend);
    const int meterToday = device::dayNumberFromDeviceDay(int(p.dataLE(1, 2)));
    archives.meterToday = meterToday;

    if (kind == Kind::Daily)
        return readDaily(p, frontend, interval, meterToday, archives.daily, locale, onEntry);
    return readMinute(p, frontend, interval, meterToday, archives.minute, locale, onEntry);
}

} // namespace archive
