#include "archive/ArchiveExport.h"
#include "archive/ArchiveReport.h"
#include "archive/ArchiveSeries.h"
#include "device/DeviceDates.h"
#include "tests/support/ArchiveRecords.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace archive;
using namespace test_records;

namespace {
Record empty(quint8 events = 0x7F) {
    Record r = present(123, 456);
    r.bytes[7] = events;
    return r;
}

std::vector<Record> entries(std::initializer_list<Record> list) {
    std::vector<Record> v(list);
    return v;
}

const QString kRule(39, QLatin1Char('-'));
} // namespace

class ArchiveReportsTest : public QObject {
    Q_OBJECT

    QLocale ru{QLocale::Russian, QLocale::Russia};

private slots:
    void initTestCase() { QLocale::setDefault(ru); }

    void dailyReportRowsAndEmptyLines() {
        // 05.03.2008 with 12.3456 m3 (48225 units), 23.5 h and low voltage; two empty days; a
        // transfer error; one empty day before the closing rule.
        const auto e =
            entries({present(48225, 42300, 0x08), empty(), empty(0x00), unreadable(), empty()});
        const DailyReport r = buildDailyReport(e, 5, day(2008, 3, 1), day(2008, 3, 5), ru);
        const QStringList expected{
            "Суточный архив с 01.03.2008 по 05.03.2008",
            "",
            "   Дата   |  Объём,  | Время | События",
            "          |    м3    |работы,|",
            "          |          | часов |",
            kRule,
            "05.03.2008     12,346    23,5 Низкое напряжение питания.",
            "",
            "02.03.2008 Ошибка при передаче данных...",
            "",
            kRule,
            "Итого:         12,346    23,5",
        };
        QCOMPARE(r.lines, expected);
        QCOMPARE(r.volumeTotal, 12.3456);
        QCOMPARE(r.hoursTotal, 23.5);
        // Separators and fields at their character positions.
        QCOMPARE(r.lines[2].indexOf('|') + 1, 11);
        QCOMPARE(r.lines[2].indexOf('|', 11) + 1, 22);
        QCOMPARE(r.lines[2].indexOf('|', 22) + 1, 30);
        QCOMPARE(r.lines[6].mid(29, 1), QStringLiteral(" "));
        QCOMPARE(r.lines[11].size(), 29);
    }

    void dailyReportLeadingEmptyEntriesGiveNoLine() {
        const auto e = entries({empty(), empty(), present(0, 0), present(0, 1800)});
        const DailyReport r = buildDailyReport(e, 4, day(2008, 3, 2), day(2008, 3, 5), ru);
        QCOMPARE(r.lines.mid(6),
                 (QStringList{"03.03.2008      0,000     0,0", "02.03.2008      0,000     1,0",
                              kRule, "Итого:          0,000     1,0"}));
    }

    void dailyReportWithoutRecords() {
        const auto e = entries({empty(), empty(0x40), empty()});
        const DailyReport r = buildDailyReport(e, 3, day(2008, 3, 3), day(2008, 3, 5), ru);
        QCOMPARE(r.lines.size(), 7);
        QCOMPARE(r.lines[5], kRule);
        QCOMPARE(r.lines[6], QStringLiteral("В архиве нет записей для этого интервала дат"));
        QCOMPARE(r.volumeTotal, 0.0);
    }

    // Only the entries within the count are reported, whatever the buffer holds beyond.
    void reportStopsAtTheCount() {
        const auto e = entries({present(1, 1), present(2, 2)});
        const DailyReport r = buildDailyReport(e, 1, day(2008, 3, 5), day(2008, 3, 5), ru);
        QCOMPARE(r.lines.size(), 9);
        QCOMPARE(r.volumeTotal, 0.000256);
    }

    void hoursFields_data() {
        QTest::addColumn<double>("hours");
        QTest::addColumn<QString>("field");
        QTest::newRow("99.94") << 99.94 << "    99,9";
        QTest::newRow("123.45") << 123.45 << "   123,0";
        QTest::newRow("999.94") << 999.94 << "     1E3";
        QTest::newRow("1234.5") << 1234.5 << "  1,23E3";
        QTest::newRow("0") << 0.0 << "     0,0";
    }
    void hoursFields() {
        QFETCH(double, hours);
        QFETCH(QString, field);
        QCOMPARE(hoursField(hours, ru), field);
    }

    void volumeFields() {
        QCOMPARE(volumeField(256.0, ru), QStringLiteral("    256,000"));
        QCOMPARE(volumeField(281474976.7104, ru), QStringLiteral("281474976,710"));
        QCOMPARE(volumeField(1.0, QLocale::c()), QStringLiteral("      1.000"));
    }

