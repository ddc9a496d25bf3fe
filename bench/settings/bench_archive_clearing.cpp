// Clearing the daily archive with its read-back through the whole stack (connection frame,
// protocol with its real 15 ms pause after every WriteRecord, serial link on the pty) against
// the simulated meter on an emulated 9600-baud line. The floor is the line time: every write's
// 12 + 1 bytes and its 15 ms pause, every read-back's 4 + 10 bytes. The ratio shows what the
// program adds on top of it.

#include "actions/Connection.h"
#include "bench/support/QuietFrontend.h"
#include "core/Frontend.h"
#include "device/ArchiveLayout.h"
#include "link/Protocol.h"
#include "settings/SettingsWriter.h"
#include "sim/Sim.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;

    sim::Options o;
    o.servePipe = false;
    o.lineTiming = true;
    sim::Server server(o);
    if (!server.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.errorString()));
        return 1;
    }

    constexpr double byteMs = 10.0 / 9600 * 1000;
    const int records = device::archive_layout::kDailyRecords;
    const double floorMs = records * ((12 + 1) * byteMs + line::Protocol::kWriteRecordPauseMs) +
                           records * (4 + 10) * byteMs;
    std::printf("daily archive clearing and read-back, %d records, line time %.0f ms\n", records,
                floorMs);
    double best = 0;
    for (int round = 0; round < rounds; ++round) {
        QuietFrontend frontend;
        core::Session session(frontend);
        QElapsedTimer clock;
        double ms = 0;
        actions::Connection(session).run(
            line::LinkTarget::serialPort(server.ptyPath() + QStringLiteral(" ")), [&] {
                clock.start();
                settings::clearDailyArchive(session.protocol(), frontend);
                ms = double(clock.nsecsElapsed()) / 1e6;
                return core::Outcome();
            });
        // A loaded machine can miss an answer's time-out: the round is shown, marked.
        if (session.protocol().errorSeen())
            std::printf("  (a transaction of this round failed: its figure counts the retries)\n");
        std::printf("  round %d: %.0f ms, ratio %.3f, %.3f ms per record above the line time\n",
                    round + 1, ms, ms / floorMs, (ms - floorMs) / records);
        best = round == 0 ? ms : std::min(best, ms);
    }
    std::printf("best ratio %.3f\n", best / floorMs);
    return 0;
}
