// 1000 ReadMemory transactions against the simulated meter: the program's own time per
// transaction with an immediate meter over the pty and over the pipe, and with 9600-baud line
// emulation the measured time over the line-time limit; each without and with the exchange log
// (kept in memory and appended to a file, as `zetra-cli --log` does).
//
//     build/bin/bench_protocol [transactions]

#include "core/ExchangeLog.h"
#include "link/LinkOpener.h"
#include "link/PipeLink.h"
#include "link/Protocol.h"
#include "link/SerialLink.h"
#include "sim/Sim.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {
constexpr double kByteMs = 10.0 / 9600 * 1000; // one byte with start and stop bits
constexpr quint8 kCount = 4;                   // the velocity: 4 request + 6 answer bytes

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000 + double(t.tv_nsec) / 1e6;
}

struct Figures {
    double wallMs = 0;
    double cpuMs = 0;
    int failed = 0;
};

Figures run(line::Link& link, int transactions, core::ExchangeLog* log) {
    line::Protocol protocol;
    protocol.setLink(&link);
    if (log)
        protocol.setFrameHook([log](const line::Protocol::Frame& frame) { log->frame(frame); });
    Figures f;
    QElapsedTimer clock;
    const double cpuStart = threadCpuMs();
    clock.start();
    for (int i = 0; i < transactions; ++i) {
        if (!protocol.ReadMemory(1220, kCount))
            ++f.failed;
    }
    f.wallMs = double(clock.nsecsElapsed()) / 1e6;
    f.cpuMs = threadCpuMs() - cpuStart;
    return f;
}

std::unique_ptr<line::Link> open(const sim::Server& meter, bool pipe) {
    if (pipe)
        return line::PipeLink::open(meter.pipeName());
    return line::SerialLink::open(meter.ptyPath(), line::kConnectionTimeouts);
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 1000;
    std::printf("%d ReadMemory transactions of %d bytes\n", n, kCount);

    QTemporaryDir dir;
    // The log's runs come first: a second line-emulating meter in one process runs slower than
    // the first, whatever the log does.
    for (const bool logged : {true, false}) {
        const char* logText = logged ? "log on " : "log off";
        for (const bool pipe : {false, true}) {
            sim::Server meter;
            if (!meter.start()) {
                std::fprintf(stderr, "simulated meter: %s\n", qPrintable(meter.errorString()));
                return 1;
            }
            core::ExchangeLog log;
            log.attachFile(dir.filePath(QStringLiteral("exchange.log")));
            auto link = open(meter, pipe);
            const Figures f = run(*link, n, logged ? &log : nullptr);
            std::printf("immediate meter, %-4s, %s: %.3f ms wall, %.4f ms own CPU per "
                        "transaction%s\n",
                        pipe ? "pipe" : "pty", logText, f.wallMs / n, f.cpuMs / n,
                        f.failed ? " (some failed!)" : "");
        }

        sim::Options timed;
        timed.lineTiming = true;
        sim::Server meter(timed);
        if (!meter.start())
            return 1;
        core::ExchangeLog log;
        log.attachFile(dir.filePath(QStringLiteral("exchange-timed.log")));
        auto link = open(meter, false);
        const Figures f = run(*link, n, logged ? &log : nullptr);
        const double lineMs = n * (4 + kCount + 2) * kByteMs;
        std::printf("9600-baud meter, pty, %s: %.1f ms for a line-time limit of %.1f ms: ratio "
                    "%.4f, own CPU %.4f ms per transaction%s\n",
                    logText, f.wallMs, lineMs, f.wallMs / lineMs, f.cpuMs / n,
                    f.failed ? " (some failed!)" : "");
    }
    return 0;
}
