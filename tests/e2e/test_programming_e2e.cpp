// Reprogramming end to end: the programming procedure against the simulated meter over a real
// pseudo-terminal, with the meter's faults.

#include "firmware/Programming.h"
#include "link/PortList.h"
#include "sim/Sim.h"
#include "tests/support/RecordingFrontend.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {
firmware::FirmwareImage sampleImage() {
    firmware::FirmwareImage image;
    for (int i = 0; i < firmware::FirmwareImage::kSize; ++i)
        image.bytes[std::size_t(i)] = quint8(i * 7 + 3);
    image.bytes[7676] = 1;
    image.bytes[7677] = 16;
    return image;
}

struct Run {
    QString status;
    QByteArray sent; // every byte the program wrote, in order
    int reads = 0;   // awaited bytes, answered or not
    int progressEnd = -1;
    QList<int> maxima;
    QStringList messages;
    qint64 elapsedMs = 0;
    qint64 silentMs = 0;           // from the last byte the meter sent to the end of the run
    int readsUnanswered = 0;       // awaited bytes that never came, after the last that did
    firmware::FirmwareImage image; // as stamped by the run
};

Run program(sim::Server& meter, const QString& entry, bool answerYes = true,
            const QDate& today = QDate(2026, 12, 7)) {
    RecordingFrontend frontend;
    frontend.answer = answerYes;
    Run r;
    r.image = sampleImage();
    core::Session session(frontend);
    QElapsedTimer clock;
    qint64 lastAnswerMs = 0;
    session.setTraceHook([&](line::Protocol::Direction d, const QByteArray& bytes, bool) {
        if (d == line::Protocol::Direction::Sent) {
            r.sent += bytes;
        } else {
            ++r.reads;
            if (!bytes.isEmpty()) {
                lastAnswerMs = clock.elapsed();
                r.readsUnanswered = 0;
            } else {
                ++r.readsUnanswered;
            }
        }
    });
    // The port list's entry, as the window turns it into where the meter is reached.
    const line::LinkTarget target = line::port_list::targetOfEntry(
        entry, entry == line::port_list::pipeEntry(), meter.pipeName());
    clock.start();
    firmware::programming::run(session, target, r.image, today);
    r.elapsedMs = clock.elapsed();
    r.silentMs = r.elapsedMs - lastAnswerMs;
    r.status = frontend.status();
    r.progressEnd = frontend.progressPosition;
    r.maxima = frontend.maxima;
    r.messages = frontend.messages;
    return r;
}

QString ptyEntry(const sim::Server& meter) {
    return meter.ptyPath() + QStringLiteral(" simulated meter");
}

const QByteArray kEntryBytes = QByteArray::fromHex("7EFFFFAFFB");
} // namespace

class ProgrammingEndToEnd : public QObject {
    Q_OBJECT

    sim::Options options;

private slots:
    void init() { options = sim::Options(); }

    void fullRun() {
        sim::Server meter(options);
        QVERIFY(meter.start());
        const Run r = program(meter, ptyEntry(meter));
        QCOMPARE(r.status, QStringLiteral("Завершено успешно"));
        // The image went out stamped with the programming date: 7 December 2026.
        QCOMPARE(r.image.bytes[7678], quint8(7));
        QCOMPARE(r.image.bytes[7679], quint8(0xC3));
        QCOMPARE(r.sent.size(), 5 + 1 + firmware::FirmwareImage::kSize + 1);
        QCOMPARE(r.sent.left(5), kEntryBytes);
        QCOMPARE(quint8(r.sent[5]), quint8(0xFD));
        QCOMPARE(quint8(r.sent.back()), quint8(0xF9));
        QCOMPARE(r.reads, 1 + 120 + firmware::FirmwareImage::kSize);
        QCOMPARE(r.maxima, QList<int>({119, 7680}));
        QCOMPARE(r.progressEnd, 0);
        QCOMPARE(r.messages.size(), 1);
        QVERIFY(r.messages[0].startsWith(QStringLiteral("Обновление: Сейчас программа прибора")));
        // The meter takes the finishing F9 on its own thread, maybe a moment after the program
        // has ended: it is waited for, then the program memory is compared.
        const auto finished = [&] {
            int n = 0;
            meter.withMeter([&](sim::Meter& m) { n = m.finishedProgrammings(); });
            return n;
        };
        QTRY_COMPARE_WITH_TIMEOUT(finished(), 1, 30000);
        meter.withMeter([&](sim::Meter& m) {
            const QByteArray program =
                m.read(sim::Space::Program, 0, firmware::FirmwareImage::kSize);
            QCOMPARE(program, QByteArray(reinterpret_cast<const char*>(r.image.bytes.data()),
                                         firmware::FirmwareImage::kSize));
        });
    }

