// The exchange log: the line of every frame of each transaction and what became of its
// answer, the events, the time stamp, the bound on the lines kept, saving and appending to a
// file.

#include "core/ExchangeLog.h"
#include "link/Crc8.h"
#include "link/Protocol.h"
#include "tests/support/Frames.h"
#include "tests/support/ScriptedLink.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using test_frames::hex;
using test_frames::readAnswer;

namespace {
// A line without its 23-character time stamp and the blank after it.
QStringList withoutStamps(const QStringList& lines) {
    QStringList out;
    for (const QString& l : lines)
        out.append(l.mid(24));
    return out;
}
} // namespace

class ExchangeLogTest : public QObject {
    Q_OBJECT

private slots:
    // Each transaction with the answers the line gives to its attempts, and the lines logged.
    void transactionLines_data() {
        QTest::addColumn<QString>("transaction");
        QTest::addColumn<QList<QByteArray>>("answers");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("identity read")
            << "ReadMemory 1271 2" << QList<QByteArray>{readAnswer(hex("0000"))}
            << QStringList{"> 18 24 F7 62  ReadMemory 1271 2 1/3", "< 64 00 00 00  ok"};
        QTest::newRow("setting byte after silence")
            << "WriteSettingByte 16=0x3A" << QList<QByteArray>{{}, hex("64")}
            << QStringList{"> 42 3A 10 29  WriteSettingByte 16=0x3A 1/3", "<   timeout",
                           "> 42 3A 10 29  WriteSettingByte 16=0x3A 2/3", "< 64  ok"};
        QTest::newRow("record: short, bad CRC, wrong acknowledgement")
            << "ReadRecord 5848"
            << QList<QByteArray>{hex("640102"), hex("64000000000000000001"), hex("55")}
            << QStringList{
                   "> 5A 16 D8 C2  ReadRecord 5848 1/3", "< 64 01 02  short",
                   "> 5A 16 D8 C2  ReadRecord 5848 2/3", "< 64 00 00 00 00 00 00 00 00 01  bad CRC",
                   "> 5A 16 D8 C2  ReadRecord 5848 3/3", "< 55  wrong acknowledgement"};
        QTest::newRow("settings read")
            << "ReadSettingBytes 16 2" << QList<QByteArray>{readAnswer(hex("E803"))}
            << QStringList{"> 3C 02 10 69  ReadSettingBytes 16 2 1/3", "< 64 E8 03 E1  ok"};
    }
    void transactionLines() {
        QFETCH(QString, transaction);
        QFETCH(QList<QByteArray>, answers);
        QFETCH(QStringList, lines);
        ScriptedLink link;
        for (const QByteArray& a : answers)
            link.answer(a);
        for (int i = int(answers.size()); i < line::Protocol::kAttempts; ++i)
            link.silence();
        line::Protocol protocol;
        protocol.setLink(&link);
        QStringList traced;
        protocol.setTraceHook(
            [&](line::Protocol::Direction, const QByteArray&, bool) { traced.append(QString()); });
        core::ExchangeLog log;
        protocol.setFrameHook([&](const line::Protocol::Frame& f) { log.frame(f); });
        const QStringList words = transaction.split(QLatin1Char(' '));
        if (words[0] == QLatin1String("ReadMemory"))
            protocol.ReadMemory(quint16(words[1].toInt()), quint8(words[2].toInt()));
        else if (words[0] == QLatin1String("WriteSettingByte"))
            protocol.WriteSettingByte(16, 0x3A);
        else if (words[0] == QLatin1String("ReadRecord"))
            protocol.ReadRecord(quint16(words[1].toInt()));
        else
            protocol.ReadSettingBytes(quint8(words[1].toInt()), quint8(words[2].toInt()));
        QCOMPARE(withoutStamps(log.linesFrom(0)), lines);
        // The trace hears every frame too, as before.
        QCOMPARE(traced.size(), lines.size());
    }

    void stampIsLocalTimeToTheMillisecond() {
        core::ExchangeLog log;
        const QDateTime at = QDateTime(QDate(2026, 3, 15), QTime(10, 42, 7, 5));
        qint64 now = at.toMSecsSinceEpoch();
        log.setClock([&] { return now; });
        log.event(QStringLiteral("Порт открыт"));
        now += 996;
        log.frame(line::Protocol::Direction::Received, {}, QStringLiteral("timeout"));
        QCOMPARE(log.linesFrom(0), (QStringList{"2026-03-15 10:42:07.005 * Порт открыт",
                                                "2026-03-15 10:42:08.001 <   timeout"}));
    }

    // The newest lines are kept; a reader that fell behind gets what is still there.
    void boundedAndNumbered() {
        core::ExchangeLog log(3);
        for (int i = 0; i < 5; ++i)
            log.event(QString::number(i));
        QCOMPARE(log.size(), 3);
        QCOMPARE(log.firstNumber(), 2);
        QCOMPARE(log.endNumber(), 5);
        QCOMPARE(withoutStamps(log.linesFrom(0)), (QStringList{"* 2", "* 3", "* 4"}));
        QCOMPARE(withoutStamps(log.linesFrom(4)), (QStringList{"* 4"}));
        QCOMPARE(withoutStamps(log.linesFrom(2, 1)), (QStringList{"* 2"}));
        log.clear();
        QCOMPARE(log.size(), 0);
        QCOMPARE(log.endNumber(), 5);
        QVERIFY(log.linesFrom(0).isEmpty());
        QVERIFY(core::ExchangeLog().capacity() >= 200000);
    }

    // The file gets every line at once, appended to what it held; a save writes the lines in
    // memory, the same text.
    void fileAndSave() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("exchange.log"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("earlier run\n");
        }
        core::ExchangeLog log;
        QVERIFY(log.attachFile(path));
        log.event(QStringLiteral("Соединение"));
        log.frame(line::Protocol::Direction::Sent, hex("FD"), QStringLiteral("FD"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList inFile = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        QCOMPARE(inFile.size(), 4);
        QCOMPARE(inFile[0], QStringLiteral("earlier run"));
        QCOMPARE(inFile.mid(1, 2), log.linesFrom(0));

        const QString saved = dir.filePath(QStringLiteral("saved.txt"));
        QVERIFY(log.save(saved));
        QFile s(saved);
        QVERIFY(s.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(s.readAll()), log.linesFrom(0).join(QLatin1Char('\n')) + "\n");

        QString reason;
        QVERIFY(!log.attachFile(dir.filePath(QStringLiteral("no/such/folder/x.log")), &reason));
        QVERIFY(!reason.isEmpty());
        QVERIFY(!log.save(dir.filePath(QStringLiteral("no/such/folder/x.txt")), &reason));
    }
};

QTEST_GUILESS_MAIN(ExchangeLogTest)
#include "test_exchange_log.moc"
