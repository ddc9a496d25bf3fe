// The archive workbooks read back by other programs: xlrd cell by cell, and
// LibreOffice, when it is installed, as CSV.

#include "archive/ArchiveExport.h"
#include "archive/ArchiveReport.h"
#include "device/DeviceDates.h"
#include "tests/support/ArchiveRecords.h"
#include "tests/support/LibreOffice.h"
#include "tests/support/Readers.h"
#include "tests/support/RecordingFrontend.h"
#include "tests/support/Skips.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace archive;
using namespace test_records;

namespace {

QJsonObject readBack(const QString& file) { return readers::readWorkbook(file); }
QJsonObject sheetOf(const QJsonObject& book) { return readers::firstSheet(book); }
QJsonArray cellsOf(const QJsonObject& book) { return readers::cells(book); }

// The cell at a spreadsheet row (from 1) and column (0 is A); empty when none.
QJsonObject cell(const QJsonObject& book, int row, int column) {
    return readers::cellAt(book, row - 1, column);
}

using readers::kDate;
using readers::kNumber;
using readers::kText;

// Type, value and the style's look of one cell.
void checkCell(const QJsonObject& book, int row, int column, int type, const QVariant& value,
               const QString& format = "General", bool gold = false) {
    const QJsonObject c = cell(book, row, column);
    const QString where = QStringLiteral("%1%2").arg(QChar('A' + column)).arg(row);
    QVERIFY2(!c.isEmpty(), qPrintable(where + " is missing"));
    QCOMPARE(c.value("type").toInt(), type);
    if (type == kNumber)
        QCOMPARE(c.value("value").toDouble(), value.toDouble());
    else
        QCOMPARE(c.value("value").toString(), value.toString());
    QCOMPARE(c.value("format").toString(), format);
    QCOMPARE(c.value("bold").toBool(), gold);
    QCOMPARE(c.value("fill").toInt(), gold ? 1 : 0);
    if (gold)
        QCOMPARE(c.value("colour").toInt(), 51);
    QCOMPARE(c.value("fontName").toString(), QStringLiteral("Arial"));
    QCOMPARE(c.value("height").toInt(), 200); // 10 points
}

const QString kVolume = QStringLiteral("#######0.000");
const QString kHours = QStringLiteral("#######0.0");
const QString kSeconds = QStringLiteral("#######0");
} // namespace

class ArchiveWorkbookTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QLocale ru{QLocale::Russian, QLocale::Russia};
    QString dailyFile, minuteFile;

    // Present (bit 5 and 3), empty, empty, a transfer error, present with measurement errors.
    Archives dailyArchives() {
        Archives a;
        a.daily.entries[0] = present(48225, 42300, 0x28);
        a.daily.entries[3] = unreadable();
        a.daily.entries[4] = present(3906250, 1800, 0x84);
        const DailyReport r =
            buildDailyReport(a.daily.entries, 5, day(2008, 3, 1), day(2008, 3, 5), ru);
        a.daily.summary = {5, day(2008, 3, 5), r.volumeTotal, r.hoursTotal};
        return a;
    }

    Archives minuteArchives() {
        Archives a;
        a.minute.entries[0] = present(3906, 90, 0x10);
        a.minute.entries[1] = present(1, 1800);
        // Entry 2 empty; entry 3 present, at 09:57.
        a.minute.entries[3] = present(0, 60, 0x20);
        const MinuteReport r =
            buildMinuteReport(a.minute.entries, 4, day(2008, 3, 5), day(2008, 3, 5), 10, 0, ru);
        a.minute.summary = {4, day(2008, 3, 5), 10, 0, r.volumeTotal, r.secondsTotal};
        return a;
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(ru);
        if (const QByteArray why = readers::missing({QStringLiteral("xlrd")}); !why.isEmpty())
            ZETRA_SKIP(why.constData());
        RecordingFrontend frontend;
        dailyFile = dir.filePath("daily.xls");
        minuteFile = dir.filePath("minute.xls");
        QVERIFY(exportArchive(frontend, Kind::Daily, ExportFormat::Workbook, dailyFile, {},
                              dailyArchives(), ru)
                    .succeeded());
        QVERIFY(exportArchive(frontend, Kind::Minute, ExportFormat::Workbook, minuteFile, {},
                              minuteArchives(), ru)
                    .succeeded());
        QVERIFY(frontend.messages.isEmpty());
    }

    void dailyWorkbook() {
        const QJsonObject book = readBack(dailyFile);
        QVERIFY(!book.isEmpty());
        QCOMPARE(book.value("biff").toInt(), 50);
        QCOMPARE(sheetOf(book).value("name").toString(), QStringLiteral("Sheet 1"));
        // The date cells' format as xlrd reads it from the file.
        const QString date = QStringLiteral("DD.MM.YYYY");
        QCOMPARE(dateStyleFormat(ru), date);

        checkCell(book, 1, 0, kText, "Суточный архив с 01.03.2008 по 05.03.2008");
        checkCell(book, 3, 0, kText, "Дата", "General", true);
        checkCell(book, 3, 1, kText, "Объём,м3", "General", true);
        checkCell(book, 3, 2, kText, "Время работы, часов", "General", true);
        checkCell(book, 3, 3, kText, "События", "General", true);
        // Bit 5 has no text in the workbook; bit 3 has.
        checkCell(book, 4, 0, kDate, "2008-03-05T00:00:00", date);
        checkCell(book, 4, 1, kNumber, 12.3456, kVolume);
        checkCell(book, 4, 2, kNumber, 23.5, kHours);
        checkCell(book, 4, 3, kText, " Низкое напряжение питания.");
        // Row 5 stays empty after the two empty days; the transfer error has no figures.
        checkCell(book, 6, 0, kDate, "2008-03-02T00:00:00", date);
        QVERIFY(cell(book, 6, 1).isEmpty() && cell(book, 6, 2).isEmpty());
        checkCell(book, 6, 3, kText, "Ошибка при передаче данных");
        checkCell(book, 7, 0, kDate, "2008-03-01T00:00:00", date);
        checkCell(book, 7, 1, kNumber, 1000.0, kVolume);
        checkCell(book, 7, 2, kNumber, 1.0, kHours);
        checkCell(book, 7, 3, kText, " Oшибки в измерениях.");
        checkCell(book, 8, 0, kText, "Итого", "General", true);
        checkCell(book, 8, 1, kNumber, 1012.3456, kVolume, true);
        checkCell(book, 8, 2, kNumber, 24.5, kHours, true);
        int cellsInRow5 = 0;
        for (const QJsonValue v : cellsOf(book))
            cellsInRow5 += v.toObject().value("r").toInt() == 4;
        QCOMPARE(cellsInRow5, 0);
        QCOMPARE(cellsOf(book).size(), 1 + 4 + 4 + 2 + 4 + 3);

        // The title does not widen column A; the event texts widen column D.
        const QJsonArray widths = sheetOf(book).value("widths").toArray();
        QVERIFY(widths.at(0).toInt() < 20 * 256);
        QVERIFY(widths.at(3).toInt() > 8 * 256);
        QVERIFY(widths.at(0).toInt() >= 8 * 256);
    }

    void dailyWorkbookWithoutRecords() {
        Archives a;
        a.daily.summary = {3, day(2008, 3, 5), 0, 0};
        RecordingFrontend frontend;
        const QString file = dir.filePath("empty.xls");
        QVERIFY(exportArchive(frontend, Kind::Daily, ExportFormat::Workbook, file, {}, a, ru)
                    .succeeded());
        const QJsonObject book = readBack(file);
        checkCell(book, 1, 0, kText, "Суточный архив с 03.03.2008 по 05.03.2008");
        checkCell(book, 4, 3, kText, "В архиве нет записей для этого интервала дат");
        QCOMPARE(cellsOf(book).size(), 1 + 4 + 1);
    }

    // Column C in the minute records' own unit: seconds, as the minute report shows them.
    void minuteWorkbook() {
        const QJsonObject book = readBack(minuteFile);
        QVERIFY(!book.isEmpty());
        const QString stamp = QStringLiteral("DD.MM.YYYY hh:mm");
        QCOMPARE(dateTimeStyleFormat(ru), stamp);
        checkCell(book, 1, 0, kText, "Минутный архив с 05.03.2008 по 05.03.2008");
        checkCell(book, 3, 0, kText, "Дата, время", "General", true);
        checkCell(book, 3, 2, kText, "Время работы, секунд", "General", true);
        checkCell(book, 4, 0, kDate, "2008-03-05T10:00:00", stamp);
        checkCell(book, 4, 1, kNumber, 0.999936, kVolume);
        checkCell(book, 4, 2, kNumber, 90.0, kSeconds);
        checkCell(book, 4, 3, kText, " Задействован последовательный интерфейс RS232.");
        checkCell(book, 5, 0, kDate, "2008-03-05T09:59:00", stamp);
        checkCell(book, 5, 2, kNumber, 1800.0, kSeconds);
        checkCell(book, 5, 3, kText, "");
        QVERIFY(cell(book, 6, 0).isEmpty());
        checkCell(book, 7, 0, kDate, "2008-03-05T09:57:00", stamp);
        checkCell(book, 7, 2, kNumber, 60.0, kSeconds);
        checkCell(book, 7, 3, kText, "");
        checkCell(book, 8, 0, kText, "Итого", "General", true);
        checkCell(book, 8, 1, kNumber, 0.000256 * 3907, kVolume, true);
        checkCell(book, 8, 2, kNumber, 1950.0, kSeconds, true);
    }

    // The minute title begins on the date of the oldest entry.
    void minuteTitleAcrossMidnight() {
        Archives a;
        a.minute.entries[0] = present(1, 1);
        a.minute.summary = {3, day(2008, 3, 5), 0, 1, 0.000256, 1};
        RecordingFrontend frontend;
        const QString file = dir.filePath("midnight.xls");
        QVERIFY(exportArchive(frontend, Kind::Minute, ExportFormat::Workbook, file, {}, a, ru)
                    .succeeded());
        const QJsonObject book = readBack(file);
        checkCell(book, 1, 0, kText, "Минутный архив с 04.03.2008 по 05.03.2008");
        checkCell(book, 4, 0, kDate, "2008-03-05T00:01:00", "DD.MM.YYYY hh:mm");
    }

    void neverReadIsRefused() {
        RecordingFrontend frontend;
        const QString file = dir.filePath("never.xls");
        QVERIFY(
            !exportArchive(frontend, Kind::Minute, ExportFormat::Workbook, file, {}, Archives(), ru)
                 .succeeded());
        QCOMPARE(frontend.messages,
                 QStringList{"Ошибка: Архив не прочитан: нажмите «Читать», затем сохраните"});
        QVERIFY(!QFile::exists(file));
        // The text file of an empty memo is still written: it is what the memo holds.
        QVERIFY(exportArchive(frontend, Kind::Minute, ExportFormat::Text, dir.filePath("e.txt"), {},
                              Archives(), ru)
                    .succeeded());
        QCOMPARE(QFileInfo(dir.filePath("e.txt")).size(), 0);
    }

    void libreOfficeReadsBothWorkbooks() {
        const LibreOffice office;
        if (!office.available())
            ZETRA_SKIP(LibreOffice::kMissing);
        QByteArray log;
        QVERIFY2(office.toCsv({dailyFile, minuteFile}, &log), log.constData());
        const QString out = office.outDir();
        auto lines = [&](const QString& name) {
            QFile f(out + "/" + name);
            if (!f.open(QIODevice::ReadOnly))
                return QStringList();
            QStringList l = QString::fromUtf8(f.readAll()).split('\n');
            for (QString& s : l)
                s = s.trimmed();
            return l;
        };
        const QStringList daily = lines("daily.csv");
        QVERIFY2(daily.size() >= 8, log.constData());
        QVERIFY(daily[0].startsWith("Суточный архив с 01.03.2008 по 05.03.2008"));
        QCOMPARE(daily[2], QStringLiteral("Дата,\"Объём,м3\",\"Время работы, часов\",События"));
        QCOMPARE(daily[3], QStringLiteral("05.03.2008,12.346,23.5, Низкое напряжение питания."));
        QCOMPARE(daily[4], QStringLiteral(",,,"));
        QCOMPARE(daily[5], QStringLiteral("02.03.2008,,,Ошибка при передаче данных"));
        QCOMPARE(daily[6], QStringLiteral("01.03.2008,1000.000,1.0, Oшибки в измерениях."));
        QCOMPARE(daily[7], QStringLiteral("Итого,1012.346,24.5,"));
        const QStringList minute = lines("minute.csv");
        QVERIFY(minute.size() >= 8);
        QVERIFY(minute[0].startsWith("Минутный архив с 05.03.2008 по 05.03.2008"));
        QCOMPARE(minute[3],
                 QStringLiteral("05.03.2008 10:00,1.000,90, Задействован последовательный "
                                "интерфейс RS232."));
        QCOMPARE(minute[4], QStringLiteral("05.03.2008 09:59,0.000,1800,"));
        QCOMPARE(minute[7], QStringLiteral("Итого,1.000,1950,"));
    }
};

ZETRA_TEST_GUILESS_MAIN(ArchiveWorkbookTest)
#include "test_archive_workbook.moc"
