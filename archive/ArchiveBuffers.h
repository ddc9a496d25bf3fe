#pragma once

#include "archive/ArchiveRecord.h"

#include <vector>

// What the readouts leave for the export, kept by the front end for the whole run: one buffer
// and one summary per archive. A summary describes the last readout that passed its interval
// checks; all zero (record count 0) until then.
namespace archive {

// The longest daily interval is the meter's today and the 731 days before it.
constexpr int kDailyEntries = device::archive_layout::kDailyRecords + 1;
constexpr int kMinuteEntries = device::archive_layout::kMinuteRecords;
// The daily working time counts 2 s units.
constexpr double kDailyTimeUnitsPerHour = 1800;

struct DailySummary {
    quint16 recordCount = 0;
    int endDate = 0;        // day number of entry 0
    double volumeTotal = 0; // m3
    double hoursTotal = 0;
    int meterDate = 0; // day number of the meter's own date at the readout
};

struct MinuteSummary {
    quint16 recordCount = 0;
    int endDate = 0; // day number of entry 0
    quint16 endHour = 0;
    quint16 endMinute = 0;
    double volumeTotal = 0; // m3
    double secondsTotal = 0;
    int meterDate = 0; // day number of the meter's own date at the readout
};

// Entry 0 is the interval's end date; entry i is i days earlier.
struct DailyArchive {
    std::vector<Record> entries = std::vector<Record>(kDailyEntries);
    DailySummary summary;
};

// Entry 0 is the newest minute of the interval; entry i is i minutes earlier.
struct MinuteArchive {
    std::vector<Record> entries = std::vector<Record>(kMinuteEntries);
    MinuteSummary summary;
};

struct Archives {
    DailyArchive daily;
    MinuteArchive minute;
};

// How the reports and the workbook lay the entries of a readout out, newest first:
// `present(i, entry)` for each entry whose record-present bit is set, `gap()` once after each
// run of empty entries that follows a present one (so empty entries before the first record
// leave nothing). Returns whether any entry was present.
template <typename Present, typename Gap>
bool layOutEntries(const std::vector<Record>& entries, int count, Present present, Gap gap) {
    bool anyRecord = false;
    bool lastWasRecord = false;
    for (int i = 0; i < count; ++i) {
        const Record& entry = entries[std::size_t(i)];
        if (!entry.present()) {
            if (lastWasRecord)
                gap();
            lastWasRecord = false;
            continue;
        }
        present(i, entry);
        anyRecord = lastWasRecord = true;
    }
    return anyRecord;
}

// A date and time of day that steps back one minute at a time: minute 0 becomes 59 of the
// previous hour, 00:00 becomes 23:59 of the previous date.
struct MinuteClock {
    int date = 0; // day number
    int hour = 0;
    int minute = 0;

    void stepBack() {
        if (minute > 0) {
            --minute;
            return;
        }
        minute = 59;
        if (hour > 0) {
            --hour;
            return;
        }
        hour = 23;
        --date;
    }
};

} // namespace archive
