#include "store/Sync.h"

#include "archive/ArchiveTexts.h"
#include "core/CancelTexts.h"
#include "core/Frontend.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "device/MemoryMap.h"
#include "link/Protocol.h"
#include "store/RecordWriter.h"

#include <algorithm>
#include <cstring>

namespace store::sync {

namespace {

using core::Outcome;
constexpr int kPreambleProgressMaximum = 1000;
constexpr int kDailyRing = device::archive_layout::kDailyRecords;   // 731
constexpr int kMinuteRing = device::archive_layout::kMinuteRecords; // 7200
// Ten transactions in a row without any answer: the meter is gone.
constexpr int kSilentLimit = 10;

quint16 ringAddress(Ring ring, Position p) {
    if (ring == Ring::Daily)
        return archive::dailyRecordAddress(int(p));
    return archive::minuteRecordAddress(int(p / 1440), int(p % 1440) / 60, int(p % 60));
}

archive::Record recordInBuffer(const line::Protocol& p) {
    archive::Record r;
    std::memcpy(r.bytes.data(), p.buffer() + 1, r.bytes.size());
    return r;
}

struct Range {
    Position first = 0, last = 0;
    qint64 unreadId = 0; // the row that notes what of it is still to read
};

// One ring's reading, newest record first, with its progress noted at every chunk.
class RingSync {
public:
    RingSync(line::Protocol& p, Store& store, Ring ring, qint64 meterId, qint64 visitId,
             RingResult& result)
        : p_(p), store_(store), ring_(ring), meterId_(meterId),
          writer_(&store, ring, meterId, visitId), result_(result) {
        writer_.setBeforeCommit([this](Store& s) { return noteProgress(s); });
    }

    // Decides what to read: the mark's slot is read here. False when the store failed or the
    // engineer stopped.
    bool plan(Position meterNow) {
        result_.ran = true;
        window_ = ringWindow(ring_, meterNow);
        const std::optional<StoredRecord> mark = store_.newestComplete(ring_, meterId_);
        if (!mark && !store_.error().isEmpty())
            return storeFailed(store_.error());
        std::optional<std::pair<Position, Position>> main = window_;
        if (mark && mark->position >= window_.first) {
            if (mark->position > window_.second) {
                result_.changed = true; // the clock went back past the mark
            } else {
                ++result_.requests;
                const bool read = p_.ReadRecord(ringAddress(ring_, mark->position));
                if (p_.stopRequested())
                    return false;
                if (read && recordInBuffer(p_).bytes == mark->record.bytes) {
                    main = mark->position < window_.second
                               ? std::optional(std::pair(mark->position + 1, window_.second))
                               : std::nullopt;
                } else {
                    result_.changed = read; // a failed read proves nothing either way
                }
            }
        }
        const std::optional<std::vector<UnreadRange>> unread = store_.unread(ring_, meterId_);
        if (!unread)
            return storeFailed(store_.error());
        std::vector<std::pair<Position, Position>> todo;
        if (main)
            todo.push_back(*main);
        for (const auto& r : pendingRanges(*unread, window_, main))
            todo.push_back(r);
        // The old notes give way to this sync's own, in one transaction.
        const bool noted = writer_.within([&](Store& s) {
            for (const UnreadRange& r : *unread) {
                if (!s.removeUnread(r.id))
                    return false;
            }
            for (const auto& [first, last] : todo) {
                const std::optional<qint64> id = s.addUnread(ring_, meterId_, first, last);
                if (!id)
                    return false;
                ranges_.push_back({first, last, *id});
            }
            return true;
        });
        if (!noted || !writer_.flush())
            return storeFailed(writer_.error());
        for (const Range& r : ranges_)
            planned_ += int(r.last - r.first + 1);
        return true;
    }

    int planned() const { return planned_; }

    // The running day's figures so far: stored as partial, replaced by any later read.
    void readRunningDay(Position today) {
        if (p_.ReadMemory(device::memory::kRunningDayRecord, 8)) {
            archive::Record r = recordInBuffer(p_);
            r.bytes[7] |= archive::event_bit::kRecordPresent;
            ++result_.read;
            writer_.put(today, r, true);
            widen(today);
        } else if (!p_.stopRequested()) {
            ++result_.unreadable;
        }
    }

