// What the store saves and costs: the line time of a sync one day and ten minutes after the
// last one against the full-ring readouts (goal: the daily sync at least 40 times less),
// storing 7200 minute records (budget 100 ms), the report and chart of 3650 stored days
// (budget 200 ms), the SQLite file's size per meter-year, and the service visit's act of a meter
// with two years stored (budget 500 ms).
//
// Runs zetra-sim and zetra-cli from its own folder (build/bin); line time is counted from the
// frames zetra-cli --trace shows, at 10 bits per byte and 9600 baud.

#include "archive/ArchiveSeries.h"
#include "documents/VisitAct.h"
#include "store/History.h"
#include "store/RecordWriter.h"
#include "store/Store.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr double kByteMs = 1.0416667;

QString bin(const char* name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

// A simulated meter on a pipe of its own, at a fixed clock.
struct Sim {
    QProcess process;
    QString pipe;
    Sim(const QTemporaryDir& dir, const QString& date, const QString& time) {
        pipe = dir.filePath(QStringLiteral("pipe-%1-%2").arg(date, time).remove(QLatin1Char(':')));
        process.start(bin("zetra-sim"),
                      {"--no-pty", "--pipe", pipe, "--date", date, "--time", time});
        process.waitForReadyRead(5000);
        while (!process.readAll().contains("ready") && process.waitForReadyRead(5000)) {
        }
    }
    ~Sim() {
        process.terminate();
        process.waitForFinished(3000);
    }
};

struct LineCost {
    int requests = 0;
    double lineMs = 0;
};

// Runs zetra-cli with --trace and counts the frames and bytes both ways.
LineCost run(const QString& pipe, const QStringList& args) {
    QProcess p;
    p.start(bin("zetra-cli"), QStringList{"--pipe", pipe, "--trace"} + args);
    p.waitForFinished(600000);
    LineCost c;
    for (const QByteArray& line : p.readAllStandardError().split('\n')) {
        if (line.startsWith("> "))
            ++c.requests;
        if (line.startsWith("> ") || line.startsWith("< "))
            c.lineMs += kByteMs * ((line.size() - 2 + 1) / 3);
    }
    return c;
}

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The median of the rounds' wall-clock time, and of their processor time (the machine the
// benchmarks run on is often shared: the processor time says what the work itself costs).
template <class F>
std::pair<double, double> medianMs(int rounds, F f) {
    std::vector<double> wall, cpu;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer clock;
        clock.start();
        const double cpu0 = cpuMs();
        f(i);
        cpu.push_back(cpuMs() - cpu0);
        wall.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

archive::Record record(int i) {
    archive::Record r;
    r.bytes[0] = quint8(i);
    r.bytes[1] = quint8(i >> 8);
    r.bytes[5] = 60;
    r.bytes[7] = 0x80;
    return r;
}

} // namespace

int main(int argc, char* argv[]) {
    // The act draws its chart with the widgets, off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString storePath = dir.filePath(QStringLiteral("line.sqlite"));

    // Line time: the first sync fills the store, then the later ones read only what is new.
    LineCost fullDaily, fullMinute, syncDay, syncMinutes;
    {
        Sim sim(dir, QStringLiteral("2024-03-10"), QStringLiteral("12:00"));
        fullDaily = run(sim.pipe, {"--no-store", "daily", "10.03.2022", "10.03.2024"});
        fullMinute = run(sim.pipe, {"--no-store", "minute", "06.03.2024", "10.03.2024"});
        run(sim.pipe, {"--store", storePath, "sync"});
    }
    // A service visit on the meter whose two years are stored: the act is timed below.
    qint64 visitId = 0;
    {
        Sim sim(dir, QStringLiteral("2024-03-10"), QStringLiteral("12:05"));
        QProcess p;
        p.start(bin("zetra-cli"),
                {"--pipe", sim.pipe, "--store", dir.filePath(QStringLiteral("visit.sqlite")),
                 "--json", "visit"});
        p.waitForFinished(600000);
        visitId = QJsonDocument::fromJson(p.readAllStandardOutput())
                      .object()[QStringLiteral("visit_id")]
                      .toInteger();
    }
    {
        Sim sim(dir, QStringLiteral("2024-03-10"), QStringLiteral("12:10"));
        syncMinutes = run(sim.pipe, {"--store", storePath, "sync", "minute"});
    }
    {
        Sim sim(dir, QStringLiteral("2024-03-11"), QStringLiteral("12:10"));
        syncDay = run(sim.pipe, {"--store", storePath, "sync", "daily"});
    }
    std::printf("line time at 9600 baud (requests, ms):\n");
    std::printf("  full daily readout      %6d  %9.0f\n", fullDaily.requests, fullDaily.lineMs);
    std::printf("  sync daily, a day on    %6d  %9.0f  (%.0fx less; goal 40x)\n", syncDay.requests,
                syncDay.lineMs, fullDaily.lineMs / syncDay.lineMs);
    std::printf("  full minute readout     %6d  %9.0f\n", fullMinute.requests, fullMinute.lineMs);
    std::printf("  sync minute, 10 min on  %6d  %9.0f  (%.0fx less)\n", syncMinutes.requests,
                syncMinutes.lineMs, fullMinute.lineMs / syncMinutes.lineMs);

    QString error;
    const auto location = store::parseLocation(dir.filePath(QStringLiteral("b.sqlite")), &error);
    std::unique_ptr<store::Store> s = store::Store::open(*location, &error);
    if (!s) {
        std::fprintf(stderr, "store: %s\n", qPrintable(error));
        return 1;
    }
    const auto visitOf = [&](qint64 meter) {
        return *s->beginVisit(meter, QStringLiteral("sync"), QString(),
                              QDateTime::currentDateTimeUtc());
    };

    // 7200 minute records, a new meter each round, committed in chunks as a sync does.
    const auto [minuteMs, minuteCpuMs] = medianMs(5, [&](int round) {
        const qint64 meter = *s->meterId({round + 1, QDate(2015, 3, 5)});
        store::RecordWriter w(s.get(), store::Ring::Minute, meter, visitOf(meter));
        for (int i = 0; i < 7200; ++i)
            w.put(store::minutePosition(45000, 0) + i, record(i));
        w.flush();
    });
    std::printf("store 7200 minute records: %.1f ms, processor %.1f ms (budget 100 ms)\n", minuteMs,
                minuteCpuMs);

    // Ten years of days: the report and the chart as the history shows them.
    const qint64 decade = *s->meterId({9999, QDate(2010, 1, 1)});
    {
        store::RecordWriter w(s.get(), store::Ring::Daily, decade, visitOf(decade));
        for (int i = 0; i < 3650; ++i)
            w.put(42000 + i, record(i));
    }
    const QLocale locale(QLocale::Russian, QLocale::Russia);
    const auto [historyMs, historyCpuMs] = medianMs(5, [&](int) {
        const auto built =
            store::history::build(*s, decade, archive::Kind::Daily, 42000, 42000 + 3649, locale);
        const archive::ArchiveSeries series =
            archive::archiveSeries(archive::Kind::Daily, built->archives);
        if (series.stamps.size() != 3650)
            std::fprintf(stderr, "chart of %zu points\n", series.stamps.size());
    });
    std::printf("history of 3650 stored days, report and chart: %.1f ms, processor %.1f ms "
                "(budget 200 ms)\n",
                historyMs, historyCpuMs);

    // The act of a visit to a meter with two years of days and five days of minutes stored.
    {
        std::unique_ptr<store::Store> v = store::Store::open(
            *store::parseLocation(dir.filePath(QStringLiteral("visit.sqlite")), &error), &error);
        QString failed;
        const auto [actMs, actCpuMs] = medianMs(5, [&](int round) {
            const QString reason = documents::writeVisitAct(
                *v, visitId, dir.filePath(QStringLiteral("act%1.pdf").arg(round)));
            if (!reason.isEmpty())
                failed = reason;
        });
        if (!failed.isEmpty())
            std::fprintf(stderr, "act: %s\n", qPrintable(failed));
        std::printf(
            "act of a visit, two years stored: %.1f ms, processor %.1f ms (budget 500 ms)\n", actMs,
            actCpuMs);
    }

    // A meter-year in a file of its own: 365 days and, synced daily, every minute.
    const QString yearPath = dir.filePath(QStringLiteral("year.sqlite"));
    {
        std::unique_ptr<store::Store> y =
            store::Store::open(*store::parseLocation(yearPath, &error), &error);
        const qint64 meter = *y->meterId({1, QDate(2015, 3, 5)});
        const qint64 visit = *y->beginVisit(meter, QStringLiteral("sync"), QString(),
                                            QDateTime::currentDateTimeUtc());
        store::RecordWriter days(y.get(), store::Ring::Daily, meter, visit);
        for (int i = 0; i < 365; ++i)
            days.put(45000 + i, record(i));
        days.flush();
        const double daysBytes = double(QFileInfo(yearPath).size() +
                                        QFileInfo(yearPath + QStringLiteral("-wal")).size());
        std::printf("SQLite file per meter-year, days only: %.0f kB\n", daysBytes / 1024);
        store::RecordWriter minutes(y.get(), store::Ring::Minute, meter, visit);
        for (int i = 0; i < 365 * 1440; ++i)
            minutes.put(store::minutePosition(45000, 0) + i, record(i));
        minutes.flush();
    }
    std::printf("SQLite file per meter-year, days and every minute: %.1f MB\n",
                double(QFileInfo(yearPath).size()) / (1024 * 1024));
    return 0;
}
