#pragma once

#include "core/TimeLeft.h"

#include <QElapsedTimer>
#include <QString>

#include <functional>

namespace cli {

// The progress of a long action on standard error: the percent, the count done and the time
// left. On a terminal one line is redrawn in place; with --progress on anything else, one line
// per whole percent, each ending in a line feed; otherwise nothing. Only actions expected to
// take longer than a few seconds show it.
class ProgressLine {
public:
    enum class Mode { Off, Redraw, Lines };

    ProgressLine(Mode mode, std::function<void(const QString&)> write);

    core::ProgressFollower& follower() { return follower_; }

    void setMaximum(int maximum);
    void setPosition(int position);
    void step();
    // Takes a redrawn line off the terminal before other output goes there.
    void erase();

    // "37% 270/731 осталось 0:07"
    static QString text(int percent, int position, int maximum, std::optional<qint64> leftMs);

    // The least time between two redraws that only the time left would change.
    static constexpr qint64 kRedrawEveryMs = 200;

private:
    void show();

    Mode mode_;
    std::function<void(const QString&)> write_;
    core::ProgressFollower follower_;
    int lastPercent_ = -1;
    qint64 lastDrawAt_ = -kRedrawEveryMs;
    int shownWidth_ = 0;
    QElapsedTimer sinceStart_;
};

} // namespace cli
