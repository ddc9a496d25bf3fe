#include "archive/ArchiveBuffers.h"
#include "archive/ArchiveRecord.h"
#include "device/DeviceDates.h"
#include "tests/support/ArchiveRecords.h"

#include <QtTest>

using namespace archive;
using test_records::day;

namespace {
Record record(const QByteArray& hex) {
    Record r;
    const QByteArray bytes = QByteArray::fromHex(hex);
    std::copy_n(reinterpret_cast<const quint8*>(bytes.constData()), 8, r.bytes.begin());
    return r;
}
} // namespace

class ArchiveRecordsTest : public QObject {
    Q_OBJECT

private slots:
    void dailyAddresses_data() {
        QTest::addColumn<int>("dayNumber");
        QTest::addColumn<int>("address");
        QTest::newRow("2000-01-01") << day(2000, 1, 1) << 8;
        QTest::newRow("2001-12-31") << day(2001, 12, 31) << 0;
        QTest::newRow("2002-01-01") << day(2002, 1, 1) << 8;
        QTest::newRow("1999-12-31") << day(1999, 12, 31) << 0;
        QTest::newRow("1999-12-30") << day(1999, 12, 30) << 5840;
        QTest::newRow("2001-12-30") << day(2001, 12, 30) << 5840;
    }
    void dailyAddresses() {
        QFETCH(int, dayNumber);
        QFETCH(int, address);
        QCOMPARE(int(dailyRecordAddress(dayNumber)), address);
    }

    void minuteAddresses_data() {
        QTest::addColumn<int>("deviceDay");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("address");
        QTest::newRow("day 4 23:59") << 4 << 23 << 59 << 63440;
        QTest::newRow("day 0 00:00") << 0 << 0 << 0 << 5848;
        QTest::newRow("day 5 00:00") << 5 << 0 << 0 << 5848;
        QTest::newRow("day 1 07:05") << 1 << 7 << 5 << 5848 + 8 * (1440 + 425);
        QTest::newRow("day -1 23:59") << -1 << 23 << 59 << 63440;
        QTest::newRow("day -5 00:00") << -5 << 0 << 0 << 5848;
    }
    void minuteAddresses() {
        QFETCH(int, deviceDay);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(int, address);
        QCOMPARE(int(minuteRecordAddress(device::dayNumberFromDeviceDay(deviceDay), hour, minute)),
                 address);
    }

    void steppingBackWraps() {
        QCOMPARE(int(previousRecordAddress(0, Area::Daily)), 5840);
        QCOMPARE(int(previousRecordAddress(8, Area::Daily)), 0);
        QCOMPARE(int(previousRecordAddress(5840, Area::Daily)), 5832);
        QCOMPARE(int(previousRecordAddress(5848, Area::Minute)), 63440);
        QCOMPARE(int(previousRecordAddress(5856, Area::Minute)), 5848);
        QCOMPARE(int(previousRecordAddress(63440, Area::Minute)), 63432);
    }

    // Every day, also long before the meter's day 0, lands inside the daily area, and the day
    // before it lies one record back: the readout's stepping and the address agree everywhere.
    void dailyRingIsConsistentAcrossTheRange() {
        for (int d = day(1995, 1, 1); d < day(2010, 1, 1); ++d) {
            const quint16 a = dailyRecordAddress(d);
            QVERIFY2(a <= 5840 && a % 8 == 0, qPrintable(QString::number(d)));
            QCOMPARE(previousRecordAddress(a, Area::Daily), dailyRecordAddress(d - 1));
        }
    }

    void minuteRingIsConsistentAcrossTheRange() {
        MinuteClock clock{day(2000, 1, 8), 0, 0};
        quint16 address = minuteRecordAddress(clock.date, clock.hour, clock.minute);
        // Back over the meter's day 0 into days it never had.
        for (int i = 0; i < 20 * 1440; ++i) {
            QVERIFY(address >= 5848 && address <= 63440 && (address - 5848) % 8 == 0);
            clock.stepBack();
            address = previousRecordAddress(address, Area::Minute);
            QCOMPARE(address, minuteRecordAddress(clock.date, clock.hour, clock.minute));
        }
    }

