// zetra-cli reports nothing done that was not done: clearings read back what they zeroed, a
// meter that falls silent ends a long action, and the output keeps the Russian conventions
// on a system without a locale of its own.
#include "tests/cli/SimProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QStringList kMeterClock{"--date", "2015-03-15", "--time", "10:00"};

struct Run {
    int exitCode = -1;
    QStringList out;
    QString err;
    QJsonObject json; // the last line, when it is an object
};

// zetra-cli with `args` against the meter, in the environment `env` (added to the test's).
Run cli(const SimProcess& sim, bool pipe, const QStringList& args, const QStringList& env = {}) {
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const QString& kv : env)
        e.insert(kv.section(QLatin1Char('='), 0, 0), kv.section(QLatin1Char('='), 1));
    p.setProcessEnvironment(e);
    const QStringList where =
        pipe ? QStringList{"--pipe", sim.pipe()} : QStringList{"--port", sim.pty()};
    p.start(QStringLiteral(ZETRA_BIN_DIR "/zetra-cli"), where + args);
    Run r;
    if (!p.waitForFinished(300000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput()).trimmed().split(QLatin1Char('\n'));
    r.err = QString::fromUtf8(p.readAllStandardError());
    r.json = QJsonDocument::fromJson(r.out.last().toUtf8()).object();
    return r;
}
} // namespace

