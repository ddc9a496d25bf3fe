#pragma once

#include <QString>

#include <optional>

namespace line {
class Protocol;
}

namespace core {

class Frontend;

// How a meter action ended, as a value: the window turns it into the status line, zetra-cli
// into its status line and exit code. Counts say how far the action got.
struct Outcome {
    enum class Kind {
        Succeeded,          // everything the action set out to do was done
        FinishedWithErrors, // it ran to its end, but transactions failed or a check disagreed
        NoAnswer,           // the meter did not answer
        PortNotOpened,      // the link could not be opened
        ForeignDevice,      // something answered that is not this kind of meter
        RefusedByMeter,     // the meter forbids changes or clearing, or its archive is shut
        InputRefused,       // the engineer's input failed its checks
        IntervalRefused,    // the archive interval failed its checks
        Declined,           // a question was answered No
        Cancelled,          // the engineer stopped the action
    };

    Kind kind = Kind::Succeeded;
    int done = 0;     // what the action counts as done: records read, records cleared, ...
    int failed = 0;   // of those, the ones whose transfer failed
    QString wording;  // the action's own status text; empty: the shared text of the kind
    QString portName; // PortNotOpened: the port as the status names it (empty for the pipe)
    QString reason;   // PortNotOpened: why the system refused the port, in its own words

    bool succeeded() const { return kind == Kind::Succeeded; }

    static Outcome of(Kind kind, QString wording = {}) {
        Outcome o;
        o.kind = kind;
        o.wording = std::move(wording);
        return o;
    }
    // The end of a group of transactions: nothing answered, something failed, or all went well.
    static Outcome fromFlags(const line::Protocol& protocol);
};

// The status line an outcome leaves: the action's own wording, else the shared text of its
// kind. Nothing when the status stays as it was (a question answered No, an input refused
// before anything was shown).
std::optional<QString> statusText(const Outcome& outcome);

// Shows the status the outcome leaves, with the system's reason behind it (or none), and hands
// the outcome back.
Outcome finish(Frontend& frontend, Outcome outcome);

} // namespace core
