// zetra-cli when the meter's port or pipe goes away in the middle of an action: the action
// ends at once and honestly, whatever it was doing.
#include "tests/cli/SimProcess.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class CliLinkFaults : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void vanishedMeter_data() {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("status"); // how the last line starts
        const QString file = dir.filePath(QStringLiteral("s.dat"));
        const QStringList readout{"minute", "13.03.2015", "14.03.2015"};
        const QStringList clearing{"--yes", "settings-write", file, "--clear-daily",
                                   "--clear-minute"};
        const QStringList write{"--yes", "settings-write", file};
        for (bool pipe : {false, true}) {
            const char* link = pipe ? "pipe" : "pty";
            QTest::addRow("%s, readout", link) << pipe << readout << "Завершено c ";
            QTest::addRow("%s, clearing", link) << pipe << clearing << "Завершено с ошибками";
            QTest::addRow("%s, settings write", link) << pipe << write << "Завершено с ошибками";
        }
    }
    void vanishedMeter() {
        QFETCH(bool, pipe);
        QFETCH(QStringList, command);
        QFETCH(QString, status);
        const QStringList meterClock{"--date", "2015-03-15", "--time", "10:00"};
        if (!QFile::exists(dir.filePath(QStringLiteral("s.dat")))) {
            SimProcess source(meterClock);
            QVERIFY(source.ready());
            QProcess read;
            read.start(QStringLiteral(ZETRA_BIN_DIR "/zetra-cli"),
                       {"--pipe", source.pipe(), "settings-read", "--save",
                        dir.filePath(QStringLiteral("s.dat"))});
            QVERIFY(read.waitForFinished(30000));
            QCOMPARE(read.exitCode(), 0);
        }
        auto sim = std::make_unique<SimProcess>(meterClock + QStringList{"--delay", "5"});
        QVERIFY(sim->ready());
        QProcess cli;
        cli.setReadChannel(QProcess::StandardError);
        const QStringList where =
            pipe ? QStringList{"--pipe", sim->pipe()} : QStringList{"--port", sim->pty()};
        cli.start(QStringLiteral(ZETRA_BIN_DIR "/zetra-cli"),
                  where + QStringList{"--trace"} + command);
        // Let a few requests be answered, then take the meter away.
        QByteArray err;
        QElapsedTimer waited;
        waited.start();
        while (err.count("\n> ") < 12 && waited.elapsed() < 20000) {
            cli.waitForReadyRead(100);
            err += cli.readAllStandardError();
        }
        QVERIFY2(err.count("\n> ") >= 12, err.constData());
        QElapsedTimer sinceLoss;
        sinceLoss.start();
        sim.reset();
        QVERIFY(cli.waitForFinished(20000));
        const qint64 ms = sinceLoss.elapsed();
        qInfo("%s ended %lld ms after the meter went away", qPrintable(command.join(' ')), ms);
        QCOMPARE(cli.exitCode(), 1);
        const QStringList out =
            QString::fromUtf8(cli.readAllStandardOutput()).trimmed().split(QLatin1Char('\n'));
        QVERIFY2(out.last().startsWith(status), qPrintable(out.last()));
        err += cli.readAllStandardError();
        QVERIFY2(err.contains("Связь с прибором потеряна: "), err.right(300).constData());
        // Once the meter is gone, only the request already on its way goes out: no further
        // attempt, no next transaction (each would wait out its time-out first).
        const QList<QByteArray> lines = err.split('\n');
        qsizetype lastAnswer = -1;
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (lines[i].startsWith("< ") && !lines[i].startsWith("<  "))
                lastAnswer = i;
        QVERIFY(lastAnswer > 0);
        const auto after = std::count_if(lines.begin() + lastAnswer, lines.end(),
                                         [](const QByteArray& l) { return l.startsWith("> "); });
        QVERIFY2(after <= 2, err.right(600).constData());
    }
};

QTEST_GUILESS_MAIN(CliLinkFaults)
#include "test_cli_link_faults.moc"
