// The Info readout end to end: the connection frame and the readout against the simulated
// meter, over a real pseudo-terminal and over a real local socket.

#include "actions/Connection.h"
#include "actions/InfoReadout.h"
#include "link/Protocol.h"
#include "sim/Sim.h"
#include "tests/support/MeterBench.h"

#include <QtTest>

namespace {
enum class Transport { Pty, Pipe };

struct Outcome {
    bool branchRan = false;
    actions::info::Values values;
    QString status;
    int frames = 0;
    std::vector<sim::FrameRecord> log;
    int finalPosition = -1;
};

Outcome readInfo(Transport transport, sim::Options options) {
    MeterBench bench(std::move(options));
    if (!bench.start())
        qFatal("simulated meter: %s", qPrintable(bench.meter.errorString()));
    Outcome out;
    out.branchRan = bench.run(bench.target(transport == Transport::Pipe), [&] {
        out.values = actions::info::read(bench.protocol, bench.frontend,
                                         QLocale(QLocale::Russian, QLocale::Russia));
        return out.values.outcome;
    });
    out.status = bench.frontend.status();
    out.finalPosition = bench.frontend.progressPosition;
    out.log = bench.transactions();
    out.frames = int(out.log.size());
    return out;
}

sim::Options contentsOf(const QByteArray& deviceState, const QByteArray& measurement) {
    sim::Options o;
    o.contents.date = QDate(2010, 2, 17);
    o.contents.hour = 9;
    o.contents.minute = 5;
    o.contents.set(sim::Space::Memory, 24, deviceState);
    o.contents.set(sim::Space::Memory, 23, measurement);
    return o;
}

bool readAt(const std::vector<sim::FrameRecord>& log, int address) {
    return std::any_of(log.begin(), log.end(),
                       [address](const sim::FrameRecord& f) { return f.address == address; });
}
} // namespace

Q_DECLARE_METATYPE(Transport)

class InfoEndToEnd : public QObject {
    Q_OBJECT

    static void transports() {
        QTest::addColumn<Transport>("transport");
        QTest::newRow("pty") << Transport::Pty;
        QTest::newRow("pipe") << Transport::Pipe;
    }

private slots:
    // The clock difference beside the meter's time, against the PC's 14:16:40 on 08.12.2026.
    void clockDifference_data() {
        QTest::addColumn<QDateTime>("meter");
        QTest::addColumn<QString>("expected");
        const QDate day(2026, 12, 8);
        QTest::newRow("same minute") << QDateTime(day, QTime(14, 16)) << QString();
        QTest::newRow("one minute behind") << QDateTime(day, QTime(14, 15)) << QString();
        QTest::newRow("one minute ahead") << QDateTime(day, QTime(14, 17)) << QString();
        QTest::newRow("two minutes behind")
            << QDateTime(day, QTime(14, 14)) << "ПК: 14:16, прибор отстаёт на 2 мин";
        QTest::newRow("fourteen minutes behind")
            << QDateTime(day, QTime(14, 2)) << "ПК: 14:16, прибор отстаёт на 14 мин";
        QTest::newRow("an hour and five ahead")
            << QDateTime(day, QTime(15, 21)) << "ПК: 14:16, прибор спешит на 1 ч 5 мин";
        QTest::newRow("another day") << QDateTime(day.addDays(-3), QTime(12, 0))
                                     << "ПК: 08.12.2026 14:16, прибор отстаёт на 3 сут 2 ч";
    }
    void clockDifference() {
        QFETCH(QDateTime, meter);
        QFETCH(QString, expected);
        const QDateTime now(QDate(2026, 12, 8), QTime(14, 16, 40));
        QCOMPARE(
            actions::info::clockDifference(meter, now, QLocale(QLocale::Russian, QLocale::Russia)),
            expected);
    }

