// Stopping zetra-cli with SIGINT part way through each long action, against zetra-sim on a
// 9600-baud line: what was read is printed and kept, the status says how far it got, the exit
// code is 130; phases that must not be cut run to their end. The --log file shows where the
// action is, so each signal is sent at a known point.

#include "link/Link.h"
#include "tests/cli/SimProcess.h"
#include "tests/support/FirmwareImageFile.h"
#include "tests/support/Frames.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>

namespace {
QString cliPath() { return QStringLiteral(ZETRA_BIN_DIR "/zetra-cli"); }

int countIn(const QString& text, const QString& what) { return int(text.count(what)); }

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Ends the simulated meter, which writes its memories to `path` (its --dump).
QJsonObject dumpOf(SimProcess& sim, const QString& path) {
    if (!sim.finish())
        return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

QByteArray space(const QJsonObject& dump, const char* name) {
    return QByteArray::fromHex(dump.value(QLatin1String(name)).toString().toLatin1());
}

constexpr int kMinuteFirst = 5848;
} // namespace

class CliCancelTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString image;

    // Starts zetra-cli, waits until its log holds `count` lines with `marker`, waits `delayMs`,
    // sends SIGINT and waits for the end. What the log held once the signal had gone is kept:
    // after it, only the transaction already on the line may be carried out.
    struct Run {
        int exitCode = -1;
        QStringList out;
        QString err;
        QString log;
        QString logAtSignal; // the log just after the (first) signal went
        bool signalled = false;
    };
    Run interrupt(const QStringList& args, const QString& marker, int count, int delayMs = 0,
                  int signalCount = 1) {
        Run r;
        const QString log = dir.filePath(QStringLiteral("cancel-%1.log").arg(logCounter++));
        QProcess p;
        p.setProgram(cliPath());
        p.setArguments(QStringList{"--log", log} + args);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start();
        if (!p.waitForStarted())
            return r;
        QElapsedTimer clock;
        clock.start();
        while (p.state() == QProcess::Running && clock.elapsed() < 120000) {
            if (countIn(readAll(log), marker) >= count) {
                QThread::msleep(ulong(delayMs));
                for (int i = 0; i < signalCount; ++i) {
                    ::kill(pid_t(p.processId()), SIGINT);
                    if (i == 0)
                        r.logAtSignal = readAll(log);
                    QThread::msleep(30);
                }
                r.signalled = true;
                break;
            }
            p.waitForFinished(5);
        }
        if (!p.waitForFinished(60000))
            p.kill();
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        QString out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        r.out = out.split(QLatin1Char('\n'));
        r.err = QString::fromUtf8(p.readAllStandardError());
        r.log = readAll(log);
        return r;
    }
    int logCounter = 0;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        image = test_images::write(dir.filePath(QStringLiteral("image.zet")));
        QVERIFY(!image.isEmpty());
    }

    // The readouts, over the pseudo-terminal and the pipe: the records read so far are kept
    // and printed, and the status counts them.
    void readouts_data() {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<int>("after");
        QTest::newRow("daily, pty")
            << false << QStringList{"daily", "15.03.2013", "15.03.2015"} << 150;
        QTest::newRow("daily, pipe")
            << true << QStringList{"daily", "15.03.2013", "15.03.2015"} << 150;
        QTest::newRow("minute, pty")
            << false << QStringList{"minute", "11.03.2015", "15.03.2015"} << 300;
    }
    void readouts() {
        QFETCH(bool, pipe);
        QFETCH(QStringList, command);
        QFETCH(int, after);
        SimProcess sim({"--line-timing", "--date", "2015-03-15", "--time", "23:59"});
        QVERIFY(sim.ready());
        const QStringList target =
            pipe ? QStringList{"--pipe", sim.pipe()} : QStringList{"--port", sim.pty()};
        const Run r = interrupt(QStringList{"--locale", "ru_RU"} + target + command,
                                QStringLiteral("ReadRecord"), after);
        QVERIFY(r.signalled);
        QCOMPARE(r.exitCode, 130);
        static const QRegularExpression status(
            QStringLiteral("^Прервано пользователем\\. Прочитано (\\d+) записей$"));
        const auto m = status.match(r.out.last());
        QVERIFY2(m.hasMatch(), qPrintable(r.out.last()));
        const int read = m.captured(1).toInt();
        // After the signal only the record already on its way is read (or the one whose
        // request was being logged as the log was looked at); the daily count holds today's
        // running record too, read from the memory.
        // Records asked for: their first attempts (a busy line may need a second).
        static const QRegularExpression first(QStringLiteral("ReadRecord \\d+ 1/"));
        const int asked = int(r.logAtSignal.count(first));
        QVERIFY2(read >= asked - 1 && read <= asked + 2,
                 qPrintable(QStringLiteral("%1 read, %2 asked").arg(read).arg(asked)));
        QVERIFY(asked >= after / 2);
        QVERIFY(int(r.log.count(first)) <= asked + 1);
        // The report holds the records read (its heading and rows come before the status).
        QVERIFY(r.out.size() > 3);
        // Its heading says which records: back from the meter's 15.03.2015 23:59.
        const bool daily = command.first() == QLatin1String("daily");
        const QDateTime end(QDate(2015, 3, 15), QTime(23, 59));
        const QString from = daily ? end.date().addDays(1 - read).toString("dd.MM.yyyy")
                                   : end.addSecs(-60 * (read - 1)).toString("dd.MM.yyyy hh:mm");
        QCOMPARE(r.out.first(), (daily ? QStringLiteral("Суточный") : QStringLiteral("Минутный")) +
                                    QStringLiteral(" архив. Прервано: прочитано с ") + from +
                                    (daily ? QStringLiteral(" по 15.03.2015")
                                           : QStringLiteral(" по 15.03.2015 23:59")));
        // The log ends with the link closed.
        QVERIFY2(r.log.trimmed().section(QLatin1Char('\n'), -1).contains(QLatin1String(" * ")),
                 qPrintable(r.log.right(300)));
    }

    // --progress with standard error not a terminal: one line per whole percent, in order,
    // each with the count and the time left; standard output holds the report alone.
    void progressLinesWithoutATerminal() {
        SimProcess sim({"--line-timing", "--date", "2015-03-15", "--time", "23:59"});
        QVERIFY(sim.ready());
        const Run r =
            interrupt({"--progress", "--pipe", sim.pipe(), "daily", "15.03.2013", "15.03.2015"},
                      QStringLiteral("ReadRecord"), 300);
        QVERIFY(r.signalled);
        QCOMPARE(r.exitCode, 130);
        static const QRegularExpression progress(
            QStringLiteral("^(\\d+)% (\\d+)/(\\d+) осталось \\d+:\\d\\d$"));
        const QStringList lines = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(lines.size() >= 5, qPrintable(r.err));
        int lastPercent = -1;
        for (const QString& line : lines) {
            const auto m = progress.match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            QVERIFY2(m.captured(1).toInt() > lastPercent, qPrintable(line));
            lastPercent = m.captured(1).toInt();
            QVERIFY(m.captured(2).toInt() <= m.captured(3).toInt());
        }
        QVERIFY(!r.err.contains(QLatin1Char('\r')));
        for (const QString& line : r.out)
            QVERIFY2(!progress.match(line).hasMatch(), qPrintable(line));
    }

    // Clearing the minute archive: the records up to the count the status gives are zero, the
    // rest untouched (the one whose acknowledgement the cancel cut may be either).
    void minuteClearing() {
        const QString dumpAfter = dir.filePath(QStringLiteral("after.json"));
        const QString dumpBefore = dir.filePath(QStringLiteral("before.json"));
        SimProcess sim({"--line-timing", "--dump", dumpAfter});
        QVERIFY(sim.ready());
        SimProcess original({"--dump", dumpBefore});
        QVERIFY(original.ready());
        const QByteArray before = space(dumpOf(original, dumpBefore), "archive");
        QCOMPARE(before.size(), 65536);

        const QString settings = dir.filePath(QStringLiteral("meter.dat"));
        QProcess read;
        read.start(cliPath(), {"--port", sim.pty(), "settings-read", "--save", settings});
        QVERIFY(read.waitForFinished(30000));
        QCOMPARE(read.exitCode(), 0);

        const Run r =
            interrupt({"--yes", "--port", sim.pty(), "settings-write", settings, "--clear-minute"},
                      QStringLiteral("WriteRecord"), 200);
        QCOMPARE(r.exitCode, 130);
        static const QRegularExpression status(
            QStringLiteral("^Прервано пользователем\\. Очищено (\\d+) записей из 7200$"));
        const auto m = status.match(r.out.last());
        QVERIFY2(m.hasMatch(), qPrintable(r.out.last()));
        const int cleared = m.captured(1).toInt();
        static const QRegularExpression first(QStringLiteral("WriteRecord \\d+ 1/"));
        const int asked = int(r.logAtSignal.count(first));
        QVERIFY2(cleared >= asked - 1 && cleared <= asked + 1,
                 qPrintable(QStringLiteral("%1 cleared, %2 asked").arg(cleared).arg(asked)));
        QVERIFY(asked >= 100);
        QVERIFY(int(r.log.count(first)) <= asked + 1);
        const QByteArray after = space(dumpOf(sim, dumpAfter), "archive");
        QCOMPARE(after.mid(kMinuteFirst, cleared * 8), QByteArray(cleared * 8, '\0'));
        const int untouched = kMinuteFirst + (cleared + 1) * 8;
        QCOMPARE(after.mid(untouched), before.mid(untouched));
        QVERIFY(before.mid(untouched) != QByteArray(before.size() - untouched, '\0'));
    }

    // The settings write runs to its hour stamp and its read-back whatever the signal; then the
    // action stops, and the clearing asked for does not start. A second signal changes nothing.
    // With --json the object says the write went and nothing differs.
    void settingsWriteEndsFirst_data() {
        QTest::addColumn<bool>("json");
        QTest::newRow("text") << false;
        QTest::newRow("json") << true;
    }
    void settingsWriteEndsFirst() {
        QFETCH(bool, json);
        SimProcess sim({"--line-timing"});
        QVERIFY(sim.ready());
        const QString settings = dir.filePath(QStringLiteral("meter2.dat"));
        QProcess read;
        read.start(cliPath(), {"--port", sim.pty(), "settings-read", "--save", settings});
        QVERIFY(read.waitForFinished(30000));
        QCOMPARE(read.exitCode(), 0);

        QStringList args{"--yes", "--port", sim.pty(), "settings-write", settings, "--clear-daily"};
        if (json)
            args.prepend(QStringLiteral("--json"));
        const Run r = interrupt(args, QStringLiteral("WriteSettingByte 16="), 1, 0, 2);
        QCOMPARE(r.exitCode, 130);
        if (json) {
            const QJsonObject o = QJsonDocument::fromJson(r.out.join(QString()).toUtf8()).object();
            QCOMPARE(o.value(QLatin1String("outcome")).toString(), QStringLiteral("cancelled"));
            QCOMPARE(o.value(QLatin1String("status")).toString(),
                     QStringLiteral("Прервано пользователем"));
            QCOMPARE(o.value(QLatin1String("written")).toBool(), true);
            QCOMPARE(o.value(QLatin1String("mismatches")).toArray().size(), 0);
        } else {
            QCOMPARE(r.out.last(), QStringLiteral("Прервано пользователем"));
        }
        QCOMPARE(countIn(r.err, QStringLiteral("\n")), 1);
        QVERIFY(r.err.contains(QStringLiteral("Запись настроек не прерывается")));
        // Every settings byte went, and the clock, and the area was read back; no record was
        // cleared.
        for (int address = 16; address <= 69; ++address)
            QVERIFY2(r.log.contains(QStringLiteral("WriteSettingByte %1=").arg(address)),
                     qPrintable(QString::number(address)));
        const qsizetype clockWritten = r.log.indexOf(QLatin1String("WriteMemory 1240 3"));
        QVERIFY(clockWritten > 0);
        QVERIFY(r.log.indexOf(QLatin1String("ReadMemory 1238 2"), clockWritten) > clockWritten);
        QVERIFY(!r.log.contains(QLatin1String("WriteRecord")));
    }

    // Firmware: a signal before the erase command stops with nothing more sent; from it on the
    // programming runs to its end and keeps its own outcome.
    void firmware_data() {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("imageSent");
        QTest::newRow("before the erase")
            << "7E FF FF AF" << 130 << "Прервано пользователем" << false;
        QTest::newRow("after the erase") << "block 3/120" << 0 << "Завершено успешно" << true;
    }
    void firmware() {
        QFETCH(QString, marker);
        QFETCH(int, exitCode);
        QFETCH(QString, status);
        QFETCH(bool, imageSent);
        SimProcess sim({"--line-timing"});
        QVERIFY(sim.ready());
        const Run r =
            interrupt({"--yes", "--port", sim.pty(), "firmware-program", image}, marker, 1);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.out.last(), status);
        QCOMPARE(r.log.contains(QLatin1String("> FD")), imageSent);
        QCOMPARE(r.err.contains(QStringLiteral("Прошивку нельзя прервать")), imageSent);
        if (!imageSent)
            QVERIFY(!r.log.contains(QLatin1String("> FB")));
    }

    // A pipe whose far end has gone silent: every attempt would wait 4 s; the signal ends the
    // one under way before its time-out (by the log's own stamps) and no other follows.
    void deadPipe() {
        SimProcess sim({"--fault", "drop@2-"});
        QVERIFY(sim.ready());
        const Run r = interrupt({"--pipe", sim.pipe(), "daily", "01.03.2015", "15.03.2015"},
                                QStringLiteral("ReadMemory 24 1 1/3"), 1, 500);
        QCOMPARE(r.exitCode, 130);
        QCOMPARE(r.out.last(), QStringLiteral("Прервано пользователем"));
        QVERIFY(!r.log.contains(QLatin1String("ReadMemory 24 1 2/3")));
        const QStringList lines = r.log.split(QLatin1Char('\n'));
        const QDateTime asked = test_frames::stampOf(lines, QStringLiteral("ReadMemory 24 1 1/3"));
        const QDateTime gaveUp = test_frames::stampOf(lines, QStringLiteral("<   timeout"));
        QVERIFY2(asked.isValid() && gaveUp.isValid(), qPrintable(r.log));
        QVERIFY2(asked.msecsTo(gaveUp) < line::kPipeTimeouts.totalConstantMs, qPrintable(r.log));
    }
};

QTEST_GUILESS_MAIN(CliCancelTest)
#include "test_cli_cancel.moc"
