#pragma once

#include "link/Cancel.h"

#include <QString>
#include <QtGlobal>

#include <functional>

namespace line {

// Read time-outs in the meter's terms: a read of n bytes gives up once
// totalMultiplierMs * n + totalConstantMs have passed, or once more than intervalMs pass
// between two bytes (counted from the first byte); zero disables each limit. All three zero
// means the read waits until every byte has arrived.
struct ReadTimeouts {
    int intervalMs = 0;
    int totalMultiplierMs = 0;
    int totalConstantMs = 0;
};

// The connection time-outs: every read returns within 32 ms with what has arrived.
constexpr ReadTimeouts kConnectionTimeouts{0, 0, 32};
// The remote-access client's pipe carries the frames with a bound of 4000 ms per answer.
constexpr ReadTimeouts kPipeTimeouts{0, 0, 4000};

// Why a link could not be opened, in the operating system's words.
struct OpenFailure {
    QString reason;
    bool permissionDenied = false; // the user may not open the port
};

// One open byte stream to the meter: a serial port or the remote-access client's pipe.
class Link {
public:
    enum class Kind { Serial, Pipe };

    virtual ~Link() = default;

    virtual Kind kind() const = 0;
    // Sends every byte; false when the line refused them.
    virtual bool write(const quint8* data, int count) = 0;
    // Reads up to `count` bytes with the current time-outs; returns how many arrived.
    virtual int read(quint8* data, int count) = 0;
    // Drops every byte already received and not yet read.
    virtual void discardInput() = 0;
    // Drops bytes until none has come for `quietMs` (at most `limitMs` in all): an answer that
    // is still on its way after a read gave up is taken off the line.
    virtual void discardUntilQuiet(int quietMs, int limitMs) = 0;
    // How long the line must stay quiet before no late answer can follow: longer than one
    // answer's read time-out.
    virtual int quietPeriodMs() const = 0;
    virtual void setTimeouts(const ReadTimeouts& timeouts) = 0;
    virtual void close() = 0;

    // Reads up to `count` bytes, waiting at most `limitMs` in all (0: only what has already
    // arrived), whatever the read time-outs; returns how many arrived.
    virtual int readWithin(quint8* data, int count, int limitMs) = 0;
    // True once the operating system has reported the line gone (an I/O error or hang-up on
    // the port, the other end closing the pipe): nothing can be sent or received any more,
    // and the port has been closed.
    virtual bool gone() const { return false; }
    // Why the line is gone, in the operating system's words; empty while it is not.
    virtual QString goneReason() const { return {}; }

    // Called between the short slices of a long wait, so that the window stays live.
    void setIdleHook(std::function<void()> hook) { idleHook_ = std::move(hook); }
    // A read or a drain that is waiting gives up as soon as the token asks to stop; a write
    // always completes, so no frame is cut in half.
    void setCancelToken(const CancelToken* token) { cancel_ = token; }

protected:
    void idle() {
        if (idleHook_)
            idleHook_();
    }
    bool stopRequested() const { return cancel_ && cancel_->stopNow(); }

private:
    std::function<void()> idleHook_;
    const CancelToken* cancel_ = nullptr;
};

} // namespace line
