#include "core/TimeLeft.h"

#include <QElapsedTimer>

#include <algorithm>
#include <memory>

namespace core {

void TimeLeft::start(qint64 totalUnits, qint64 nowMs) {
    running_ = totalUnits > 0;
    total_ = std::max<qint64>(totalUnits, 0);
    done_ = 0;
    startedAt_ = now_ = nowMs;
    samples_.clear();
    samples_.push_back({nowMs, 0});
}

void TimeLeft::update(qint64 doneUnits, qint64 nowMs) {
    if (!running_)
        return;
    doneUnits = std::clamp<qint64>(doneUnits, 0, total_);
    if (doneUnits < done_) {
        // A bar that moves back (a block answer out of order) measures afresh from here.
        samples_.clear();
        samples_.push_back({nowMs, doneUnits});
    } else if (doneUnits > done_) {
        samples_.push_back({nowMs, doneUnits});
    }
    done_ = doneUnits;
    now_ = nowMs;
    // Keep the newest sample that is at least a window old as the window's start.
    while (samples_.size() > 2 && nowMs - samples_[1].at >= kWindowMs)
        samples_.pop_front();
}

std::optional<qint64> TimeLeft::remainingMs() const {
    if (!running_ || samples_.empty())
        return std::nullopt;
    const Sample& from = samples_.front();
    const qint64 units = done_ - from.done;
    if (units <= 0)
        return std::nullopt;
    const qint64 left = total_ - done_;
    // The time since the last unit counts too: a stalled line raises the estimate.
    const double perUnit = double(now_ - from.at) / double(units);
    return qint64(perUnit * double(left) + 0.5);
}

bool TimeLeft::worthShowing() const {
    const std::optional<qint64> left = remainingMs();
    const qint64 measured = now_ - startedAt_;
    return left && measured >= kMeasureAtLeastMs && measured + *left > kShowAboveMs;
}

QString TimeLeft::text(qint64 ms) {
    const qint64 seconds = std::max<qint64>((ms + 500) / 1000, 0);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

ProgressFollower::ProgressFollower() {
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    clock_ = [clock] { return clock->elapsed(); };
}

void ProgressFollower::setMaximum(int maximum) {
    maximum_ = std::max(maximum, 0);
    position_ = std::min(position_, maximum_);
    if (!planned_)
        estimate_.start(maximum_, clock_());
}

void ProgressFollower::setPosition(int position) {
    position_ = std::clamp(position, 0, maximum_);
    if (!planned_)
        estimate_.update(position_, clock_());
}

void ProgressFollower::step() { setPosition(position_ + 1); }

void ProgressFollower::planWork(qint64 totalUnits) {
    planned_ = true;
    estimate_.start(totalUnits, clock_());
}

void ProgressFollower::workDone(qint64 units) {
    if (planned_)
        estimate_.update(units, clock_());
}

void ProgressFollower::endPlan() {
    planned_ = false;
    estimate_.stop();
}

int ProgressFollower::percent() const {
    return maximum_ > 0 ? int(qint64(position_) * 100 / maximum_) : 0;
}

std::optional<qint64> ProgressFollower::timeLeftMs() const {
    if (!estimate_.worthShowing())
        return std::nullopt;
    return estimate_.remainingMs();
}

} // namespace core
