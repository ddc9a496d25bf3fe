// The archive readouts against the simulated meter, over the pseudo-terminal and over the
// remote-access pipe: the requests on the line, the buffer, the summary and the report.

#include "actions/Connection.h"
#include "archive/ArchiveReadout.h"
#include "archive/ArchiveRecord.h"
#include "device/DeviceDates.h"
#include "link/PortList.h"
#include "link/Protocol.h"
#include "sim/Sim.h"
#include "tests/support/Frames.h"
#include "tests/support/MeterBench.h"

#include <QtTest>

using archive::Interval;
using archive::Kind;

using test_frames::hex;

namespace {

const QDate kToday(2015, 3, 15); // device day 5552, day 2 of the minute cycle
// A function, not a constant: the day count's own constants are set up at run time.
int todayNumber() { return device::dayNumberFromDate(kToday); }

struct Request {
    quint8 command;
    quint16 address;
    bool operator==(const Request& o) const { return command == o.command && address == o.address; }
};
char* toString(const Request& r) {
    return qstrdup(
        qPrintable(QStringLiteral("%1@%2").arg(r.command, 2, 16, QLatin1Char('0')).arg(r.address)));
}

Request memory(quint16 address) { return {0x18, address}; }
Request record(quint16 address) { return {0x5A, address}; }

sim::Options meterOptions(int hour = 10, int minute = 30) {
    sim::Options o;
    o.contents.date = kToday;
    o.contents.hour = hour;
    o.contents.minute = minute;
    return o;
}

// One meter, one side of the program: the frontend, the protocol and the archives the front
// end keeps.
struct Bench : MeterBench {
    explicit Bench(const sim::Options& options) : MeterBench(options) {}

    std::optional<QStringList> read(bool pipe, Kind kind, Interval interval) {
        meter.withMeter([](sim::Meter& m) { m.clearLog(); });
        std::optional<QStringList> lines;
        run(target(pipe), [&] {
            if (attemptMs > 0)
                protocol.link()->setTimeouts(line::ReadTimeouts{0, 0, attemptMs});
            archive::Readout r =
                archive::readArchive(protocol, frontend, kind, interval, archives, locale);
            lines = r.lines;
            return r.outcome;
        });
        return lines;
    }

    // The requests after the identity check, one per transaction (repeated attempts once).
    QList<Request> requests() {
        QList<Request> list;
        for (const sim::FrameRecord& f : transactions()) {
            const Request r{f.command, f.address};
            if (!list.isEmpty() && list.last() == r && f.faults.size())
                continue;
            list << r;
        }
        if (!list.isEmpty() && list.first() == memory(1271))
            list.removeFirst();
        return list;
    }

    QByteArray archiveBytes(quint16 address) { return bytes(sim::Space::Archive, address, 8); }

    archive::Archives archives;
    QLocale locale{QLocale::Russian, QLocale::Russia};
    int attemptMs = 0; // when set, how long an attempt waits for its answer instead
};

QByteArray bytesOf(const archive::Record& r) {
    return QByteArray(reinterpret_cast<const char*>(r.bytes.data()), 8);
}

int dayOf(int y, int m, int d) { return device::dayNumberFromDate(QDate(y, m, d)); }

const QString kRule(39, QLatin1Char('-'));
} // namespace

class ArchiveReadoutTest : public QObject {
    Q_OBJECT

