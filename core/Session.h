#pragma once

#include "core/Outcome.h"
#include "link/Cancel.h"
#include "link/LinkOpener.h"
#include "link/Protocol.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <typeindex>

namespace core {

class ExchangeLog;
class Frontend;

// Why a link did not open, as the engineer reads it: the system's words (or that the port is
// not there), and what to do when the user may not open the port.
QString openFailureReason(const line::OpenFailure& failure);

// The one meter session of a front end (the window or zetra-cli) for the whole run: the
// protocol with its buffer and flags, the firmware version byte last read from the meter, and
// what the readouts keep between actions (the archive buffers). Every meter action runs
// through `run`, which opens the link the target names, lets the window breathe while the link
// waits, and closes the link again on every path.
//
// Cancelling, the time left and the exchange log plug in here: a cancel is asked of the
// session and seen by the protocol's progress hook between transactions; the protocol's trace
// hook is where the exchange log listens.
class Session {
public:
    enum class LinkUse { Any, SerialOnly };

    explicit Session(Frontend& frontend);

    Frontend& frontend() { return frontend_; }
    line::Protocol& protocol() { return protocol_; }

    // The version byte decides where the coefficients A and C go; 0 until a meter told it.
    quint8 firmwareVersionByte() const { return firmwareVersionByte_; }
    void noteFirmwareVersion(std::optional<quint8> versionByte) {
        if (versionByte)
            firmwareVersionByte_ = *versionByte;
    }

    // State a subsystem keeps from one action to the next, made on first use.
    template <class State>
    State& kept() {
        std::shared_ptr<void>& slot = kept_[std::type_index(typeid(State))];
        if (!slot)
            slot = std::make_shared<State>();
        return *static_cast<State*>(slot.get());
    }

    // Every frame sent and received, the transactions' and the programming procedure's.
    void setTraceHook(line::Protocol::TraceHook hook);
    const line::Protocol::TraceHook& traceHook() const { return trace_; }

    // The exchange log that hears every frame and the connection's events; none by default.
    void setExchangeLog(ExchangeLog* log);
    ExchangeLog* exchangeLog() const { return log_; }
    // Writes an event line when there is a log.
    void logEvent(const QString& text);
    // The event line of how an action ended.
    void logOutcome(const Outcome& outcome);

    // The person's request to stop: the link and the protocol honour it, each action decides
    // what a stop leaves. Every run starts with no request standing.
    line::CancelToken& cancel() { return cancel_; }

    // Opens the target's link (a serial port with `serialTimeouts`), runs `action` on it with
    // the protocol attached and closes it; the progress bar ends at 0. A link that cannot be
    // opened ends the action with its status.
    Outcome run(const line::LinkTarget& target, const line::ReadTimeouts& serialTimeouts,
                LinkUse use, const std::function<Outcome(line::Link&)>& action);

private:
    Frontend& frontend_;
    line::Protocol protocol_;
    quint8 firmwareVersionByte_ = 0;
    line::Protocol::TraceHook trace_;
    ExchangeLog* log_ = nullptr;
    line::CancelToken cancel_;
    std::map<std::type_index, std::shared_ptr<void>> kept_;
};

} // namespace core
