#pragma once

#include "link/Link.h"

#include <QIODevice>

#include <memory>

namespace line {

// The waiting rules shared by the serial port and the pipe: both are QIODevices that can wait
// for incoming bytes. Long waits are cut into short slices with the idle hook between them.
class IoDeviceLink : public Link {
public:
    bool write(const quint8* data, int count) override;
    int read(quint8* data, int count) override;
    int readWithin(quint8* data, int count, int limitMs) override;
    void discardInput() override;
    void discardUntilQuiet(int quietMs, int limitMs) override;
    int quietPeriodMs() const override;
    void setTimeouts(const ReadTimeouts& timeouts) override { timeouts_ = timeouts; }
    bool gone() const override { return !goneReason_.isEmpty(); }
    QString goneReason() const override { return goneReason_; }

    // The longest a single wait blocks before the idle hook runs.
    static constexpr int kSliceMs = 20;
    // A write that the line does not take within this time has failed.
    static constexpr int kWriteLimitMs = 2000;
    // The longest quiet period asked for, whatever the read time-out.
    static constexpr int kQuietPeriodLimitMs = 250;

protected:
    explicit IoDeviceLink(ReadTimeouts timeouts) : timeouts_(timeouts) {}
    virtual QIODevice* device() const = 0;
    // False once the other end has gone away and no byte can arrive any more.
    virtual bool canReceive() const = 0;
    // Pulls whatever the operating system already holds into the device's buffer.
    virtual void pollInput() = 0;
    // What the operating system said when the line went away for good; empty while it works.
    virtual QString lossReason() const = 0;
    // Notes a line that went away: from then on nothing is sent or awaited, and the port is
    // closed at once so that no wait can spin on it. True when the line is gone.
    bool noteLoss();

private:
    ReadTimeouts timeouts_;
    QString goneReason_;
};

} // namespace line