    // Totals of 1000 hours and more take the exponent form in the totals line.
    void dailyTotalsInExponentForm_data() {
        QTest::addColumn<int>("fullDays");
        QTest::addColumn<int>("rest");
        QTest::addColumn<QString>("hours");
        // 50000 units of 2 s each per entry, then the rest.
        QTest::newRow("999.94 h") << 35 << 49892 << "     1E3";
        QTest::newRow("1234.5 h") << 44 << 22100 << "  1,23E3";
    }
    void dailyTotalsInExponentForm() {
        QFETCH(int, fullDays);
        QFETCH(int, rest);
        QFETCH(QString, hours);
        std::vector<Record> e(std::size_t(fullDays), present(0, 50000));
        e.push_back(present(0, quint16(rest)));
        const int end = day(2008, 3, 5);
        const DailyReport r = buildDailyReport(e, int(e.size()), end - int(e.size()) + 1, end, ru);
        QCOMPARE(r.lines.last(), "Итого:          0,000" + hours);
    }

    void minuteReport() {
        // End 05.03.2008 00:01: 00:01 present, 00:00 a transfer error, 23:59 of the day before
        // present, then an empty minute, then 07:05-like times do not occur here.
        const auto e = entries({present(3906, 60, 0x20), unreadable(), present(1, 59), empty()});
        const MinuteReport r = buildMinuteReport(e, 4, day(2008, 3, 4), day(2008, 3, 5), 0, 1, ru);
        const QStringList expected{
            "Минутный архив с 04.03.2008 по 05.03.2008",
            "",
            "   Дата   |Время|  Объём,  | Время | События",
            "          |     |    м3    |работы,|",
            "          |     |          |секунд |",
            kRule,
            "05.03.2008 00:01      1,000      60 Режим программирования.",
            "05.03.2008 00:00 Ошибка при передаче данных...",
            "04.03.2008 23:59      0,000      59",
            "",
            kRule,
            "Итого:                1,000     119",
        };
        QCOMPARE(r.lines, expected);
        QCOMPARE(r.secondsTotal, 119.0);
        QCOMPARE(r.lines[2].indexOf('|', 11) + 1, 17);
        QCOMPARE(r.lines[2].indexOf('|', 17) + 1, 28);
        QCOMPARE(r.lines[2].indexOf('|', 28) + 1, 36);
        QCOMPARE(r.lines[6].indexOf(QStringLiteral(" Режим")) + 1, 36);
    }

    void minuteReportClockCrossesHours() {
        std::vector<Record> e(3, present(0, 1));
        const MinuteReport r = buildMinuteReport(e, 3, day(2008, 3, 5), day(2008, 3, 5), 7, 6, ru);
        QVERIFY(r.lines[6].startsWith("05.03.2008 07:06"));
        QVERIFY(r.lines[7].startsWith("05.03.2008 07:05"));
        QVERIFY(r.lines[8].startsWith("05.03.2008 07:04"));
        const MinuteReport h = buildMinuteReport(e, 2, day(2008, 3, 5), day(2008, 3, 5), 10, 0, ru);
        QVERIFY(h.lines[7].startsWith("05.03.2008 09:59"));
    }

    void minuteReportWithoutRecords() {
        std::vector<Record> e(1440);
        const MinuteReport r =
            buildMinuteReport(e, 1440, day(2008, 3, 4), day(2008, 3, 4), 23, 59, ru);
        QCOMPARE(r.lines.size(), 7);
        QCOMPARE(r.lines.last(), QStringLiteral("В архиве нет записей для этого интервала дат"));
    }

