// The threaded simulated meter met through the program's own links: SerialLink on the
// pseudo-terminal and PipeLink on the socket, running real transactions.

#include "sim/Sim.h"

#include "link/PipeLink.h"
#include "link/Protocol.h"
#include "link/SerialLink.h"
#include "tests/support/Frames.h"

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QtTest>

#include <atomic>

using namespace sim;

using test_frames::hex;

namespace {

Options quietOptions() {
    Options o;
    o.contents.date = QDate(2015, 3, 15);
    o.contents.hour = 10;
    o.contents.minute = 30;
    return o;
}

// Counts the attempts a Protocol makes (one per frame sent) and keeps what came back.
struct Trace {
    int sent = 0;
    std::vector<QByteArray> received;
    void attach(line::Protocol& p) {
        p.setTraceHook([this](line::Protocol::Direction d, const QByteArray& bytes, bool) {
            if (d == line::Protocol::Direction::Sent)
                ++sent;
            else
                received.push_back(bytes);
        });
    }
};

// The program's side of one link to the simulated meter: the link, its protocol, and what
// went each way.
struct Client {
    explicit Client(std::unique_ptr<line::Link> opened) : link(std::move(opened)) {
        if (link)
            p.setLink(link.get());
        trace.attach(p);
    }
    std::unique_ptr<line::Link> link;
    line::Protocol p;
    Trace trace;
};

QByteArray bufferBytes(const line::Protocol& p, int count) {
    return QByteArray(reinterpret_cast<const char*>(p.buffer()) + 1, count);
}

// The six transactions against a meter on any link.
void runTransactions(line::Link* link, Server& server) {
    line::Protocol p;
    p.setLink(link);
    QVERIFY(p.ReadMemory(1271, 2));
    QCOMPARE(bufferBytes(p, 2), hex("0000"));
    QVERIFY(p.ReadMemory(24, 1));
    QCOMPARE(int(p.at(1)), 0x10);
    const quint8 volume[6] = {1, 2, 3, 4, 5, 6};
    p.putData(volume, 6);
    QVERIFY(p.WriteMemory(1224, 6));
    QVERIFY(p.ReadMemory(1224, 6));
    QCOMPARE(bufferBytes(p, 6), hex("010203040506"));
    QVERIFY(p.ReadSettingBytes(16, 4));
    QCOMPARE(bufferBytes(p, 4), hex("E803D007"));
    QVERIFY(p.WriteSettingByte(69, 0x8D));
    const quint8 record[8] = {0x40, 0x42, 0x0F, 0, 0, 0x08, 0x07, 0x80};
    p.putData(record, 8);
    QVERIFY(p.WriteRecord(4000));
    QVERIFY(p.ReadRecord(4000));
    QCOMPARE(bufferBytes(p, 8), hex("40420F0000080780"));
    QVERIFY(p.replySeen());
    QVERIFY(!p.errorSeen());

    QCOMPARE(server.frameCount(), 8); // no attempt was repeated
    server.withMeter([](Meter& m) {
        QCOMPARE(m.read(Space::Memory, 1224, 6), hex("010203040506"));
        QCOMPARE(m.byte(Space::Settings, 69), quint8(0x8D));
        QCOMPARE(m.read(Space::Archive, 4000, 8), hex("40420F0000080780"));
    });
}

} // namespace

class SimServer : public QObject {
    Q_OBJECT

private slots:
    void serialLinkOnThePty() {
        Options o = quietOptions();
        o.servePipe = false;
        Server server(o);
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        QVERIFY(server.ptyPath().startsWith("/dev/"));
        QVERIFY(server.pipePath().isEmpty());
        auto link = line::SerialLink::open(server.ptyPath(), line::kConnectionTimeouts);
        QVERIFY(link);
        runTransactions(link.get(), server);
        if (QTest::currentTestFailed())
            return;

        // Closing and opening the terminal again finds the meter as before.
        link->close();
        link = line::SerialLink::open(server.ptyPath(), line::kConnectionTimeouts);
        QVERIFY(link);
        line::Protocol p;
        p.setLink(link.get());
        QVERIFY(p.ReadMemory(1238, 2));
        QCOMPARE(int(p.dataLE(1, 2)), 5552); // 2015-03-15
    }

    void pipeLinkOnTheSocket() {
        Options o = quietOptions();
        o.servePty = false;
        Server server(o);
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        QVERIFY(QFile::exists(server.pipePath()));
        QVERIFY(server.pipePath().endsWith(server.pipeName()));
        auto link = line::PipeLink::open(server.pipeName());
        QVERIFY(link);
        runTransactions(link.get(), server);
        if (QTest::currentTestFailed())
            return;

        // A second client is turned away at once; the first one goes on.
        QLocalSocket second;
        second.connectToServer(server.pipeName());
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QLocalSocket::UnconnectedState, 20000);
        line::Protocol p;
        p.setLink(link.get());
        QVERIFY(p.ReadMemory(24, 1));

