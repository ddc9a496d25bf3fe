#include "store/History.h"

#include "archive/ArchiveReport.h"

namespace store::history {

Built fromRecords(const std::vector<StoredRecord>& records, archive::Kind kind, Position from,
                  Position to, const QLocale& locale) {
    Built b;
    const int count = int(to - from + 1);
    if (kind == archive::Kind::Daily) {
        archive::DailyArchive& a = b.archives.daily;
        a.entries.assign(std::size_t(std::max(count, 1)), archive::Record{});
        for (const StoredRecord& r : records) {
            if (r.position >= from && r.position <= to)
                a.entries[std::size_t(to - r.position)] = r.record;
        }
        archive::DailyReport report =
            archive::buildDailyReport(a.entries, count, int(from), int(to), locale);
        // No meter was asked: the stored range's end stands for the meter's date.
        a.summary = {quint16(count),    int(to), report.volumeTotal,
                     report.hoursTotal, false,   int(to)};
        b.lines = std::move(report.lines);
        return b;
    }
    archive::MinuteArchive& a = b.archives.minute;
    a.entries.assign(std::size_t(std::max(count, 1)), archive::Record{});
    for (const StoredRecord& r : records) {
        if (r.position >= from && r.position <= to)
            a.entries[std::size_t(to - r.position)] = r.record;
    }
    const int endDay = int(to / 1440);
    const int endHour = int(to % 1440) / 60;
    const int endMinute = int(to % 60);
    archive::MinuteReport report = archive::buildMinuteReport(a.entries, count, int(from / 1440),
                                                              endDay, endHour, endMinute, locale);
    a.summary = {quint16(count),
                 endDay,
                 quint16(endHour),
                 quint16(endMinute),
                 report.volumeTotal,
                 report.secondsTotal,
                 false,
                 endDay};
    b.lines = std::move(report.lines);
    return b;
}

std::optional<Built> build(Store& store, qint64 meterId, archive::Kind kind, Position from,
                           Position to, const QLocale& locale) {
    if (to < from || to - from + 1 > kMaxEntries)
        return std::nullopt;
    const Ring ring = kind == archive::Kind::Daily ? Ring::Daily : Ring::Minute;
    const std::optional<std::vector<StoredRecord>> records = store.records(ring, meterId, from, to);
    if (!records)
        return std::nullopt;
    return fromRecords(*records, kind, from, to, locale);
}

} // namespace store::history
