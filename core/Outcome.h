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
        SaveFailed,         // the action ran, but the file it was to write was not written
    };

    // What the status line says beyond the kind's shared text, with the counts it names.
    enum class Detail {
        None,
        RecordsRead,          // an archive readout: `done` records read, `failed` transfers failed
        RecordsCleared,       // an archive clearing stopped: `done` records cleared of `total`
        ArchiveUnavailable,   // the meter's archive is shut
        ArchiveNotCleared,    // the settings went in, the meter's archive could not be cleared
        IntervalInvalid,      // the archive interval reaches beyond what the meter keeps
        IntervalReversed,     // the archive interval starts after it ends
        MeterClockInvalid,    // the meter's clock answered an impossible time
        ProgrammingForbidden, // the meter forbids changing its settings
        ClearingForbidden,    // the meter forbids clearing the totals
        SettingsNotWritten,   // the form failed its checks: nothing went to the meter
        NoProgrammingMode,    // the meter did not enter programming mode
        ProgrammingFailed,    // a firmware block or the read-back failed
    };

    Kind kind = Kind::Succeeded;
    Detail detail = Detail::None;
    int done = 0;     // what the action counts as done: records read, records cleared, ...
    int failed = 0;   // of those, the ones whose transfer failed
    int total = 0;    // what the action set out to do, where the status names it
    QString portName; // PortNotOpened: the port as the status names it (empty for the pipe)
    QString reason;   // PortNotOpened, SaveFailed: why the system refused, in its own words
    QString fileName; // SaveFailed: the file that was not written

    bool succeeded() const { return kind == Kind::Succeeded; }

    static Outcome of(Kind kind, Detail detail = Detail::None) {
        Outcome o;
        o.kind = kind;
        o.detail = detail;
        return o;
    }
    static Outcome saveFailed(const QString& fileName, const QString& reason) {
        Outcome o = of(Kind::SaveFailed);
        o.fileName = fileName;
        o.reason = reason;
        return o;
    }
    // The end of a group of transactions: nothing answered, something failed, or all went well.
    static Outcome fromFlags(const line::Protocol& protocol);
};

// The status line an outcome leaves, made here for every action: the text of its detail, else
// the shared text of its kind. Nothing when the status stays as it was (a question answered
// No, an input refused before anything was shown).
std::optional<QString> statusText(const Outcome& outcome);

// An action whose result was then saved: a save that failed speaks for both, since the file the
// engineer asked for is missing, unless the action was stopped or ended before its result.
Outcome withSave(const Outcome& action, const Outcome& save);

// Shows the status the outcome leaves, with the system's reason behind it (or none), and hands
// the outcome back.
Outcome finish(Frontend& frontend, Outcome outcome);

} // namespace core
