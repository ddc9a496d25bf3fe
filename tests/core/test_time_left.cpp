// The time-left estimate against a clock the test moves, and the progress line of zetra-cli
// in its three modes.

#include "cli/ProgressLine.h"
#include "core/TimeLeft.h"

#include <QtTest>

class TimeLeftTest : public QObject {
    Q_OBJECT

private slots:
    // Work of `total` units whose unit costs `firstCost` ms, from unit `change` on `laterCost`;
    // the estimate read after `at` units.
    void estimate_data() {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("firstCost");
        QTest::addColumn<int>("change");
        QTest::addColumn<int>("laterCost");
        QTest::addColumn<int>("at");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<bool>("shown");
        // Daily archive at 9600 baud: about 15 ms a record.
        QTest::newRow("daily at 10 %") << 731 << 15 << 731 << 15 << 73 << qint64(658 * 15) << true;
        // Minute clearing: a record write with its 15 ms pause.
        QTest::newRow("clearing at half")
            << 7200 << 29 << 7200 << 29 << 3600 << qint64(3600 * 29) << true;
        // The meter falls silent: three read time-outs a record from then on; after a window
        // of the new cost the estimate is the new cost's.
        QTest::newRow("meter falls silent")
            << 7200 << 15 << 1000 << 96 << 1100 << qint64(6100 * 96) << true;
        // A readout of 10 transactions is over in a blink: nothing shown.
        QTest::newRow("short readout") << 10 << 20 << 10 << 20 << 5 << qint64(100) << false;
        // The meter's identity read: one transaction of a bar of a thousand steps would
        // promise seconds; it is not shown.
        QTest::newRow("one step of a thousand")
            << 1000 << 20 << 1000 << 20 << 1 << qint64(999 * 20) << false;
    }
    void estimate() {
        QFETCH(int, total);
        QFETCH(int, firstCost);
        QFETCH(int, change);
        QFETCH(int, laterCost);
        QFETCH(int, at);
        QFETCH(qint64, expected);
        QFETCH(bool, shown);
        core::TimeLeft t;
        qint64 now = 1000;
        t.start(total, now);
        QVERIFY(!t.remainingMs());
        for (int done = 1; done <= at; ++done) {
            now += done <= change ? firstCost : laterCost;
            t.update(done, now);
        }
        QVERIFY(t.remainingMs());
        QVERIFY2(qAbs(*t.remainingMs() - expected) <= expected / 50,
                 qPrintable(QString::number(*t.remainingMs())));
        QCOMPARE(t.worthShowing(), shown);
    }

    void text_data() {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0:00";
        QTest::newRow("rounded") << qint64(10600) << "0:11";
        QTest::newRow("minute archive clearing") << qint64(210000) << "3:30";
        QTest::newRow("dead pipe") << qint64(4523000) << "75:23";
    }
    void text() {
        QFETCH(qint64, ms);
        QFETCH(QString, text);
        QCOMPARE(core::TimeLeft::text(ms), text);
    }

    // The firmware's bar restarts between the blocks and the read-back; its plan in bytes keeps
    // one estimate over both, and the bar's moves do not disturb it.
    void plannedWorkOutlivesTheBar() {
        core::ProgressFollower f;
        qint64 now = 0;
        f.setClock([&] { return now; });
        f.planWork(15480);
        f.setMaximum(119);
        for (int block = 1; block <= 24; ++block) {
            now += 65;
            f.setPosition(block);
            f.workDone(block * 65);
        }
        QVERIFY(f.timeLeftMs());
        QCOMPARE(*f.timeLeftMs(), qint64(15480 - 24 * 65));
        f.setMaximum(7680);
        QCOMPARE(*f.timeLeftMs(), qint64(15480 - 24 * 65));
        f.endPlan();
        QVERIFY(!f.timeLeftMs());
    }

    // Redrawn in place on a terminal, one line per whole percent with --progress, nothing
    // otherwise; a short action shows nothing in any mode.
    void progressLine_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("costMs");
        QTest::addColumn<int>("writes");
        QTest::addColumn<QString>("last");
        // Shown from 25 %, once a second of the work is measured.
        QTest::newRow("lines") << int(cli::ProgressLine::Mode::Lines) << 400 << 10 << 76
                               << "100% 400/400 осталось 0:00\n";
        QTest::newRow("off") << int(cli::ProgressLine::Mode::Off) << 400 << 10 << 0 << "";
        QTest::newRow("short action") << int(cli::ProgressLine::Mode::Lines) << 400 << 1 << 0 << "";
        QTest::newRow("redrawn") << int(cli::ProgressLine::Mode::Redraw) << 400 << 10 << 77
                                 << "\r" + QString(26, QLatin1Char(' ')) +
                                        "\r"; // erased when the bar returns to 0
    }
    void progressLine() {
        QFETCH(int, mode);
        QFETCH(int, steps);
        QFETCH(int, costMs);
        QFETCH(int, writes);
        QFETCH(QString, last);
        QStringList out;
        cli::ProgressLine line(cli::ProgressLine::Mode(mode),
                               [&](const QString& t) { out.append(t); });
        qint64 now = 0;
        line.follower().setClock([&] { return now; });
        line.setMaximum(steps);
        for (int i = 0; i < steps; ++i) {
            now += costMs;
            line.step();
        }
        line.setPosition(0);
        QCOMPARE(out.size(), writes);
        QCOMPARE(out.isEmpty() ? QString() : out.last(), last);
        if (mode == int(cli::ProgressLine::Mode::Redraw))
            QVERIFY(out[out.size() - 2].startsWith(QLatin1String("\r100% 400/400")));
    }
};

QTEST_GUILESS_MAIN(TimeLeftTest)
#include "test_time_left.moc"