    void everyValueAsTheMeterHoldsIt_data() { transports(); }
    void everyValueAsTheMeterHoldsIt() {
        QFETCH(Transport, transport);
        sim::Options o = contentsOf(QByteArray::fromHex("10"), QByteArray::fromHex("07"));
        o.contents.set(sim::Space::Memory, 1216, QByteArray::fromHex("4C9C4000"))
            .set(sim::Space::Memory, 1220, QByteArray::fromHex("45C80000")) // 100 cm/s
            .set(sim::Space::Memory, 1224, QByteArray::fromHex("40420F000000"))
            .set(sim::Space::Memory, 1230, QByteArray::fromHex("100E0000"))
            .set(sim::Space::Memory, 1234, QByteArray::fromHex("00000000"))
            .set(sim::Space::Memory, 1274, QByteArray::fromHex("0004"))
            .set(sim::Space::Memory, 1267, QByteArray::fromHex("39300531"))
            .set(sim::Space::Memory, 1261, QByteArray::fromHex("05000AAF"));
        const Outcome r = readInfo(transport, o);
        QVERIFY(r.branchRan);
        const QStringList expected{"36,00", "1,000",        "1,000",      "1,0",
                                   "0,0",   "3,79",         "17.02.2010", "09:05",
                                   "12345", "05.03.2008г.", "5",          "10.10.2022г."};
        for (int row = 0; row < actions::info::kRowCount; ++row)
            QCOMPARE(r.values.text[std::size_t(row)], expected[row]);
        QCOMPARE(r.values.firmwareVersionByte, std::optional<quint8>(5));
        QCOMPARE(r.status, QStringLiteral("Завершено успешно"));
        QCOMPARE(r.finalPosition, 0);
        QCOMPARE(r.frames, 13); // identity, 24, 23, 1216 and the nine items
    }

