#include "link/Crc8.h"
#include "link/PortList.h"
#include "link/Protocol.h"
#include "tests/support/Frames.h"
#include "tests/support/ScriptedLink.h"

#include <QElapsedTimer>
#include <QtTest>

using test_frames::hex;
using test_frames::readAnswer;

namespace {} // namespace

class ProtocolTest : public QObject {
    Q_OBJECT

    ScriptedLink link;
    line::Protocol protocol;
    int progressSteps = 0;
    int pauses = 0;

    // Plays a script on the link: what arrives on each write ("-" nothing, "10!" an answer whose
    // CRC is broken), what arrives while owed answers are awaited. Reads memory 24, 23 and 22;
    // each one's byte in hexadecimal or "fail".
    QString playScript(const QStringList& onWrite, const QStringList& whileWaiting) {
        auto bytesOf = [](const QString& text) {
            QByteArray out;
            for (const QString& one : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                if (one == QLatin1String("-"))
                    continue;
                QByteArray a = readAnswer(QByteArray::fromHex(one.left(2).toLatin1()));
                if (one.endsWith(QLatin1Char('!'))) // a broken CRC
                    a[a.size() - 1] = char(~a[a.size() - 1]);
                out += a;
            }
            return out;
        };
        for (const QString& w : onWrite)
            link.answer(bytesOf(w));
        for (const QString& w : whileWaiting)
            link.arrivals.push_back(bytesOf(w));
        QStringList got;
        for (quint16 address : {24, 23, 22})
            got << (protocol.ReadMemory(address, 1)
                        ? QString::number(protocol.at(1), 16).rightJustified(2, QLatin1Char('0'))
                        : QStringLiteral("fail"));
        return got.join(QLatin1Char(' '));
    }

private slots:
    void init() {
        link = ScriptedLink();
        protocol = line::Protocol();
        protocol.setLink(&link);
        progressSteps = 0;
        pauses = 0;
        protocol.setProgressHook([this] { ++progressSteps; });
        protocol.setPause([this](int ms) {
            QCOMPARE(ms, 15);
            ++pauses;
        });
    }

    void crcMatchesTheMaximCheckValue() {
        const QByteArray check("123456789");
        QCOMPARE(line::crc8(reinterpret_cast<const quint8*>(check.constData()), 9), quint8(0xA1));
        QCOMPARE(line::crc8(nullptr, 0), quint8(0));
    }

