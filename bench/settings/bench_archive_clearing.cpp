// Clearing the daily archive through the whole stack (connection frame, protocol with its real
// 15 ms pause after every WriteRecord, serial link on the pty) against the simulated meter
// answering at once. The floor is 731 x 15 ms: the pauses alone. The ratio shows what the
// transfer and the program add on top of them.

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
    sim::Server server(o);
    if (!server.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.errorString()));
        return 1;
    }

    const double floorMs =
        device::archive_layout::kDailyRecords * line::Protocol::kWriteRecordPauseMs;
    std::printf("daily archive clearing, %d records, floor %.0f ms (the 15 ms pauses)\n",
                device::archive_layout::kDailyRecords, floorMs);
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
        if (session.protocol().errorSeen()) {
            std::fprintf(stderr, "a record was not acknowledged\n");
            return 1;
        }
        std::printf("  round %d: %.0f ms, ratio %.3f, %.3f ms per record above the pause\n",
                    round + 1, ms, ms / floorMs,
                    (ms - floorMs) / device::archive_layout::kDailyRecords);
        best = round == 0 ? ms : std::min(best, ms);
    }
    std::printf("best ratio %.3f\n", best / floorMs);
    return 0;
}