    // A readout that ended before its start date says in every form what it holds; a complete
    // one keeps its title and totals.
    void interruptedReadoutSaysWhatWasRead_data() {
        QTest::addColumn<bool>("daily");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("interrupted");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("readFrom"); // JSON; empty when absent
        QTest::addColumn<QString>("readTo");
        QTest::addColumn<QString>("csvLast"); // the CSV's last row
        QTest::newRow("daily complete")
            << true << 3 << false << "Суточный архив с 03.03.2008 по 05.03.2008"
            << ""
            << ""
            << "2008-03-05,0.065536,1,";
        QTest::newRow("daily stopped")
            << true << 2 << true << "Суточный архив. Прервано: прочитано с 04.03.2008 по 05.03.2008"
            << "2008-03-04"
            << "2008-03-05"
            << "Суточный архив. Прервано: прочитано с 2008-03-04 по 2008-03-05,,,";
        QTest::newRow("daily stopped before a record")
            << true << 0 << true << "Суточный архив. Прервано: ничего не прочитано"
            << ""
            << ""
            << "Суточный архив. Прервано: ничего не прочитано,,,";
        QTest::newRow("minute complete")
            << false << 601 << false << "Минутный архив с 05.03.2008 по 05.03.2008"
            << ""
            << ""
            << "2008-03-05T10:00,0.065536,1800,";
        QTest::newRow("minute stopped across midnight")
            << false << 602 << true
            << "Минутный архив. Прервано: прочитано с 04.03.2008 23:59 по 05.03.2008 10:00"
            << "2008-03-04T23:59"
            << "2008-03-05T10:00"
            << "Минутный архив. Прервано: прочитано с 2008-03-04T23:59 по 2008-03-05T10:00,,,";
    }
    void interruptedReadoutSaysWhatWasRead() {
        QFETCH(bool, daily);
        QFETCH(int, count);
        QFETCH(bool, interrupted);
        QFETCH(QString, title);
        QFETCH(QString, readFrom);
        QFETCH(QString, readTo);
        QFETCH(QString, csvLast);
        Archives a;
        std::vector<Record>& e = daily ? a.daily.entries : a.minute.entries;
        if (count > 0)
            e[0] = present(256, 1800);
        QStringList lines;
        if (daily) {
            const DailyReport r =
                buildDailyReport(e, count, day(2008, 3, 3), day(2008, 3, 5), ru, interrupted);
            a.daily.summary = {quint16(count), day(2008, 3, 5), r.volumeTotal, r.hoursTotal,
                               interrupted};
            lines = r.lines;
        } else {
            const MinuteReport r = buildMinuteReport(e, count, day(2008, 3, 5), day(2008, 3, 5), 10,
                                                     0, ru, interrupted);
            a.minute.summary = {quint16(count), day(2008, 3, 5), 10,         0,
                                r.volumeTotal,  r.secondsTotal,  interrupted};
            lines = r.lines;
        }
        const Kind kind = daily ? Kind::Daily : Kind::Minute;
        QCOMPARE(lines.first(), title);
        if (count > 0)
            QCOMPARE(lines.last().endsWith(QStringLiteral(" прервано: итог прочитанного")),
                     interrupted);
        const ArchiveSheet sheet = daily ? dailySheet(a.daily, ru) : minuteSheet(a.minute, ru);
        QCOMPARE(sheet.title, title);
        QCOMPARE(archiveSeries(kind, a).title, title);
        const QJsonObject json = archiveJson(kind, a);
        QCOMPARE(json.value("cancelled").toBool(), interrupted);
        QCOMPARE(json.contains("cancelled"), interrupted);
        QCOMPARE(json.value("read_from").toString(), readFrom);
        QCOMPARE(json.value("read_to").toString(), readTo);
        const QStringList csv = QString::fromUtf8(archiveCsv(kind, a)).split("\r\n");
        QCOMPARE(csv.value(csv.size() - 2), csvLast);
    }

    void extensions() {
        QCOMPARE(withDefaultExtension("report", ExportFormat::Text), QStringLiteral("report.txt"));
        QCOMPARE(withDefaultExtension("report", ExportFormat::Workbook),
                 QStringLiteral("report.xls"));
        QCOMPARE(withDefaultExtension("report.dat", ExportFormat::Workbook),
                 QStringLiteral("report.dat"));
        QCOMPARE(withDefaultExtension("/tmp/a.b/report", ExportFormat::Text),
                 QStringLiteral("/tmp/a.b/report.txt"));
    }

    void memoLinesFollowTheMemo() {
        QCOMPARE(memoLines(QString()), QStringList());
        QCOMPARE(memoLines("a\nb"), (QStringList{"a", "b"}));
        QCOMPARE(memoLines("a\nb\n"), (QStringList{"a", "b"}));
        QCOMPARE(memoLines("a\n\nb"), (QStringList{"a", "", "b"}));
    }

    void textFileInWindows1251WithCrLf() {
        QTemporaryDir dir;
        const QString path = dir.filePath("report.txt");
        QVERIFY(saveReportText(path, {"Итого:", "", " Oшибки"}).isEmpty());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(),
                 QByteArray("\xC8\xF2\xEE\xE3\xEE:\r\n\r\n O\xF8\xE8\xE1\xEA\xE8\r\n"));
    }

    void unwritableTextFileNamesFileAndReason() {
        QTemporaryDir dir;
        const QString path = dir.filePath("missing/report.txt");
        const QString error = saveReportText(path, {"x"});
        QVERIFY(error.startsWith("Не удаётся записать файл " + path + "\r"));
        QVERIFY(error.size() > ("Не удаётся записать файл " + path + "\r").size());
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(ArchiveReportsTest)
#include "test_archive_reports.moc"