        server.stop();
        QVERIFY(!QFile::exists(server.pipePath()));
    }

    void newPipeConnectionStartsEmpty() {
        Options o = quietOptions();
        o.servePty = false;
        std::atomic<int> disconnects{0};
        Server server(o);
        server.setTrafficHook([&](Port, Traffic t, const QByteArray&) {
            if (t == Traffic::Disconnected)
                ++disconnects;
        });
        QVERIFY(server.start());
        {
            auto link = line::PipeLink::open(server.pipeName());
            QVERIFY(link);
            // The start of a 19-byte write that never ends.
            QVERIFY(link->write(reinterpret_cast<const quint8*>("\x24\xF0"), 2));
            link->close();
        }
        QTRY_COMPARE_WITH_TIMEOUT(disconnects.load(), 1, 2000);
        Client c(line::PipeLink::open(server.pipeName()));
        QVERIFY(c.link);
        line::Protocol& p = c.p;
        Trace& trace = c.trace;
        QVERIFY(p.ReadMemory(24, 1));
        QCOMPARE(trace.sent, 1);
    }

    void secondPipeServerIsRefused() {
        Options o = quietOptions();
        o.servePty = false;
        Server first(o);
        QVERIFY(first.start());
        o.pipeName = first.pipeName();
        Server second(o);
        QVERIFY(!second.start());
        QVERIFY(second.errorString().contains("another program"));
        // The first server's socket is still there and still answers.
        auto link = line::PipeLink::open(first.pipeName());
        QVERIFY(link);
        line::Protocol p;
        p.setLink(link.get());
        QVERIFY(p.ReadMemory(24, 1));
    }

    // The late answer to the first attempt and the answer to the second arrive in one piece;
    // the protocol takes the first, and throws the rest away before the next transaction.
    void lateAnswerArrivesWithTheNext() {
        Options o = quietOptions();
        o.servePipe = false;
        o.faults.push_back(Fault::late(45, Selector::request(1)));
        Server server(o);
        QVERIFY(server.start());
        Client c(line::SerialLink::open(server.ptyPath(), line::kConnectionTimeouts));
        QVERIFY(c.link);
        line::Protocol& p = c.p;
        Trace& trace = c.trace;
        QVERIFY(p.ReadMemory(24, 1));
        QCOMPARE(trace.sent, 2);
        QCOMPARE(trace.received[0], QByteArray());
        QCOMPARE(trace.received[1].size(), 3);
        QVERIFY(p.ReadMemory(1271, 2));
        QCOMPARE(trace.sent, 3);
        QCOMPARE(bufferBytes(p, 2), hex("0000"));
    }

    void faultsSeenThroughTheProtocol_data() {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<int>("attempts");
        QTest::newRow("bad CRC once") << "badcrc@1" << true << 2;
        QTest::newRow("short answer once") << "short@1" << true << 2;
        QTest::newRow("dropped twice") << "drop@1-2" << true << 3;
        QTest::newRow("silent") << "silence" << false << 3;
        QTest::newRow("bad acknowledgement") << "badack" << false << 3;
        QTest::newRow("junk after the answer") << "junk" << true << 1;
        QTest::newRow("other command") << "drop@cmd=5A" << true << 1;
    }
    void faultsSeenThroughTheProtocol() {
        QFETCH(QString, spec);
        QFETCH(bool, succeeds);
        QFETCH(int, attempts);
        Options o = quietOptions();
        o.servePipe = false;
        Server server(o);
        QVERIFY(server.start());
        server.setFaults({*parseFault(spec)});
        Client c(line::SerialLink::open(server.ptyPath(), line::kConnectionTimeouts));
        QVERIFY(c.link);
        line::Protocol& p = c.p;
        Trace& trace = c.trace;
        QCOMPARE(p.ReadMemory(1271, 2), succeeds);
        QCOMPARE(trace.sent, attempts);
        QCOMPARE(server.frameCount(), attempts);
        if (spec == "silence") {
            // Nothing comes back, not even the request: the terminal does not echo.
            for (const QByteArray& r : trace.received)
                QCOMPARE(r, QByteArray());
        }
        // A following transaction meets no leftovers.
        server.setFaults({});
        trace.sent = 0;
        QVERIFY(p.ReadMemory(24, 1));
        QCOMPARE(trace.sent, 1);
    }

    // At 9600 baud the meter takes each request byte a byte time after the last and sends each
    // answer byte a byte time after the last: no transaction is over before its bytes have
    // crossed the line, whatever the machine's load, and none is asked twice. The read waits
    // long, so that a busy machine delays the answers without making the program ask again;
    // how close the pace stays to the line's lies with bench_sim_timing.
    void lineTimingPacesTheBytes() {
        Options o = quietOptions();
        o.servePipe = false;
        o.lineTiming = true;
        Server server(o);
        QVERIFY(server.start());
        auto link = line::SerialLink::open(server.ptyPath(), line::ReadTimeouts{0, 0, 10000});
        QVERIFY(link);
        line::Protocol p;
        p.setLink(link.get());
        const QByteArray stored =
            server.withMeter([](Meter& m) { return m.read(Space::Memory, 1216, 15); });
        // 4 request bytes and 17 answer bytes: 21 byte times, 21.9 ms.
        const std::chrono::nanoseconds line = 21 * Server::kByteTime;
        constexpr int kRounds = 20;
        QElapsedTimer all;
        all.start();
        for (int i = 0; i < kRounds; ++i) {
            QElapsedTimer clock;
            clock.start();
            QVERIFY(p.ReadMemory(1216, 15));
            const qint64 ns = clock.nsecsElapsed();
            QCOMPARE(bufferBytes(p, 15).toHex(), stored.toHex());
            QVERIFY2(ns >= line.count(), qPrintable(QString::number(ns)));
        }
        QVERIFY(all.nsecsElapsed() >= kRounds * line.count());
        QCOMPARE(server.frameCount(), kRounds);
        const auto frames = server.frames();
        for (std::size_t i = 0; i < frames.size(); ++i) {
            QCOMPARE(frames[i].index, int(i) + 1);
            if (i > 0) // each request complete at least a whole transaction after the last
                QVERIFY(frames[i].at - frames[i - 1].at >= line);
        }
    }

    void programmingOverThePty() {
        Options o = quietOptions();
        o.servePipe = false;
        Server server(o);
        QVERIFY(server.start());
        auto link = line::SerialLink::open(server.ptyPath(), line::ReadTimeouts{0, 0, 5000});
        QVERIFY(link);
        QByteArray image(kProgramSize, '\0');
        for (int i = 0; i < image.size(); ++i)
            image[i] = char(i * 13 + i / 256);
        auto send = [&](const QByteArray& b) {
            return link->write(reinterpret_cast<const quint8*>(b.constData()), int(b.size()));
        };
        quint8 answer = 0;
        QVERIFY(send(hex("7EFFFFAF")));
        QVERIFY(send(hex("FB")));
        QCOMPARE(link->read(&answer, 1), 1);
        QCOMPARE(int(answer), 0xAA);
        QVERIFY(send(hex("FD")));
        for (int k = 0; k < 120; ++k) {
            for (int i = 0; i < 64; ++i) // one write per byte, as the program sends them
                QVERIFY(send(image.mid(k * 64 + i, 1)));
            QCOMPARE(link->read(&answer, 1), 1);
            QCOMPARE(int(answer), 120 - k);
        }
        QByteArray back(kProgramSize, '\0');
        link->setTimeouts(line::ReadTimeouts{0, 0, 10000});
        QCOMPARE(link->read(reinterpret_cast<quint8*>(back.data()), kProgramSize), kProgramSize);
        QVERIFY(back == image);
        QVERIFY(send(hex("F9")));
        QVERIFY(server.waitFor([](const Meter& m) { return m.finishedProgrammings() == 1; }, 3000));
        server.withMeter([&](Meter& m) { QVERIFY(m.bytes(Space::Program) == image); });
    }

    void programmingMeterFallsSilent() {
        Options o = quietOptions();
        o.servePipe = false;
        o.faults.push_back(Fault::stallBlocks(3));
        Server server(o);
        QVERIFY(server.start());
        auto link = line::SerialLink::open(server.ptyPath(), line::ReadTimeouts{0, 0, 300});
        QVERIFY(link);
        const QByteArray start = hex("7EFFFFAFFB");
        QVERIFY(link->write(reinterpret_cast<const quint8*>(start.constData()), 5));
        quint8 answer = 0;
        QCOMPARE(link->read(&answer, 1), 1);
        QCOMPARE(int(answer), 0xAA);
        QVERIFY(link->write(reinterpret_cast<const quint8*>("\xFD"), 1));
        const QByteArray block(64, '\x11');
        int answered = 0;
        for (int k = 0; k < 5; ++k) {
            QVERIFY(link->write(reinterpret_cast<const quint8*>(block.constData()), 64));
            answered += link->read(&answer, 1);
        }
        QCOMPARE(answered, 3);
    }
};

QTEST_GUILESS_MAIN(SimServer)
#include "test_sim_server.moc"
