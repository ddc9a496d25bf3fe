// The CSV, xlsx and JSON exports read back by readers nobody here wrote (Python's csv and json,
// openpyxl, LibreOffice when installed) and compared cell by cell with what xlrd reads from the
// Excel 5.0 workbook of the same readout.

#include "archive/ArchiveExport.h"
#include "archive/ArchiveReport.h"
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

QJsonObject readXls(const QString& file) { return readers::readWorkbook(file); }
QJsonObject readExport(const QString& kind, const QString& file) {
    return readers::run(QStringLiteral("archive_e2e/read_export.py"), {kind, file});
}

// xlrd's cells by (row from 1, column), empty texts left out as openpyxl leaves them out.
std::map<std::pair<int, int>, QJsonObject> xlsCells(const QJsonObject& book) {
    std::map<std::pair<int, int>, QJsonObject> cells;
    for (const QJsonValue v : readers::cells(book)) {
        const QJsonObject c = v.toObject();
        if (c.value("type").toInt() == 1 && c.value("value").toString().isEmpty())
            continue;
        cells[{c.value("r").toInt() + 1, c.value("c").toInt()}] = c;
    }
    return cells;
}

// One data row of the workbook: A the stamp (ISO date-time from xlrd), B, C, D as read.
struct SheetRow {
    QString stamp;
    QJsonValue volume, time;
    QString events;
};

// The rows of present entries, in order: those with a date in column A.
QList<SheetRow> dataRows(const std::map<std::pair<int, int>, QJsonObject>& cells) {
    QList<SheetRow> rows;
    for (const auto& [at, c] : cells) {
        if (at.second != 0 || c.value("type").toInt() != 3)
            continue;
        auto value = [&, row = at.first](int column) {
            const auto it = cells.find({row, column});
            return it == cells.end() ? QJsonValue() : it->second.value("value");
        };
        rows.append({c.value("value").toString(), value(1), value(2), value(3).toString()});
    }
    return rows;
}

// The workbook's event cell from a list of texts without their leading blanks.
QString withBlanks(const QStringList& texts) {
    QString s;
    for (const QString& t : texts)
        s += QLatin1Char(' ') + t;
    return s;
}

const QString kTransferError = QStringLiteral("Ошибка при передаче данных");

} // namespace

class ArchiveFormatsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QLocale ru{QLocale::Russian, QLocale::Russia};
    Archives archives;
    QJsonObject xls[2]; // daily, minute

    void fill() {
        // Daily: present with two texts (bit 5 has none here), empty, empty, a transfer error,
        // present with measurement errors, an empty entry at the end.
        archives.daily.entries[0] = present(48225, 42300, 0x28 | 0x10);
        archives.daily.entries[3] = unreadable();
        archives.daily.entries[4] = present(3906250, 1801, 0x84);
        archives.daily.entries[6] = present(1, 1, 0x01 | 0x02 | 0x08);
        const DailyReport d =
            buildDailyReport(archives.daily.entries, 7, day(2008, 2, 28), day(2008, 3, 5), ru);
        archives.daily.summary = {7,     day(2008, 3, 5), d.volumeTotal, d.hoursTotal,
                                  false, day(2008, 3, 5)};
        // Minute, across midnight: 00:01, 00:00 (error), empty, 23:58 of the day before.
        archives.minute.entries[0] = present(3906, 90, 0x10);
        archives.minute.entries[1] = unreadable();
        archives.minute.entries[3] = present(1172, 60, 0x20 | 0x04);
        archives.minute.entries[4] = present(0, 0);
        const MinuteReport m = buildMinuteReport(archives.minute.entries, 6, day(2008, 3, 4),
                                                 day(2008, 3, 5), 0, 1, ru);
        archives.minute.summary = {6,     day(2008, 3, 5), 0, 1, m.volumeTotal, m.secondsTotal,
                                   false, day(2008, 3, 5)};
    }

    QString exportTo(Kind kind, ExportFormat format) {
        const QString file = dir.filePath(QStringLiteral("%1.%2").arg(
            kind == Kind::Daily ? "daily" : "minute", formatExtension(format)));
        RecordingFrontend frontend;
        if (!exportArchive(frontend, kind, format, file, {}, archives, ru).succeeded())
            return {};
        return frontend.messages.isEmpty() ? file : QString();
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(ru);
        const QStringList modules{QStringLiteral("xlrd"), QStringLiteral("openpyxl")};
        if (const QByteArray why = readers::missing(modules); !why.isEmpty())
            ZETRA_SKIP(why.constData());
        fill();
        for (const Kind kind : {Kind::Daily, Kind::Minute}) {
            const QString file = exportTo(kind, ExportFormat::Workbook);
            QVERIFY(!file.isEmpty());
            xls[int(kind)] = readXls(file);
            QVERIFY(!xls[int(kind)].isEmpty());
        }
    }

    void agreeWithWorkbook_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<ExportFormat>("format");
        for (const Kind kind : {Kind::Daily, Kind::Minute}) {
            const char* k = kind == Kind::Daily ? "daily" : "minute";
            QTest::addRow("%s xlsx", k) << kind << ExportFormat::Xlsx;
            QTest::addRow("%s csv", k) << kind << ExportFormat::Csv;
            QTest::addRow("%s json", k) << kind << ExportFormat::Json;
        }
    }

    void agreeWithWorkbook() {
        QFETCH(Kind, kind);
        QFETCH(ExportFormat, format);
        const QString file = exportTo(kind, format);
        QVERIFY(!file.isEmpty());
        const QJsonObject read = readExport(formatExtension(format), file);
        QVERIFY(!read.isEmpty());
        const auto cells = xlsCells(xls[int(kind)]);
        const QList<SheetRow> rows = dataRows(cells);
        QCOMPARE(rows.size(), 4); // the present entries, the transfer error among them
        const bool daily = kind == Kind::Daily;
        // xlrd writes a date as 2008-03-05T00:00:00; the exports as 2008-03-05 or 2008-03-05T10:00.
        auto stamp = [&](const QString& iso) { return daily ? iso.left(10) : iso.left(16); };

        if (format == ExportFormat::Xlsx) {
            QCOMPARE(read.value("sheet").toString(), QStringLiteral("Sheet 1"));
            std::map<std::pair<int, int>, QJsonObject> got;
            for (const QJsonValue v : read.value("cells").toArray()) {
                const QJsonObject c = v.toObject();
                got[{c.value("r").toInt(), c.value("c").toInt()}] = c;
            }
            QCOMPARE(got.size(), cells.size());
            for (const auto& [at, want] : cells) {
                const QString where =
                    QStringLiteral("%1%2").arg(QChar('A' + at.second)).arg(at.first);
                QVERIFY2(got.count(at), qPrintable(where + " is missing"));
                const QJsonObject c = got[at];
                static const QString kinds[] = {"", "text", "number", "date"};
                QCOMPARE(c.value("type").toString(), kinds[want.value("type").toInt()]);
                if (c.value("value").isDouble()) {
                    // The library writes 16 significant digits: a double may differ in its
                    // last bit.
                    const double a = c.value("value").toDouble();
                    const double b = want.value("value").toDouble();
                    QVERIFY2(qAbs(a - b) <= 1e-15 * qAbs(b), qPrintable(where));
                } else {
                    QCOMPARE(c.value("value"), want.value("value"));
                }
                QCOMPARE(c.value("format").toString(), want.value("format").toString());
                QCOMPARE(c.value("bold").toBool(), want.value("bold").toBool());
                QCOMPARE(c.value("fontName").toString(), want.value("fontName").toString());
                QCOMPARE(c.value("size").toDouble() * 20, want.value("height").toDouble());
                const bool gold = want.value("fill").toInt() == 1;
                QCOMPARE(c.value("fill").toString(), gold ? QStringLiteral("solid") : QString());
                if (gold) {
                    QCOMPARE(want.value("colour").toInt(), 51);
                    QCOMPARE(c.value("colour").toString(), QStringLiteral("FFFFCC00"));
                }
            }
            // The same widths, to the pixel (a character is 7 pixels wide).
            const QJsonArray want =
                xls[int(kind)].value("sheets").toArray().at(0).toObject().value("widths").toArray();
            const QJsonObject widths = read.value("widths").toObject();
            for (int c = 0; c < 4; ++c) {
                const double w = widths.value(QString(QChar('A' + c))).toDouble();
                QVERIFY2(qAbs(w - want.at(c).toDouble() / 256) <= 1.0 / 7,
                         qPrintable(QStringLiteral("column %1: %2 against %3")
                                        .arg(c)
                                        .arg(w)
                                        .arg(want.at(c).toDouble() / 256)));
            }
            return;
        }

        if (format == ExportFormat::Csv) {
            QVERIFY(read.value("bom").toBool());
            QVERIFY(read.value("crlf").toBool());
            const QJsonArray lines = read.value("rows").toArray();
            QCOMPARE(lines.size(), 1 + rows.size()); // no totals row
            QCOMPARE(lines.at(0).toArray().size(), 4);
            QCOMPARE(lines.at(0).toArray().at(1).toString(), QStringLiteral("Объём (м3)"));
            for (int i = 0; i < rows.size(); ++i) {
                const QJsonArray f = lines.at(i + 1).toArray();
                const SheetRow& want = rows[i];
                QCOMPARE(f.size(), 4);
                QCOMPARE(f.at(0).toString(), stamp(want.stamp));
                if (want.events == kTransferError) {
                    QVERIFY(f.at(1).toString().isEmpty() && f.at(2).toString().isEmpty());
                    QCOMPARE(f.at(3).toString(), kTransferError);
                    continue;
                }
                // The number text reads back as the very double the workbook holds.
                QCOMPARE(f.at(1).toString().toDouble(), want.volume.toDouble());
                QCOMPARE(f.at(2).toString().toDouble(), want.time.toDouble());
                for (const QString& number : {f.at(1).toString(), f.at(2).toString()}) {
                    QVERIFY(!number.contains('e') && !number.contains('E'));
                    QVERIFY(!number.contains('.') || !number.endsWith('0'));
                }
                const QString events = f.at(3).toString();
                QCOMPARE(events.isEmpty() ? QString() : withBlanks(events.split("; ")),
                         want.events);
            }
            return;
        }

        // JSON
        const QJsonObject o = read.value("object").toObject();
        QCOMPARE(o.value("archive").toString(), daily ? "daily" : "minute");
        QCOMPARE(o.value("from").toString(), daily ? "2008-02-28" : "2008-03-04");
        QCOMPARE(o.value("to").toString(), "2008-03-05");
        QCOMPARE(o.value("meter_date").toString(), "2008-03-05");
        QCOMPARE(o.value("meter_time").toString(), daily ? QString() : "00:01");
        QCOMPARE(o.value("records_read").toInt(), daily ? 7 : 6);
        const QString timeKey = daily ? "work_hours" : "work_s";
        // Totals as in the workbook's totals row (the row after the last data row's run).
        for (const auto& [at, c] : cells) {
            if (at.second == 0 && c.value("value").toString() == QStringLiteral("Итого")) {
                const QJsonObject totals = o.value("totals").toObject();
                QCOMPARE(totals.value("volume_m3").toDouble(),
                         cells.at({at.first, 1}).value("value").toDouble());
                QCOMPARE(totals.value(timeKey).toDouble(),
                         cells.at({at.first, 2}).value("value").toDouble());
            }
        }
        const QJsonArray entries = o.value("entries").toArray();
        QCOMPARE(entries.size(), rows.size());
        for (int i = 0; i < rows.size(); ++i) {
            const QJsonObject e = entries.at(i).toObject();
            const SheetRow& want = rows[i];
            QCOMPARE(e.value(daily ? "date" : "time").toString(), stamp(want.stamp));
            QVERIFY(e.value("event_bits").toInt() & 0x80);
            const QStringList events = e.value("events").toVariant().toStringList();
            if (want.events == kTransferError) {
                QCOMPARE(e.value("transfer_error").toBool(), true);
                QCOMPARE(e.value("event_bits").toInt(), 0xC0);
                QVERIFY(!e.contains("volume_m3") && !e.contains(timeKey));
                QCOMPARE(events, QStringList{kTransferError});
                continue;
            }
            QVERIFY(!e.contains("transfer_error"));
            QCOMPARE(e.value("volume_m3").toDouble(), want.volume.toDouble());
            QCOMPARE(e.value(timeKey).toDouble(), want.time.toDouble());
            QCOMPARE(withBlanks(events), want.events);
        }
    }

    // The programming-mode bit has no text in these files, as in the workbook, but stays in the
    // JSON's event bits.
    void eventBitsKeepEveryBit() {
        const QJsonArray entries = archiveJson(Kind::Daily, archives).value("entries").toArray();
        QCOMPARE(entries.at(0).toObject().value("event_bits").toInt(), 0x80 | 0x28 | 0x10);
        QCOMPARE(entries.at(0).toObject().value("events").toArray().size(), 2);
    }

    void plainNumbers_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("whole") << 1000000.0 << "1000000";
        QTest::newRow("one unit") << 0.000256 << "0.000256";
        QTest::newRow("tiny") << 0.000001 << "0.000001";
        QTest::newRow("2 s in hours") << 1.0 / 1800 << "0.0005555555555555556";
        QTest::newRow("largest volume") << 281474976.710656 << "281474976.710656";
        QTest::newRow("no trailing zero") << 23.5 << "23.5";
    }
    void plainNumbers() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(plainNumber(value), text);
    }

    void formatsByName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ExportFormat>("format");
        QTest::addColumn<QString>("extended"); // the name saved in that format
        QTest::newRow("bare csv") << "/d/march" << ExportFormat::Csv << "/d/march.csv";
        QTest::newRow("bare xlsx") << "march" << ExportFormat::Xlsx << "march.xlsx";
        QTest::newRow("bare json") << "a.b/march" << ExportFormat::Json << "a.b/march.json";
        QTest::newRow("upper case") << "M.XLSX" << ExportFormat::Xlsx << "M.XLSX";
        QTest::newRow("xls") << "m.xls" << ExportFormat::Workbook << "m.xls";
        QTest::newRow("other") << "m.dat" << ExportFormat::Text << "m.dat";
    }
    void formatsByName() {
        QFETCH(QString, name);
        QFETCH(ExportFormat, format);
        QFETCH(QString, extended);
        QCOMPARE(withDefaultExtension(name, format), extended);
        if (name.contains('.') && !name.contains('/'))
            QCOMPARE(formatOfFileName(name), format);
    }

    // A typed extension that names a format decides over the chosen one; any other name takes
    // the chosen format, and its extension when it has none.
    void saveTargets_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<ExportFormat>("chosen");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<ExportFormat>("format");
        QTest::newRow(".txt under xlsx") << "minute_partial2.txt" << ExportFormat::Xlsx
                                         << "minute_partial2.txt" << ExportFormat::Text;
        QTest::newRow(".CSV under text")
            << "/d/m.CSV" << ExportFormat::Text << "/d/m.CSV" << ExportFormat::Csv;
        QTest::newRow(".xls under xlsx")
            << "m.xls" << ExportFormat::Xlsx << "m.xls" << ExportFormat::Workbook;
        QTest::newRow(".dat under xls")
            << "report.dat" << ExportFormat::Workbook << "report.dat" << ExportFormat::Workbook;
        QTest::newRow("bare under json")
            << "a.b/m" << ExportFormat::Json << "a.b/m.json" << ExportFormat::Json;
        QTest::newRow("dot at the end") << "m." << ExportFormat::Csv << "m." << ExportFormat::Csv;
    }
    void saveTargets() {
        QFETCH(QString, typed);
        QFETCH(ExportFormat, chosen);
        QFETCH(QString, fileName);
        QFETCH(ExportFormat, format);
        const SaveTarget target = saveTarget(typed, chosen);
        QCOMPARE(target.fileName, fileName);
        QCOMPARE(target.format, format);
    }

    // A file that cannot be written leaves the earlier one whole and says so.
    void failedSaveKeepsOldFile_data() {
        QTest::addColumn<ExportFormat>("format");
        QTest::newRow("xlsx") << ExportFormat::Xlsx;
        QTest::newRow("csv") << ExportFormat::Csv;
        QTest::newRow("json") << ExportFormat::Json;
    }
    void failedSaveKeepsOldFile() {
        QFETCH(ExportFormat, format);
        RecordingFrontend frontend;
        const QString missing = dir.filePath("no/such/folder/x." + formatExtension(format));
        const core::Outcome failed =
            exportArchive(frontend, Kind::Daily, format, missing, {}, archives, ru);
        QCOMPARE(failed.kind, core::Outcome::Kind::SaveFailed);
        QCOMPARE(failed.fileName, missing);
        QVERIFY(!failed.reason.isEmpty());
        QCOMPARE(frontend.messages.size(), 1);
        QVERIFY(frontend.messages[0].startsWith("Ошибка: Не удаётся записать файл"));
        // A read-only folder: the old file stays as it was.
        QDir(dir.path()).mkdir("ro");
        const QString old = dir.filePath("ro/old." + formatExtension(format));
        QFile f(old);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("old") == 3);
        f.close();
        QFile::setPermissions(dir.filePath("ro"), QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(dir.filePath("ro")).isWritable()) {
            QFile::setPermissions(dir.filePath("ro"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            ZETRA_SKIP("running as a user that writes anywhere");
        }
        frontend.messages.clear();
        QVERIFY(!exportArchive(frontend, Kind::Daily, format, old, {}, archives, ru).succeeded());
        QCOMPARE(frontend.messages.size(), 1);
        QFile::setPermissions(dir.filePath("ro"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old"));
    }

    void libreOfficeReadsXlsxAsXls() {
        const LibreOffice office;
        if (!office.available())
            ZETRA_SKIP(LibreOffice::kMissing);
        QDir(dir.path()).mkdir("lo");
        const QStringList files{exportTo(Kind::Daily, ExportFormat::Workbook),
                                exportTo(Kind::Daily, ExportFormat::Xlsx)};
        // One conversion per file: both would become daily.csv.
        QByteArray log;
        QVERIFY2(office.toCsv({files[0]}, &log), log.constData());
        QFile a(office.outDir() + "/daily.csv");
        QVERIFY(a.open(QIODevice::ReadOnly));
        const QByteArray fromXls = a.readAll();
        a.close();
        a.remove();
        QVERIFY2(office.toCsv({files[1]}, &log), log.constData());
        QVERIFY(a.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), fromXls);
    }
};

ZETRA_TEST_GUILESS_MAIN(ArchiveFormatsTest)
#include "test_archive_formats.moc"
