#include "archive/ArchiveReport.h"

#include "archive/ArchiveTexts.h"
#include "device/DeviceDates.h"
#include "device/NumberText.h"

#include <cmath>

namespace archive {

namespace {
constexpr int kVolumeWidth = 11;
constexpr int kHoursWidth = 8;
constexpr int kSecondsWidth = 8;

// Title, empty line, three header lines, rule.
void addHeader(QStringList& lines, const QString& title, const char* const header[3]) {
    lines << title << QString();
    for (int i = 0; i < 3; ++i)
        lines << QString::fromUtf8(header[i]);
    lines << texts::rule();
}

QString interruptedMark(bool interrupted) {
    return interrupted ? QLatin1Char(' ') + texts::interruptedTotals() : QString();
}

QString minuteStamp(const MinuteClock& clock, const QLocale& locale) {
    return shortDate(clock.date, locale) + QLatin1Char(' ') +
           device::formatClock(clock.hour, clock.minute);
}
} // namespace

QString shortDate(int dayNumber, const QLocale& locale) {
    return locale.toString(device::dateFromDayNumber(dayNumber), QLocale::ShortFormat);
}

QString dailyReadoutTitle(const DailySummary& s, const QLocale& locale) {
    const int first = s.endDate - s.recordCount + 1;
    if (!s.interrupted)
        return texts::dailyTitle() + shortDate(first, locale) + texts::titleTo() +
               shortDate(s.endDate, locale);
    if (s.recordCount == 0)
        return texts::interruptedDailyNothingRead();
    return texts::interruptedDailyTitle(shortDate(first, locale), shortDate(s.endDate, locale));
}

QString minuteReadoutTitle(const MinuteSummary& s, const QLocale& locale) {
    const MinuteClock end{s.endDate, s.endHour, s.endMinute};
    MinuteClock first = end;
    for (int i = 1; i < s.recordCount; ++i)
        first.stepBack();
    if (!s.interrupted)
        return texts::minuteTitle() + shortDate(first.date, locale) + texts::titleTo() +
               shortDate(s.endDate, locale);
    if (s.recordCount == 0)
        return texts::interruptedMinuteNothingRead();
    return texts::interruptedMinuteTitle(minuteStamp(first, locale), minuteStamp(end, locale));
}

QString volumeField(double cubicMetres, const QLocale& locale) {
    return device::formatFixed(cubicMetres, 15, 3, locale).rightJustified(kVolumeWidth);
}

QString hoursField(double hours, const QLocale& locale) {
    return device::formatFixed(hours, 3, 1, locale).rightJustified(kHoursWidth);
}

QString secondsField(double seconds) {
    return QString::number(qint64(std::llround(seconds))).rightJustified(kSecondsWidth);
}

DailyReport buildDailyReport(const std::vector<Record>& entries, int count, int startDate,
                             int endDate, const QLocale& locale, bool interrupted) {
    DailyReport report;
    QStringList& lines = report.lines;
    lines.reserve(count + 10);
    const QString title = interrupted
                              ? dailyReadoutTitle({quint16(count), endDate, 0, 0, true}, locale)
                              : texts::dailyTitle() + shortDate(startDate, locale) +
                                    texts::titleTo() + shortDate(endDate, locale);
    addHeader(lines, title, texts::kDailyHeader);

    const bool anyRecord = layOutEntries(
        entries, count,
        [&](int i, const Record& entry) {
            const QString date = shortDate(endDate - i, locale);
            if (entry.unreadable()) {
                lines << date + texts::transferErrorRow();
                return;
            }
            const double volume = entry.volumeCubicMetres();
            const double hours = entry.workingTime() / kDailyTimeUnitsPerHour;
            report.volumeTotal += volume;
            report.hoursTotal += hours;
            lines << date + volumeField(volume, locale) + hoursField(hours, locale) +
                         eventText(entry.events(), EventTarget::Report);
        },
        [&] { lines << QString(); });

    if (!anyRecord) {
        lines << texts::noRecords();
    } else {
        lines << texts::rule()
              << texts::dailyTotals() + volumeField(report.volumeTotal, locale) +
                     hoursField(report.hoursTotal, locale) + interruptedMark(interrupted);
    }
    return report;
}

MinuteReport buildMinuteReport(const std::vector<Record>& entries, int count, int startDate,
                               int endDate, int endHour, int endMinute, const QLocale& locale,
                               bool interrupted) {
    MinuteReport report;
    QStringList& lines = report.lines;
    lines.reserve(count + 10);
    const QString title = interrupted
                              ? minuteReadoutTitle({quint16(count), endDate, quint16(endHour),
                                                    quint16(endMinute), 0, 0, true},
                                                   locale)
                              : texts::minuteTitle() + shortDate(startDate, locale) +
                                    texts::titleTo() + shortDate(endDate, locale);
    addHeader(lines, title, texts::kMinuteHeader);

    // The row clock steps back one minute per entry, present or empty.
    MinuteClock clock{endDate, endHour, endMinute};
    int clockEntry = 0;
    // Consecutive entries mostly share their date: format it once per date.
    int shownDate = clock.date + 1;
    QString dateText;
    const bool anyRecord = layOutEntries(
        entries, count,
        [&](int i, const Record& entry) {
            for (; clockEntry < i; ++clockEntry)
                clock.stepBack();
            if (clock.date != shownDate) {
                shownDate = clock.date;
                dateText = shortDate(shownDate, locale);
            }
            const QString stamp =
                dateText + QLatin1Char(' ') + device::formatClock(clock.hour, clock.minute);
            if (entry.unreadable()) {
                lines << stamp + texts::transferErrorRow();
                return;
            }
            const double volume = entry.volumeCubicMetres();
            const double seconds = entry.workingTime();
            report.volumeTotal += volume;
            report.secondsTotal += seconds;
            lines << stamp + volumeField(volume, locale) + secondsField(seconds) +
                         eventText(entry.events(), EventTarget::Report);
        },
        [&] { lines << QString(); });

    if (!anyRecord) {
        lines << texts::noRecords();
    } else {
        lines << texts::rule()
              << texts::minuteTotals() + volumeField(report.volumeTotal, locale) +
                     secondsField(report.secondsTotal) + interruptedMark(interrupted);
    }
    return report;
}

} // namespace archive
