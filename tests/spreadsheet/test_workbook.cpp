#include "device/Cp1251.h"
#include "spreadsheet/CompoundFile.h"
#include "spreadsheet/NumberFormat.h"
#include "spreadsheet/Workbook.h"
#include "tests/support/LibreOffice.h"
#include "tests/support/Readers.h"
#include "tests/support/Skips.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtTest>

#include <cmath>
#include <limits>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

// Workbooks are read back with the readers the meter's users have: xlrd (Debian's Python) and,
// when installed, LibreOffice. The cells and styles follow the daily and minute archive sheets.
class WorkbookTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString sample_;
    QJsonObject sampleRead_;

    static constexpr int kChar = 256; // column widths are in 1/256 of a character
    // 2008-03-05, as a day number.
    static constexpr double kDay = 39512;

    QString path(const QString& name) const { return dir_.filePath(name); }

    static QJsonObject readBack(const QString& file, bool streamOnly = false) {
        return readers::readWorkbook(file, streamOnly);
    }
    static QJsonObject sheet(const QJsonObject& book) { return readers::firstSheet(book); }
    static int width(const QJsonObject& book, int column) {
        return sheet(book).value(QLatin1String("widths")).toArray().at(column).toInt();
    }
    static int cellCount(const QJsonObject& book) { return int(readers::cells(book).size()); }

    static QString ruDate() { return QStringLiteral("dd.MM.yyyy"); }
    static QString ruTime() { return QStringLiteral("HH:mm"); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        if (const QByteArray why = readers::missing({QStringLiteral("xlrd")}); !why.isEmpty())
            ZETRA_SKIP(why.constData());

        // A daily-archive sheet in the shape of the export, with the styles it uses.
        spreadsheet::Workbook book;
        sample_ = path(QStringLiteral("sample.xls"));
        book.setFileName(sample_);
        book.clear();
        const spreadsheet::CellFont bold{QStringLiteral("Arial"), 10, true};
        const QString date = spreadsheet::excelFormatFromQtFormat(ruDate());
        const auto heading = book.addStyle({bold, spreadsheet::kGoldFill, {}});
        const auto day = book.addStyle({{}, {}, date});
        const auto dayTime =
            book.addStyle({{}, {}, date + u' ' + spreadsheet::excelFormatFromQtFormat(ruTime())});
        const auto volume = book.addStyle({{}, {}, QStringLiteral("#######0.000")});
        const auto hours = book.addStyle({{}, {}, QStringLiteral("#######0.0")});
        const auto volumeTotal =
            book.addStyle({bold, spreadsheet::kGoldFill, QStringLiteral("#######0.000")});
        const auto hoursTotal =
            book.addStyle({bold, spreadsheet::kGoldFill, QStringLiteral("#######0.0")});
        QCOMPARE(book.addStyle({bold, spreadsheet::kGoldFill, {}}),
                 heading); // asked twice, stored once

        // Written out of order on purpose.
        book.writeText(3, 2, QStringLiteral("События"), heading);
        book.writeText(0, 2, QStringLiteral("Дата"), heading);
        book.writeText(1, 2, QStringLiteral("Объём,м3"), heading);
        book.writeText(2, 2, QStringLiteral("Время работы, часов"), heading);
        book.writeNumber(0, 3, kDay, day);
        book.writeNumber(1, 3, 12345.678, volume);
        book.writeNumber(2, 3, 23.5, hours);
        book.writeText(3, 3, QString());
        book.writeNumber(0, 4, kDay - 1 + (9 * 60 + 59) / 1440.0, dayTime);
        book.writeText(3, 4, QStringLiteral("Ошибка при передаче данных"));
        book.writeText(0, 6, QStringLiteral("Итого"), heading);
        book.writeNumber(1, 6, 12345.678, volumeTotal);
        book.writeNumber(2, 6, 23.5, hoursTotal);
        book.writeText(4, 6, QStringLiteral("коротко"), heading); // outside the fitted columns
        book.fitColumns(0, 3);
        // The title comes after the fitting and must not widen column A.
        book.writeText(0, 0,
                       QStringLiteral("Суточный архив с 04.03.2008 по 05.03.2008 и очень длинный "
                                      "хвост"));
        QString error;
        QVERIFY2(book.save(&error), qPrintable(error));
        sampleRead_ = readBack(sample_);
        QVERIFY(!sampleRead_.isEmpty());
    }

    void sampleWorkbook() {
        const QJsonObject& b = sampleRead_;
        QCOMPARE(b.value(QLatin1String("encoding")).toString(), QStringLiteral("cp1251"));
        QCOMPARE(b.value(QLatin1String("datemode")).toInt(), 0);
        QCOMPARE(b.value(QLatin1String("sheets")).toArray().size(), 1);
        QCOMPARE(sheet(b).value(QLatin1String("name")).toString(), QStringLiteral("Sheet 1"));
        QCOMPARE(sheet(b).value(QLatin1String("nrows")).toInt(), 7);
        QCOMPARE(sheet(b).value(QLatin1String("ncols")).toInt(), 5);
        QCOMPARE(cellCount(b), 15);
        QCOMPARE(b.value(QLatin1String("colour51")).toArray(), (QJsonArray{255, 204, 0}));

        const QJsonObject ole = b.value(QLatin1String("ole")).toObject();
        QCOMPARE(ole.value(QLatin1String("streams")).toArray(), QJsonArray{QStringLiteral("Book")});
        QVERIFY(ole.value(QLatin1String("bookSize")).toInt() >= 4096);
        QCOMPARE(ole.value(QLatin1String("firstRecord")).toInt(), 0x0809);
    }

    void sampleCells_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("type"); // xlrd: 1 text, 2 number, 3 date
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("gold");

        const QString date = QStringLiteral("DD.MM.YYYY");
        const QString general = QStringLiteral("General");
        QTest::newRow("title") << 0 << 0 << 1
                               << QVariant(QStringLiteral("Суточный архив с 04.03.2008 по "
                                                          "05.03.2008 и очень длинный хвост"))
                               << false << general << false;
        QTest::newRow("heading A3")
            << 2 << 0 << 1 << QVariant(QStringLiteral("Дата")) << true << general << true;
        QTest::newRow("heading B3")
            << 2 << 1 << 1 << QVariant(QStringLiteral("Объём,м3")) << true << general << true;
        QTest::newRow("heading D3")
            << 2 << 3 << 1 << QVariant(QStringLiteral("События")) << true << general << true;
        QTest::newRow("date") << 3 << 0 << 3 << QVariant(QStringLiteral("2008-03-05T00:00:00"))
                              << false << date << false;
        QTest::newRow("volume") << 3 << 1 << 2 << QVariant(12345.678) << false
                                << QStringLiteral("#######0.000") << false;
        QTest::newRow("hours") << 3 << 2 << 2 << QVariant(23.5) << false
                               << QStringLiteral("#######0.0") << false;
        QTest::newRow("no events")
            << 3 << 3 << 1 << QVariant(QString()) << false << general << false;
        QTest::newRow("date and time")
            << 4 << 0 << 3 << QVariant(QStringLiteral("2008-03-04T09:59:00")) << false
            << QStringLiteral("DD.MM.YYYY hh:mm") << false;
        QTest::newRow("transfer error")
            << 4 << 3 << 1 << QVariant(QStringLiteral("Ошибка при передаче данных")) << false
            << general << false;
        QTest::newRow("total label")
            << 6 << 0 << 1 << QVariant(QStringLiteral("Итого")) << true << general << true;
        QTest::newRow("volume total")
            << 6 << 1 << 2 << QVariant(12345.678) << true << QStringLiteral("#######0.000") << true;
        QTest::newRow("hours total")
            << 6 << 2 << 2 << QVariant(23.5) << true << QStringLiteral("#######0.0") << true;
    }
    void sampleCells() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, type);
        QFETCH(QVariant, value);
        QFETCH(bool, bold);
        QFETCH(QString, format);
        QFETCH(bool, gold);
        const QJsonObject c = readers::cellAt(sampleRead_, row, column);
        QVERIFY2(!c.isEmpty(), "cell missing");
        QCOMPARE(c.value(QLatin1String("type")).toInt(), type);
        if (type == 2)
            QCOMPARE(c.value(QLatin1String("value")).toDouble(), value.toDouble());
        else
            QCOMPARE(c.value(QLatin1String("value")).toString(), value.toString());
        QCOMPARE(c.value(QLatin1String("bold")).toBool(), bold);
        QCOMPARE(c.value(QLatin1String("weight")).toInt(), bold ? 700 : 400);
        QCOMPARE(c.value(QLatin1String("fontName")).toString(), QStringLiteral("Arial"));
        QCOMPARE(c.value(QLatin1String("height")).toInt(), 200);
        // Font 4 does not exist in the file; own fonts start at 5, the plain one is font 0.
        QCOMPARE(c.value(QLatin1String("font")).toInt() >= 5, bold);
        QVERIFY(c.value(QLatin1String("xf")).toInt() == 15 ||
                c.value(QLatin1String("xf")).toInt() >= 21);
        QCOMPARE(c.value(QLatin1String("format")).toString(), format);
        QCOMPARE(c.value(QLatin1String("fill")).toInt(), gold ? 1 : 0);
        if (gold)
            QCOMPARE(c.value(QLatin1String("colour")).toInt(), spreadsheet::kGoldFill);
    }

    void sampleColumnWidths() {
        const QJsonObject& b = sampleRead_;
        // A: "04.03.2008 09:59" is 14 digit widths; the long title came after the fitting.
        QVERIFY2(width(b, 0) >= 15 * kChar && width(b, 0) <= 18 * kChar,
                 qPrintable(QString::number(width(b, 0))));
        // C: the bold heading "Время работы, часов" is the widest entry, 19 letters.
        QVERIFY2(width(b, 2) >= 19 * kChar && width(b, 2) <= 24 * kChar,
                 qPrintable(QString::number(width(b, 2))));
        // D: "Ошибка при передаче данных" outweighs its heading.
        QVERIFY(width(b, 3) > width(b, 1));
        QCOMPARE(width(b, 4), 8 * kChar); // not fitted
    }

    void fittedWidths() {
        spreadsheet::Workbook book;
        const spreadsheet::CellFont bold{QStringLiteral("Arial"), 10, true};
        const auto volume = book.addStyle({{}, {}, QStringLiteral("#######0.000")});
        const auto hours = book.addStyle({{}, {}, QStringLiteral("#######0.0")});
        const auto dayTime = book.addStyle({{}, {}, QStringLiteral("DD.MM.YYYY hh:mm")});
        const auto boldStyle = book.addStyle({bold, {}, {}});
        const auto big = book.addStyle({{QStringLiteral("Arial"), 20, false}, {}, {}});
        const QString text = QStringLiteral("Время работы, часов");
        // The number's format decides what shows: "12345.600", wider than General's "12345.6".
        book.writeNumber(0, 0, 12345.6, volume);
        book.writeNumber(1, 0, 1.5, hours); // "1.5": stays at the default
        book.writeNumber(2, 0, kDay + 10 / 24.0, dayTime);
        book.writeText(3, 0, text);
        book.writeText(4, 0, text, boldStyle);
        book.writeText(5, 0, text, big);
        book.writeText(6, 0, QString(40, u'0'));
        book.writeText(7, 0, QString(255, u'Ж'));
        book.fitColumns(0, 9);
        book.writeText(8, 5, QString(100, u'Ж')); // after the fitting: no effect
        book.writeText(0, 9, QString(100, u'Ж'));
        book.writeText(10, 0, QString(100, u'Ж')); // never fitted
        const QString file = path(QStringLiteral("widths.xls"));
        QVERIFY(book.save(file));
        const QJsonObject b = readBack(file);
        QVERIFY(!b.isEmpty());

        QVERIFY2(width(b, 0) > 8 * kChar, qPrintable(QString::number(width(b, 0))));
        QCOMPARE(width(b, 1), 8 * kChar);
        // "05.03.2008 10:00": twelve digits, three separators and a blank.
        QVERIFY2(width(b, 2) >= 15 * kChar && width(b, 2) <= 17 * kChar,
                 qPrintable(QString::number(width(b, 2))));
        QVERIFY(width(b, 3) >= 16 * kChar);
        QVERIFY2(width(b, 4) > width(b, 3), "bold is wider");
        QVERIFY(width(b, 5) >= 2 * width(b, 3) - 2 * kChar);
        QVERIFY2(width(b, 6) >= 41 * kChar && width(b, 6) <= 43 * kChar,
                 qPrintable(QString::number(width(b, 6))));
        QCOMPARE(width(b, 7), 255 * kChar); // the widest a column gets
        QCOMPARE(width(b, 8), 8 * kChar);
        QCOMPARE(width(b, 9), 8 * kChar);
        QCOMPARE(width(b, 10), 8 * kChar);
        // Every width keeps what fitColumns computed, whatever came later.
        for (int c = 0; c <= 10; ++c)
            QCOMPARE(width(b, c), book.columnWidth(c));
    }

    void emptyWorkbook() {
        spreadsheet::Workbook book;
        book.writeText(2, 2, QStringLiteral("gone"));
        book.fitColumns(0, 3);
        book.clear();
        const QString file = path(QStringLiteral("empty.xls"));
        book.setFileName(file);
        QString error;
        QVERIFY2(book.save(&error), qPrintable(error));
        const QJsonObject b = readBack(file);
        QVERIFY(!b.isEmpty());
        QCOMPARE(sheet(b).value(QLatin1String("name")).toString(), QStringLiteral("Sheet 1"));
        QCOMPARE(sheet(b).value(QLatin1String("nrows")).toInt(), 0);
        QCOMPARE(sheet(b).value(QLatin1String("ncols")).toInt(), 0);
        QCOMPARE(width(b, 2), 8 * kChar);
        const QJsonObject ole = b.value(QLatin1String("ole")).toObject();
        QCOMPARE(ole.value(QLatin1String("streams")).toArray(), QJsonArray{QStringLiteral("Book")});
        QCOMPARE(ole.value(QLatin1String("bookSize")).toInt(), 4096);
    }

    void minuteArchiveSizedSheet() {
        spreadsheet::Workbook book;
        const auto dayTime = book.addStyle({{}, {}, QStringLiteral("DD.MM.YYYY hh:mm")});
        const auto volume = book.addStyle({{}, {}, QStringLiteral("#######0.000")});
        const auto hours = book.addStyle({{}, {}, QStringLiteral("#######0.0")});
        const double end = kDay + 10 / 24.0;
        for (int i = 0; i < 7200; ++i) {
            book.writeNumber(0, i, end - i / 1440.0, dayTime);
            book.writeNumber(1, i, i * 0.001, volume);
            book.writeNumber(2, i, 60 / 86400.0, hours);
            book.writeText(3, i, i % 2 ? QStringLiteral("Расход больше максимального") : QString());
        }
        book.fitColumns(0, 3);
        const QString file = path(QStringLiteral("minutes.xls"));
        QVERIFY(book.save(file));

        QFile raw(file);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray header = raw.read(512);
        const quint32 fatSectors = qFromLittleEndian<quint32>(header.constData() + 0x2C);
        QVERIFY2(fatSectors > 1, "a sheet this size needs several FAT sectors");

        const QJsonObject b = readBack(file);
        QVERIFY(!b.isEmpty());
        QCOMPARE(sheet(b).value(QLatin1String("nrows")).toInt(), 7200);
        QCOMPARE(sheet(b).value(QLatin1String("ncols")).toInt(), 4);
        QCOMPARE(cellCount(b), 4 * 7200);
        QCOMPARE(readers::cellAt(b, 0, 0).value(QLatin1String("value")).toString(),
                 QStringLiteral("2008-03-05T10:00:00"));
        QCOMPARE(readers::cellAt(b, 1, 0).value(QLatin1String("value")).toString(),
                 QStringLiteral("2008-03-05T09:59:00"));
        QCOMPARE(readers::cellAt(b, 7199, 0).value(QLatin1String("value")).toString(),
                 QStringLiteral("2008-02-29T10:01:00"));
        QCOMPARE(readers::cellAt(b, 7199, 1).value(QLatin1String("value")).toDouble(), 7.199);
        QCOMPARE(readers::cellAt(b, 7199, 3).value(QLatin1String("value")).toString(),
                 QStringLiteral("Расход больше максимального"));
        const QJsonObject ole = b.value(QLatin1String("ole")).toObject();
        QCOMPARE(ole.value(QLatin1String("bookSize")).toInt(), book.bookStream().size());
    }

    void replacingCells() {
        spreadsheet::Workbook book;
        book.writeText(0, 0, QStringLiteral("старое"));
        book.writeNumber(0, 0, 5);
        book.writeNumber(1, 0, 7);
        book.writeText(1, 0, QStringLiteral("новое"));
        book.writeText(2, 0, QStringLiteral("раз"));
        book.writeText(2, 0, QStringLiteral("два"),
                       book.addStyle({{}, spreadsheet::kGoldFill, {}}));
        const QString file = path(QStringLiteral("replace.xls"));
        QVERIFY(book.save(file));
        const QJsonObject b = readBack(file);
        QVERIFY(!b.isEmpty());
        QCOMPARE(cellCount(b), 3);
        QCOMPARE(readers::cellAt(b, 0, 0).value(QLatin1String("type")).toInt(), 2);
        QCOMPARE(readers::cellAt(b, 0, 0).value(QLatin1String("value")).toDouble(), 5.0);
        QCOMPARE(readers::cellAt(b, 0, 1).value(QLatin1String("value")).toString(),
                 QStringLiteral("новое"));
        QCOMPARE(readers::cellAt(b, 0, 2).value(QLatin1String("value")).toString(),
                 QStringLiteral("два"));
        QCOMPARE(readers::cellAt(b, 0, 2).value(QLatin1String("fill")).toInt(), 1);
    }

    void awkwardInput() {
        spreadsheet::Workbook book;
        book.setSheetName(QStringLiteral("Архив: март"));
        QVERIFY(book.writeText(0, 0, QStringLiteral("a³b\U0001F600c")));
        QVERIFY(book.writeText(0, 1, QString(300, u'Ж')));
        QVERIFY(book.writeText(0, 2, QStringLiteral("№ «ёЁ» – €")));
        QVERIFY(book.writeNumber(0, 3, std::numeric_limits<double>::quiet_NaN()));
        QVERIFY(book.writeNumber(0, 4, 1.0, 999)); // no such style: the default one
        QVERIFY(book.writeNumber(255, 16383, -0.5));
        QVERIFY(!book.writeText(256, 0, QStringLiteral("x")));
        QVERIFY(!book.writeText(0, 16384, QStringLiteral("x")));
        QVERIFY(!book.writeNumber(-1, 0, 1));
        QVERIFY(!book.writeNumber(0, -1, 1));
        // Fill colours outside the palette and endless format codes are left out, not stored.
        const auto odd = book.addStyle({{QString(), 0, false}, 99, QString(300, u'0')});
        QVERIFY(book.writeNumber(0, 5, 2.0, odd));
        book.fitColumns(0, 255);
        const QString file = path(QStringLiteral("awkward.xls"));
        QVERIFY(book.save(file));
        const QJsonObject b = readBack(file);
        QVERIFY(!b.isEmpty());
        QCOMPARE(sheet(b).value(QLatin1String("name")).toString(), QStringLiteral("Архив_ март"));
        QCOMPARE(readers::cellAt(b, 0, 0).value(QLatin1String("value")).toString(),
                 QStringLiteral("a?b?c"));
        QCOMPARE(readers::cellAt(b, 1, 0).value(QLatin1String("value")).toString(),
                 QString(255, u'Ж'));
        QCOMPARE(readers::cellAt(b, 2, 0).value(QLatin1String("value")).toString(),
                 QStringLiteral("№ «ёЁ» – €"));
        QCOMPARE(readers::cellAt(b, 3, 0).value(QLatin1String("type")).toInt(), 5); // error cell
        QCOMPARE(readers::cellAt(b, 3, 0).value(QLatin1String("value")).toInt(), 0x24); // #NUM!
        QCOMPARE(readers::cellAt(b, 4, 0).value(QLatin1String("xf")).toInt(), 15);
        QCOMPARE(readers::cellAt(b, 16383, 255).value(QLatin1String("value")).toDouble(), -0.5);
        const QJsonObject oddCell = readers::cellAt(b, 5, 0);
        QCOMPARE(oddCell.value(QLatin1String("format")).toString(), QStringLiteral("General"));
        QCOMPARE(oddCell.value(QLatin1String("fill")).toInt(), 0);
        QCOMPARE(oddCell.value(QLatin1String("height")).toInt(), 20); // 1 point, the least
        QCOMPARE(oddCell.value(QLatin1String("fontName")).toString(), QStringLiteral("Arial"));
        QCOMPARE(sheet(b).value(QLatin1String("nrows")).toInt(), 16384);
    }

    void codePageTable() {
        QStringDecoder decoder("windows-1251");
        if (!decoder.isValid())
            ZETRA_SKIP("this Qt has no windows-1251 to compare with");
        for (int byte = 0; byte < 256; ++byte) {
            if (byte == 0x98) // unassigned
                continue;
            const char c = char(byte);
            const QString expected = decoder.decode(QByteArrayView(&c, 1));
            QCOMPARE(QString(device::decodeCp1251(uchar(byte))), expected);
            QCOMPARE(device::encodeCp1251(expected), QByteArray(1, c));
        }
        const QString russian = QStringLiteral("Съешь же ещё этих мягких французских булок, да "
                                               "выпей чаю. ЁЖ №5");
        QStringEncoder encoder("windows-1251");
        QCOMPARE(device::encodeCp1251(russian), QByteArray(encoder.encode(russian)));
    }

    void qtFormatsBecomeExcelCodes_data() {
        QTest::addColumn<QString>("qt");
        QTest::addColumn<QString>("excel");
        QTest::newRow("ru date") << "dd.MM.yyyy"
                                 << "DD.MM.YYYY";
        QTest::newRow("ru time") << "HH:mm"
                                 << "hh:mm";
        QTest::newRow("us date") << "M/d/yy"
                                 << "M/D/YY";
        QTest::newRow("us time") << "h:mm AP"
                                 << "h:mm AM/PM";
        QTest::newRow("lower am/pm") << "h:mm:ss ap"
                                     << "h:mm:ss am/pm";
        QTest::newRow("ru long date") << "d MMMM yyyy 'г.'"
                                      << "D MMMM YYYY \"г\".";
        QTest::newRow("weekday") << "dddd, d MMMM yyyy"
                                 << "DDDD, D MMMM YYYY";
        QTest::newRow("milliseconds") << "HH:mm:ss.zzz"
                                      << "hh:mm:ss.000";
        QTest::newRow("quoted text") << "'at' HH 'o''clock'"
                                     << "\"at\" hh \"o'clock\"";
        QTest::newRow("time zone dropped") << "HH:mm t"
                                           << "hh:mm ";
        QTest::newRow("iso") << "yyyy-MM-dd"
                             << "YYYY-MM-DD";
    }
    void qtFormatsBecomeExcelCodes() {
        QFETCH(QString, qt);
        QFETCH(QString, excel);
        QCOMPARE(spreadsheet::excelFormatFromQtFormat(qt), excel);
    }

    // What a spreadsheet shows: the text whose width a column must hold.
    void shownNumbers_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("shown");
        QTest::newRow("volume") << 12345.678 << "#######0.000"
                                << "12345.678";
        QTest::newRow("volume zeros") << 12345.6 << "#######0.000"
                                      << "12345.600";
        QTest::newRow("hours small") << 0.04 << "#######0.0"
                                     << "0.0";
        QTest::newRow("negative") << -2.26 << "#######0.0"
                                  << "-2.3";
        QTest::newRow("negative rounds to zero") << -0.01 << "0.0"
                                                 << "0.0";
        QTest::newRow("date") << kDay << "DD.MM.YYYY"
                              << "05.03.2008";
        QTest::newRow("date time") << kDay + 10 / 24.0 << "DD.MM.YYYY hh:mm"
                                   << "05.03.2008 10:00";
        QTest::newRow("end of day") << kDay + 0.99999 << "DD.MM.YYYY hh:mm"
                                    << "05.03.2008 23:59";
        QTest::newRow("minutes before seconds") << 0.5 + 61 / 86400.0 << "mm:ss"
                                                << "01:01";
        QTest::newRow("milliseconds") << 0.5 + 1.005 / 86400 << "hh:mm:ss.000"
                                      << "12:00:01.005";
        QTest::newRow("month names") << kDay << "D MMM YY"
                                     << "5 Mar 08";
        QTest::newRow("12-hour") << 0.75 << "h:mm AM/PM"
                                 << "6:00 PM";
        QTest::newRow("general whole") << 42.0 << ""
                                       << "42";
        QTest::newRow("general large") << 1e15 << ""
                                       << "1E+15";
        QTest::newRow("not a number") << std::numeric_limits<double>::infinity() << "0.0"
                                      << "#NUM!";
    }
    void shownNumbers() {
        QFETCH(double, value);
        QFETCH(QString, code);
        QFETCH(QString, shown);
        QCOMPARE(spreadsheet::CellValueFormat(code).show(value), shown);
    }

    void failedSaveLeavesNothingBehind_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << "missing"
                                        << "missing/sub/report.xls";
        QTest::newRow("target is a folder") << "folder-target"
                                            << "folder-target/report.xls";
        QTest::newRow("read-only folder") << "read-only"
                                          << "read-only/report.xls";
        QTest::newRow("write fails midway") << "full"
                                            << "full/report.xls";
    }
    void failedSaveLeavesNothingBehind() {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QDir base(path(QStringLiteral("fail-") + QTest::currentDataTag()));
        QVERIFY(base.mkpath(QStringLiteral(".")));
        const QString target = base.filePath(name);
        const QString folderPath = base.filePath(folder);
        const auto writable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        const bool keepsEarlier =
            folder == QLatin1String("read-only") || folder == QLatin1String("full");
        if (folder == QLatin1String("folder-target"))
            QVERIFY(base.mkpath(name));
        if (keepsEarlier) {
            QVERIFY(base.mkpath(folder));
            QFile earlier(target);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier report");
        }
        if (folder == QLatin1String("read-only")) {
            QFile::setPermissions(folderPath, QFile::ReadOwner | QFile::ExeOwner);
            if (::geteuid() == 0) {
                QFile::setPermissions(folderPath, writable);
                ZETRA_SKIP("the superuser writes into read-only folders");
            }
        }
        const QStringList before =
            QDir(folderPath).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        spreadsheet::Workbook book;
        book.setFileName(target);
        for (int row = 0; row < 5000; ++row)
            book.writeText(0, row, QStringLiteral("Итого за сутки"));

        QString error;
        bool saved;
        if (folder == QLatin1String("full")) {
            // The file system refuses more than 64 KiB of this process's file, as a full disk
            // would: the first sectors are written, the rest fails.
            rlimit old{};
            QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
            rlimit small = old;
            small.rlim_cur = 64 * 1024;
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
            saved = book.save(&error);
            ::setrlimit(RLIMIT_FSIZE, &old);
            std::signal(SIGXFSZ, oldHandler);
        } else {
            saved = book.save(&error);
        }
        if (folder == QLatin1String("read-only"))
            QFile::setPermissions(folderPath, writable);

        QVERIFY(!saved);
        QVERIFY2(!error.isEmpty(), "the reason is reported");
        QCOMPARE(QDir(folderPath).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
        if (keepsEarlier) {
            QFile earlier(target);
            QVERIFY(earlier.open(QIODevice::ReadOnly));
            QCOMPARE(earlier.readAll(), QByteArray("earlier report"));
        }
        if (folder == QLatin1String("folder-target"))
            QVERIFY(QFileInfo(target).isDir());
    }

    void saveReplacesAnEarlierFile() {
        const QString file = path(QStringLiteral("again.xls"));
        {
            QFile earlier(file);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write(QByteArray(100000, 'x'));
        }
        spreadsheet::Workbook book;
        book.writeText(0, 0, QStringLiteral("новый"));
        QVERIFY(book.save(file));
        QCOMPARE(QFileInfo(file).size(), book.fileContents().size());
        QCOMPARE(readers::cellAt(readBack(file), 0, 0).value(QLatin1String("value")).toString(),
                 QStringLiteral("новый"));
    }

    // The container alone, from streams the padding covers to ones that need DIFAT sectors.
    void compoundFileStreams_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("short") << 100;
        QTest::newRow("cutoff") << 4096;
        QTest::newRow("odd") << 4097;
        QTest::newRow("one FAT sector full") << (128 - 2) * 512;
        QTest::newRow("two FAT sectors") << (128 - 2) * 512 + 1;
        QTest::newRow("DIFAT") << 8 * 1024 * 1024 + 3;
    }
    void compoundFileStreams() {
        QFETCH(int, size);
        QByteArray stream(size, '\0');
        for (int i = 0; i < size; ++i)
            stream[i] = char((i * 7 + i / 511) & 0xFF);
        const QString file = path(QStringLiteral("stream-%1.bin").arg(size));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        const QByteArray contents =
            spreadsheet::compoundFileWithStream(QStringLiteral("Book"), stream);
        QVERIFY(contents.size() % 512 == 0);
        out.write(contents);
        out.close();

        const QByteArray padded = stream + QByteArray(std::max(0, 4096 - size), '\0');
        const QJsonObject read = readBack(file, true);
        QVERIFY(!read.isEmpty());
        QCOMPARE(read.value(QLatin1String("streams")).toArray(),
                 QJsonArray{QStringLiteral("Book")});
        QCOMPARE(read.value(QLatin1String("bookSize")).toInt(), int(padded.size()));
        QCOMPARE(
            read.value(QLatin1String("md5")).toString(),
            QString::fromLatin1(QCryptographicHash::hash(padded, QCryptographicHash::Md5).toHex()));
    }

    void libreOfficeReadsTheSample() {
        const LibreOffice office;
        if (!office.available())
            ZETRA_SKIP(LibreOffice::kMissing);
        QByteArray log;
        QVERIFY2(office.toCsv({sample_}, &log), log.constData());
        const QString outDir = office.outDir();
        QFile csv(outDir + QStringLiteral("/sample.csv"));
        QVERIFY2(csv.open(QIODevice::ReadOnly), log.constData());
        // Each line spans the used columns A to E.
        const QStringList lines = QString::fromUtf8(csv.readAll()).split(u'\n');
        QVERIFY(lines.size() >= 7);
        QVERIFY(lines[0].startsWith(QStringLiteral("Суточный архив с 04.03.2008 по 05.03.2008")));
        QCOMPARE(lines[2].trimmed(),
                 QStringLiteral("Дата,\"Объём,м3\",\"Время работы, часов\",События,"));
        QCOMPARE(lines[3].trimmed(), QStringLiteral("05.03.2008,12345.678,23.5,,"));
        QCOMPARE(lines[4].trimmed(),
                 QStringLiteral("04.03.2008 09:59,,,Ошибка при передаче данных,"));
        QCOMPARE(lines[6].trimmed(), QStringLiteral("Итого,12345.678,23.5,,коротко"));

        // The gold fill must come through as gold, not as Excel 5.0's olive of colour 51.
        QVERIFY2(office.run({QStringLiteral("--convert-to"), QStringLiteral("fods"),
                             QStringLiteral("--outdir"), outDir, sample_},
                            &log),
                 log.constData());
        QFile fods(outDir + QStringLiteral("/sample.fods"));
        QVERIFY(fods.open(QIODevice::ReadOnly));
        const QByteArray styles = fods.readAll();
        QVERIFY(styles.contains("fo:background-color=\"#ffcc00\""));
        QVERIFY(styles.contains("fo:font-weight=\"bold\""));
    }
};

ZETRA_TEST_GUILESS_MAIN(WorkbookTest)
#include "test_workbook.moc"
