// zetra-cli's store against zetra-sim, the store read back with the sqlite3 program: what a
// sync reads and costs, a changed ring, a second meter, a stop and a killed program, eight
// programs at once, the readouts' records, and a store that cannot be written.

#include "archive/ArchiveRecord.h"
#include "device/DeviceDates.h"
#include "tests/cli/CliRun.h"
#include "tests/cli/SimProcess.h"

#include <QtTest>

#include <csignal>

namespace {

const QString kDate = QStringLiteral("2024-03-10");
const QDate kToday(2024, 3, 10);

QStringList simAt(const QString& date, const QString& time, const QStringList& more = {}) {
    return QStringList{"--no-pty", "--date", date, "--time", time} + more;
}

// One answer of the sqlite3 program.
QString sql(const QString& store, const QString& query) {
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), store, query});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

int count(const QString& store, const QString& query) { return sql(store, query).toInt(); }

CliRun cli(const SimProcess& sim, const QString& store, const QStringList& args) {
    return CliRun::run(QStringList{"--pipe", sim.pipe(), "--store", store} + args);
}

QJsonObject json(const CliRun& r) {
    return QJsonDocument::fromJson(r.out.join(QLatin1Char('\n')).toUtf8()).object();
}

// The requests a --trace run sent.
int framesSent(const CliRun& r) {
    int n = 0;
    for (const QString& line : r.err.split(QLatin1Char('\n')))
        n += line.startsWith(QLatin1String("> "));
    return n;
}

} // namespace

class StoreSync : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    int stores_ = 0;
    QString newStore() { return dir_.filePath(QStringLiteral("s%1.sqlite").arg(++stores_)); }

