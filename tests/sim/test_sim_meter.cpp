// The simulated meter's state machine, fed directly with bytes and time points.

#include "sim/Sim.h"

#include "device/DeviceDates.h"
#include "device/DeviceFloat.h"
#include "link/Crc8.h"
#include "tests/support/Frames.h"

#include <QtTest>

using namespace sim;
using namespace std::chrono_literals;

using test_frames::hex;
using test_frames::readAnswer;
using test_frames::withCrc;

namespace {

const quint8* u8(const QByteArray& b) { return reinterpret_cast<const quint8*>(b.constData()); }

// A request frame as the program builds it.
QByteArray frame(quint8 command, quint8 p1, quint8 p2, const QByteArray& data = {}) {
    QByteArray f;
    f.append(char(command)).append(char(p1)).append(char(p2)).append(data);
    return withCrc(f);
}
QByteArray readMemory(int address, int count) {
    return frame(0x18, quint8(((address >> 8) & 0x0F) | (count << 4)), quint8(address));
}
QByteArray writeMemory(int address, const QByteArray& data) {
    return frame(0x24, quint8(((address >> 8) & 0x0F) | (data.size() << 4)), quint8(address), data);
}
QByteArray readRecord(int address) { return frame(0x5A, quint8(address >> 8), quint8(address)); }

const TimePoint t0 = TimePoint{} + 1000s;

Contents fixedContents() {
    Contents c;
    c.date = QDate(2015, 3, 15);
    c.hour = 10;
    c.minute = 30;
    return c;
}

QByteArray joined(const std::vector<Answer>& answers) {
    QByteArray all;
    for (const Answer& a : answers)
        all += a.bytes;
    return all;
}

QByteArray programmingRequest() { return hex("7EFFFFAF"); }

QByteArray testImage() {
    QByteArray image(kProgramSize, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char((i * 7 + 3) & 0xFF);
    return image;
}

// Runs the PC's side of programming up to the read-back; returns everything the meter sent.
QByteArray program(Meter& m, const QByteArray& image, TimePoint* at = nullptr) {
    TimePoint t = t0;
    QByteArray sent = joined(m.receive(Port::Pty, programmingRequest(), t));
    t += 250ms;
    sent += joined(m.receive(Port::Pty, hex("FB"), t));
    if (sent != hex("AA"))
        return sent;
    t += 10ms;
    sent += joined(m.receive(Port::Pty, hex("FD"), t));
    for (int k = 0; k < Meter::kBlockCount; ++k) {
        t += 70ms;
        sent += joined(m.receive(Port::Pty, image.mid(k * 64, 64), t));
    }
    if (at)
        *at = t;
    return sent;
}

// The day record the meter makes of minute records: the volumes summed (5 bytes), the seconds
// of work summed and halved, the event bits joined, bit 7 set.
QByteArray sumOfMinutes(const std::vector<QByteArray>& minutes) {
    quint64 volume = 0;
    int seconds = 0;
    quint8 events = 0x80;
    for (const QByteArray& r : minutes) {
        for (int i = 4; i >= 0; --i)
            volume += quint64(quint8(r[i])) << (8 * i);
        seconds += quint8(r[5]) | quint8(r[6]) << 8;
        events |= quint8(r[7]);
    }
    QByteArray d(8, '\0');
    for (int i = 0; i < 5; ++i)
        d[i] = char(volume >> (8 * i));
    d[5] = char((seconds / 2) & 0xFF);
    d[6] = char((seconds / 2) >> 8);
    d[7] = char(events);
    return d;
}

} // namespace

class SimMeter : public QObject {
    Q_OBJECT

private slots:
    // Each transaction: the exact answer bytes and what the meter stores.
    void transactions_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("space");
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("stored");