    // Reads the planned ranges; false when it stopped early (stop, meter gone, store failed).
    bool read(int& silent) {
        for (Range& range : ranges_) {
            current_ = &range;
            remaining_ = range.last;
            for (next_ = range.last; next_ >= range.first; --next_) {
                if (p_.stopRequested() || writer_.failed() || silent >= kSilentLimit)
                    return finish(false);
                ++result_.requests;
                const Position at = next_;
                if (p_.ReadRecord(ringAddress(ring_, at))) {
                    silent = 0;
                    ++result_.read;
                    remaining_ = at - 1; // before the put, which may commit a chunk
                    writer_.put(at, recordInBuffer(p_));
                } else {
                    if (p_.stopRequested())
                        return finish(false);
                    ++silent;
                    ++result_.unreadable;
                    remaining_ = at - 1;
                    // Read again by the next sync while the ring holds it.
                    writer_.within(
                        [&](Store& s) { return s.addUnread(ring_, meterId_, at, at).has_value(); });
                }
                widen(at);
            }
            // The range is read: its note goes with the last chunk.
            const qint64 id = range.unreadId;
            writer_.within([id](Store& s) { return s.removeUnread(id); });
            current_ = nullptr;
        }
        return finish(true);
    }

    bool storeOk() const { return !writer_.failed() && storeError_.isEmpty(); }
    QString storeError() const { return storeError_.isEmpty() ? writer_.error() : storeError_; }

private:
    bool storeFailed(const QString& error) {
        storeError_ = error.isEmpty() ? QStringLiteral("SQL error") : error;
        return false;
    }

    void widen(Position at) {
        result_.from = result_.from ? std::min(*result_.from, at) : at;
        result_.to = result_.to ? std::max(*result_.to, at) : at;
    }

    // Inside each chunk: what of the running range is still to read.
    bool noteProgress(Store& s) {
        if (!current_)
            return true;
        return s.setUnreadLast(current_->unreadId, remaining_);
    }

    bool finish(bool whole) {
        writer_.flush();
        result_.fresh = writer_.fresh();
        result_.conflicts = writer_.conflicts();
        return whole && !writer_.failed();
    }

