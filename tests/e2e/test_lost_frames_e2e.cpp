// A request lost on the line costs its read time-out and the retry, not a long wait for an
// answer that never comes; an answer that does come late is still never taken for another
// request's. Over the pseudo-terminal and over the pipe.

#include "link/Protocol.h"
#include "sim/Sim.h"
#include "tests/support/MeterBench.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {
enum class Transport { Pty, Pipe };
const std::pair<quint16, QByteArray> kValues[] = {{100, QByteArray::fromHex("1122")},
                                                  {102, QByteArray::fromHex("3344")}};
} // namespace

Q_DECLARE_METATYPE(Transport)

class LostFrames : public QObject {
    Q_OBJECT

private slots:
    // Faults on the meter's request numbers: request 2 is the second read's first attempt.
    // `budgetMs`: how long the four reads may take in all (0: unbounded): the lost requests'
    // time-outs, a slow retry's answer, and five seconds besides: a loaded machine keeps that, and
    // a lost frame that cost the ten seconds more it once did still shows.
    void everyValueIsRightAndALostFrameIsCheap_data() {
        QTest::addColumn<Transport>("transport");
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<int>("budgetMs");
        constexpr int kMargin = 5000;
        for (Transport t : {Transport::Pty, Transport::Pipe}) {
            const bool pty = t == Transport::Pty;
            const char* name = pty ? "pty" : "pipe";
            const int timeout = pty ? 32 : 4000;
            const int over = pty ? 45 : 4100; // just past the read time-out
            const int slow = pty ? 20 : 1000; // within it
            QTest::addRow("%s, a request lost", name)
                << t << QStringList{"drop@2"} << timeout + kMargin;
            QTest::addRow("%s, two requests lost", name)
                << t << QStringList{"drop@2-3"} << 2 * timeout + kMargin;
            QTest::addRow("%s, lost, the retry answered slowly", name)
                << t << QStringList{"drop@2", QStringLiteral("late:%1@3").arg(slow)}
                << timeout + slow + kMargin;
            QTest::addRow("%s, a first answer just late", name)
                << t << QStringList{QStringLiteral("late:%1@2").arg(over)} << 0;
            QTest::addRow("%s, every answer just late", name)
                << t << QStringList{QStringLiteral("late:%1@2-").arg(over)} << 0;
            QTest::addRow("%s, lost, then the retry's answer late", name)
                << t << QStringList{"drop@2", QStringLiteral("late:%1@3").arg(over)} << 0;
        }
    }
    void everyValueIsRightAndALostFrameIsCheap() {
        QFETCH(Transport, transport);
        QFETCH(QStringList, faults);
        QFETCH(int, budgetMs);
        sim::Options o;
        for (const auto& [address, bytes] : kValues)
            o.contents.set(sim::Space::Memory, address, bytes);
        for (const QString& f : faults)
            o.faults.push_back(*sim::parseFault(f));
        sim::Server meter(o);
        QVERIFY2(meter.start(), qPrintable(meter.errorString()));
        std::unique_ptr<line::Link> link = openLink(meter, transport == Transport::Pipe);
        QVERIFY(link);
        line::Protocol protocol;
        protocol.setLink(link.get());

        QElapsedTimer clock;
        clock.start();
        int right = 0;
        for (int round = 0; round < 4; ++round) {
            const auto& [address, bytes] = kValues[round % 2];
            if (!protocol.ReadMemory(address, quint8(bytes.size())))
                continue;
            QCOMPARE(
                QByteArray(reinterpret_cast<const char*>(protocol.buffer()) + 1, int(bytes.size()))
                    .toHex(),
                bytes.toHex());
            ++right;
        }
        QCOMPARE(right, 4);
        if (budgetMs > 0)
            QVERIFY2(clock.elapsed() < budgetMs, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_GUILESS_MAIN(LostFrames)
#include "test_lost_frames_e2e.moc"
