// What the data exports and the minute chart cost for a full minute readout of 7200 entries:
// the xlsx, CSV and JSON files against 50 ms each, and the chart's first draw against 200 ms.

#include "archive/ArchiveExport.h"
#include "archive/ArchiveReport.h"
#include "bench/support/QuietFrontend.h"
#include "charts/ArchiveChart.h"
#include "device/DeviceDates.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QPixmap>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr double kExportBudgetMs = 50;
constexpr double kChartBudgetMs = 200;

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The median wall-clock time of `rounds` runs; `cpu` gets the median processor time, which
// other work on a busy machine disturbs less.
template <class F>
double medianMs(int rounds, F f, double* cpu = nullptr) {
    std::vector<double> ms, cpuTimes;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer clock;
        const double startCpu = cpuMs();
        clock.start();
        f();
        ms.push_back(clock.nsecsElapsed() / 1e6);
        cpuTimes.push_back(cpuMs() - startCpu);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    if (cpu)
        *cpu = cpuTimes[cpuTimes.size() / 2];
    return ms[ms.size() / 2];
}

// Five days of minutes: a flow that wanders, a stop now and then (empty minutes), a few
// transfer errors and events.
archive::Archives fullMinuteReadout(const QLocale& locale) {
    archive::Archives a;
    quint32 seed = 1;
    auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
    for (int i = 0; i < archive::kMinuteEntries; ++i) {
        archive::Record& r = a.minute.entries[std::size_t(i)];
        const int roll = int(next() % 1000);
        if (roll < 20)
            continue; // no record
        if (roll < 23) {
            archive::markUnreadable(r);
            continue;
        }
        const quint64 units = 700 + next() % 400;
        for (int b = 0; b < 5; ++b)
            r.bytes[std::size_t(b)] = quint8(units >> (8 * b));
        r.bytes[5] = 60;
        r.bytes[7] = quint8(0x80 | (roll > 995 ? 0x18 : 0));
    }
    const int today = device::dayNumberFromDate(QDate(2015, 3, 15));
    const archive::MinuteReport report = archive::buildMinuteReport(
        a.minute.entries, archive::kMinuteEntries, today - 4, today, 23, 59, locale);
    a.minute.summary = {
        quint16(archive::kMinuteEntries), today, 23, 59, report.volumeTotal, report.secondsTotal};
    return a;
}

void benchLine(const char* what, double ms, double cpu, double budget) {
    std::printf("  %-34s %8.2f ms (processor %7.2f ms)  ratio %.3f  %s\n", what, ms, cpu,
                ms / budget, ms <= budget ? "within budget" : "OVER BUDGET");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    QLocale::setDefault(ru);
    const archive::Archives archives = fullMinuteReadout(ru);
    QTemporaryDir dir;
    QuietFrontend frontend(false);

    std::printf("Minute readout of 7200 entries as files, against %.0f ms each\n", kExportBudgetMs);
    auto save = [&](const char* what, archive::ExportFormat format, const char* name) {
        double cpu = 0;
        const double ms = medianMs(
            9,
            [&] {
                archive::exportArchive(frontend, archive::Kind::Minute, format, dir.filePath(name),
                                       {}, archives, ru);
            },
            &cpu);
        benchLine(what, ms, cpu, kExportBudgetMs);
    };
    save("xlsx (sheet, library, file)", archive::ExportFormat::Xlsx, "m.xlsx");
    save("CSV", archive::ExportFormat::Csv, "m.csv");
    save("JSON", archive::ExportFormat::Json, "m.json");
    save("Excel 5.0 workbook, for comparison", archive::ExportFormat::Workbook, "m.xls");

    if (qEnvironmentVariableIsSet("ZETRA_BENCH_PARTS")) {
        const auto sheet = archive::minuteSheet(archives.minute, ru);
        std::printf(
            "  parts: sheet %.2f, widths %.2f, xlsx bytes %.2f, json object %.2f, json "
            "text %.2f, csv bytes %.2f\n",
            medianMs(5, [&] { archive::minuteSheet(archives.minute, ru); }),
            medianMs(5, [&] { archive::sheetColumnWidths(sheet, ru); }),
            medianMs(5,
                     [&] {
                         QString e;
                         archive::xlsxContents(sheet, ru, &e);
                     }),
            medianMs(5, [&] { archive::archiveJson(archive::Kind::Minute, archives); }),
            medianMs(
                5,
                [&] {
                    QJsonDocument(archive::archiveJson(archive::Kind::Minute, archives)).toJson();
                }),
            medianMs(5, [&] { archive::archiveCsv(archive::Kind::Minute, archives); }));
    }
    std::printf("Minute chart of 7200 entries, first draw, against %.0f ms\n", kChartBudgetMs);
    double chartCpu = 0;
    const double chart = medianMs(
        5,
        [&] {
            charts::ArchiveChart view(archive::Kind::Minute, archives);
            view.resize(1280, 720);
            view.show();
            const QPixmap drawn = view.view()->grab(); // builds the series and paints them once
            if (drawn.isNull())
                std::printf("  nothing drawn\n");
        },
        &chartCpu);
    benchLine("series built and first painted", chart, chartCpu, kChartBudgetMs);
    return 0;
}