    void noAcknowledgement_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("another byte") << "noack:55";
        QTest::newRow("nothing") << "noack";
    }
    void noAcknowledgement() {
        QFETCH(QString, fault);
        options.faults.push_back(*sim::parseFault(fault));
        sim::Server meter(options);
        QVERIFY(meter.start());
        const Run r = program(meter, ptyEntry(meter));
        QCOMPARE(r.status, QStringLiteral("Не удалось войти в режим программирования"));
        QCOMPARE(r.sent, kEntryBytes);
        QVERIFY(r.messages.isEmpty());
        QCOMPARE(r.progressEnd, 0);
    }

    void lastReadBackByteDiffers() {
        options.faults.push_back(*sim::parseFault(QStringLiteral("badbyte:last")));
        sim::Server meter(options);
        QVERIFY(meter.start());
        const Run r = program(meter, ptyEntry(meter));
        QCOMPARE(r.status, QStringLiteral("Завершено c ошибками. Повторите"));
        QCOMPARE(r.reads, 1 + 120 + firmware::FirmwareImage::kSize); // every byte was read
        QVERIFY(quint8(r.sent.back()) != quint8(0xF9));
        meter.withMeter([](sim::Meter& m) { QCOMPARE(m.finishedProgrammings(), 0); });
    }

    // A meter that falls silent ends the run once the bound on an awaited byte has passed, and
    // does not wait for it a second time.
    void meterFallsSilent_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("during the transfer") << "stallblock:60";
        QTest::newRow("during the read-back") << "stallreadback:1000";
    }
    void meterFallsSilent() {
        QFETCH(QString, fault);
        options.faults.push_back(*sim::parseFault(fault));
        sim::Server meter(options);
        QVERIFY(meter.start());
        const Run r = program(meter, ptyEntry(meter));
        QCOMPARE(r.status, QStringLiteral("Завершено c ошибками. Повторите"));
        // The bound was waited out once: one read went unanswered, none after it.
        const int bound = firmware::programming::kTransferTimeouts.totalConstantMs;
        QVERIFY2(r.silentMs >= bound, qPrintable(QString::number(r.silentMs)));
        QCOMPARE(r.readsUnanswered, 1);
        QVERIFY(quint8(r.sent.back()) != quint8(0xF9));
        QCOMPARE(r.progressEnd, 0);
        // The port was closed: it opens again at once for the next run.
        meter.setFaults({});
        QCOMPARE(program(meter, ptyEntry(meter)).status, QStringLiteral("Завершено успешно"));
    }

    void pipeEntryCannotBeProgrammed() {
        sim::Server meter(options);
        QVERIFY(meter.start());
        const Run r = program(meter, QStringLiteral("КВЗ-клиент"));
        QCOMPARE(r.status, QStringLiteral("Не удаётся открыть порт "));
        QVERIFY(r.sent.isEmpty());
    }

    void answeringNoSendsNothing() {
        sim::Server meter(options);
        QVERIFY(meter.start());
        const Run r = program(meter, ptyEntry(meter), false);
        QCOMPARE(r.status, QString());
        QVERIFY(r.sent.isEmpty());
        QCOMPARE(r.image.bytes[7678], sampleImage().bytes[7678]); // nothing stamped either
        meter.withMeter([](sim::Meter& m) { QCOMPARE(m.programmingSessions(), 0); });
    }

    // A finish that the line does not take is not a success: the meter never heard it.
    void refusedFinishIsAnError() {
        options.faults.push_back(*sim::parseFault(QStringLiteral("refusefinish")));
        sim::Server meter(options);
        QVERIFY(meter.start());
        const Run r = program(meter, ptyEntry(meter));
        QCOMPARE(r.status, QStringLiteral("Завершено c ошибками. Повторите"));
        QCOMPARE(r.reads, 1 + 120 + firmware::FirmwareImage::kSize);
        QCOMPARE(r.progressEnd, 0);
        meter.withMeter([](sim::Meter& m) { QCOMPARE(m.finishedProgrammings(), 0); });
    }

    // The stamp is the day of the Yes, asked of the calendar only then; No is the default.
    void dateIsTakenAfterTheYes_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("calendarCalls");
        QTest::newRow("yes") << true << 1;
        QTest::newRow("no") << false << 0;
    }
    void dateIsTakenAfterTheYes() {
        QFETCH(bool, yes);
        QFETCH(int, calendarCalls);
        sim::Server meter(options);
        QVERIFY(meter.start());
        RecordingFrontend frontend;
        frontend.answer = yes;
        firmware::FirmwareImage image = sampleImage();
        int calls = 0;
        qsizetype questionsBefore = -1;
        const std::function<QDate()> calendar = [&] {
            ++calls;
            questionsBefore = frontend.questions.size();
            return QDate(2027, 1, 1);
        };
        core::Session session(frontend);
        firmware::programming::run(
            session, line::port_list::targetOfEntry(ptyEntry(meter), false, meter.pipeName()),
            image, calendar);
        QCOMPARE(calls, calendarCalls);
        if (calls)
            QCOMPARE(questionsBefore, qsizetype(1)); // asked once the question was answered
        QCOMPARE(frontend.defaults,
                 QList<core::Frontend::DefaultButton>{core::Frontend::DefaultButton::No});
        if (yes) {
            QCOMPARE(frontend.status(), QStringLiteral("Завершено успешно"));
            QCOMPARE(image.bytes[7678], quint8(1));
            QCOMPARE(image.bytes[7679], quint8((1 << 4) | ((2027 - 2007) & 0x0F)));
        }
    }
};

QTEST_GUILESS_MAIN(ProgrammingEndToEnd)
#include "test_programming_e2e.moc"
