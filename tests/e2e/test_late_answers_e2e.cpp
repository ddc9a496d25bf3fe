// Answers late by anything from nothing to ten seconds, over the pseudo-terminal and over the
// pipe: every value read is either the meter's own or reported as failed, never the answer to
// another request.

#include "link/Protocol.h"
#include "sim/Sim.h"
#include "tests/support/MeterBench.h"

#include <QtTest>

namespace {
enum class Transport { Pty, Pipe };
enum class Kind { Memory, Settings, Record };

// Two requests of each kind whose answers differ, so that a shifted answer shows.
struct Request {
    quint16 address;
    QByteArray bytes;
};
const Request kMemory[] = {{100, QByteArray::fromHex("1122")}, {102, QByteArray::fromHex("3344")}};
const Request kSettings[] = {{10, QByteArray::fromHex("5566")}, {12, QByteArray::fromHex("7788")}};
const Request kRecords[] = {{0, QByteArray::fromHex("0102030405060708")},
                            {8, QByteArray::fromHex("1112131415161718")}};
} // namespace

Q_DECLARE_METATYPE(Transport)
Q_DECLARE_METATYPE(Kind)

class LateAnswers : public QObject {
    Q_OBJECT

private slots:
    void everyValueIsRightOrFailed_data() {
        QTest::addColumn<Transport>("transport");
        QTest::addColumn<int>("lateMs");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("mustRead");
        const std::pair<Kind, const char*> kinds[] = {
            {Kind::Memory, "memory"}, {Kind::Settings, "settings"}, {Kind::Record, "record"}};
        // The pty's read gives up after 32 ms, the pipe's after 4000 ms, and each transaction
        // tries three times, taking an earlier attempt's answer when it comes during a later
        // one. How many of the four reads must be right:
        // - pty: within 32 ms every one; at 45 ms the second attempt still takes the first
        //   one's answer; at 300 ms and beyond all three attempts have given up (none must
        //   be, none may be wrong, and once the meter is on time again the next read is right);
        // - pipe: within 4000 ms every one; beyond, up to 12000 ms, a later attempt takes the
        //   first one's answer (only the first read there: each takes seconds).
        const std::pair<int, int> pty[] = {{0, 4}, {20, 4}, {45, 4}, {300, 0}, {4100, 0}};
        const std::pair<int, int> pipe[] = {{0, 4}, {100, 4}, {3900, 1}, {4100, 1}, {9900, 1}};
        for (const auto& [ms, reads] : pty)
            for (const auto& [kind, name] : kinds)
                if (ms < 4000 || kind == Kind::Memory)
                    QTest::addRow("pty, %d ms, %s", ms, name)
                        << Transport::Pty << ms << kind << reads;
        for (const auto& [ms, reads] : pipe)
            for (const auto& [kind, name] : kinds)
                if (ms < 3000 || kind == Kind::Memory)
                    QTest::addRow("pipe, %d ms, %s", ms, name)
                        << Transport::Pipe << ms << kind << reads;
    }
    void everyValueIsRightOrFailed() {
        QFETCH(Transport, transport);
        QFETCH(int, lateMs);
        QFETCH(Kind, kind);
        QFETCH(int, mustRead);
        sim::Options o;
        o.contents.date = QDate(2015, 3, 15);
        for (const Request& r : kMemory)
            o.contents.set(sim::Space::Memory, r.address, r.bytes);
        for (const Request& r : kSettings)
            o.contents.set(sim::Space::Settings, r.address, r.bytes);
        for (const Request& r : kRecords)
            o.contents.set(sim::Space::Archive, r.address, r.bytes);
        if (lateMs > 0)
            o.faults.push_back(sim::Fault::late(lateMs));
        sim::Server meter(o);
        QVERIFY2(meter.start(), qPrintable(meter.errorString()));
        std::unique_ptr<line::Link> link = openLink(meter, transport == Transport::Pipe);
        QVERIFY(link);
        line::Protocol protocol;
        protocol.setLink(link.get());

        const Request* requests = kind == Kind::Memory     ? kMemory
                                  : kind == Kind::Settings ? kSettings
                                                           : kRecords;
        // One read of a request; false when it failed, a test failure when it read the wrong
        // bytes.
        auto read = [&](const Request& r) {
            const int count = int(r.bytes.size());
            bool ok = false;
            switch (kind) {
            case Kind::Memory:
                ok = protocol.ReadMemory(r.address, quint8(count));
                break;
            case Kind::Settings:
                ok = protocol.ReadSettingBytes(quint8(r.address), quint8(count));
                break;
            case Kind::Record:
                ok = protocol.ReadRecord(r.address);
                break;
            }
            if (ok) {
                const QByteArray got(reinterpret_cast<const char*>(protocol.buffer()) + 1, count);
                [&] { QCOMPARE(got.toHex(), r.bytes.toHex()); }();
            }
            return ok;
        };
        int right = 0;
        // Each request twice in turn: a shifted answer would be the other request's bytes.
        for (int round = 0; round < 4; ++round) {
            const bool ok = read(requests[round % 2]);
            if (QTest::currentTestFailed())
                return;
            right += ok ? 1 : 0;
            // Beyond 3 s one right value is proof enough, and two failed reads show that the
            // second one does not take the first one's answer; more would take seconds each.
            if (lateMs >= 3000 && (ok || round == 1))
                break;
        }
        QVERIFY2(right >= mustRead, qPrintable(QString::number(right)));
        if (mustRead == 0) {
            // The late answers still on their way are not taken for the next request's.
            meter.setFaults({});
            QVERIFY(read(requests[1]));
            QVERIFY(read(requests[0]));
        }
    }
};

QTEST_GUILESS_MAIN(LateAnswers)
#include "test_late_answers_e2e.moc"
