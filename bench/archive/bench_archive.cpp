// What the archives cost: a full minute readout (7200 records) against the immediate simulated
// meter, per record; building the reports and writing the workbook of 7200 entries, against a
// budget of 100 ms each; and a full daily readout on an emulated 9600-baud line against the
// line's own time for its frames.

#include "actions/Connection.h"
#include "archive/ArchiveExport.h"
#include "archive/ArchiveReadout.h"
#include "archive/ArchiveReport.h"
#include "bench/support/QuietFrontend.h"
#include "core/Frontend.h"
#include "device/DeviceDates.h"
#include "link/PortList.h"
#include "link/Protocol.h"
#include "sim/Sim.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kByteMs = 1.0416667; // 10 bits at 9600 baud
constexpr double kBudgetMs = 100;
const QDate kToday(2015, 3, 15);

// Runs one connection with the archive branch; the time from opening the link to closing it.
double readout(sim::Server& meter, bool pipe, archive::Kind kind, archive::Interval interval,
               archive::Archives& archives, QString* status) {
    QuietFrontend frontend(false);
    core::Session session(frontend);
    const line::LinkTarget target = pipe ? line::LinkTarget::pipe(meter.pipeName())
                                         : line::LinkTarget::serialPort(meter.ptyPath() + " ");
    const QLocale locale(QLocale::Russian, QLocale::Russia);
    QElapsedTimer clock;
    clock.start();
    actions::Connection(session).run(target, [&] {
        return archive::readArchive(session.protocol(), frontend, kind, interval, archives, locale)
            .outcome;
    });
    const double ms = clock.nsecsElapsed() / 1e6;
    *status = frontend.status();
    return ms;
}

template <class F>
double medianMs(int rounds, F f) {
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer clock;
        clock.start();
        f();
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    const int today = device::dayNumberFromDate(kToday);

    sim::Options o;
    o.contents.date = kToday;
    o.contents.hour = 23;
    o.contents.minute = 59;
    archive::Archives archives;
    QString status;

    std::printf("Full minute readout, 7200 records, immediate simulated meter\n");
    {
        sim::Server meter(o);
        if (!meter.start()) {
            std::fprintf(stderr, "%s\n", qPrintable(meter.errorString()));
            return 1;
        }
        for (bool pipe : {false, true}) {
            const double ms =
                readout(meter, pipe, archive::Kind::Minute, {today - 4, today}, archives, &status);
            const double perRecord = ms / 7200;
            std::printf("  %-4s %8.1f ms in all, %7.1f us per record, ratio to the record's "
                        "line time (14 bytes, %.2f ms) %.4f   [%s]\n",
                        pipe ? "pipe" : "pty", ms, perRecord * 1000, 14 * kByteMs,
                        perRecord / (14 * kByteMs), qPrintable(status));
        }
    }

    std::printf("Reports and workbook, against a budget of %.0f ms each\n", kBudgetMs);
    {
        const double minuteReport = medianMs(9, [&] {
            archive::buildMinuteReport(archives.minute.entries, 7200, today - 4, today, 23, 59, ru);
        });
        std::printf("  minute report, 7200 entries   %7.2f ms  ratio %.3f\n", minuteReport,
                    minuteReport / kBudgetMs);
        archive::Archives daily;
        std::vector<archive::Record>& entries = daily.daily.entries;
        for (std::size_t i = 0; i < entries.size(); ++i)
            entries[i] = archives.minute.entries[i];
        const double dailyReport =
            medianMs(9, [&] { archive::buildDailyReport(entries, 732, today - 731, today, ru); });
        std::printf("  daily report, 732 entries     %7.2f ms  ratio %.3f\n", dailyReport,
                    dailyReport / kBudgetMs);

        QTemporaryDir dir;
        QuietFrontend frontend(false);
        const double sheet = medianMs(9, [&] { archive::minuteSheet(archives.minute, ru); });
        const double workbook = medianMs(9, [&] {
            archive::exportArchive(frontend, archive::Kind::Minute, archive::ExportFormat::Workbook,
                                   dir.filePath("minute.xls"), {}, archives, ru);
        });
        std::printf("  minute workbook, 7200 entries %7.2f ms  ratio %.3f  (layout alone "
                    "%.2f ms)\n",
                    workbook, workbook / kBudgetMs, sheet);
        const QStringList lines =
            archive::buildMinuteReport(archives.minute.entries, 7200, today - 4, today, 23, 59, ru)
                .lines;
        const double text =
            medianMs(9, [&] { archive::saveReportText(dir.filePath("minute.txt"), lines); });
        std::printf("  minute text file, %lld lines  %7.2f ms  ratio %.3f\n",
                    static_cast<long long>(lines.size()), text, text / kBudgetMs);
    }

    std::printf("Full daily readout, 732 records, 9600-baud line emulation\n");
    {
        sim::Options line = o;
        line.lineTiming = true;
        sim::Server meter(line);
        if (!meter.start())
            return 1;
        // Identity (4 + 4), status byte (4 + 3), date (4 + 4), running day record (4 + 10),
        // then 731 ReadRecord (4 + 10).
        const double limit = (8 + 7 + 8 + 14 + 731 * 14) * kByteMs;
        for (bool pipe : {false, true}) {
            const double ms =
                readout(meter, pipe, archive::Kind::Daily, {today - 731, today}, archives, &status);
            std::printf("  %-4s %8.1f ms, line-time limit %8.1f ms, ratio %.4f   [%s]\n",
                        pipe ? "pipe" : "pty", ms, limit, ms / limit, qPrintable(status));
        }
    }
    return 0;
}
