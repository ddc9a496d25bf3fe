// One request lost on the line (the retry answered at once): what it costs over a clean run
// of the same reads, over the pty and over the pipe. The floor is the lost attempt's read
// time-out (32 ms on the pty, 4000 ms on the pipe).
//
//     build/bin/bench_lost_frame [rounds]

#include "link/PipeLink.h"
#include "link/Protocol.h"
#include "link/SerialLink.h"
#include "sim/Sim.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kReads = 10; // as many as the Info readout makes

// Milliseconds for kReads reads, the second read's first request lost when `lose`.
double readsMs(bool pipe, bool lose) {
    sim::Options o;
    if (lose)
        o.faults.push_back(sim::Fault::drop(sim::Selector::request(2)));
    sim::Server server(o);
    if (!server.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.errorString()));
        std::exit(1);
    }
    std::unique_ptr<line::Link> link;
    if (pipe)
        link = line::PipeLink::open(server.pipeName());
    else
        link = line::SerialLink::open(server.ptyPath(), line::kConnectionTimeouts);
    line::Protocol protocol;
    protocol.setLink(link.get());
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kReads; ++i)
        if (!protocol.ReadMemory(quint16(24 + i), 1)) {
            std::fprintf(stderr, "read %d failed\n", i);
            std::exit(1);
        }
    return double(clock.nsecsElapsed()) / 1e6;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    for (bool pipe : {false, true}) {
        const double timeoutMs = pipe ? 4000 : 32;
        double worst = 0;
        for (int round = 0; round < rounds; ++round) {
            const double clean = readsMs(pipe, false);
            const double lost = readsMs(pipe, true);
            const double over = lost - clean;
            std::printf("%s round %d: clean %.0f ms, one lost frame %.0f ms: %.3f s over, "
                        "%.3f s beyond the time-out\n",
                        pipe ? "pipe" : "pty ", round + 1, clean, lost, over / 1000,
                        (over - timeoutMs) / 1000);
            worst = std::max(worst, over - timeoutMs);
        }
        std::printf("%s: at most %.3f s beyond the time-out\n", pipe ? "pipe" : "pty ",
                    worst / 1000);
    }
    return 0;
}