    void requestFrames() {
        link.answer(readAnswer(hex("0000")));
        QVERIFY(protocol.ReadMemory(1271, 2));
        QCOMPARE(link.writes.last(), hex("1824F762"));

        link.answer(hex("64"));
        const quint8 data[3] = {0x01, 0x02, 0x03};
        protocol.putData(data, 3);
        QVERIFY(protocol.WriteMemory(1240, 3));
        QByteArray frame = hex("2434D8010203");
        frame.append(char(line::crc8(reinterpret_cast<const quint8*>(frame.constData()), 6)));
        QCOMPARE(link.writes.last(), frame);

        link.answer(readAnswer(hex("E803")));
        QVERIFY(protocol.ReadSettingBytes(16, 2));
        frame = hex("3C0210");
        frame.append(char(line::crc8(reinterpret_cast<const quint8*>(frame.constData()), 3)));
        QCOMPARE(link.writes.last(), frame);

        link.answer(hex("64"));
        QVERIFY(protocol.WriteSettingByte(69, 0x8D));
        frame = hex("428D45");
        frame.append(char(line::crc8(reinterpret_cast<const quint8*>(frame.constData()), 3)));
        QCOMPARE(link.writes.last(), frame);

        link.answer(readAnswer(hex("40420F0000080780")));
        QVERIFY(protocol.ReadRecord(63440));
        frame = hex("5AF7D0");
        frame.append(char(line::crc8(reinterpret_cast<const quint8*>(frame.constData()), 3)));
        QCOMPARE(link.writes.last(), frame);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(protocol.buffer() + 1), 8),
                 hex("40420F0000080780"));

        link.answer(hex("64"));
        const quint8 record[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        protocol.putData(record, 8);
        QVERIFY(protocol.WriteRecord(5848));
        frame = hex("6616D80102030405060708");
        frame.append(char(line::crc8(reinterpret_cast<const quint8*>(frame.constData()), 11)));
        QCOMPARE(link.writes.last(), frame);
        QCOMPARE(link.writes.last().size(), 12);
    }

    void countAndAddressShareByteOne() {
        link.answer(readAnswer(QByteArray(15, '\0')));
        QVERIFY(protocol.ReadMemory(0x0FFF, 15));
        QCOMPARE(link.writes.last().left(3), hex("18FFFF"));
    }

    // What the read test accepts: the whole answer with a matching CRC, nothing less.
    void readAnswerAcceptance_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("complete") << 2 << readAnswer(hex("1234")) << true;
        QTest::newRow("short 64 00 for two bytes") << 2 << hex("6400") << false;
        QTest::newRow("64 00 for no data bytes") << 0 << hex("6400") << true;
        QTest::newRow("single 64") << 1 << hex("64") << false;
        QTest::newRow("nothing") << 1 << QByteArray() << false;
        QTest::newRow("wrong acknowledgement") << 1 << hex("650000") << false;
        QByteArray bad = readAnswer(hex("1234"));
        bad[3] = char(bad[3] ^ 1);
        QTest::newRow("wrong CRC") << 2 << bad << false;
        QTest::newRow("one byte missing") << 2 << readAnswer(hex("1234")).left(3) << false;
    }
    void readAnswerAcceptance() {
        QFETCH(int, count);
        QFETCH(QByteArray, answer);
        QFETCH(bool, accepted);
        for (int i = 0; i < 3; ++i)
            link.answer(answer);
        QCOMPARE(protocol.ReadMemory(24, quint8(count)), accepted);
        QCOMPARE(link.writes.size(), accepted ? 1 : 3);
    }

    void writeAcknowledgement() {
        link.answer(hex("65"));
        link.silence();
        link.answer(hex("64"));
        QVERIFY(protocol.WriteSettingByte(0, 0));
        QCOMPARE(link.writes.size(), 3);
        QVERIFY(!protocol.errorSeen());
        QVERIFY(protocol.replySeen());
    }

    void threeAttemptsThenFailure() {
        QVERIFY(!protocol.ReadMemory(24, 1));
        QCOMPARE(link.writes.size(), 3);
        QCOMPARE(link.writes[0], link.writes[2]); // the frame is sent again unchanged
        QVERIFY(protocol.errorSeen());
        QVERIFY(!protocol.replySeen());
        QCOMPARE(progressSteps, 1);
    }

    void flagsAccumulateUntilCleared() {
        QVERIFY(!protocol.ReadMemory(24, 1));
        link.answer(readAnswer(hex("10")));
        QVERIFY(protocol.ReadMemory(24, 1));
        QVERIFY(protocol.errorSeen());
        QVERIFY(protocol.replySeen());
        QCOMPARE(progressSteps, 2);
        protocol.clearFlags();
        QVERIFY(!protocol.errorSeen());
        QVERIFY(!protocol.replySeen());
    }

    void strayBytesAreDiscardedWhenNothingIsOwed() {
        // A previous answer's tail is still queued: it must not pass for this answer.
        link.pending = readAnswer(hex("AA"));
        link.answer(readAnswer(hex("10")));
        QVERIFY(protocol.ReadMemory(24, 1));
        QCOMPARE(protocol.at(1), quint8(0x10));
        QCOMPARE(link.discards, 1);
        QCOMPARE(protocol.answersOwed(), 0);
        // Unanswered attempts are owed their answers; they are counted, not discarded.
        QVERIFY(!protocol.ReadMemory(23, 1));
        QCOMPARE(link.discards, 2);
        QCOMPARE(protocol.answersOwed(), 3);
    }

    // Answers are counted: whatever comes, and whenever, a transaction takes only an answer to
    // its own request. Each script row: what arrives on each write ("-" nothing), and what
    // arrives while the protocol waits for owed answers before a new transaction. The
    // transactions read memory 24, 23, 22; the outcome lists each one's byte or "fail".
    void answersAreCounted_data() {
        QTest::addColumn<QStringList>("onWrite");
        QTest::addColumn<QStringList>("whileWaiting");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("undisturbed")
            << QStringList{"10", "07", "05"} << QStringList{} << "10 07 05";
        QTest::newRow("retry takes the first attempt's late answer")
            << QStringList{"-", "10", "07", "05"} << QStringList{"10"} << "10 07 05";
        QTest::newRow("both answers in the retry's read")
            << QStringList{"-", "10 10", "07", "05"} << QStringList{} << "10 07 05";
        QTest::newRow("every attempt late, answers come while waiting")
            << QStringList{"-", "-", "-", "07", "05"} << QStringList{"10", "10", "10"}
            << "fail 07 05";
        QTest::newRow("late answers of a failed read, then lost ones")
            << QStringList{"-", "-", "-", "07", "05"} << QStringList{"10"} << "fail 07 05";
        QTest::newRow("earlier attempts' answers ahead of this one's")
            << QStringList{"-", "-", "10 10 10", "07", "05"} << QStringList{} << "10 07 05";
        QTest::newRow("a bad answer, then the retry's")
            << QStringList{"10!", "10", "07", "05"} << QStringList{} << "10 07 05";
    }
    void answersAreCounted() {
        QFETCH(QStringList, onWrite);
        QFETCH(QStringList, whileWaiting);
        QFETCH(QString, outcome);
        QCOMPARE(playScript(onWrite, whileWaiting), outcome);
    }

    // The retry answered, the first attempt's answer still owed: lost, or late like the one
    // taken. Script as above; the wait before the next request stays short either way.
    void aRetryAnsweredCostsNoLongWait_data() {
        QTest::addColumn<QStringList>("onWrite");
        QTest::addColumn<QStringList>("whileWaiting");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("first request lost")
            << QStringList{"-", "10", "07", "05"} << QStringList{} << "10 07 05";
        QTest::newRow("second answer comes while waiting")
            << QStringList{"-", "10", "07", "05"} << QStringList{"10"} << "10 07 05";
        QTest::newRow("two retries, both answers owed")
            << QStringList{"-", "-", "10", "07", "05"} << QStringList{} << "10 07 05";
    }
    void aRetryAnsweredCostsNoLongWait() {
        QFETCH(QStringList, onWrite);
        QFETCH(QStringList, whileWaiting);
        QFETCH(QString, outcome);
        QCOMPARE(playScript(onWrite, whileWaiting), outcome);
        QVERIFY(link.longestWaitMs <= line::Protocol::kDoubtfulAnswerWaitMs);
    }

    // A long action gives up on a meter after ten transactions in a row without a byte of
    // answer; an answer in between starts the count again. Short actions try every one.
    void aSilentMeterEndsALongAction_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("answeredAt"); // the transaction answered, -1 none
        QTest::addColumn<int>("framesSent"); // of 14 transactions
        QTest::newRow("long action") << 10 << -1 << 30;
        QTest::newRow("long action, one answer on the way") << 10 << 5 << 3 * 5 + 1 + 3 * 8;
        QTest::newRow("short action") << 0 << -1 << 42;
    }
    void aSilentMeterEndsALongAction() {
        QFETCH(int, limit);
        QFETCH(int, answeredAt);
        QFETCH(int, framesSent);
        protocol.endAfterSilence(limit);
        for (int i = 0; i < 14; ++i) {
            for (int attempt = 0; attempt < 3; ++attempt)
                link.answer(i == answeredAt && attempt == 0 ? readAnswer(hex("10")) : QByteArray());
            QCOMPARE(protocol.ReadMemory(24, 1), i == answeredAt);
        }
        QCOMPARE(int(link.writes.size()), std::min(framesSent, 42));
        QCOMPARE(protocol.meterSilent(), limit > 0 && answeredAt < 4);
        QCOMPARE(progressSteps, 14);
    }

    void aMeterThatLosesRequestsIsNotWaitedForLong() {
        QVERIFY(!protocol.ReadMemory(24, 1));
        QVERIFY(!protocol.ReadMemory(23, 1)); // the first three are awaited in full
        QVERIFY(link.longestWaitMs > 10000);
        link.longestWaitMs = 0;
        QVERIFY(!protocol.ReadMemory(22, 1)); // these only briefly
        QVERIFY(link.longestWaitMs <= line::Protocol::kLostAnswerGraceMs);
        QVERIFY(link.longestWaitMs > 0);
    }

    // A line the system reports gone ends the action: nothing more is sent or awaited.
    void aLinkThatGoesAwayIsNotUsedAgain() {
        QStringList lost;
        protocol.setLinkLostHook([&](const QString& reason) { lost << reason; });
        link.goneAfterWrites = 2;
        link.answer(readAnswer(hex("10")));
        QVERIFY(protocol.ReadMemory(24, 1));
        QVERIFY(!protocol.ReadMemory(23, 1));
        QVERIFY(!protocol.WriteSettingByte(1, 2));
        QVERIFY(!protocol.WriteRecord(8));
        QCOMPARE(link.writes.size(), 2);
        QCOMPARE(lost, QStringList{QStringLiteral("Input/output error")});
        QCOMPARE(progressSteps, 4);
        QCOMPARE(pauses, 0);
        QCOMPARE(link.waits, 0);
    }

    void requestsLargerThanAFrameAreRefused() {
        QVERIFY(!protocol.ReadMemory(0, 16));
        QVERIFY(!protocol.ReadSettingBytes(0, 16));
        QVERIFY(!protocol.WriteMemory(0, 14));
        QVERIFY(link.writes.isEmpty());
        QVERIFY(protocol.errorSeen());
        QCOMPARE(progressSteps, 3);
        link.answer(hex("64"));
        QVERIFY(protocol.WriteMemory(0, 13));
        QCOMPARE(link.writes.last().size(), 17);
    }

    void writeRecordPausesAfterEveryAttempt() {
        link.answer(hex("64"));
        QVERIFY(protocol.WriteRecord(0));
        QCOMPARE(pauses, 1);
        QVERIFY(!protocol.WriteRecord(0));
        QCOMPARE(pauses, 4);
        link.answer(hex("64"));
        QVERIFY(protocol.WriteMemory(1224, 6));
        QCOMPARE(pauses, 4);
    }

    void writeRecordPauseIsRealTimeByDefault() {
        line::Protocol plain;
        plain.setLink(&link);
        link.answer(hex("64"));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(plain.WriteRecord(8));
        QVERIFY(clock.elapsed() >= 15);
    }

    void traceShowsEveryFrame() {
        QList<QPair<QString, bool>> trace;
        protocol.setTraceHook([&](line::Protocol::Direction d, const QByteArray& bytes,
                                  bool timedOut) {
            trace.append({(d == line::Protocol::Direction::Sent ? "> " : "< ") + bytes.toHex(' '),
                          timedOut});
        });
        link.answer(hex("64"));
        link.answer(readAnswer(hex("10")));
        protocol.ReadMemory(24, 1);
        QCOMPARE(trace.size(), 4);
        QVERIFY(trace[0].first.startsWith(QStringLiteral("> 18 10 18 ")));
        QCOMPARE(trace[1].first, QStringLiteral("< 64"));
        QVERIFY(trace[1].second);
        QVERIFY(!trace[3].second);
    }

    void portList() {
        QCOMPARE(
            line::port_list::entryFromFriendlyName(QStringLiteral("Communications Port (COM1)")),
            QStringLiteral("COM1 Communications Port "));
        QCOMPARE(line::port_list::entryFromFriendlyName(QStringLiteral("USB Serial Port (COM12)")),
                 QStringLiteral("COM12 USB Serial Port "));
        QCOMPARE(line::port_list::portNameOfEntry(QStringLiteral("COM12 USB Serial Port ")),
                 QStringLiteral("COM12 "));
        const QString noParenthesis =
            line::port_list::entryFromFriendlyName(QStringLiteral("Modem"));
        QVERIFY(noParenthesis.startsWith(QLatin1Char(' ')));
        QCOMPARE(line::port_list::portNameOfEntry(noParenthesis).trimmed(), QString());
        QCOMPARE(line::port_list::portNameOfEntry(line::port_list::pipeEntry()), QString());

        const QStringList list = line::port_list::build(
            {QStringLiteral("COM2 Port "), QStringLiteral("COM10 Port "),
             QStringLiteral("LPT1 Printer Port "), QStringLiteral("COM1 Port ")});
        QCOMPARE(list, QStringList({"COM1 Port ", "COM10 Port ", "COM2 Port ", "LPT1 Printer Port ",
                                    line::port_list::pipeEntry()}));
        QCOMPARE(line::port_list::build({}), QStringList{line::port_list::pipeEntry()});
    }
};

QTEST_GUILESS_MAIN(ProtocolTest)
#include "test_protocol.moc"