    void ports() {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("pty") << false;
        QTest::newRow("pipe") << true;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void dailyTodayReadsTheRunningDayRecordOnly_data() { ports(); }
    void dailyTodayReadsTheRunningDayRecordOnly() {
        QFETCH(bool, pipe);
        sim::Options o = meterOptions();
        // The running record's present bit is clear: the readout sets it.
        o.contents.set(sim::Space::Memory, 1253, hex("40420F0000080700"));
        Bench b(o);
        QVERIFY2(b.start(), qPrintable(b.meter.errorString()));
        const auto lines = b.read(pipe, Kind::Daily, {todayNumber(), todayNumber()});
        QVERIFY(lines);
        QCOMPARE(b.requests(), (QList<Request>{memory(24), memory(1238), memory(1253)}));
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено успешно. Прочитано 1 записей"));
        QCOMPARE(lines->mid(6), (QStringList{"15.03.2015    256,000     1,0", kRule,
                                             "Итого:        256,000     1,0"}));
        QCOMPARE(lines->first(), QStringLiteral("Суточный архив с 15.03.2015 по 15.03.2015"));
        QCOMPARE(
            b.frontend.statuses.mid(1),
            (QStringList{"Чтение суточного архива...", "Завершено успешно. Прочитано 1 записей"}));
        QCOMPARE(b.frontend.maxima, (QList<int>{1000, 1000, 1}));
        const archive::DailySummary& s = b.archives.daily.summary;
        QCOMPARE(int(s.recordCount), 1);
        QCOMPARE(s.endDate, todayNumber());
        QCOMPARE(s.volumeTotal, 256.0);
        QCOMPARE(s.hoursTotal, 1.0);
    }

    void dailyYesterdayReadsOneRingRecord_data() { ports(); }
    void dailyYesterdayReadsOneRingRecord() {
        QFETCH(bool, pipe);
        Bench b(meterOptions());
        QVERIFY(b.start());
        const int yesterday = todayNumber() - 1;
        QVERIFY(b.read(pipe, Kind::Daily, {yesterday, yesterday}));
        const quint16 address = archive::dailyRecordAddress(yesterday);
        QCOMPARE(b.requests(), (QList<Request>{memory(24), memory(1238), record(address)}));
        QCOMPARE(bytesOf(b.archives.daily.entries[0]), b.archiveBytes(address));
    }

    // The longest interval: the running record and all 731 ring records, the last of them at
    // the slot of today (which holds the day 731 days back).
    void dailyFullInterval_data() { ports(); }
    void dailyFullInterval() {
        QFETCH(bool, pipe);
        Bench b(meterOptions());
        QVERIFY(b.start());
        const auto lines = b.read(pipe, Kind::Daily, {todayNumber() - 731, todayNumber()});
        QVERIFY(lines);
        QList<Request> expected{memory(24), memory(1238), memory(1253)};
        quint16 address = archive::dailyRecordAddress(todayNumber() - 1);
        for (int i = 1; i < 732; ++i) {
            expected << record(address);
            address = archive::previousRecordAddress(address, archive::Area::Daily);
        }
        QCOMPARE(b.requests(), expected);
        QCOMPARE(expected.last(), record(archive::dailyRecordAddress(todayNumber())));
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено успешно. Прочитано 732 записей"));
        QCOMPARE(int(b.archives.daily.summary.recordCount), 732);
        for (int i = 1; i < 732; ++i)
            QCOMPARE(bytesOf(b.archives.daily.entries[std::size_t(i)]),
                     b.archiveBytes(expected[i + 2].address));
        QCOMPARE(lines->size(), 6 + 732 + 2);
        QVERIFY(lines->at(6).startsWith("15.03.2015 "));
        QVERIFY(lines->at(737).startsWith("14.03.2013 "));
    }

    // Checks in their order; none reads a record, and nothing of the last readout changes.
    void dailyIntervalChecks_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("status");
        QTest::newRow("end after today")
            << todayNumber() << todayNumber() + 1 << "Ошибка. Указан неверный интервал";
        QTest::newRow("start 732 back")
            << todayNumber() - 732 << todayNumber() << "Ошибка. Указан неверный интервал";
        QTest::newRow("start after end") << todayNumber() - 1 << todayNumber() - 2
                                         << "Ошибка. Указана дата начала больше даты окончания";
        QTest::newRow("both wrong: the end is checked first")
            << todayNumber() + 2 << todayNumber() + 1 << "Ошибка. Указан неверный интервал";
    }
    void dailyIntervalChecks() {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QString, status);
        Bench b(meterOptions());
        QVERIFY(b.start());
        QVERIFY(b.read(false, Kind::Daily, {todayNumber() - 2, todayNumber() - 1}));
        const archive::DailySummary before = b.archives.daily.summary;
        const auto entry0 = bytesOf(b.archives.daily.entries[0]);
        QVERIFY(!b.read(false, Kind::Daily, {start, end}));
        QCOMPARE(b.frontend.status(), status);
        QCOMPARE(b.requests(), (QList<Request>{memory(24), memory(1238)}));
        QCOMPARE(b.archives.daily.summary.recordCount, before.recordCount);
        QCOMPARE(b.archives.daily.summary.endDate, before.endDate);
        QCOMPARE(bytesOf(b.archives.daily.entries[0]), entry0);
    }

    void archiveUnavailable_data() { ports(); }
    void archiveUnavailable() {
        QFETCH(bool, pipe);
        sim::Options o = meterOptions();
        o.contents.deviceState = 0x04;
        Bench b(o);
        QVERIFY(b.start());
        QVERIFY(!b.read(pipe, Kind::Daily, {todayNumber(), todayNumber()}));
        QCOMPARE(b.frontend.status(), QStringLiteral("Архив недоступен"));
        QCOMPARE(b.requests(), (QList<Request>{memory(24)}));
    }

    void statusByteWithoutBit2GoesOn() {
        sim::Options o = meterOptions();
        o.contents.deviceState = 0xFB;
        Bench b(o);
        QVERIFY(b.start());
        QVERIFY(b.read(false, Kind::Daily, {todayNumber(), todayNumber()}));
    }

    // A meter whose status byte, date or time cannot be read: "Прибор не отвечает", and the
    // last readout stays as it was.
    void unreadableStatusDateOrTime_data() {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("requests");
        QTest::newRow("status pty") << false << int(Kind::Daily) << 24 << 1;
        QTest::newRow("date pty") << false << int(Kind::Daily) << 1238 << 2;
        QTest::newRow("date pipe") << true << int(Kind::Minute) << 1238 << 2;
        QTest::newRow("time pty") << false << int(Kind::Minute) << 1240 << 3;
        QTest::newRow("time pipe") << true << int(Kind::Minute) << 1240 << 3;
    }
    void unreadableStatusDateOrTime() {
        QFETCH(bool, pipe);
        QFETCH(int, kind);
        QFETCH(int, address);
        QFETCH(int, requests);
        Bench b(meterOptions());
        QVERIFY(b.start());
        const Interval interval{todayNumber(), todayNumber()};
        QVERIFY(b.read(pipe, Kind(kind), interval));
        const archive::MinuteSummary minuteBefore = b.archives.minute.summary;
        const archive::DailySummary dailyBefore = b.archives.daily.summary;
        b.meter.setFaults(
            {sim::Fault::badCrc(sim::Selector().onCommand(0x18).atAddress(quint16(address)))});
        QVERIFY(!b.read(pipe, Kind(kind), interval));
        QCOMPARE(b.frontend.status(), QStringLiteral("Прибор не отвечает"));
        QCOMPARE(b.requests().size(), requests);
        QCOMPARE(b.archives.minute.summary.recordCount, minuteBefore.recordCount);
        QCOMPARE(b.archives.minute.summary.endHour, minuteBefore.endHour);
        QCOMPARE(b.archives.daily.summary.recordCount, dailyBefore.recordCount);
        QCOMPARE(b.archives.daily.summary.volumeTotal, dailyBefore.volumeTotal);
    }

    // Present, empty, empty, present, unreadable, then empty to the start: rows, one empty
    // line per run, the transfer-error row, totals without the failed record.
    void dailyRowsEmptyRunsAndTransferErrors_data() { ports(); }
    void dailyRowsEmptyRunsAndTransferErrors() {
        QFETCH(bool, pipe);
        sim::Options o = meterOptions();
        const quint16 a14 = archive::dailyRecordAddress(dayOf(2015, 3, 14));
        const quint16 a13 = archive::dailyRecordAddress(dayOf(2015, 3, 13));
        const quint16 a12 = archive::dailyRecordAddress(dayOf(2015, 3, 12));
        const quint16 a11 = archive::dailyRecordAddress(dayOf(2015, 3, 11));
        const quint16 a10 = archive::dailyRecordAddress(dayOf(2015, 3, 10));
        const quint16 a09 = archive::dailyRecordAddress(dayOf(2015, 3, 9));
        o.contents.set(sim::Space::Archive, a14, hex("40420F0000080780"))
            .set(sim::Space::Archive, a13, hex("0000000000000000"))
            .set(sim::Space::Archive, a12, hex("FFFFFFFFFFFFFF7F"))
            .set(sim::Space::Archive, a11, hex("00093D00001C209C"))
            .set(sim::Space::Archive, a10, hex("40420F0000080780"))
            .set(sim::Space::Archive, a09, hex("0000000000000000"));
        o.faults.push_back(sim::Fault::badCrc(sim::Selector().onCommand(0x5A).atAddress(a10)));
        Bench b(o);
        QVERIFY(b.start());
        const auto lines = b.read(pipe, Kind::Daily, {dayOf(2015, 3, 9), dayOf(2015, 3, 14)});
        QVERIFY(lines);
        // 0x3D0900 units = 1024 m3; 0x201C = 8220 units of 2 s = 4.57 hours.
        QCOMPARE(lines->mid(5), (QStringList{kRule, "14.03.2015    256,000     1,0", "",
                                             "11.03.2015   1024,000     4,6 Oшибки в измерениях."
                                             " Низкое напряжение питания. Задействован "
                                             "последовательный интерфейс RS232.",
                                             "10.03.2015 Ошибка при передаче данных...", "", kRule,
                                             "Итого:       1280,000     5,6"}));
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено c 1 ошибками при передаче"));
        QCOMPARE(b.archives.daily.entries[4].bytes[7], quint8(0xC0));
        QCOMPARE(b.archives.daily.summary.volumeTotal, 1280.0);
        // Three attempts at the failing record, one at every other.
        int attempts = 0;
        for (const sim::FrameRecord& f : b.meter.frames())
            attempts += f.command == 0x5A && f.address == a10;
        QCOMPARE(attempts, 3);
    }

    void dailyFailedRunningRecordIsATransferError() {
        sim::Options o = meterOptions();
        o.faults.push_back(sim::Fault::badCrc(sim::Selector().onCommand(0x18).atAddress(1253)));
        Bench b(o);
        QVERIFY(b.start());
        const auto lines = b.read(false, Kind::Daily, {todayNumber() - 1, todayNumber()});
        QVERIFY(lines);
        QCOMPARE(lines->at(6), QStringLiteral("15.03.2015 Ошибка при передаче данных..."));
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено c 1 ошибками при передаче"));
    }

    void minuteTodayAtMidnight_data() { ports(); }
    void minuteTodayAtMidnight() {
        QFETCH(bool, pipe);
        Bench b(meterOptions(0, 0));
        QVERIFY(b.start());
        const auto lines = b.read(pipe, Kind::Minute, {todayNumber(), todayNumber()});
        QVERIFY(lines);
        const quint16 address = archive::minuteRecordAddress(todayNumber(), 0, 0);
        QCOMPARE(b.requests(),
                 (QList<Request>{memory(24), memory(1238), memory(1240), record(address)}));
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено успешно. Прочитано 1 записей"));
        QCOMPARE(b.frontend.maxima, (QList<int>{1000, 1000, 0}));
        QVERIFY(lines->at(6).startsWith("15.03.2015 00:00 "));
        const archive::MinuteSummary& s = b.archives.minute.summary;
        QCOMPARE(int(s.recordCount), 1);
        QCOMPARE(int(s.endHour), 0);
        QCOMPARE(int(s.endMinute), 0);
    }

    void minuteYesterdayReadsWholeDayWithoutTheClock() {
        Bench b(meterOptions());
        QVERIFY(b.start());
        const int yesterday = todayNumber() - 1;
        const auto lines = b.read(false, Kind::Minute, {yesterday, yesterday});
        QVERIFY(lines);
        const QList<Request> r = b.requests();
        QCOMPARE(r.size(), 2 + 1440);
        QCOMPARE(r.mid(0, 2), (QList<Request>{memory(24), memory(1238)}));
        QCOMPARE(r[2], record(archive::minuteRecordAddress(yesterday, 23, 59)));
        QCOMPARE(r.last(), record(archive::minuteRecordAddress(yesterday, 0, 0)));
        QVERIFY(lines->at(6).startsWith("14.03.2015 23:59 "));
        QVERIFY(lines->at(6 + 1439).startsWith("14.03.2015 00:00 "));
        QCOMPARE(b.archives.minute.summary.endHour, quint16(23));
    }

    void minuteFullFiveDays_data() { ports(); }
    void minuteFullFiveDays() {
        QFETCH(bool, pipe);
        Bench b(meterOptions(23, 59));
        QVERIFY(b.start());
        const auto lines = b.read(pipe, Kind::Minute, {todayNumber() - 4, todayNumber()});
        QVERIFY(lines);
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено успешно. Прочитано 7200 записей"));
        QCOMPARE(b.frontend.maxima.last(), 7199);
        const QList<Request> r = b.requests();
        QCOMPARE(r.size(), 3 + 7200);
        quint16 address = archive::minuteRecordAddress(todayNumber(), 23, 59);
        for (int i = 0; i < 7200; ++i) {
            QCOMPARE(r[3 + i], record(address));
            QCOMPARE(bytesOf(b.archives.minute.entries[std::size_t(i)]), b.archiveBytes(address));
            address = archive::previousRecordAddress(address, archive::Area::Minute);
        }
        QCOMPARE(int(b.archives.minute.summary.recordCount), 7200);
        QVERIFY(lines->at(6).startsWith("15.03.2015 23:59 "));
        QVERIFY(lines->at(6 + 7199).startsWith("11.03.2015 00:00 "));
        QVERIFY(lines->last().startsWith("Итого:          "));
    }

    // The meter falls silent in the middle of a long readout: the readout ends after ten
    // transactions without a byte, not after thousands, and its report says what was read. On
    // the pipe each attempt is shortened from its 4 s: the silent transactions are counted,
    // the wait is not what ends the readout.
    void aSilentMeterEndsALongReadout_data() { ports(); }
    void aSilentMeterEndsALongReadout() {
        QFETCH(bool, pipe);
        sim::Options o = meterOptions(10, 0);
        o.faults.push_back(*sim::parseFault(QStringLiteral("silence@40-")));
        Bench b(o);
        QVERIFY(b.start());
        if (pipe)
            b.attemptMs = 100;
        const auto lines = b.read(pipe, Kind::Minute, {todayNumber() - 2, todayNumber() - 1});
        QVERIFY(lines);
        QVERIFY2(b.frontend.status().startsWith(QStringLiteral("Завершено c 10 ошибками")),
                 qPrintable(b.frontend.status()));
        QVERIFY2(lines->first().startsWith(
                     QStringLiteral("Минутный архив. Прервано: прочитано с 14.03.2015 ")) &&
                     lines->first().endsWith(QStringLiteral(" по 14.03.2015 23:59")),
                 qPrintable(lines->first()));
        // The frames the meter took without answering: ten records, each asked three times.
        QSet<quint16> unanswered;
        int frames = 0;
        for (const sim::FrameRecord& f : b.meter.frames())
            if (!f.faults.empty()) {
                unanswered.insert(f.address);
                ++frames;
            }
        QCOMPARE(unanswered.size(), 10);
        QCOMPARE(frames, 30);
    }

    // Day 4 of the five-day cycle at 23:59: the first record is the last of the area.
    void minuteRingEndFirst() {
        sim::Options o = meterOptions(23, 59);
        o.contents.date = QDate(2015, 3, 17); // device day 5554
        Bench b(o);
        QVERIFY(b.start());
        const int today = dayOf(2015, 3, 17);
        QVERIFY(b.read(false, Kind::Minute, {today, today}));
        const QList<Request> r = b.requests();
        QCOMPARE(r[3], record(63440));
        QCOMPARE(r[4], record(63432));
    }

    void minuteIntervalChecks_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("status");
        QTest::newRow("start 5 back")
            << todayNumber() - 5 << todayNumber() << "Ошибка. Указан неверный интервал";
        QTest::newRow("end after today")
            << todayNumber() << todayNumber() + 1 << "Ошибка. Указан неверный интервал";
        QTest::newRow("start after end") << todayNumber() << todayNumber() - 1
                                         << "Ошибка. Указана дата начала больше даты окончания";
    }
    void minuteIntervalChecks() {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QString, status);
        Bench b(meterOptions());
        QVERIFY(b.start());
        QVERIFY(!b.read(false, Kind::Minute, {start, end}));
        QCOMPARE(b.frontend.status(), status);
        QCOMPARE(b.requests(), (QList<Request>{memory(24), memory(1238)}));
        QCOMPARE(int(b.archives.minute.summary.recordCount), 0);
    }

    // The row after 00:00 carries 23:59 of the day before; a failed minute is a transfer error.
    void minuteRowsAcrossMidnight_data() { ports(); }
    void minuteRowsAcrossMidnight() {
        QFETCH(bool, pipe);
        sim::Options o = meterOptions(0, 1);
        const quint16 a0001 = archive::minuteRecordAddress(todayNumber(), 0, 1);
        const quint16 a0000 = archive::minuteRecordAddress(todayNumber(), 0, 0);
        const quint16 a2359 = archive::minuteRecordAddress(todayNumber() - 1, 23, 59);
        const quint16 a2358 = archive::minuteRecordAddress(todayNumber() - 1, 23, 58);
        o.contents.set(sim::Space::Archive, a0001, hex("000F0000003C0090"))
            .set(sim::Space::Archive, a2359, hex("00000000003B0080"))
            .set(sim::Space::Archive, a2358, hex("0000000000000000"));
        o.faults.push_back(sim::Fault::badCrc(sim::Selector().onCommand(0x5A).atAddress(a0000)));
        Bench b(o);
        QVERIFY(b.start());
        const auto lines = b.read(pipe, Kind::Minute, {todayNumber() - 1, todayNumber()});
        QVERIFY(lines);
        QCOMPARE(lines->mid(6, 4),
                 (QStringList{"15.03.2015 00:01      0,983      60 Задействован последовательный "
                              "интерфейс RS232.",
                              "15.03.2015 00:00 Ошибка при передаче данных...",
                              "14.03.2015 23:59      0,000      59", ""}));
        QCOMPARE(b.frontend.status(), QStringLiteral("Завершено c 1 ошибками при передаче"));
        QCOMPARE(b.archives.minute.summary.recordCount, quint16(1442));
    }

    // A clock answer that is no time of day would reach past the ring: nothing is read.
    void minuteImpossibleClock() {
        sim::Options o = meterOptions();
        o.contents.set(sim::Space::Memory, 1240, hex("1900"));
        Bench b(o);
        QVERIFY(b.start());
        QVERIFY(!b.read(false, Kind::Minute, {todayNumber(), todayNumber()}));
        QCOMPARE(b.frontend.status(), QStringLiteral("Ошибка. Прибор сообщил неверное время"));
        QCOMPARE(b.requests().size(), 3);
    }
};

QTEST_GUILESS_MAIN(ArchiveReadoutTest)
#include "test_archive_readout.moc"