class CliVerified : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settingsFile;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        SimProcess source(kMeterClock);
        QVERIFY(source.ready());
        settingsFile = dir.filePath(QStringLiteral("s.dat"));
        QCOMPARE(cli(source, true, {"settings-read", "--save", settingsFile}).exitCode, 0);
    }

    // A meter that acknowledges the writes and keeps what it had: the read-back finds it.
    void clearingsAreReadBack_data() {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("totals"); // clear-totals, else the daily archive
        QTest::addColumn<int>("exitCode");
        for (bool pipe : {false, true}) {
            const char* link = pipe ? "pipe" : "pty";
            QTest::addRow("%s, totals kept", link) << pipe << "nostore@cmd=24" << true << 1;
            QTest::addRow("%s, daily archive kept", link) << pipe << "nostore@cmd=66" << false << 1;
        }
        QTest::newRow("pty, totals cleared") << false << "" << true << 0;
        QTest::newRow("pty, daily archive cleared") << false << "" << false << 0;
    }
    void clearingsAreReadBack() {
        QFETCH(bool, pipe);
        QFETCH(QString, fault);
        QFETCH(bool, totals);
        QFETCH(int, exitCode);
        QStringList options = kMeterClock;
        if (!fault.isEmpty())
            options << "--fault" << fault;
        SimProcess sim(options);
        QVERIFY(sim.ready());
        const QStringList command = totals ? QStringList{"--json", "--yes", "clear-totals"}
                                           : QStringList{"--json", "--yes", "settings-write",
                                                         settingsFile, "--clear-daily"};
        const Run r = cli(sim, pipe, command);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.json.value("status").toString(), exitCode == 0
                                                        ? QStringLiteral("Завершено успешно")
                                                        : QStringLiteral("Завершено с ошибками"));
        const QJsonValue notCleared = r.json.value("not_cleared");
        // With --json the error box goes into the object.
        const QString messages = QString::fromUtf8(
            QJsonDocument(r.json.value("messages").toArray()).toJson(QJsonDocument::Compact));
        if (totals) {
            QVERIFY(notCleared.isArray());
            QCOMPARE(notCleared.toArray().isEmpty(), exitCode == 0);
            if (exitCode != 0)
                QVERIFY2(messages.contains(QStringLiteral("Накопление не обнулено")),
                         qPrintable(messages));
        } else {
            const int kept = notCleared.toObject().value("daily").toInt(-1);
            QCOMPARE(kept > 0, exitCode != 0);
            QCOMPARE(kept == 0, exitCode == 0);
            if (exitCode != 0)
                QVERIFY2(messages.contains(QStringLiteral("Суточный архив не очищен")),
                         qPrintable(messages));
        }
    }

    // The meter stops answering in the middle of a long readout: it ends after ten silent
    // transactions with what was read, not after thousands, and says what it read. (The same
    // on the pipe, whose attempts wait 4 s each, is the archive readout's own test.)
    void aSilentMeterEndsALongReadout() {
        SimProcess sim(kMeterClock + QStringList{"--fault", "silence@40-"});
        QVERIFY(sim.ready());
        const Run r = cli(sim, false, {"minute", "13.03.2015", "14.03.2015"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.out.last().startsWith(QStringLiteral("Завершено c 10 ошибками")),
                 qPrintable(r.out.last()));
        // From the newest record back to where the meter fell silent.
        const QString heading = r.out.first();
        QVERIFY2(heading.startsWith(
                     QStringLiteral("Минутный архив. Прервано: прочитано с 14.03.2015 ")) &&
                     heading.endsWith(QStringLiteral(" по 14.03.2015 23:59")),
                 qPrintable(heading));
        QVERIFY(r.out.size() > 30); // the heading and the records read
    }

    // No system locale: dates and numbers as the Russian texts expect them; a locale asked
    // for is used as it is.
    void noLocaleMeansRussianConventions_data() {
        QTest::addColumn<QStringList>("env");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("russian");
        QTest::newRow("C.UTF-8") << QStringList{"LC_ALL=C.UTF-8"} << QStringList{} << true;
        QTest::newRow("POSIX") << QStringList{"LC_ALL=POSIX"} << QStringList{} << true;
        QTest::newRow("--locale en_US")
            << QStringList{"LC_ALL=C.UTF-8"} << QStringList{"--locale", "en_US"} << false;
    }
    void noLocaleMeansRussianConventions() {
        QFETCH(QStringList, env);
        QFETCH(QStringList, options);
        QFETCH(bool, russian);
        SimProcess sim(kMeterClock);
        QVERIFY(sim.ready());
        const Run r = cli(sim, true, options + QStringList{"info"}, env);
        QCOMPARE(r.exitCode, 0);
        const QString text = r.out.join(QLatin1Char('\n'));
        QCOMPARE(text.contains(QStringLiteral("Внутренняя дата: 15.03.2015")), russian);
    }

    // A settings file's control bytes are echoed escaped, never raw onto the terminal.
    void settingsDiffEscapesControlBytes() {
        SimProcess sim(kMeterClock);
        QVERIFY(sim.ready());
        QFile in(settingsFile);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = in.readAll().split('\n');
        lines[9] = QByteArray("15\0\x01"
                              "0\r",
                              6); // the diameter's value
        const QString file = dir.filePath(QStringLiteral("nul.dat"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(lines.join('\n'));
        out.close();
        QProcess p;
        p.start(QStringLiteral(ZETRA_BIN_DIR "/zetra-cli"),
                {"--pipe", sim.pipe(), "settings-diff", file});
        QVERIFY(p.waitForFinished(60000));
        const QByteArray text = p.readAllStandardOutput() + p.readAllStandardError();
        QVERIFY2(!text.contains('\0') && !text.contains('\x01'), text.constData());
        QVERIFY2(text.contains("15\\x00\\x010"), text.constData());
    }

    // The export's meter_date is the meter's date at the readout, not the interval's end.
    void exportCarriesTheMetersDate() {
        SimProcess sim(kMeterClock);
        QVERIFY(sim.ready());
        const QString file = dir.filePath(QStringLiteral("d.json"));
        const Run r = cli(sim, true, {"daily", "10.03.2015", "12.03.2015", "--save", file});
        QCOMPARE(r.exitCode, 0);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
        QCOMPARE(o.value("to").toString(), QStringLiteral("2015-03-12"));
        QCOMPARE(o.value("meter_date").toString(), QStringLiteral("2015-03-15"));
    }
};

QTEST_GUILESS_MAIN(CliVerified)
#include "test_cli_verified.moc"