    void flowDisplay_data() {
        QTest::addColumn<Transport>("transport");
        QTest::addColumn<QByteArray>("deviceState");
        QTest::addColumn<QByteArray>("measurement");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("flowRead");
        for (auto [name, t] : {std::pair{"pty", Transport::Pty}, {"pipe", Transport::Pipe}}) {
            auto row = [&](const char* what) {
                return &QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(name, what)));
            };
            *row("low battery") << t << QByteArray::fromHex("11") << QByteArray::fromHex("07")
                                << "Low Battery" << false;
            *row("LP, no flow") << t << QByteArray::fromHex("80") << QByteArray::fromHex("00")
                                << "LP    .  " << false;
            *row("no flow") << t << QByteArray::fromHex("10") << QByteArray::fromHex("00") << " .  "
                            << false;
            *row("LP, no measurement") << t << QByteArray::fromHex("80")
                                       << QByteArray::fromHex("01") << "LP   -.--" << false;
            *row("error") << t << QByteArray::fromHex("80") << QByteArray::fromHex("03") << "Error"
                          << false;
            *row("LP, flow shown without prefix")
                << t << QByteArray::fromHex("80") << QByteArray::fromHex("07") << "36,00" << true;
        }
    }
    void flowDisplay() {
        QFETCH(Transport, transport);
        QFETCH(QByteArray, deviceState);
        QFETCH(QByteArray, measurement);
        QFETCH(QString, shown);
        QFETCH(bool, flowRead);
        sim::Options o = contentsOf(deviceState, measurement);
        o.contents.set(sim::Space::Memory, 1216, QByteArray::fromHex("4C9C4000"));
        const Outcome r = readInfo(transport, o);
        QCOMPARE(r.values.text[actions::info::kFlow], shown);
        QCOMPARE(readAt(r.log, 1216), flowRead);
        QCOMPARE(readAt(r.log, 23), !(deviceState[0] & 1));
        QVERIFY(!r.values.text[actions::info::kVolume].isEmpty()); // the other rows are still read
    }

    // On the pty alone: on the pipe each of the 30 failed attempts would wait its 4000 ms.
    void everyReadFailsAfterTheIdentity_data() {
        QTest::addColumn<Transport>("transport");
        QTest::newRow("pty") << Transport::Pty;
    }
    void everyReadFailsAfterTheIdentity() {
        QFETCH(Transport, transport);
        sim::Options o = contentsOf(QByteArray::fromHex("10"), QByteArray::fromHex("07"));
        o.faults.push_back(*sim::parseFault(QStringLiteral("silence@2-")));
        const Outcome r = readInfo(transport, o);
        QVERIFY(r.branchRan);
        for (const QString& text : r.values.text)
            QCOMPARE(text, QString());
        QVERIFY(!r.values.firmwareVersionByte);
        QCOMPARE(r.status, QStringLiteral("Прибор не отвечает"));
        QCOMPARE(r.frames, 1 + 10 * 3); // 24 fails, so 23 and 1216 are never asked
    }

    void oneItemFailing_data() { transports(); }
    void oneItemFailing() {
        QFETCH(Transport, transport);
        sim::Options o = contentsOf(QByteArray::fromHex("10"), QByteArray::fromHex("07"));
        o.faults.push_back(*sim::parseFault(QStringLiteral("badcrc@addr=1224")));
        // A cut answer waits out the pipe's 4000 ms three times; the pty shows the rule.
        if (transport == Transport::Pty)
            o.faults.push_back(*sim::parseFault(QStringLiteral("short@addr=1267")));
        const Outcome r = readInfo(transport, o);
        QCOMPARE(r.values.text[actions::info::kVolume], QString());
        if (transport == Transport::Pty) {
            QCOMPARE(r.values.text[actions::info::kSerialNumber], QString());
            QCOMPARE(r.values.text[actions::info::kManufactured], QString());
        }
        QVERIFY(!r.values.text[actions::info::kVelocity].isEmpty());
        QVERIFY(!r.values.text[actions::info::kFirmwareVersion].isEmpty());
        QCOMPARE(r.status, QStringLiteral("Завершено с ошибками"));
    }

    void foreignDevice_data() { transports(); }
    void foreignDevice() {
        QFETCH(Transport, transport);
        sim::Options o;
        o.contents.identity = 1;
        const Outcome r = readInfo(transport, o);
        QVERIFY(!r.branchRan);
        QCOMPARE(r.status, QStringLiteral("Несовместимое устройство"));
        QCOMPARE(r.frames, 1);
        QCOMPARE(r.finalPosition, 0);
    }

    void noMeter() {
        sim::Options o;
        o.faults.push_back(*sim::parseFault(QStringLiteral("silence@all")));
        const Outcome r = readInfo(Transport::Pty, o);
        QVERIFY(!r.branchRan);
        QCOMPARE(r.status, QStringLiteral("Прибор не отвечает"));
        QCOMPARE(r.frames, 3);
        QCOMPARE(r.finalPosition, 0);
    }

    void pipeNotServed() {
        RecordingFrontend frontend;
        core::Session session(frontend);
        const core::Outcome outcome = actions::Connection(session).run(
            line::LinkTarget::pipe(QStringLiteral("/nonexistent/zetra-info-pipe")),
            []() -> core::Outcome { qFatal("no branch"); });
        QCOMPARE(outcome.kind, core::Outcome::Kind::PortNotOpened);
        QCOMPARE(frontend.status(), QStringLiteral("Не удаётся открыть порт "));
    }

    // Answers that come after the read gave up, or cut short, never pass for another
    // request's answer: the values read are those of an undisturbed meter.
    void lateAndShortAnswers_data() {
        QTest::addColumn<Transport>("transport");
        QTest::addColumn<QString>("fault");
        QTest::newRow("pty, late identity") << Transport::Pty << "late:60@1";
        QTest::newRow("pty, late device state") << Transport::Pty << "late:50@2";
        QTest::newRow("pty, late answers throughout") << Transport::Pty << "late:45@3-8";
        QTest::newRow("pty, short answer") << Transport::Pty << "short@3";
        QTest::newRow("pty, junk after an answer") << Transport::Pty << "junk@2";
        QTest::newRow("pipe, late identity") << Transport::Pipe << "late:60@1";
        QTest::newRow("pipe, short answer") << Transport::Pipe << "short@3";
        QTest::newRow("pipe, junk after an answer") << Transport::Pipe << "junk@2";
    }
    void lateAndShortAnswers() {
        QFETCH(Transport, transport);
        QFETCH(QString, fault);
        const sim::Options plain = contentsOf(QByteArray::fromHex("10"), QByteArray::fromHex("07"));
        const Outcome undisturbed = readInfo(transport, plain);
        sim::Options disturbed = plain;
        disturbed.faults.push_back(*sim::parseFault(fault));
        const Outcome r = readInfo(transport, disturbed);
        QCOMPARE(r.status, QStringLiteral("Завершено успешно"));
        for (int row = 0; row < actions::info::kRowCount; ++row)
            QCOMPARE(r.values.text[std::size_t(row)], undisturbed.values.text[std::size_t(row)]);
    }
};

QTEST_GUILESS_MAIN(InfoEndToEnd)
#include "test_info_e2e.moc"
