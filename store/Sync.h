#pragma once

#include "core/Outcome.h"
#include "store/Store.h"

#include <QDateTime>

#include <optional>

namespace core {
class Frontend;
}
namespace line {
class Protocol;
}

// zetra-cli sync: reads only what the store does not hold yet. The newest complete stored
// record of each ring is the mark; its slot is read again, and while it holds the same bytes
// only the records after it are read. Otherwise (the archive was cleared or the clock moved)
// the whole ring is read and stored by the store's rules. Ranges a sync could not read (a
// failed transfer, a stop, a lost link) are noted and read by the next sync while the ring
// still holds them.
namespace store::sync {

struct RingResult {
    bool ran = false;
    int requests = 0;                 // ReadRecord requests sent, the mark's included
    int read = 0;                     // records read (the running day's figures included)
    int fresh = 0;                    // of those, stored for the first time
    int conflicts = 0;                // complete stored records that the meter now gives otherwise
    int unreadable = 0;               // transfers that failed
    bool changed = false;             // the mark's slot held other bytes: the whole ring was read
    std::optional<Position> from, to; // the positions read, oldest and newest
};

struct Result {
    core::Outcome outcome;
    RingResult daily, minute;
    std::optional<QDateTime> meterTime; // the meter's clock, local
    QDateTime pcTime;                   // the PC's clock when it was read
    std::optional<qint64> clockDriftSeconds;
    QString storeError; // the store failed: what it said
};

// Entered with the link open, the identity confirmed and the meter known to the store.
Result run(line::Protocol& protocol, core::Frontend& frontend, Store& store, qint64 meterId,
           qint64 visitId, bool daily, bool minute);

// The positions a ring holds when the meter's clock shows `meterNow` (a minute position):
// the daily ring the 731 days before today, the minute ring the 7199 minutes before now.
std::pair<Position, Position> ringWindow(Ring ring, Position meterNow);

// The ranges still to read besides the main one, clipped to the ring's window and without
// what the main range covers; newest first.
std::vector<std::pair<Position, Position>>
pendingRanges(const std::vector<UnreadRange>& unread, std::pair<Position, Position> window,
              std::optional<std::pair<Position, Position>> main);

} // namespace store::sync