        const int mem = int(Space::Memory), set = int(Space::Settings), arc = int(Space::Archive);
        QTest::newRow("identity check 18 24 F7 62")
            << hex("1824F762") << hex("64000000") << mem << 1271 << hex("0000");
        QTest::newRow("device state")
            << readMemory(24, 1) << readAnswer(hex("10")) << mem << 24 << hex("10");
        QTest::newRow("flow, overridden")
            << readMemory(1216, 4) << readAnswer(hex("3F800000")) << mem << 1216 << hex("3F800000");
        QTest::newRow("no data bytes")
            << readMemory(24, 0) << hex("6400") << mem << 24 << hex("10");
        QTest::newRow("15 bytes wrap at 4096")
            << readMemory(4090, 15) << readAnswer(hex("A1A2A3A4A5A6B1B2B3B4B5B6B7B8B9")) << mem
            << 4090 << hex("A1A2A3A4A5A6");
        QTest::newRow("write memory")
            << writeMemory(1224, hex("010203")) << hex("64") << mem << 1224 << hex("010203");
        QTest::newRow("write memory at a high address")
            << writeMemory(0xABC, hex("55")) << hex("64") << mem << 0xABC << hex("55");
        QTest::newRow("read settings: diameter and base")
            << frame(0x3C, 4, 16) << readAnswer(hex("E803D007")) << set << 16 << hex("E803D007");
        QTest::newRow("write setting byte: value first, address second")
            << frame(0x42, 0x8D, 69) << hex("64") << set << 69 << hex("8D");
        QTest::newRow("read record") << readRecord(4000) << readAnswer(hex("40420F0000080780"))
                                     << arc << 4000 << hex("40420F0000080780");
        QTest::newRow("write record") << frame(0x66, 0x1F, 0x40, hex("0102030405060780"))
                                      << hex("64") << arc << 8000 << hex("0102030405060780");
    }
    void transactions() {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, answer);
        QFETCH(int, space);
        QFETCH(int, address);
        QFETCH(QByteArray, stored);

