#pragma once

#include <QString>
#include <QtGlobal>

#include <deque>
#include <functional>
#include <optional>

namespace core {

// How long the running action still takes: the units of work still to go (transactions,
// records, bytes) times what the recent ones took. The rate is taken over the last few seconds
// rather than from the start, so that when a unit's cost changes (a meter that falls silent
// costs three read time-outs a transaction instead of one answer) the estimate follows within
// that window; while the cost stays the same it is the average since the start.
class TimeLeft {
public:
    // The rate is measured over at least this much of the recent past.
    static constexpr qint64 kWindowMs = 5000;
    // Only actions expected to take longer than this show the time left.
    static constexpr qint64 kShowAboveMs = 3000;
    // ... and only once this much of the work has been measured: the first transaction of a
    // step that the bar counts in thousandths (the meter's identity read) says nothing of the
    // work's length.
    static constexpr qint64 kMeasureAtLeastMs = 1000;

    // A new piece of work of `totalUnits`, begun at `nowMs`.
    void start(qint64 totalUnits, qint64 nowMs);
    // `doneUnits` of it are done at `nowMs` (a count that goes back starts a new window).
    void update(qint64 doneUnits, qint64 nowMs);
    void stop() { running_ = false; }

    bool running() const { return running_; }
    qint64 total() const { return total_; }
    qint64 done() const { return done_; }
    // Empty until a unit is done.
    std::optional<qint64> remainingMs() const;
    // The action is expected to take longer than kShowAboveMs in all, after kMeasureAtLeastMs.
    bool worthShowing() const;

    // "m:ss", minutes not limited ("75:03").
    static QString text(qint64 ms);

private:
    struct Sample {
        qint64 at;
        qint64 done;
    };
    bool running_ = false;
    qint64 total_ = 0;
    qint64 done_ = 0;
    qint64 startedAt_ = 0;
    qint64 now_ = 0;
    std::deque<Sample> samples_;
};

// Follows an action's progress bar the way the window and zetra-cli show it, and estimates
// the time left from it: each maximum set starts a new piece of work whose units are the bar's
// steps. An action whose bar restarts between phases of one job (firmware: blocks, then the
// read-back) plans the whole job in units of its own instead, and the bar's moves no longer
// drive the estimate until the plan ends.
class ProgressFollower {
public:
    ProgressFollower();
    // Milliseconds of a steady clock; for tests.
    void setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }

    void setMaximum(int maximum);
    void setPosition(int position);
    void step();
    void planWork(qint64 totalUnits);
    void workDone(qint64 units);
    void endPlan();

    int maximum() const { return maximum_; }
    int position() const { return position_; }
    // The whole percent of the bar.
    int percent() const;
    // The time left, when the work is expected to take longer than TimeLeft::kShowAboveMs.
    std::optional<qint64> timeLeftMs() const;
    const TimeLeft& estimate() const { return estimate_; }

private:
    std::function<qint64()> clock_;
    TimeLeft estimate_;
    bool planned_ = false;
    int maximum_ = 100;
    int position_ = 0;
};

} // namespace core
