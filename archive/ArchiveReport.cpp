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
void addHeader(QStringList& lines, const QString& title, int startDate, int endDate,
               const char* const header[3], const QLocale& locale) {
    lines << title + shortDate(startDate, locale) + texts::titleTo() + shortDate(endDate, locale)
          << QString();
    for (int i = 0; i < 3; ++i)
        lines << QString::fromUtf8(header[i]);
    lines << texts::rule();
}
} // namespace

QString shortDate(int dayNumber, const QLocale& locale) {
    return locale.toString(device::dateFromDayNumber(dayNumber), QLocale::ShortFormat);
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
                             int endDate, const QLocale& locale) {
    DailyReport report;
    QStringList& lines = report.lines;
    lines.reserve(count + 10);
    addHeader(lines, texts::dailyTitle(), startDate, endDate, texts::kDailyHeader, locale);

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
                     hoursField(report.hoursTotal, locale);
    }
    return report;
}

MinuteReport buildMinuteReport(const std::vector<Record>& entries, int count, int startDate,
                               int endDate, int endHour, int endMinute, const QLocale& locale) {
    MinuteReport report;
    QStringList& lines = report.lines;
    lines.reserve(count + 10);
    addHeader(lines, texts::minuteTitle(), startDate, endDate, texts::kMinuteHeader, locale);

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
                     secondsField(report.secondsTotal);
    }
    return report;
}

} // namespace archive