        Contents c = fixedContents();
        c.set(Space::Memory, 1216, hex("3F800000"));
        c.set(Space::Memory, 4090, hex("A1A2A3A4A5A6")).set(Space::Memory, 0, hex("B1B2B3B4B5B6"));
        c.set(Space::Memory, 6, hex("B7B8B9"));
        c.set(Space::Archive, 4000, hex("40420F0000080780"));
        Meter m(c);
        const auto answers = m.receive(Port::Pty, request, t0);
        QCOMPARE(answers.size(), std::size_t(1));
        QCOMPARE(answers[0].bytes, answer);
        QCOMPARE(answers[0].due, t0);
        QCOMPARE(m.read(Space(space), address, int(stored.size())), stored);
        QCOMPARE(m.frameCount(), 1);
        QCOMPARE(m.frames().back().raw, request);
        QCOMPARE(int(m.frames().back().address), address);
    }

    void frameLogHoldsWhatCameIn() {
        Meter m(fixedContents());
        m.receive(Port::Pty, writeMemory(1238, hex("AB0C")), t0);
        m.receive(Port::Pipe, frame(0x42, 7, 200), t0 + 5ms);
        QCOMPARE(m.frameCount(), 2);
        const FrameRecord& w = m.frames()[0];
        QCOMPARE(w.index, 1);
        QCOMPARE(int(w.command), 0x24);
        QCOMPARE(int(w.address), 1238);
        QCOMPARE(w.count, 2);
        QCOMPARE(w.data, hex("AB0C"));
        QCOMPARE(w.at, t0);
        QCOMPARE(m.deviceDay(), 0x0CAB); // writing 1238 sets the meter's date
        const FrameRecord& s = m.frames()[1];
        QCOMPARE(s.index, 2);
        QVERIFY(s.port == Port::Pipe);
        QCOMPARE(int(s.address), 200);
        QCOMPARE(s.data, hex("07"));
        QCOMPARE(s.answer, hex("64"));
    }

    // Bytes that are no frame are thrown away one at a time until a frame lines up again.
    void resynchronisation_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("answered");
        QTest::addColumn<int>("discarded");

        const QByteArray good = readMemory(24, 1);
        QByteArray badCrc = good;
        badCrc[3] = char(badCrc[3] ^ 1);
        QTest::newRow("unknown bytes first") << hex("00FF13") + good << 1 << 3;
        QTest::newRow("bad CRC, then a good frame") << badCrc + good << 1 << 4;
        QTest::newRow("good frame hidden after a byte of junk") << hex("18") + good << 1 << 1;
        QTest::newRow("echo of a frame's tail") << good.mid(2) + good + good << 2 << 2;
        QTest::newRow("write with a wrong count waits, then gives way")
            << hex("24F0") + good + good + good + good + good << 5 << 2;
    }
    void resynchronisation() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, answered);
        QFETCH(int, discarded);
        Meter m(fixedContents());
        const auto answers = m.receive(Port::Pty, bytes, t0);
        QCOMPARE(int(answers.size()), answered);
        for (const Answer& a : answers)
            QCOMPARE(a.bytes, readAnswer(hex("10")));
        QCOMPARE(m.discardedBytes(), discarded);
    }

    void framesMayArriveInPieces() {
        Meter m(fixedContents());
        const QByteArray f = frame(0x66, 0x0F, 0xA0, hex("1122334455667788"));
        for (int i = 0; i < f.size() - 1; ++i)
            QVERIFY(m.receive(Port::Pty, f.mid(i, 1), t0 + i * 1ms).empty());
        const auto answers = m.receive(Port::Pty, f.right(1), t0 + 11ms);
        QCOMPARE(answers.size(), std::size_t(1));
        QCOMPARE(answers[0].due, t0 + 11ms);
        QCOMPARE(m.read(Space::Archive, 4000, 8), hex("1122334455667788"));
    }

    void staleFragmentIsForgotten() {
        Meter m(fixedContents());
        const QByteArray f = readMemory(24, 1);
        // Within 200 ms the rest completes the frame ...
        m.receive(Port::Pty, f.left(2), t0);
        QCOMPARE(m.receive(Port::Pty, f.mid(2), t0 + 150ms).size(), std::size_t(1));
        // ... later the fragment is gone and the next request stands on its own.
        m.receive(Port::Pty, f.left(3), t0 + 1s);
        const auto answers = m.receive(Port::Pty, f, t0 + 1s + 201ms);
        QCOMPARE(answers.size(), std::size_t(1));
        QCOMPARE(m.discardedBytes(), 3);
        QCOMPARE(m.frameCount(), 2);
    }

    void portsParseSeparately() {
        Meter m(fixedContents());
        const QByteArray f = readMemory(24, 1);
        m.receive(Port::Pty, f.left(2), t0);
        QCOMPARE(m.receive(Port::Pipe, f, t0).size(), std::size_t(1));
        QCOMPARE(m.receive(Port::Pty, f.mid(2), t0).size(), std::size_t(1));
        // A new connection starts from nothing.
        m.receive(Port::Pipe, f.left(3), t0);
        m.resetPort(Port::Pipe);
        QCOMPARE(m.receive(Port::Pipe, f, t0).size(), std::size_t(1));
        QCOMPARE(m.discardedBytes(), 0);
    }

    void answerDelay() {
        Meter m(fixedContents());
        m.setAnswerDelay(5ms);
        m.addFault(Fault::late(60, Selector::request(2)));
        QCOMPARE(m.receive(Port::Pty, readMemory(24, 1), t0)[0].due, t0 + 5ms);
        QCOMPARE(m.receive(Port::Pty, readMemory(24, 1), t0)[0].due, t0 + 65ms);
        QCOMPARE(m.receive(Port::Pty, readMemory(24, 1), t0)[0].due, t0 + 5ms);
    }

    void faultSyntax_data() {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("canonical");
        QTest::newRow("drop@3") << "drop@3" << true << "drop@3";
        QTest::newRow("silence from 2") << "silence@2-" << true << "silence@2-";
        QTest::newRow("late") << "late:60@1" << true << "late:60@1";
        QTest::newRow("command and address")
            << "badcrc@cmd=5A,addr=4000" << true << "badcrc@cmd=5A,addr=4000";
        QTest::newRow("hex address") << "drop@addr=0x4F7" << true << "drop@addr=1271";
        QTest::newRow("range") << "short:3@5-7,cmd=18" << true << "short:3@5-7,cmd=18";
        QTest::newRow("all") << "junk@all" << true << "junk:FF";
        QTest::newRow("junk byte") << "junk:64@2" << true << "junk:64@2";
        QTest::newRow("identity") << "identity:1" << true << "identity:1";
        QTest::newRow("noack with a byte") << "noack:55" << true << "noack:55";
        QTest::newRow("badbyte last") << "badbyte:last" << true << "badbyte:7679";
        QTest::newRow("stallblock") << "stallblock:12" << true << "stallblock:12";
        QTest::newRow("stallreadback") << "stallreadback:100@2" << true << "stallreadback:100@2";
        QTest::newRow("nostore of one setting byte")
            << "nostore@cmd=42,addr=0x11" << true << "nostore@cmd=42,addr=17";
        QTest::newRow("refusefinish") << "refusefinish@2" << true << "refusefinish@2";
        QTest::newRow("nostore takes none") << "nostore:1" << false << "";
        QTest::newRow("unknown kind") << "explode@1" << false << "";
        QTest::newRow("late needs a value") << "late@1" << false << "";
        QTest::newRow("drop takes none") << "drop:3" << false << "";
        QTest::newRow("request 0") << "drop@0" << false << "";
        QTest::newRow("backward range") << "drop@5-2" << false << "";
        QTest::newRow("two ranges") << "drop@1,3" << false << "";
        QTest::newRow("bad command") << "drop@cmd=XYZ" << false << "";
        QTest::newRow("badbyte beyond the image") << "badbyte:7680" << false << "";
    }
    void faultSyntax() {
        QFETCH(QString, spec);
        QFETCH(bool, valid);
        QFETCH(QString, canonical);
        QString error;
        const auto f = parseFault(spec, &error);
        QCOMPARE(bool(f), valid);
        if (valid) {
            QCOMPARE(faultSpec(*f), canonical);
            QCOMPARE(faultSpec(*parseFault(canonical)), canonical);
        } else {
            QVERIFY(!error.isEmpty());
        }
    }

    // Five identical requests; each row names what each of them gets back ("-": nothing).
    void faultKinds_data() {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<QStringList>("answers");
        const QString ok = QString::fromLatin1(readAnswer(hex("10")).toHex());
        const QString badCrc = QString::fromLatin1(
            (readAnswer(hex("10")).left(2) + char(~line::crc8(u8(hex("10")), 1))).toHex());
        QTest::newRow("drop one") << "drop@3" << QStringList{ok, ok, "-", ok, ok};
        QTest::newRow("silent from 2") << "silence@2-" << QStringList{ok, "-", "-", "-", "-"};
        QTest::newRow("range") << "drop@2-3" << QStringList{ok, "-", "-", ok, ok};
        QTest::newRow("bad CRC") << "badcrc@1" << QStringList{badCrc, ok, ok, ok, ok};
        QTest::newRow("bad ack") << "badack@5" << QStringList{ok, ok, ok, ok, "9b10" + ok.right(2)};
        QTest::newRow("short") << "short@1" << QStringList{"6400", ok, ok, ok, ok};
        QTest::newRow("cut to 1") << "short:1@1" << QStringList{"64", ok, ok, ok, ok};
        QTest::newRow("cut to 0") << "short:0@1" << QStringList{"-", ok, ok, ok, ok};
        QTest::newRow("junk") << "junk:AB@2" << QStringList{ok, ok + "ab", ok, ok, ok};
        QTest::newRow("other command untouched")
            << "drop@cmd=5A" << QStringList{ok, ok, ok, ok, ok};
        QTest::newRow("other address untouched")
            << "drop@cmd=18,addr=25" << QStringList{ok, ok, ok, ok, ok};
        QTest::newRow("command and address")
            << "drop@4-,cmd=18,addr=24" << QStringList{ok, ok, ok, "-", "-"};
    }
    void faultKinds() {
        QFETCH(QString, spec);
        QFETCH(QStringList, answers);
        Meter m(fixedContents());
        m.addFault(*parseFault(spec));
        for (int i = 0; i < answers.size(); ++i) {
            const auto got = m.receive(Port::Pty, readMemory(24, 1), t0 + i * 40ms);
            const QString text =
                got.empty() ? QStringLiteral("-") : QString::fromLatin1(got.front().bytes.toHex());
            QCOMPARE(text, answers[i]);
            QVERIFY(got.size() <= 1);
        }
        QCOMPARE(m.frameCount(), 5);
    }

    void dropLosesAWriteSilenceStoresIt() {
        Meter m(fixedContents());
        m.addFault(Fault::drop(Selector::request(1)));
        m.addFault(Fault::silence(Selector::request(2)));
        QVERIFY(m.receive(Port::Pty, writeMemory(100, hex("11")), t0).empty());
        QVERIFY(m.receive(Port::Pty, writeMemory(101, hex("22")), t0).empty());
        QCOMPARE(m.read(Space::Memory, 100, 2), hex("0022"));
        QVERIFY(!m.frames()[0].carriedOut);
        QVERIFY(m.frames()[1].carriedOut);
        QCOMPARE(m.frames()[0].faults.size(), std::size_t(1));
        // An acknowledgement has no CRC to spoil.
        m.setFaults({Fault::badCrc()});
        QCOMPARE(m.receive(Port::Pty, writeMemory(100, hex("11")), t0)[0].bytes, hex("64"));
    }

    // A write the meter forgets is acknowledged all the same; reads are not touched.
    void noStoreAcknowledgesWithoutStoring() {
        Meter m(fixedContents());
        m.write(Space::Memory, 100, hex("0000"));
        m.addFault(*parseFault(QStringLiteral("nostore@addr=100")));
        QCOMPARE(m.receive(Port::Pty, writeMemory(100, hex("11")), t0)[0].bytes, hex("64"));
        QCOMPARE(m.receive(Port::Pty, writeMemory(101, hex("22")), t0)[0].bytes, hex("64"));
        QCOMPARE(m.read(Space::Memory, 100, 2), hex("0022"));
        QVERIFY(!m.frames()[0].carriedOut);
        QVERIFY(m.frames()[1].carriedOut);
        QCOMPARE(m.receive(Port::Pty, readMemory(100, 1), t0)[0].bytes.size(), 3);
    }

    void recordFaultAtOneAddress() {
        Meter m(fixedContents());
        m.addFault(*parseFault("badcrc@cmd=5A,addr=4000"));
        const QByteArray good = m.read(Space::Archive, 3992, 8);
        QCOMPARE(m.receive(Port::Pty, readRecord(3992), t0)[0].bytes, readAnswer(good));
        for (int i = 0; i < 3; ++i) {
            const QByteArray a = m.receive(Port::Pty, readRecord(4000), t0)[0].bytes;
            QCOMPARE(a.size(), 10);
            QVERIFY(quint8(a[9]) != line::crc8(u8(a) + 1, 8));
        }
    }

    void identityFault() {
        Contents c = fixedContents();
        c.identity = 0;
        Meter m(c);
        m.addFault(Fault::identity(1, Selector::request(1)));
        QCOMPARE(m.receive(Port::Pty, hex("1824F762"), t0)[0].bytes, readAnswer(hex("0100")));
        QCOMPARE(m.receive(Port::Pty, hex("1824F762"), t0)[0].bytes, readAnswer(hex("0000")));
        QCOMPARE(m.byte(Space::Memory, 1271), quint8(0));
        c.identity = 1;
        QCOMPARE(Meter(c).receive(Port::Pty, hex("1824F762"), t0)[0].bytes,
                 readAnswer(hex("0100")));
    }

    void programming() {
        Meter m(fixedContents());
        const QByteArray image = testImage();
        TimePoint end;
        const QByteArray sent = program(m, image, &end);
        QByteArray expected = hex("AA");
        for (int k = 0; k < Meter::kBlockCount; ++k)
            expected.append(char(120 - k)); // progress = 120 - answer runs 0..119
        expected += image;
        QCOMPARE(sent.size(), expected.size());
        QVERIFY(sent == expected);
        QCOMPARE(m.bytes(Space::Program), image);
        QVERIFY(m.inProgrammingMode(Port::Pty));
        QCOMPARE(m.finishedProgrammings(), 0);
        QVERIFY(m.receive(Port::Pty, hex("F9"), end + 8s).empty());
        QCOMPARE(m.finishedProgrammings(), 1);
        QVERIFY(!m.inProgrammingMode(Port::Pty));
        QCOMPARE(m.read(Space::Memory, 1263, 2), image.right(2));
        QCOMPARE(m.frameCount(), 0); // programming bytes are no requests
        const auto& ev = m.programEvents();
        QCOMPARE(ev.front().kind, ProgramEvent::Entered);
        QCOMPARE(ev.back().kind, ProgramEvent::Finished);
        // Frames are answered again afterwards.
        QCOMPARE(m.receive(Port::Pty, readMemory(24, 1), end + 9s).size(), std::size_t(1));
    }

    void programmingFaults_data() {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<int>("blockAnswers");
        QTest::addColumn<int>("readBack");
        QTest::addColumn<int>("wrongIndex");
        QTest::newRow("wrong read-back byte, the last") << "badbyte:last" << 120 << 7680 << 7679;
        QTest::newRow("wrong read-back byte, the first") << "badbyte:0" << 120 << 7680 << 0;
        QTest::newRow("silent after block 10") << "stallblock:10" << 10 << 0 << -1;
        QTest::newRow("silent from the first block") << "stallblock:0" << 0 << 0 << -1;
        QTest::newRow("silent in the read-back") << "stallreadback:1000" << 120 << 1000 << -1;
        QTest::newRow("second session only") << "badbyte:5@2" << 120 << 7680 << -1;
    }
    void programmingFaults() {
        QFETCH(QString, spec);
        QFETCH(int, blockAnswers);
        QFETCH(int, readBack);
        QFETCH(int, wrongIndex);
        Meter m(fixedContents());
        m.addFault(*parseFault(spec));
        const QByteArray image = testImage();
        const QByteArray sent = program(m, image);
        QCOMPARE(sent.size(), 1 + blockAnswers + readBack);
        const QByteArray back = sent.mid(1 + blockAnswers);
        for (int i = 0; i < back.size(); ++i)
            if ((back[i] != image[i]) != (i == wrongIndex))
                QFAIL(qPrintable(QStringLiteral("read-back byte %1").arg(i)));
    }

    void probeNotAcknowledged_data() {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("nothing") << "noack" << QByteArray();
        QTest::newRow("another byte") << "noack:55" << hex("55");
    }
    void probeNotAcknowledged() {
        QFETCH(QString, spec);
        QFETCH(QByteArray, answer);
        Meter m(fixedContents());
        m.addFault(*parseFault(spec));
        QVERIFY(m.receive(Port::Pty, programmingRequest(), t0).empty());
        QCOMPARE(joined(m.receive(Port::Pty, hex("FB"), t0 + 250ms)), answer);
        QVERIFY(!m.inProgrammingMode(Port::Pty));
        // What follows is taken as frames: FD and the image do not reach the program memory.
        const QByteArray before = m.bytes(Space::Program);
        m.receive(Port::Pty, hex("FD") + testImage().left(64), t0 + 260ms);
        QCOMPARE(m.bytes(Space::Program), before);
    }

    void programmingGivenUpMidway() {
        Meter m(fixedContents());
        m.receive(Port::Pty, programmingRequest() + hex("FBFD"), t0);
        m.receive(Port::Pty, testImage().left(100), t0 + 10ms);
        // The PC went away; a request much later is a request again.
        QCOMPARE(m.receive(Port::Pty, readMemory(24, 1), t0 + 5s).size(), std::size_t(1));
        QCOMPARE(m.programEvents().back().kind, ProgramEvent::Abandoned);
        // A request instead of FB leaves programming mode at once and is answered.
        m.receive(Port::Pty, programmingRequest(), t0 + 6s);
        QCOMPARE(m.receive(Port::Pty, readMemory(24, 1), t0 + 6s).size(), std::size_t(1));
        QCOMPARE(m.programmingSessions(), 2);
    }

    // Known ring positions of the archive.
    void ringPositions() {
        const int day2000 = 0, day20011231 = 730, day20020101 = 731;
        QCOMPARE(int(dailyRecordAddress(day2000)), 8);
        QCOMPARE(int(dailyRecordAddress(day20011231)), 0);
        QCOMPARE(int(dailyRecordAddress(day20020101)), 8);
        QCOMPARE(int(minuteRecordAddress(4, 23 * 60 + 59)), 63440);
        QCOMPARE(int(minuteRecordAddress(0, 0)), 5848);
        QCOMPARE(int(minuteRecordAddress(5, 0)), 5848);
    }

    void builtInArchivesFollowTheMetersClock_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::newRow("2015-03-15 10:30") << QDate(2015, 3, 15) << 10 << 30;
        QTest::newRow("midnight") << QDate(2021, 12, 31) << 0 << 0;
        QTest::newRow("last minute") << QDate(2012, 2, 29) << 23 << 59;
        QTest::newRow("early 2000") << QDate(2000, 1, 3) << 12 << 0;
    }
    void builtInArchivesFollowTheMetersClock() {
        QFETCH(QDate, date);
        QFETCH(int, hour);
        QFETCH(int, minute);
        Contents c;
        c.date = date;
        c.hour = hour;
        c.minute = minute;
        c.seed = 7;
        const Meter m(c);
        const int today = device::deviceDayFromDayNumber(device::dayNumberFromDate(date));
        QCOMPARE(m.deviceDay(), today);
        QCOMPARE(m.hour(), hour);
        QCOMPARE(m.minute(), minute);

        // The records are the meter's: the day's figures sum its minutes, so each day's slot
        // in the daily ring must agree with that day's minutes in the minute ring, and the
        // running day record with today's minutes so far. A ring turned by a day or a minute
        // shows as a difference. Nothing before 2000.
        const int now = hour * 60 + minute;
        const auto minuteSlot = [&](int back, int mm) {
            return m.read(Space::Archive, minuteRecordAddress(today - back, mm), 8);
        };
        for (int back = 1; back <= kDailySlots; ++back) {
            const int day = today - back;
            const QByteArray r = m.read(Space::Archive, dailyRecordAddress(day), 8);
            if (day < 0) {
                QCOMPARE(r, QByteArray(8, '\0'));
                continue;
            }
            QVERIFY(quint8(r[7]) & 0x80);
            QVERIFY((quint8(r[5]) | quint8(r[6]) << 8) <= 43200);
            if (back < kMinuteDays) {
                std::vector<QByteArray> minutes;
                for (int mm = 0; mm < kMinutesPerDay; ++mm)
                    minutes.push_back(minuteSlot(back, mm));
                QCOMPARE(r.toHex(), sumOfMinutes(minutes).toHex());
            }
        }
        // Minute ring: today up to the meter's minute, then five days back.
        std::vector<QByteArray> todaySoFar;
        for (int back = 0; back < kMinuteDays; ++back) {
            for (int mm = 0; mm < kMinutesPerDay; ++mm) {
                const int day = back == 0 && mm > now ? today - 5 : today - back;
                const QByteArray r = minuteSlot(back, mm);
                if (day < 0) {
                    QCOMPARE(r, QByteArray(8, '\0'));
                    continue;
                }
                QVERIFY(quint8(r[7]) & 0x80);
                QVERIFY((quint8(r[5]) | quint8(r[6]) << 8) <= 60);
                if (back == 0 && mm <= now)
                    todaySoFar.push_back(r);
            }
        }
        // The running day record holds today so far.
        const QByteArray running = m.read(Space::Memory, 1253, 8);
        QCOMPARE(running.toHex(), sumOfMinutes(todaySoFar).toHex());
    }

    // A day record sums its minutes, so both archives tell the same story.
    void dayRecordsSumTheirMinutes() {
        for (int day : {100, 5000, 5555}) {
            quint64 volume = 0;
            int seconds = 0;
            quint8 events = 0x80;
            for (int mm = 0; mm < kMinutesPerDay; ++mm) {
                const QByteArray r = minuteRecord(3, day, mm);
                for (int i = 4; i >= 0; --i)
                    volume += quint64(quint8(r[i])) << (8 * i);
                seconds += quint8(r[5]) | quint8(r[6]) << 8;
                events |= quint8(r[7]);
            }
            const QByteArray d = dayRecord(3, day);
            quint64 dayVolume = 0;
            for (int i = 4; i >= 0; --i)
                dayVolume = (dayVolume << 8) | quint8(d[i]);
            QCOMPARE(dayVolume, volume);
            QCOMPARE(quint8(d[5]) | quint8(d[6]) << 8, seconds / 2);
            QCOMPARE(quint8(d[7]), events);
            // About 12 m3/h: between 8 and 16 m3/h over the working hours.
            const double hours = seconds / 3600.0;
            QVERIFY(hours == 0 || (volume * 256e-6 / hours > 7 && volume * 256e-6 / hours < 18));
        }
        // Some days carry events, most do not.
        int withEvents = 0;
        for (int day = 0; day < 731; ++day)
            withEvents += quint8(dayRecord(1, day)[7]) != 0x80;
        QVERIFY(withEvents > 10 && withEvents < 150);
    }

    void builtInStatusAndSettings() {
        Contents c = fixedContents();
        c.firmwareVersion = 6;
        const Meter m(c);
        QCOMPARE(m.byte(Space::Memory, 24), quint8(0x10));
        QCOMPARE(m.byte(Space::Memory, 23), quint8(0x07));
        const float flow = device::decodeDeviceFloat(u8(m.read(Space::Memory, 1216, 4)));
        QVERIFY(qAbs(flow * 0.0036f - 12.5f) < 0.01f);
        QCOMPARE(m.read(Space::Memory, 1261, 2), hex("0600"));
        QCOMPARE(m.read(Space::Memory, 1267, 4), hex("39300537"));
        QCOMPARE(m.read(Space::Memory, 1271, 1), hex("00"));
        const int battery = m.byte(Space::Memory, 1274) | m.byte(Space::Memory, 1275) << 8;
        QVERIFY(qAbs(battery / 1024.0 * 3.7887 - 3.6) < 0.01);
        QCOMPARE(m.read(Space::Memory, 1240, 3), hex("0A1E00"));

        QCOMPARE(m.read(Space::Settings, 16, 8), hex("E803D00794116400"));
        QCOMPARE(m.read(Space::Settings, 33, 8), hex("00061EB800140000"));
        QCOMPARE(m.read(Space::Settings, 41, 4), hex("459D1463")); // 78.5398 cm2
        // The path coefficient of axial insertion: K x base / 2 x 100000, 0.9387 x 200 mm / 2
        // x 100000 = 9387000; K 0.9387.
        QCOMPARE(m.read(Space::Settings, 45, 4).toHex(), QByteArray("568f3bf8"));
        QCOMPARE(m.read(Space::Settings, 49, 4).toHex(), QByteArray("3ef04ea5"));
        QCOMPARE(m.byte(Space::Settings, 69), quint8(0x04));
        // From version 6 on, C lies at 53 and A at 61.
        QCOMPARE(device::decodeDeviceFloat(u8(m.read(Space::Settings, 53, 4))), builtin::kC);
        QCOMPARE(device::decodeDeviceFloat(u8(m.read(Space::Settings, 61, 4))), builtin::kA);
        c.firmwareVersion = 5;
        QCOMPARE(device::decodeDeviceFloat(u8(Meter(c).read(Space::Settings, 53, 4))), builtin::kA);
    }

    void contentsAreDeterministicAndOverridable() {
        Contents c = fixedContents();
        QVERIFY(Meter(c).memories().archive == Meter(c).memories().archive);
        QVERIFY(Meter(c).memories().memory == Meter(c).memories().memory);
        Contents other = c;
        other.seed = 2;
        QVERIFY(Meter(c).memories().archive != Meter(other).memories().archive);
        c.set(Space::Memory, 24, hex("00")).set(Space::Settings, 255, hex("0102"));
        const Meter m(c);
        QCOMPARE(m.byte(Space::Memory, 24), quint8(0));
        QCOMPARE(m.byte(Space::Settings, 255), quint8(1));
        QCOMPARE(m.byte(Space::Settings, 0), quint8(2)); // wraps
    }
};

QTEST_GUILESS_MAIN(SimMeter)
#include "test_sim_meter.moc"
