#include "link/Protocol.h"
#include "tests/support/Frames.h"
#include "tests/support/ScriptedLink.h"

#include <QtTest>

using Verdict = line::Protocol::Verdict;
Q_DECLARE_METATYPE(Verdict)

using test_frames::hex;
using test_frames::readAnswer;

namespace {
QString seen(line::Protocol::Direction d, const QByteArray& bytes, bool timedOut) {
    return (d == line::Protocol::Direction::Sent ? QStringLiteral("> ") : QStringLiteral("< ")) +
           QString::fromLatin1(bytes.toHex(' ')) + (timedOut ? QStringLiteral(" !") : QString());
}
} // namespace

class ProtocolObserversTest : public QObject {
    Q_OBJECT

private slots:
    // The one check of an answer: what came, how many bytes were awaited, whether it carries data.
    void judge_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("data");
        QTest::addColumn<Verdict>("verdict");
        QTest::newRow("nothing") << QByteArray() << 1 << false << Verdict::Timeout;
        QTest::newRow("acknowledged") << hex("64") << 1 << false << Verdict::Ok;
        QTest::newRow("another first byte") << hex("55") << 1 << false << Verdict::WrongAcknowledge;
        QTest::newRow("read answer") << readAnswer(hex("E803")) << 4 << true << Verdict::Ok;
        QTest::newRow("read cut short") << hex("64E8") << 4 << true << Verdict::Short;
        QTest::newRow("acknowledgement only") << hex("64") << 4 << true << Verdict::Short;
        QTest::newRow("bad CRC") << hex("64E80300") << 4 << true << Verdict::BadCrc;
        QTest::newRow("read, wrong first byte")
            << hex("55E80300") << 4 << true << Verdict::WrongAcknowledge;
    }
    void judge() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, expected);
        QFETCH(bool, data);
        QFETCH(Verdict, verdict);
        QCOMPARE(line::Protocol::judge(reinterpret_cast<const quint8*>(bytes.constData()),
                                       int(bytes.size()), expected, data),
                 verdict);
    }

    // The trace and any other observer hear the same frames, in the same order, each once;
    // the verdict told is the one the transaction acted on.
    void everyObserverHearsEveryFrame_data() {
        QTest::addColumn<QList<QByteArray>>("answers");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QList<Verdict>>("verdicts");
        QTest::newRow("first answer")
            << QList<QByteArray>{readAnswer(hex("0102"))} << true << QList<Verdict>{Verdict::Ok};
        QTest::newRow("silence, then the first attempt's answer")
            << QList<QByteArray>{{}, readAnswer(hex("0102"))} << true
            << QList<Verdict>{Verdict::Timeout, Verdict::Ok};
        QTest::newRow("bad CRC, short, wrong acknowledgement")
            << QList<QByteArray>{hex("64010200"), hex("6401"), hex("55")} << false
            << QList<Verdict>{Verdict::BadCrc, Verdict::Short, Verdict::WrongAcknowledge};
        QTest::newRow("silence throughout")
            << QList<QByteArray>{{}, {}, {}} << false
            << QList<Verdict>{Verdict::Timeout, Verdict::Late, Verdict::Late};
    }
    void everyObserverHearsEveryFrame() {
        QFETCH(QList<QByteArray>, answers);
        QFETCH(bool, ok);
        QFETCH(QList<Verdict>, verdicts);
        ScriptedLink link;
        for (const QByteArray& a : answers)
            link.answer(a);
        line::Protocol protocol;
        protocol.setLink(&link);
        QStringList traced, observed;
        QList<Verdict> answerVerdicts;
        protocol.setTraceHook([&](line::Protocol::Direction d, const QByteArray& b, bool t) {
            traced.append(seen(d, b, t));
        });
        protocol.observe([&](const line::Protocol::Frame& f) {
            observed.append(seen(f.direction, f.bytes, f.timedOut));
            if (f.direction == line::Protocol::Direction::Received)
                answerVerdicts.append(f.verdict);
        });
        QCOMPARE(protocol.ReadMemory(1271, 2), ok);
        QCOMPARE(observed, traced);
        QCOMPARE(answerVerdicts, verdicts);
    }

    // A subscription replaced or forgotten is not told again; the others still are.
    void subscriptionsComeAndGo() {
        ScriptedLink link;
        line::Protocol protocol;
        protocol.setLink(&link);
        int traceA = 0, traceB = 0, log = 0, other = 0;
        protocol.setTraceHook(
            [&](line::Protocol::Direction, const QByteArray&, bool) { ++traceA; });
        protocol.setFrameHook([&](const line::Protocol::Frame&) { ++log; });
        const int handle = protocol.observe([&](const line::Protocol::Frame&) { ++other; });
        link.answer(hex("64"));
        protocol.WriteSettingByte(16, 1);
        QCOMPARE(traceA, 2);
        protocol.setTraceHook(
            [&](line::Protocol::Direction, const QByteArray&, bool) { ++traceB; });
        protocol.forget(handle);
        link.answer(hex("64"));
        protocol.WriteSettingByte(16, 1);
        QCOMPARE(traceA, 2);
        QCOMPARE(traceB, 2);
        QCOMPARE(other, 2);
        QCOMPARE(log, 4);
        protocol.setFrameHook({});
        protocol.setTraceHook({});
        link.answer(hex("64"));
        protocol.WriteSettingByte(16, 1);
        QCOMPARE(log + traceB, 6);
    }
};

QTEST_GUILESS_MAIN(ProtocolObserversTest)
#include "test_protocol_observers.moc"
