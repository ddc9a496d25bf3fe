#pragma once

#include "archive/ArchiveBuffers.h"
#include "archive/ArchiveReadout.h"

#include <QLocale>
#include <QStringList>

#include <optional>
#include <vector>

// The chart of a readout, free of widgets: one point per entry of the archive buffer, oldest
// first, with a gap wherever an entry is absent or could not be read.
namespace archive {

struct ChartMark {
    int point = 0;     // index into ArchiveSeries::stamps
    QStringList texts; // the events (or the transfer error), without leading blanks
};

struct ArchiveSeries {
    Kind kind = Kind::Daily;
    // Local date and time of each point: the day (at midnight) or the minute.
    std::vector<qint64> stamps; // milliseconds since 1970-01-01 UTC
    // Daily: volume of the day in m3. Minute: volume of the minute in m3.
    std::vector<std::optional<double>> volume;
    // Daily: working hours of the day. Minute: the flow the minute's volume implies, m3/h.
    std::vector<std::optional<double>> second;
    // Entries with events or a transfer error.
    std::vector<ChartMark> marks;
    QString title; // as the report's first line (without the locale's date format)
};

ArchiveSeries archiveSeries(Kind kind, const Archives& archives);

// A mark of the chart's time axis: where it stands (local time, milliseconds since 1970-01-01
// UTC) and its label.
struct TimeTick {
    qint64 ms = 0;
    QString label;
};

// The time axis' marks from `fromMs` up to but not including `toMs`, at most `maxTicks` of
// them: daily at midnights every 1, 2, 3, 7, 14, ... days, labelled with the date; minute at
// the whole 1, 2, 5, 10, 15, 30 minutes or 1, 2, 3, 6, 12 hours of the day, labelled with the
// date and the time. Dates in the locale's short format with a two-digit year.
std::vector<TimeTick> timeTicks(Kind kind, qint64 fromMs, qint64 toMs, int maxTicks,
                                const QLocale& locale);

// The contiguous runs of present values, as [first, last] index pairs: one line each.
std::vector<std::pair<int, int>> presentRuns(const std::vector<std::optional<double>>& values);

} // namespace archive
