// Answers late by anything from nothing to ten seconds, over the pseudo-terminal and over the
// pipe: every value read is either the meter's own or reported as failed, never the answer to
// another request.

#include "link/PipeLink.h"
#include "link/Protocol.h"
#include "link/SerialLink.h"
#include "sim/Sim.h"

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
        const std::pair<Kind, const char*> kinds[] = {
            {Kind::Memory, "memory"}, {Kind::Settings, "settings"}, {Kind::Record, "record"}};
        // The pty's read gives up after 32 ms, the pipe's after 4000 ms: amounts on either
        // side of that, and far beyond it (only one kind there, they take long).
        for (int ms : {0, 20, 45, 300, 4100})
            for (const auto& [kind, name] : kinds)
                if (ms < 4000 || kind == Kind::Memory)
                    QTest::addRow("pty, %d ms, %s", ms, name) << Transport::Pty << ms << kind;
        for (int ms : {0, 100, 3900, 4100, 9900})
            for (const auto& [kind, name] : kinds)
                if (ms < 3000 || kind == Kind::Memory)
                    QTest::addRow("pipe, %d ms, %s", ms, name) << Transport::Pipe << ms << kind;
    }
    void everyValueIsRightOrFailed() {
        QFETCH(Transport, transport);
        QFETCH(int, lateMs);
        QFETCH(Kind, kind);
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
        std::unique_ptr<line::Link> link;
        if (transport == Transport::Pty)
            link = line::SerialLink::open(meter.ptyPath(), line::kConnectionTimeouts);
        else
            link = line::PipeLink::open(meter.pipeName());
        QVERIFY(link);
        line::Protocol protocol;
        protocol.setLink(link.get());

        const Request* requests = kind == Kind::Memory     ? kMemory
                                  : kind == Kind::Settings ? kSettings
                                                           : kRecords;
        int right = 0;
        // Each request twice in turn: a shifted answer would be the other request's bytes.
        for (int round = 0; round < 4; ++round) {
            const Request& r = requests[round % 2];
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
            if (!ok)
                continue;
            const QByteArray got(reinterpret_cast<const char*>(protocol.buffer()) + 1, count);
            QCOMPARE(got.toHex(), r.bytes.toHex());
            ++right;
            if (lateMs >= 3000)
                break; // one right value is proof enough; more would take half a minute each
        }
        // An answer within the read time is simply read; a late one may fail, never mislead.
        if (lateMs == 0 || (transport == Transport::Pipe && lateMs < 3000))
            QCOMPARE(right, 4);
        else if (transport == Transport::Pipe && lateMs < 4000)
            QCOMPARE(right, 1);
    }
};

QTEST_GUILESS_MAIN(LateAnswers)
#include "test_late_answers_e2e.moc"
