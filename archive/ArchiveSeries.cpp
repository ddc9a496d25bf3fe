#include "archive/ArchiveSeries.h"

#include "archive/ArchiveReport.h"
#include "archive/ArchiveTexts.h"
#include "device/DeviceDates.h"

#include <QDateTime>

#include <algorithm>

namespace archive {

namespace {

constexpr double kMinutesPerHour = 60;

// A day number and a minute of the day as the axis counts time: the PC's local time.
qint64 stampOf(int dayNumber, int minuteOfDay) {
    return QDateTime(device::dateFromDayNumber(dayNumber),
                     QTime(minuteOfDay / 60, minuteOfDay % 60))
        .toMSecsSinceEpoch();
}

QStringList marksOf(const Record& r) {
    if (r.unreadable())
        return {texts::transferErrorCell()};
    QStringList list = eventTexts(r.events(), EventTarget::Report);
    for (QString& text : list) {
        if (text.startsWith(QLatin1Char(' ')))
            text.remove(0, 1);
    }
    return list;
}

} // namespace

ArchiveSeries archiveSeries(Kind kind, const Archives& archives) {
    ArchiveSeries s;
    s.kind = kind;
    const bool daily = kind == Kind::Daily;
    const std::vector<Record>& entries = daily ? archives.daily.entries : archives.minute.entries;
    const int count =
        daily ? archives.daily.summary.recordCount : archives.minute.summary.recordCount;
    s.stamps.resize(std::size_t(count));
    s.volume.resize(std::size_t(count));
    s.second.resize(std::size_t(count));

    MinuteClock clock{archives.minute.summary.endDate, archives.minute.summary.endHour,
                      archives.minute.summary.endMinute};
    // Entry 0 is the newest: it becomes the last point.
    for (int i = 0; i < count; ++i) {
        const std::size_t point = std::size_t(count - 1 - i);
        const Record& r = entries[std::size_t(i)];
        if (daily) {
            s.stamps[point] = stampOf(archives.daily.summary.endDate - i, 0);
        } else {
            s.stamps[point] = stampOf(clock.date, clock.hour * 60 + clock.minute);
            clock.stepBack();
        }
        if (!r.present())
            continue;
        if (!r.unreadable()) {
            const double volume = r.volumeCubicMetres();
            s.volume[point] = volume;
            s.second[point] =
                daily ? r.workingTime() / kDailyTimeUnitsPerHour : volume * kMinutesPerHour;
        }
        QStringList marks = marksOf(r);
        if (!marks.isEmpty())
            s.marks.push_back({int(point), std::move(marks)});
    }
    std::reverse(s.marks.begin(), s.marks.end());
    if (count > 0) {
        const int end = daily ? archives.daily.summary.endDate : archives.minute.summary.endDate;
        const int first =
            daily ? end - count + 1 : clock.date + (clock.hour == 23 && clock.minute == 59);
        s.title = (daily ? texts::dailyTitle() : texts::minuteTitle()) +
                  shortDate(first, QLocale()) + texts::titleTo() + shortDate(end, QLocale());
    }
    return s;
}

std::vector<std::pair<int, int>> presentRuns(const std::vector<std::optional<double>>& values) {
    std::vector<std::pair<int, int>> runs;
    int first = -1;
    for (int i = 0; i <= int(values.size()); ++i) {
        const bool present = i < int(values.size()) && values[std::size_t(i)].has_value();
        if (present && first < 0)
            first = i;
        if (!present && first >= 0) {
            runs.emplace_back(first, i - 1);
            first = -1;
        }
    }
    return runs;
}

} // namespace archive
