#include "link/IoDeviceLink.h"

#include <QElapsedTimer>

#include <algorithm>

namespace line {

bool IoDeviceLink::noteLoss() {
    if (!goneReason_.isEmpty())
        return true;
    const QString reason = lossReason();
    if (reason.isEmpty())
        return false;
    goneReason_ = reason;
    close();
    return true;
}

bool IoDeviceLink::write(const quint8* data, int count) {
    if (noteLoss())
        return false;
    QIODevice* dev = device();
    if (dev->write(reinterpret_cast<const char*>(data), count) != count) {
        noteLoss();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (dev->bytesToWrite() > 0) {
        const qint64 left = kWriteLimitMs - clock.elapsed();
        if (left <= 0 || noteLoss() || !canReceive())
            return false;
        dev->waitForBytesWritten(int(std::min<qint64>(left, kSliceMs)));
        if (dev->bytesToWrite() > 0 && clock.elapsed() >= kSliceMs)
            idle();
    }
    return true;
}

int IoDeviceLink::read(quint8* data, int count) {
    if (gone())
        return 0;
    QIODevice* dev = device();
    const qint64 total = qint64(timeouts_.totalMultiplierMs) * count + timeouts_.totalConstantMs;
    QElapsedTimer clock;
    clock.start();
    qint64 lastByteAt = -1;
    int got = 0;
    while (got < count) {
        const qint64 n = dev->read(reinterpret_cast<char*>(data) + got, count - got);
        if (n > 0) {
            got += int(n);
            lastByteAt = clock.elapsed();
            continue;
        }
        qint64 wait = kSliceMs;
        const qint64 now = clock.elapsed();
        if (total > 0)
            wait = std::min(wait, total - now);
        if (timeouts_.intervalMs > 0 && lastByteAt >= 0)
            wait = std::min(wait, timeouts_.intervalMs - (now - lastByteAt));
        if (wait <= 0 || noteLoss() || !canReceive() || stopRequested())
            break;
        if (!dev->waitForReadyRead(int(wait)) && clock.elapsed() >= kSliceMs)
            idle();
    }
    return got;
}

int IoDeviceLink::readWithin(quint8* data, int count, int limitMs) {
    if (gone())
        return 0;
    QIODevice* dev = device();
    QElapsedTimer clock;
    clock.start();
    int got = 0;
    pollInput();
    while (got < count) {
        const qint64 n = dev->read(reinterpret_cast<char*>(data) + got, count - got);
        if (n > 0) {
            got += int(n);
            continue;
        }
        const qint64 left = limitMs - clock.elapsed();
        if (left <= 0 || noteLoss() || !canReceive() || stopRequested())
            break;
        if (!dev->waitForReadyRead(int(std::min<qint64>(left, kSliceMs))) &&
            clock.elapsed() >= kSliceMs)
            idle();
    }
    return got;
}

void IoDeviceLink::discardInput() {
    if (gone())
        return;
    pollInput();
    device()->readAll();
}

void IoDeviceLink::discardUntilQuiet(int quietMs, int limitMs) {
    if (gone())
        return;
    QIODevice* dev = device();
    QElapsedTimer clock;
    clock.start();
    qint64 lastByteAt = 0;
    char scrap[64];
    while (clock.elapsed() < limitMs) {
        pollInput();
        if (dev->read(scrap, sizeof scrap) > 0) {
            lastByteAt = clock.elapsed();
            continue;
        }
        const qint64 quietLeft = quietMs - (clock.elapsed() - lastByteAt);
        if (quietLeft <= 0 || noteLoss() || !canReceive() || stopRequested())
            return;
        dev->waitForReadyRead(
            int(std::min<qint64>({quietLeft, kSliceMs, limitMs - clock.elapsed()})));
        if (clock.elapsed() >= kSliceMs)
            idle();
    }
}

int IoDeviceLink::quietPeriodMs() const {
    const int answerTime = timeouts_.totalConstantMs + 17 * timeouts_.totalMultiplierMs;
    return std::min(2 * std::max(answerTime, timeouts_.intervalMs), kQuietPeriodLimitMs);
}

} // namespace line
