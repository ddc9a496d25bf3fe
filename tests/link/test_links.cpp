// The serial link on a real pseudo-terminal: exclusive opening, the read time-outs, the idle
// hook of long waits, discarding; the pipe link's opening rules.

#include "link/LinkOpener.h"
#include "link/PipeLink.h"
#include "link/PortList.h"
#include "link/SerialLink.h"
#include "tests/support/PtyLine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

class LinksTest : public QObject {
    Q_OBJECT

private slots:
    void serialPortIsOpenedExclusively() {
        PtyLine meter;
        auto first = line::SerialLink::open(meter.path, line::kConnectionTimeouts);
        QVERIFY(first);
        QVERIFY(!line::SerialLink::open(meter.path, line::kConnectionTimeouts));
        first->close();
        first.reset();
        QVERIFY(line::SerialLink::open(meter.path, line::kConnectionTimeouts));
    }

    void aPortThatIsNotThere() {
        const auto serial = [](const QString& entry) {
            return line::port_list::targetOfEntry(entry, false, line::opener::defaultPipeName());
        };
        const line::OpenResult r = line::opener::open(serial(QStringLiteral("/dev/zetra-none x")),
                                                      line::kConnectionTimeouts);
        QVERIFY(!r.link);
        QCOMPARE(r.portName, QStringLiteral("/dev/zetra-none "));
        const line::OpenResult blank =
            line::opener::open(serial(QStringLiteral(" Modem")), line::kConnectionTimeouts);
        QVERIFY(!blank.link);
        QCOMPARE(blank.portName, QStringLiteral(" "));
        // Programming never takes the pipe entry: it has no port name.
        const line::OpenResult pipe = line::opener::openSerial(
            line::port_list::targetOfEntry(QStringLiteral("КВЗ-клиент"), true,
                                           line::opener::defaultPipeName()),
            line::kConnectionTimeouts);
        QVERIFY(!pipe.link);
        QCOMPARE(pipe.portName, QString());
    }

    void readReturnsWhatCameWithinTheTotalTimeout() {
        PtyLine meter;
        auto link = line::SerialLink::open(meter.path, line::kConnectionTimeouts);
        QVERIFY(link);
        quint8 buf[17] = {};
        meter.send(QByteArray::fromHex("6400"));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(link->read(buf, 4), 2);
        const qint64 ms = clock.elapsed();
        // Not before the 32 ms; far later would be waiting for bytes that never come.
        QVERIFY2(ms >= 30 && ms < 3000, qPrintable(QString::number(ms)));

        // All there: no waiting for the time-out, here a long one.
        link->setTimeouts(line::ReadTimeouts{0, 0, 60000});
        meter.send(QByteArray::fromHex("64010203"));
        clock.restart();
        QCOMPARE(link->read(buf, 4), 4);
        QVERIFY2(clock.elapsed() < 30000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(buf[3], quint8(3));
    }

    void entryTimeoutsGiveUpWithinMilliseconds() {
        PtyLine meter;
        auto link = line::SerialLink::open(meter.path, line::ReadTimeouts{2, 2, 1});
        QVERIFY(link);
        // Milliseconds, not seconds: 3 ms in all, shorter than one slice of a long wait, so
        // the window is given its turn once at most (a wait of seconds gives it dozens).
        int idles = 0;
        link->setIdleHook([&idles] { ++idles; });
        quint8 byte = 0;
        QCOMPARE(link->read(&byte, 1), 0);
        QVERIFY2(idles <= 1, qPrintable(QString::number(idles)));
    }

    void intervalTimeoutEndsAPausedAnswer() {
        PtyLine meter;
        auto link = line::SerialLink::open(meter.path, line::ReadTimeouts{20, 0, 60000});
        QVERIFY(link);
        meter.send(QByteArray::fromHex("AA"));
        quint8 buf[4];
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(link->read(buf, 4), 1);
        // Ended by the 20 ms pause, long before the 60 s in all.
        QVERIFY2(clock.elapsed() < 30000, qPrintable(QString::number(clock.elapsed())));
    }

    void longWaitsKeepTheWindowAlive() {
        PtyLine meter;
        auto link = line::SerialLink::open(meter.path, line::ReadTimeouts{0, 0, 300});
        int idles = 0;
        link->setIdleHook([&idles] { ++idles; });
        quint8 byte;
        QCOMPARE(link->read(&byte, 1), 0);
        QVERIFY2(idles >= 5, qPrintable(QString::number(idles)));
    }

    void discardingDropsWhatIsQueued() {
        PtyLine meter;
        auto link = line::SerialLink::open(meter.path, line::kConnectionTimeouts);
        meter.send(QByteArray::fromHex("01020304"));
        QVERIFY(meter.waitUntilQueued(4));
        link->discardInput();
        meter.send(QByteArray::fromHex("64"));
        quint8 byte = 0;
        QCOMPARE(link->read(&byte, 1), 1);
        QCOMPARE(byte, quint8(0x64));
        const quint8 request[4] = {0x18, 0x24, 0xF7, 0x62};
        QVERIFY(link->write(request, 4));
        QCOMPARE(meter.received(), QByteArray::fromHex("1824F762"));
    }

    void waitingForAQuietLine() {
        PtyLine meter;
        auto link = line::SerialLink::open(meter.path, line::kConnectionTimeouts);
        QCOMPARE(link->quietPeriodMs(), 64);
        meter.send(QByteArray::fromHex("6401"));
        QElapsedTimer clock;
        clock.start();
        link->discardUntilQuiet(40, 1000);
        QVERIFY(clock.elapsed() >= 40);
        meter.send(QByteArray::fromHex("64"));
        quint8 byte = 0;
        QCOMPARE(link->read(&byte, 1), 1);
        QCOMPARE(byte, quint8(0x64));
    }

    void pipeByBareNameOrPath() {
        QTemporaryDir dir;
        QLocalServer server;
        const QString path = dir.filePath(QStringLiteral("kwz_pipe"));
        QVERIFY(server.listen(path));
        auto link = line::PipeLink::open(path);
        QVERIFY(link);
        QCOMPARE(link->kind(), line::Link::Kind::Pipe);
        QVERIFY(!line::PipeLink::open(dir.filePath(QStringLiteral("nobody"))));
        QVERIFY(!line::PipeLink::open(QString()));
    }
};

QTEST_GUILESS_MAIN(LinksTest)
#include "test_links.moc"
