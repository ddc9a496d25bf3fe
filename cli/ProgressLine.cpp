#include "cli/ProgressLine.h"

#include <QCoreApplication>

namespace cli {

ProgressLine::ProgressLine(Mode mode, std::function<void(const QString&)> write)
    : mode_(mode), write_(std::move(write)) {
    sinceStart_.start();
}

QString ProgressLine::text(int percent, int position, int maximum, std::optional<qint64> leftMs) {
    QString line = QStringLiteral("%1% %2/%3").arg(percent).arg(position).arg(maximum);
    if (leftMs)
        line += QLatin1Char(' ') + QCoreApplication::translate("Progress", "осталось") +
                QLatin1Char(' ') + core::TimeLeft::text(*leftMs);
    return line;
}

void ProgressLine::setMaximum(int maximum) {
    erase();
    follower_.setMaximum(maximum);
    lastPercent_ = -1;
}

void ProgressLine::setPosition(int position) {
    follower_.setPosition(position);
    if (position == 0)
        erase();
    else
        show();
}

void ProgressLine::step() {
    follower_.step();
    show();
}

void ProgressLine::show() {
    if (mode_ == Mode::Off || follower_.position() <= 0)
        return;
    const std::optional<qint64> left = follower_.timeLeftMs();
    // Short actions show nothing: the estimate says whether this one is long.
    if (!left)
        return;
    const int percent = follower_.percent();
    const qint64 now = sinceStart_.elapsed();
    if (mode_ == Mode::Lines) {
        if (percent <= lastPercent_)
            return;
        lastPercent_ = percent;
        write_(text(percent, follower_.position(), follower_.maximum(), left) + QLatin1Char('\n'));
        return;
    }
    if (percent == lastPercent_ && now - lastDrawAt_ < kRedrawEveryMs)
        return;
    lastPercent_ = percent;
    lastDrawAt_ = now;
    const QString line = text(percent, follower_.position(), follower_.maximum(), left);
    // Blanks cover what a longer line before left on the terminal.
    const int pad = std::max(0, shownWidth_ - int(line.size()));
    write_(QLatin1Char('\r') + line + QString(pad, QLatin1Char(' ')));
    shownWidth_ = int(line.size());
}

void ProgressLine::erase() {
    if (mode_ != Mode::Redraw || shownWidth_ == 0)
        return;
    write_(QLatin1Char('\r') + QString(shownWidth_, QLatin1Char(' ')) + QLatin1Char('\r'));
    shownWidth_ = 0;
    lastPercent_ = -1;
}

} // namespace cli
