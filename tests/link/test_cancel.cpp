// Stopping an action: what a request does in each phase, how soon a waiting read and a drain
// give up on a real pseudo-terminal, and that the protocol sends nothing more once asked.

#include "link/Cancel.h"
#include "link/Protocol.h"
#include "link/SerialLink.h"
#include "tests/support/PtyLine.h"
#include "tests/support/ScriptedLink.h"

#include <QElapsedTimer>
#include <QtTest>

using Effect = line::CancelToken::Effect;
using Phase = line::CancelToken::Phase;

Q_DECLARE_METATYPE(QList<Effect>)

namespace {
// A scripted line on which the person asks to stop while a chosen read is waiting.
class CancellingLink : public ScriptedLink {
public:
    line::CancelToken* token = nullptr;
    int cancelAtRead = -1;
    int read(quint8* data, int count) override {
        if (reads + 1 == cancelAtRead)
            token->request();
        return ScriptedLink::read(data, count);
    }
};
} // namespace

class CancelTest : public QObject {
    Q_OBJECT

private slots:
    // Requests in a phase: "i" asks while interruptible, "d"/"r" enter a deferred or refused
    // phase, "." leaves it. The effects of the requests in order, and whether the action must
    // stop at the end.
    void requestsInPhases_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QList<Effect>>("effects");
        QTest::addColumn<bool>("stopAtEnd");
        QTest::newRow("plain") << "?" << QList<Effect>{Effect::Stopping} << true;
        QTest::newRow("twice") << "??" << QList<Effect>{Effect::Stopping, Effect::AlreadyAsked}
                               << true;
        QTest::newRow("settings write holds it")
            << "d??" << QList<Effect>{Effect::AfterPhase, Effect::AlreadyAsked} << false;
        QTest::newRow("honoured once the write ends")
            << "d?." << QList<Effect>{Effect::AfterPhase} << true;
        QTest::newRow("firmware from the erase drops it")
            << "r??." << QList<Effect>{Effect::CannotStop, Effect::AlreadyAsked} << false;
        QTest::newRow("asked before the refused phase")
            << "?r" << QList<Effect>{Effect::Stopping} << false;
        QTest::newRow("nested phases")
            << "dr?.?" << QList<Effect>{Effect::CannotStop, Effect::AfterPhase} << false;
    }
    void requestsInPhases() {
        QFETCH(QString, script);
        QFETCH(QList<Effect>, effects);
        QFETCH(bool, stopAtEnd);
        line::CancelToken token;
        QList<Phase> seen;
        token.setPhaseObserver([&](Phase p) { seen.append(p); });
        std::vector<std::unique_ptr<line::CancelToken::Scope>> scopes;
        QList<Effect> got;
        for (const QChar c : script) {
            if (c == QLatin1Char('?'))
                got.append(token.request());
            else if (c == QLatin1Char('d'))
                scopes.push_back(
                    std::make_unique<line::CancelToken::Scope>(&token, Phase::Deferred));
            else if (c == QLatin1Char('r'))
                scopes.push_back(
                    std::make_unique<line::CancelToken::Scope>(&token, Phase::Refused));
            else if (c == QLatin1Char('.'))
                scopes.pop_back();
        }
        QCOMPARE(got, effects);
        QCOMPARE(token.stopNow(), stopAtEnd);
        QCOMPARE(seen.size(), script.count(QLatin1Char('d')) + script.count(QLatin1Char('r')) +
                                  script.count(QLatin1Char('.')));
        token.reset();
        QVERIFY(!token.requested());
    }

    // A transaction whose read was waiting when the stop came: no further attempt, failed.
    // One asked before it starts sends nothing at all.
    void protocolStopsAttempting_data() {
        QTest::addColumn<int>("cancelAtRead");
        QTest::addColumn<int>("writesExpected");
        QTest::newRow("during the first attempt") << 1 << 1;
        QTest::newRow("during the second attempt") << 2 << 2;
        QTest::newRow("before the transaction") << 0 << 0;
    }
    void protocolStopsAttempting() {
        QFETCH(int, cancelAtRead);
        QFETCH(int, writesExpected);
        line::CancelToken token;
        CancellingLink link;
        link.token = &token;
        link.cancelAtRead = cancelAtRead;
        line::Protocol protocol;
        protocol.setPause([](int) {});
        protocol.setLink(&link);
        protocol.setCancelToken(&token);
        int steps = 0;
        protocol.setProgressHook([&] { ++steps; });
        if (cancelAtRead == 0)
            token.request();
        for (int i = 0; i < 3; ++i)
            link.silence();
        QVERIFY(!protocol.ReadRecord(5848));
        QCOMPARE(link.writes.size(), writesExpected);
        QVERIFY(protocol.errorSeen());
        QCOMPARE(steps, 1);
        // No drain of a late answer either: the link closes next.
        QVERIFY(!protocol.WriteRecord(5848));
        QCOMPARE(link.writes.size(), writesExpected);
        QCOMPARE(link.settles, 0);
    }

    // The settings write's phase: the request waits, every transaction runs in full.
    void deferredPhaseKeepsTransacting() {
        line::CancelToken token;
        CancellingLink link;
        link.token = &token;
        link.cancelAtRead = 1;
        line::Protocol protocol;
        protocol.setLink(&link);
        protocol.setCancelToken(&token);
        line::CancelToken::Scope scope(&token, Phase::Deferred);
        link.silence();
        link.answer(QByteArray::fromHex("64"));
        QVERIFY(protocol.WriteSettingByte(16, 0x3A));
        QCOMPARE(link.writes.size(), 2);
        QVERIFY(token.requested());
        QVERIFY(!token.stopNow());
    }

    // On a real line: a read waiting for a minute-long answer, or a drain waiting for quiet up
    // to a minute, gives up on the request, long before its own limit; a write that was asked
    // completes whole.
    void waitsGiveUpAtOnce_data() {
        QTest::addColumn<bool>("drain");
        QTest::newRow("read") << false;
        QTest::newRow("drain") << true;
    }
    void waitsGiveUpAtOnce() {
        QFETCH(bool, drain);
        PtyLine meter;
        auto link = line::SerialLink::open(meter.path, line::ReadTimeouts{0, 0, 60000});
        QVERIFY(link);
        line::CancelToken token;
        link->setCancelToken(&token);
        QElapsedTimer clock;
        clock.start();
        qint64 askedAt = -1;
        link->setIdleHook([&] {
            // The line chatters while the drain waits, so only the request ends it.
            if (drain)
                meter.send(QByteArray(1, char(0x55)));
            if (askedAt < 0 && clock.elapsed() >= 150) {
                askedAt = clock.elapsed();
                token.request();
            }
        });
        if (drain) {
            link->discardUntilQuiet(200, 60000);
        } else {
            quint8 buf[10] = {};
            QCOMPARE(link->read(buf, 10), 0);
        }
        QVERIFY(askedAt >= 0);
        const qint64 late = clock.elapsed() - askedAt;
        QVERIFY2(late < 30000, qPrintable(QString::number(late)));

        const QByteArray frame = QByteArray::fromHex("5A16D8AB");
        QVERIFY(link->write(reinterpret_cast<const quint8*>(frame.constData()), 4));
        QCOMPARE(meter.received(), frame);
    }
};

QTEST_GUILESS_MAIN(CancelTest)
#include "test_cancel.moc"
