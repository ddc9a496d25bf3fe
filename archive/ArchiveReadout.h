#pragma once

#include "archive/ArchiveBuffers.h"
#include "core/Outcome.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

#include <functional>
#include <optional>

namespace core {
class Frontend;
}
namespace line {
class Protocol;
}

// "Читать" on the Archive tab: the branch of a connection that reads the daily or the minute
// archive for an interval of dates, newest record first, into its buffer, and builds its report.
namespace archive {

enum class Kind { Daily, Minute };

// Whole days as day numbers (since 1899-12-30); the time of day plays no part.
struct Interval {
    int start = 0;
    int end = 0;
};

// The meter's status byte, its date, then the chosen readout. Entered with the link open and
// the identity confirmed; every outcome ends in a status text. When the interval passed its
// checks and the meter's date (and for the minute archive its time) could be read, the
// archive's buffer and summary are replaced and the report lines are returned; otherwise
// nothing of the archive changes.
struct Readout {
    core::Outcome outcome;
    std::optional<QStringList> lines; // the report, when the readout passed its checks
    // How far the meter's clock is ahead of the PC's, when the readout read the meter's time
    // (a minute readout ending today): minutes are all the meter tells.
    std::optional<qint64> clockDriftSeconds;
};

// Each entry as soon as it is read, so that it can be kept elsewhere at once: its day (and
// minute of the day), and whether it holds running figures: the running day's record, or the
// minute at the meter's now, whose slot still holds the minute five days back.
struct EntryRead {
    int dayNumber = 0;
    int minuteOfDay = 0;
    bool running = false;
    const Record* record = nullptr;
};
using EntryHook = std::function<void(const EntryRead&)>;

Readout readArchive(line::Protocol& protocol, core::Frontend& frontend, Kind kind,
                    const Interval& interval, Archives& archives, const QLocale& locale,
                    const EntryHook& onEntry = {});

} // namespace archive
