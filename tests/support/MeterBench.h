#pragma once

#include "actions/Connection.h"
#include "core/Session.h"
#include "link/LinkOpener.h"
#include "sim/Sim.h"
#include "tests/support/RecordingFrontend.h"

#include <utility>
#include <vector>

// Where the meter is reached: its pty as the port list names it (the name, a blank, a
// description), or its pipe.
inline line::LinkTarget targetOf(const sim::Server& meter, bool pipe) {
    return pipe ? line::LinkTarget::pipe(meter.pipeName())
                : line::LinkTarget::serialPort(meter.ptyPath() + QStringLiteral(" "));
}

// A bare link to the meter, opened as a connection opens it: the pty with the connection's
// time-outs, the pipe with its own. Null when it did not open.
inline std::unique_ptr<line::Link> openLink(const sim::Server& meter, bool pipe) {
    return line::opener::open(targetOf(meter, pipe), line::kConnectionTimeouts).link;
}

// One simulated meter and the program's side of it, as the window and zetra-cli hold it: the
// frontend that records what the engineer would see, and the session with its protocol.
struct MeterBench {
    explicit MeterBench(sim::Options options = sim::Options()) : meter(std::move(options)) {
        // The simulated meter answers within milliseconds or never: an answer it dropped
        // need not be awaited for the ten seconds a relayed answer may take.
        protocol.setLateAnswerLimit(kLateAnswerLimitMs);
    }
    static constexpr int kLateAnswerLimitMs = 2000;

    bool start() { return meter.start(); }

    line::LinkTarget target(bool pipe = false) const { return targetOf(meter, pipe); }

    // Runs `branch` in a connection (the identity check first); false when it never ran.
    template <class Branch>
    bool run(const line::LinkTarget& where, Branch&& branch) {
        bool ran = false;
        actions::Connection(session).run(where, [&] {
            ran = true;
            return branch();
        });
        return ran;
    }

    // The frames the meter took, one for each request the program meant: a repeat of a request
    // the meter had answered without a fault is left out (the program asked again only because
    // a busy machine took the answer after its time-out). Repeats after a fault all stay.
    std::vector<sim::FrameRecord> transactions() const {
        std::vector<sim::FrameRecord> kept;
        for (const sim::FrameRecord& f : meter.frames())
            if (kept.empty() || f.raw != kept.back().raw || !kept.back().faults.empty())
                kept.push_back(f);
        return kept;
    }

    QByteArray bytes(sim::Space space, int address, int count) {
        return meter.withMeter([&](sim::Meter& m) { return m.read(space, address, count); });
    }

    sim::Server meter;
    RecordingFrontend frontend;
    core::Session session{frontend};
    line::Protocol& protocol = session.protocol();
};
