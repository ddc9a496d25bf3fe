#include "archive/ArchiveSeries.h"

#include "archive/ArchiveReport.h"
#include "archive/ArchiveTexts.h"
#include "device/DeviceDates.h"

#include <QDateTime>

#include <algorithm>
#include <iterator>

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
    if (count > 0 ||
        (daily ? archives.daily.summary.interrupted : archives.minute.summary.interrupted))
        s.title = daily ? dailyReadoutTitle(archives.daily.summary, QLocale())
                        : minuteReadoutTitle(archives.minute.summary, QLocale());
    return s;
}

std::vector<TimeTick> timeTicks(Kind kind, qint64 fromMs, qint64 toMs, int maxTicks,
                                const QLocale& locale) {
    std::vector<TimeTick> ticks;
    if (toMs <= fromMs || maxTicks < 1)
        return ticks;
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    dateFormat.replace(QStringLiteral("yyyy"), QStringLiteral("yy"));
    const QDateTime from = QDateTime::fromMSecsSinceEpoch(fromMs);
    if (kind == Kind::Daily) {
        static constexpr int kStepsDays[] = {1, 2, 3, 7, 14, 28, 61, 91, 183, 366};
        QDate first = from.date();
        if (from.time() != QTime(0, 0))
            first = first.addDays(1);
        const qint64 days =
            QDateTime::fromMSecsSinceEpoch(toMs - 1).date().toJulianDay() - first.toJulianDay() + 1;
        int step = kStepsDays[std::size(kStepsDays) - 1];
        for (int candidate : kStepsDays) {
            if ((days + candidate - 1) / candidate <= maxTicks) {
                step = candidate;
                break;
            }
        }
        for (QDate d = first;; d = d.addDays(step)) {
            const qint64 ms = QDateTime(d, QTime(0, 0)).toMSecsSinceEpoch();
            if (ms >= toMs)
                break;
            ticks.push_back({ms, locale.toString(d, dateFormat)});
        }
        return ticks;
    }
    static constexpr int kStepsMinutes[] = {1, 2, 5, 10, 15, 30, 60, 120, 180, 360, 720, 1440};
    const qint64 spanMinutes = (toMs - fromMs) / 60000 + 1;
    int step = kStepsMinutes[std::size(kStepsMinutes) - 1];
    for (int candidate : kStepsMinutes) {
        if (spanMinutes / candidate + 1 <= maxTicks) {
            step = candidate;
            break;
        }
    }
    const QString format = dateFormat + QStringLiteral(" HH:mm");
    // From the midnight before `from`, on whole steps of the day.
    for (QDate d = from.date(); QDateTime(d, QTime(0, 0)).toMSecsSinceEpoch() < toMs;
         d = d.addDays(1)) {
        for (int minute = 0; minute < 1440; minute += step) {
            const QDateTime t(d, QTime(minute / 60, minute % 60));
            const qint64 ms = t.toMSecsSinceEpoch();
            if (ms >= toMs)
                return ticks;
            if (ms >= fromMs)
                ticks.push_back({ms, locale.toString(t, format)});
        }
    }
    return ticks;
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