    line::Protocol& p_;
    Store& store_;
    Ring ring_;
    qint64 meterId_;
    RecordWriter writer_;
    RingResult& result_;
    std::pair<Position, Position> window_;
    std::vector<Range> ranges_;
    Range* current_ = nullptr;
    Position next_ = 0;
    Position remaining_ = 0; // the newest position of the running range not yet read
    int planned_ = 0;
    QString storeError_;
};

Result ended(core::Frontend& frontend, Result r, Outcome outcome) {
    r.outcome = core::finish(frontend, std::move(outcome));
    return r;
}

} // namespace

std::pair<Position, Position> ringWindow(Ring ring, Position meterNow) {
    if (ring == Ring::Daily) {
        const Position today = meterNow / 1440;
        return {today - kDailyRing, today - 1};
    }
    return {meterNow - (kMinuteRing - 1), meterNow - 1};
}

std::vector<std::pair<Position, Position>>
pendingRanges(const std::vector<UnreadRange>& unread, std::pair<Position, Position> window,
              std::optional<std::pair<Position, Position>> main) {
    std::vector<std::pair<Position, Position>> out;
    for (const UnreadRange& u : unread) {
        Position first = std::max(u.first, window.first);
        Position last = std::min(u.last, window.second);
        if (main) { // what the main range reads is left out
            if (first >= main->first && last <= main->second)
                continue;
            if (last >= main->first && last <= main->second)
                last = main->first - 1;
            if (first >= main->first && first <= main->second)
                first = main->second + 1;
        }
        if (first <= last)
            out.push_back({first, last});
    }
    std::sort(out.begin(), out.end(),
              [](const auto& a, const auto& b) { return a.second > b.second; });
    // Overlapping notes are read once.
    std::vector<std::pair<Position, Position>> merged;
    for (const auto& r : out) {
        if (!merged.empty() && r.second >= merged.back().first) {
            merged.back().first = std::min(merged.back().first, r.first);
            continue;
        }
        merged.push_back(r);
    }
    return merged;
}

Result run(line::Protocol& p, core::Frontend& frontend, Store& store, qint64 meterId,
           qint64 visitId, bool daily, bool minute) {
    Result r;
    p.clearFlags();
    frontend.setProgressMaximum(kPreambleProgressMaximum);
    const auto notAnswered = [&](Result res) {
        return ended(
            frontend, std::move(res),
            Outcome::of(p.stopRequested() ? Outcome::Kind::Cancelled : Outcome::Kind::NoAnswer));
    };
    if (!p.ReadMemory(device::memory::kDeviceState, 1))
        return notAnswered(r);
    frontend.setProgressPosition(0);
    if (p.at(1) & device::state::kArchiveUnavailable)
        return ended(
            frontend, r,
            Outcome::of(Outcome::Kind::RefusedByMeter, Outcome::Detail::ArchiveUnavailable));
    if (!p.ReadMemory(device::memory::kDate, 2))
        return notAnswered(r);
    const int today = device::dayNumberFromDeviceDay(int(p.dataLE(1, 2)));
    if (!p.ReadMemory(device::memory::kClock, 2))
        return notAnswered(r);
    r.pcTime = QDateTime::currentDateTime();
    const int hour = p.at(1);
    const int minuteOfHour = p.at(2);
    if (hour > 23 || minuteOfHour > 59)
        return ended(
            frontend, r,
            Outcome::of(Outcome::Kind::FinishedWithErrors, Outcome::Detail::MeterClockInvalid));
    r.meterTime = QDateTime(device::dateFromDayNumber(today), QTime(hour, minuteOfHour));
    r.clockDriftSeconds = r.pcTime.secsTo(*r.meterTime);
    const Position now = minutePosition(today, hour * 60 + minuteOfHour);

    std::optional<RingSync> dailySync, minuteSync;
    if (daily)
        dailySync.emplace(p, store, Ring::Daily, meterId, visitId, r.daily);
    if (minute)
        minuteSync.emplace(p, store, Ring::Minute, meterId, visitId, r.minute);
    bool storeOk = true;
    for (RingSync* s : {dailySync ? &*dailySync : nullptr, minuteSync ? &*minuteSync : nullptr}) {
        if (!s || !storeOk)
            continue;
        if (!s->plan(now)) {
            if (!s->storeOk()) {
                storeOk = false;
                r.storeError = s->storeError();
            }
        }
    }
    int planned =
        (dailySync ? dailySync->planned() + 1 : 0) + (minuteSync ? minuteSync->planned() : 0);
    frontend.setProgressMaximum(std::max(planned, 1));

    bool whole = storeOk && !p.stopRequested();
    int silent = 0;
    if (whole && dailySync) {
        dailySync->readRunningDay(today);
        whole = dailySync->read(silent);
    }
    if (whole && minuteSync)
        whole = minuteSync->read(silent);
    for (RingSync* s : {dailySync ? &*dailySync : nullptr, minuteSync ? &*minuteSync : nullptr}) {
        if (s && !s->storeOk() && r.storeError.isEmpty())
            r.storeError = s->storeError();
    }

    const int read = r.daily.read + r.minute.read;
    const int errors = r.daily.unreadable + r.minute.unreadable;
    Outcome o;
    if (p.stopRequested())
        o = Outcome::of(Outcome::Kind::Cancelled, Outcome::Detail::RecordsRead);
    else if (!r.storeError.isEmpty() || silent >= kSilentLimit)
        o = Outcome::of(read == 0 && errors > 0 ? Outcome::Kind::NoAnswer
                                                : Outcome::Kind::FinishedWithErrors);
    else if (errors > 0)
        o = Outcome::of(Outcome::Kind::FinishedWithErrors, Outcome::Detail::RecordsRead);
    else
        o = Outcome::of(Outcome::Kind::Succeeded, Outcome::Detail::RecordsRead);
    o.done = read + errors;
    o.failed = errors;
    return ended(frontend, r, o);
}

} // namespace store::sync