    void minuteClockStepsBack() {
        MinuteClock c{100, 0, 1};
        c.stepBack();
        QCOMPARE((QList<int>{c.date, c.hour, c.minute}), (QList<int>{100, 0, 0}));
        c.stepBack();
        QCOMPARE((QList<int>{c.date, c.hour, c.minute}), (QList<int>{99, 23, 59}));
        c = {100, 10, 0};
        c.stepBack();
        QCOMPARE((QList<int>{c.date, c.hour, c.minute}), (QList<int>{100, 9, 59}));
    }

    void decoding() {
        const Record r = record("40420F0000080780");
        QCOMPARE(r.volumeUnits(), quint64(1000000));
        QCOMPARE(r.volumeCubicMetres(), 256.0);
        QCOMPARE(int(r.workingTime()), 1800);
        QVERIFY(r.present());
        QVERIFY(!r.unreadable());
        QCOMPARE(eventText(r.events(), EventTarget::Report), QString());

        // The largest volume stays exact through the integer step.
        const Record big = record("FFFFFFFFFFFFFF80");
        QCOMPARE(big.volumeUnits(), quint64(0xFFFFFFFFFF));
        QCOMPARE(big.volumeCubicMetres(), 281474976710400.0 / 1000000.0);
        QCOMPARE(int(big.workingTime()), 65535);
    }

    void presenceAndUnreadable() {
        QVERIFY(!record("FFFFFFFFFFFFFF7F").present());
        QVERIFY(!record("FFFFFFFFFFFFFF7F").unreadable());
        QVERIFY(record("00000000000000C0").unreadable());
        Record r = record("40420F0000080787");
        markUnreadable(r);
        QCOMPARE(r.bytes, record("00000000000000C0").bytes);
    }

    void eventTexts_data() {
        QTest::addColumn<int>("events");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("spreadsheet");
        QTest::newRow("0x80") << 0x80 << QString() << QString();
        QTest::newRow("0x87 fault wins") << 0x87 << " Прибор неисправен."
                                         << " Прибор неисправен.";
        QTest::newRow("0x9A") << 0x9A
                              << " Датчики не подключены. Низкое напряжение питания. Задействован "
                                 "последовательный интерфейс RS232."
                              << " Датчики не подключены. Низкое напряжение питания. Задействован "
                                 "последовательный интерфейс RS232.";
        QTest::newRow("0xA0 programming") << 0xA0 << " Режим программирования." << QString();
        QTest::newRow("0x84 Latin O") << 0x84
                                      << QString::fromUtf8(" O\u0448\u0438\u0431\u043a"
                                                           "\u0438 в измерениях.")
                                      << QString::fromUtf8(" O\u0448\u0438\u0431\u043a"
                                                           "\u0438 в измерениях.");
        QTest::newRow("0xBF") << 0xBF
                              << " Прибор неисправен. Низкое напряжение питания. Задействован "
                                 "последовательный интерфейс RS232. Режим программирования."
                              << " Прибор неисправен. Низкое напряжение питания. Задействован "
                                 "последовательный интерфейс RS232.";
    }
    void eventTexts() {
        QFETCH(int, events);
        QFETCH(QString, report);
        QFETCH(QString, spreadsheet);
        QCOMPARE(eventText(quint8(events), EventTarget::Report), report);
        QCOMPARE(eventText(quint8(events), EventTarget::Spreadsheet), spreadsheet);
    }

    void measurementErrorTextBeginsWithLatinO() {
        const QString t = eventText(0x84, EventTarget::Report);
        QCOMPARE(t.at(1), QLatin1Char('O'));
        QCOMPARE(t.at(2), QChar(0x0448));
    }
};

QTEST_GUILESS_MAIN(ArchiveRecordsTest)
#include "test_archive_records.moc"
