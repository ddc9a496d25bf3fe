#pragma once

#include "archive/ArchiveBuffers.h"

#include <QLocale>
#include <QStringList>

// The fixed-width text reports of the two archives, line by line, with the totals added up as
// the rows are written. Columns assume a 10-character short date (dd.mm.yyyy).
namespace archive {

struct DailyReport {
    QStringList lines;
    double volumeTotal = 0; // m3
    double hoursTotal = 0;
};

struct MinuteReport {
    QStringList lines;
    double volumeTotal = 0; // m3
    double secondsTotal = 0;
};

// `count` entries from entry 0 (the end date) back; `startDate` and `endDate` are day numbers.
// An interrupted readout's title and totals say that it holds only what was read.
DailyReport buildDailyReport(const std::vector<Record>& entries, int count, int startDate,
                             int endDate, const QLocale& locale, bool interrupted = false);

// `count` entries from entry 0 (endDate at endHour:endMinute) back one minute each.
MinuteReport buildMinuteReport(const std::vector<Record>& entries, int count, int startDate,
                               int endDate, int endHour, int endMinute, const QLocale& locale,
                               bool interrupted = false);

// The title of a readout (the report's first line, the workbook's A1, the chart's title):
// "Суточный архив с <start> по <end>", or for an interrupted one the dates (minute: dates and
// times) it holds. A complete readout's start is the date of its oldest entry.
QString dailyReadoutTitle(const DailySummary& summary, const QLocale& locale);
QString minuteReadoutTitle(const MinuteSummary& summary, const QLocale& locale);

// The fields of a row: volume in fixed 15/3 at least 11 wide, hours in fixed 3/1 at least 8
// wide, seconds as a whole number at least 8 wide.
QString volumeField(double cubicMetres, const QLocale& locale);
QString hoursField(double hours, const QLocale& locale);
QString secondsField(double seconds);

// A day number in the locale's short date format.
QString shortDate(int dayNumber, const QLocale& locale);

} // namespace archive
