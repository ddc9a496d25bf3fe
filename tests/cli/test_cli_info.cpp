// zetra-cli info against the zetra-sim program: the twelve rows, the status line last, the
// exit codes and the frame trace.

#include "tests/cli/CliRun.h"
#include "tests/cli/SimProcess.h"

#include <QtTest>

class CliInfoTest : public QObject {
    Q_OBJECT

    const QStringList meterClock{"--date", "2010-02-17", "--time", "09:05", "--firmware-version",
                                 "5",      "--serial",   "12345"};

private slots:
    void twelveRowsThenTheStatus_data() {
        QTest::addColumn<bool>("overPipe");
        QTest::newRow("pipe") << true;
        QTest::newRow("pty") << false;
    }
    void twelveRowsThenTheStatus() {
        QFETCH(bool, overPipe);
        SimProcess meter(meterClock + QStringList{"--set", "mem:1224=40420F000000"});
        QVERIFY(meter.ready());
        const QStringList link =
            overPipe ? QStringList{"--pipe", meter.pipe()} : QStringList{"--port", meter.pty()};
        const CliRun r = CliRun::run(QStringList{"--locale", "ru_RU", "info"} + link);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.size(), 13);
        QVERIFY(r.out[0].startsWith(QStringLiteral("Текущий расход, м3/ч: ")));
        QCOMPARE(r.out[2], QStringLiteral("Накопленный объём, м3: 1,000"));
        QCOMPARE(r.out[6], QStringLiteral("Внутренняя дата: 17.02.2010"));
        QCOMPARE(r.out[7], QStringLiteral("Внутреннее время: 09:05"));
        QCOMPARE(r.out[8], QStringLiteral("Серийный номер: 12345"));
        QCOMPARE(r.out[10], QStringLiteral("Версия прошивки: 5"));
        QCOMPARE(r.out[12], QStringLiteral("Завершено успешно"));
    }

    void anEmptyValueKeepsItsBlank() {
        SimProcess meter(meterClock + QStringList{"--fault", "drop@addr=1274"});
        QVERIFY(meter.ready());
        const CliRun r = CliRun::run({"--port", meter.pty(), "--locale", "ru_RU", "info"});
        QCOMPARE(r.out[5], QStringLiteral("Напряжение батареи, В: "));
        QCOMPARE(r.out.last(), QStringLiteral("Завершено с ошибками"));
        QCOMPARE(r.exitCode, 1);
    }

    void connectionEndingBeforeTheBranch() {
        SimProcess foreign({"--identity", "1"});
        QVERIFY(foreign.ready());
        CliRun r = CliRun::run({"--pipe", foreign.pipe(), "info"});
        QCOMPARE(r.out, QStringList{"Несовместимое устройство"});
        QCOMPARE(r.exitCode, 1);

        SimProcess silent({"--fault", "silence@all"});
        QVERIFY(silent.ready());
        r = CliRun::run({"--port", silent.pty(), "info", "--trace"});
        QCOMPARE(r.out, QStringList{"Прибор не отвечает"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QStringLiteral("> 18 24 F7 62\n<  (timeout)\n> 18 24 F7 62\n<  (timeout)\n"
                                       "> 18 24 F7 62\n<  (timeout)\n"));
    }

    void traceShowsBothDirections() {
        SimProcess meter(meterClock);
        QVERIFY(meter.ready());
        const CliRun r = CliRun::run({"--trace", "--pipe", meter.pipe(), "info"});
        const QStringList trace = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(trace.size(), 2 * 13);
        QCOMPARE(trace[0], QStringLiteral("> 18 24 F7 62"));
        QVERIFY(trace[1].startsWith(QStringLiteral("< 64 00 ")));
        QCOMPARE(trace[1].size(), QStringLiteral("< 64 00 00 00").size());
        QCOMPARE(trace[2].left(5), QStringLiteral("> 18 "));
    }
};

QTEST_GUILESS_MAIN(CliInfoTest)
#include "test_cli_info.moc"