private slots:
    void initTestCase() {
        if (qgetenv("ZETRA_TEST_PG") == "skip")
            QSKIP(qPrintable(QStringLiteral("PostgreSQL: ") +
                             QString::fromLocal8Bit(qgetenv("ZETRA_TEST_PG_REASON"))));
        QProcess p;
        p.start(QStringLiteral("sqlite3"), {QStringLiteral("-version")});
        if (!p.waitForFinished(5000) || p.exitCode() != 0)
            QSKIP("the sqlite3 program is not installed (scripts/setup.sh installs it)");
    }

    // The first sync reads both rings whole; the next one, later, what is new, and little more.
    void syncCosts_data() {
        QTest::addColumn<QString>("ring");
        QTest::addColumn<QString>("laterDate");
        QTest::addColumn<QString>("laterTime");
        QTest::addColumn<int>("maxFrames");
        QTest::addColumn<int>("fresh");
        QTest::newRow("again, nothing new") << "daily" << kDate << "12:00" << 8 << 0;
        QTest::newRow("a day on") << "daily"
                                  << "2024-03-11"
                                  << "12:00" << 12 << 2;
        QTest::newRow("ten minutes on") << "minute" << kDate << "12:10" << 25 << 10;
    }
    void syncCosts() {
        QFETCH(QString, ring);
        QFETCH(QString, laterDate);
        QFETCH(QString, laterTime);
        QFETCH(int, maxFrames);
        QFETCH(int, fresh);
        const QString store = newStore();
        {
            SimProcess sim(simAt(kDate, QStringLiteral("12:00")));
            QVERIFY(sim.ready());
            const CliRun first = cli(sim, store, {"--json", "sync"});
            QCOMPARE(first.exitCode, 0);
            const QJsonObject o = json(first);
            QCOMPARE(o["daily"]["new"].toInt(), 732);   // the ring and the running day
            QCOMPARE(o["minute"]["new"].toInt(), 7199); // the ring but the running minute
            QCOMPARE(o["daily"]["from"].toString(), QStringLiteral("2022-03-10"));
            QCOMPARE(o["minute"]["to"].toString(), QStringLiteral("2024-03-10 11:59"));
        }
        SimProcess sim(simAt(laterDate, laterTime));
        QVERIFY(sim.ready());
        const CliRun later = cli(sim, store, {"--json", "--trace", "sync", ring});
        QCOMPARE(later.exitCode, 0);
        QVERIFY2(framesSent(later) <= maxFrames, qPrintable(later.err));
        const QJsonObject o = json(later);
        QCOMPARE(o[ring]["new"].toInt(), fresh);
        QCOMPARE(o[ring]["changed"].toBool(), false);
        QCOMPARE(count(store, "SELECT count(*) FROM daily WHERE partial = 1"), 1);
        QCOMPARE(count(store, "SELECT count(*) FROM unread"), 0);
        QCOMPARE(count(store, "SELECT count(*) FROM visit WHERE ended_utc IS NULL"), 0);
    }

    // The mark's slot holds other bytes: the whole ring again, nothing stored overwritten.
    void changedRing_data() {
        QTest::addColumn<QStringList>("laterOptions");
        QTest::addColumn<bool>("conflicts");
        const int markDay = device::dayNumberFromDate(kToday.addDays(-1));
        QTest::newRow("archive cleared at the mark")
            << QStringList{"--set", QStringLiteral("archive:%1=0000000000000000")
                                        .arg(archive::dailyRecordAddress(markDay))}
            << false;
        QTest::newRow("other contents") << QStringList{"--seed", "2"} << true;
    }
    void changedRing() {
        QFETCH(QStringList, laterOptions);
        QFETCH(bool, conflicts);
        const QString store = newStore();
        {
            SimProcess sim(simAt(kDate, "12:00"));
            QCOMPARE(cli(sim, store, {"sync", "daily"}).exitCode, 0);
        }
        const QString before = sql(store, "SELECT hex(raw) FROM daily WHERE day = '2024-01-01'");
        SimProcess sim(simAt(kDate, "12:00", laterOptions));
        const CliRun r = cli(sim, store, {"--json", "sync", "daily"});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = json(r);
        QCOMPARE(o["daily"]["changed"].toBool(), true);
        QCOMPARE(o["daily"]["requests"].toInt(), 1 + 731);
        QCOMPARE(o["daily"]["conflicts"].toInt() > 0, conflicts);
        QCOMPARE(count(store, "SELECT count(*) FROM conflict") > 0, conflicts);
        QCOMPARE(sql(store, "SELECT hex(raw) FROM daily WHERE day = '2024-01-01'"), before);
    }

    // Two meters, one store; history names the meter by its serial number.
    void secondMeter() {
        const QString store = newStore();
        for (const QString& serial : {QStringLiteral("12345"), QStringLiteral("777")}) {
            SimProcess sim(simAt(kDate, "12:00", {"--serial", serial}));
            QCOMPARE(cli(sim, store, {"sync", "daily"}).exitCode, 0);
        }
        const CliRun meters = CliRun::run({"--store", store, "--json", "meters"});
        QCOMPARE(meters.exitCode, 0);
        const QJsonArray list = json(meters)["meters"].toArray();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0]["serial"].toInt(), 777);
        QCOMPARE(list[1]["daily_to"].toString(), kDate);
        const CliRun history = CliRun::run(
            {"--store", store, "--locale", "ru_RU", "history", "777", "08.03.2024", "09.03.2024"});
        QCOMPARE(history.exitCode, 0);
        QCOMPARE(history.out.first(), QStringLiteral("Суточный архив с 08.03.2024 по 09.03.2024"));
        QCOMPARE(CliRun::run({"--store", store, "history", "4242"}).exitCode, 1);

        // --save - puts the file alone on standard output, the same bytes as --save FILE.
        const QString file = dir_.filePath(QStringLiteral("history.csv"));
        const QStringList ask{"--store", store, "history", "777", "08.03.2024", "09.03.2024"};
        QCOMPARE(CliRun::run(ask + QStringList{"--save", file}).exitCode, 0);
        const CliRun piped = CliRun::run(ask + QStringList{"--save", "-", "--format", "csv"});
        QCOMPARE(piped.exitCode, 0);
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QString bytes = QString::fromUtf8(saved.readAll());
        bytes.chop(1); // the last line's end, as the run's output leaves it
        QCOMPARE(piped.out.join('\n'), bytes);
        // A minute range longer than a report holds is refused with the reason.
        const CliRun tooLong = CliRun::run(
            {"--store", store, "history", "777", "--minute", "01.01.2024", "09.03.2024"});
        QCOMPARE(tooLong.exitCode, 2);
        QVERIFY2(tooLong.err.contains(QLatin1String("69 days")), qPrintable(tooLong.err));
        // Stored minutes beyond one report: the newest part is shown, and said so.
        for (const char* at : {"2024-01-01 00:00", "2024-03-09 00:00"})
            sql(store, QStringLiteral("INSERT INTO minute SELECT id, '%1', zeroblob(8), 0, 60, 0, "
                                      "NULL FROM meter WHERE serial = 777")
                           .arg(QLatin1String(at)));
        const CliRun cut = CliRun::run({"--store", store, "history", "777", "--minute"});
        QCOMPARE(cut.exitCode, 0);
        QVERIFY2(cut.err.contains(QStringLiteral("отчёт вмещает 45 суток")), qPrintable(cut.err));
    }

    // A stop and a killed program keep what was read, leave the store whole, and the next
    // sync reads the rest.
    void interrupted_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("stopped (SIGINT)") << int(SIGINT) << 130;
        QTest::newRow("killed (SIGKILL)") << int(SIGKILL) << -1;
    }
    void interrupted() {
        QFETCH(int, signal);
        QFETCH(int, exitCode);
        const QString store = newStore();
        SimProcess sim(simAt(kDate, "12:00", {"--delay", "1"}));
        QProcess p;
        p.setProgram(QStringLiteral(ZETRA_BIN_DIR "/zetra-cli"));
        p.setArguments({"--pipe", sim.pipe(), "--store", store, "sync", "minute"});
        p.start();
        QVERIFY(p.waitForStarted());
        // Until some chunks are in.
        QElapsedTimer t;
        t.start();
        while (count(store, "SELECT count(*) FROM minute") < 300 && t.elapsed() < 30000)
            QThread::msleep(100);
        ::kill(pid_t(p.processId()), signal);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, exitCode);
        QCOMPARE(sql(store, "PRAGMA integrity_check"), QStringLiteral("ok"));
        const int kept = count(store, "SELECT count(*) FROM minute");
        QVERIFY2(kept >= 300 && kept < 7199, qPrintable(QString::number(kept)));
        QVERIFY(count(store, "SELECT count(*) FROM unread") > 0);

        const CliRun next = cli(sim, store, {"--json", "sync", "minute"});
        QCOMPARE(next.exitCode, 0);
        QCOMPARE(count(store, "SELECT count(*) FROM minute"), 7199);
        const QJsonObject o = json(next);
        QCOMPARE(o["minute"]["new"].toInt(), 7199 - kept);
        QCOMPARE(count(store, "SELECT count(*) FROM unread"), 0);
    }

    // Eight programs sync eight meters into one store at once: an SQLite file, or (under
    // pg_virtualenv, see CMakeLists.txt) a PostgreSQL server.
    void concurrentSyncs_data() {
        QTest::addColumn<bool>("postgres");
        QTest::newRow("sqlite") << false;
        QTest::newRow("postgresql") << true;
    }
    void concurrentSyncs() {
        QFETCH(bool, postgres);
        const QByteArray pg = qgetenv("ZETRA_TEST_PG");
        if (postgres != (pg == "1"))
            QSKIP(postgres ? "PostgreSQL runs under pg_virtualenv (test_store_sync_postgres)"
                           : "this run is PostgreSQL's");
        const QString store =
            postgres ? QStringLiteral("postgresql://%1@%2:%3/%4")
                           .arg(qEnvironmentVariable("PGUSER"), qEnvironmentVariable("PGHOST"),
                                qEnvironmentVariable("PGPORT"), qEnvironmentVariable("PGDATABASE"))
                     : newStore();
        // The store's own client counts.
        const auto counted = [&](const QString& query) {
            if (!postgres)
                return count(store, query);
            QProcess p;
            p.start(QStringLiteral("psql"), {QStringLiteral("-tAc"), query});
            p.waitForFinished(30000);
            return QString::fromUtf8(p.readAllStandardOutput()).trimmed().toInt();
        };
        std::vector<std::unique_ptr<SimProcess>> sims;
        std::vector<std::unique_ptr<QProcess>> runs;
        for (int i = 0; i < 8; ++i) {
            sims.push_back(std::make_unique<SimProcess>(
                simAt(kDate, "12:00", {"--serial", QString::number(100 + i)})));
            QVERIFY(sims.back()->ready());
        }
        for (int i = 0; i < 8; ++i) {
            auto p = std::make_unique<QProcess>();
            p->setProgram(QStringLiteral(ZETRA_BIN_DIR "/zetra-cli"));
            p->setArguments(
                {"--pipe", sims[std::size_t(i)]->pipe(), "--store", store, "sync", "daily"});
            p->start();
            runs.push_back(std::move(p));
        }
        for (auto& p : runs) {
            QVERIFY(p->waitForFinished(120000));
            const QString err = QString::fromUtf8(p->readAllStandardError());
            QVERIFY2(p->exitCode() == 0 && !err.contains(QLatin1String("locked")), qPrintable(err));
        }
        QCOMPARE(counted("SELECT count(*) FROM meter WHERE serial BETWEEN 100 AND 107"), 8);
        QCOMPARE(counted("SELECT count(*) FROM daily d JOIN meter m ON m.id = d.meter_id WHERE "
                         "m.serial BETWEEN 100 AND 107"),
                 8 * 732);
        if (!postgres)
            QCOMPARE(sql(store, "PRAGMA integrity_check"), QStringLiteral("ok"));
    }

    // A readout stores what it read, adding one ReadMemory 1267 4 after the identity check
    // and changing nothing else on the line or in its output.
    void readoutStores_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("stored");
        QTest::newRow("daily") << "daily"
                               << "daily" << 3;
        // The minute at the meter's now is not stored: its slot holds the one five days back.
        QTest::newRow("minute") << "minute"
                                << "minute" << 12 * 60;
    }
    void readoutStores() {
        QFETCH(QString, command);
        QFETCH(QString, table);
        QFETCH(int, stored);
        const QString store = newStore();
        SimProcess sim(simAt(kDate, "12:00"));
        const QStringList args{"--pipe", sim.pipe(),   "--trace",
                               command,  "08.03.2024", "10.03.2024"};
        const QStringList minuteArgs{"--pipe", sim.pipe(),   "--trace",
                                     command,  "10.03.2024", "10.03.2024"};
        const QStringList& a = command == QLatin1String("daily") ? args : minuteArgs;
        const CliRun off = CliRun::run(QStringList{"--no-store"} + a);
        const CliRun on = CliRun::run(QStringList{"--store", store} + a);
        QCOMPARE(on.exitCode, off.exitCode);
        QCOMPARE(on.out, off.out);
        QStringList onFrames = on.err.split('\n');
        const QStringList offFrames = off.err.split('\n');
        QCOMPARE(onFrames.size(), offFrames.size() + 2);
        QCOMPARE(onFrames[2], QStringLiteral("> 18 44 F3 59")); // ReadMemory 1267 4
        onFrames.remove(2, 2);
        QCOMPARE(onFrames, offFrames);
        QCOMPARE(count(store, QStringLiteral("SELECT count(*) FROM ") + table), stored);
        QCOMPARE(sql(store, "SELECT action || ' ' || outcome FROM visit"),
                 command + QStringLiteral(" ok"));
    }

    // Every action that identified a meter leaves its visit row, with what it learnt.
    void visitRows_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("expected");
        QTest::newRow("info") << QStringList{"info"}
                              << "SELECT action || ' ' || outcome || ' ' || (battery_v > 0) || ' "
                                 "' || (clock_drift_s IS NOT NULL) || ' ' || meter_time FROM visit"
                              << "info ok 1 1 2024-03-10 12:00:00";
        const QString settingsRow =
            "SELECT v.action || ' ' || s.phase || ' ' || (length(s.lines) - "
            "length(replace(s.lines, char(10), '')) + 1) || ' ' || ifnull(length(s.bytes), 'none') "
            "FROM visit v "
            "JOIN settings s ON s.visit_id = v.id";
        QTest::newRow("settings-read")
            << QStringList{"settings-read"} << settingsRow << "settings-read read 33 none";
        // Comparing with a file reads the meter's settings: kept as a settings read. Neither read
        // takes the whole area, so neither keeps bytes (the exchange stays the one without a
        // store).
        QTest::newRow("settings-diff")
            << QStringList{"settings-diff", "@FILE"} << settingsRow << "settings-read read 33 none";
        // A write keeps what it sent and what it read back.
        QTest::newRow("settings-write")
            << QStringList{"--yes", "settings-write", "@FILE"}
            << "SELECT group_concat(phase || ' ' || length(bytes), ',') FROM (SELECT phase, bytes "
               "FROM settings ORDER BY phase DESC)"
            << "written 57,after 57";
        // The clock's drift only where the readout read the meter's time.
        const QString drift = "SELECT action || ' ' || (clock_drift_s IS NULL) FROM visit";
        QTest::newRow("daily") << QStringList{"daily", "08.03.2024", "10.03.2024"} << drift
                               << "daily 1";
        QTest::newRow("minute to now")
            << QStringList{"minute", "10.03.2024", "10.03.2024"} << drift << "minute 0";
        QTest::newRow("minute of a past day")
            << QStringList{"minute", "09.03.2024", "09.03.2024"} << drift << "minute 1";
        QTest::newRow("clear-totals")
            << QStringList{"--yes", "clear-totals"}
            << "SELECT action || ' ' || (ended_utc IS NOT NULL) FROM visit"
            << "clear-totals 1";
    }
    void visitRows() {
        QFETCH(QStringList, command);
        QFETCH(QString, query);
        QFETCH(QString, expected);
        const QString store = newStore();
        SimProcess sim(simAt(kDate, "12:00"));
        const QString file = dir_.filePath(QStringLiteral("meter.txt"));
        if (command.contains(QStringLiteral("@FILE"))) {
            QCOMPARE(
                CliRun::run({"--pipe", sim.pipe(), "--no-store", "settings-read", "--save", file})
                    .exitCode,
                0);
            command.replaceInStrings(QStringLiteral("@FILE"), file);
        }
        cli(sim, store, command);
        QCOMPARE(sql(store, query), expected);
    }

    // A store that cannot be opened never costs a meter action; the store's own commands
    // fail before the link is opened.
    void storeUnavailable() {
        SimProcess sim(simAt(kDate, "12:00"));
        const QString bad = QStringLiteral("/proc/zetra-no-such/meters.sqlite");
        const CliRun off = CliRun::run({"--pipe", sim.pipe(), "--no-store", "info"});
        const CliRun info = CliRun::run({"--pipe", sim.pipe(), "--store", bad, "--json", "info"});
        QCOMPARE(info.exitCode, 1);
        const QJsonObject o = json(info);
        QCOMPARE(o["outcome"].toString(), QStringLiteral("ok"));
        QVERIFY(o["messages"][0]["text"].toString().contains(bad));
        QCOMPARE(CliRun::run({"--pipe", sim.pipe(), "--store", bad, "info"}).out.size(),
                 off.out.size());
        const CliRun sync = CliRun::run({"--pipe", sim.pipe(), "--store", bad, "--trace", "sync"});
        QCOMPARE(sync.exitCode, 1);
        QVERIFY2(!sync.err.contains(QLatin1String("> ")), qPrintable(sync.err));
        QVERIFY(sync.err.contains(QStringLiteral("Ошибка: Хранилище ") + bad));
    }
};

QTEST_GUILESS_MAIN(StoreSync)
#include "test_store_sync.moc"
