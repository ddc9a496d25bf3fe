// zetra-cli daily and minute against the zetra-sim program: output lines, the status line last,
// exit codes, and --save in both formats.

#include "tests/cli/SimProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kBin = QStringLiteral(ZETRA_BIN_DIR);
const QString kRule(39, QLatin1Char('-'));

// The meter's clock for every test: 15.03.2015 (device day 5552), 10:30.
QStringList meter(const QStringList& extra = {}) {
    return QStringList{"--date", "2015-03-15", "--time", "10:30"} + extra;
}

struct Run {
    int exitCode = -1;
    QStringList out;
    QString err;
};

Run cli(const QStringList& args) {
    QProcess p;
    p.start(kBin + "/zetra-cli", QStringList{"--locale", "ru_RU"} + args);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    QString out = QString::fromUtf8(p.readAllStandardOutput());
    if (out.endsWith('\n'))
        out.chop(1);
    r.out = out.split('\n');
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray crlfWindows1251(const QStringList& lines) {
    QStringEncoder encoder("windows-1251");
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += QByteArray(encoder.encode(line)) + "\r\n";
    return bytes;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Three days ending on the meter's today: the running record, an empty day, a day with
// measurement errors.
const QStringList kRecords{"--set", "mem:1253=40420F0000080700",
                           // 14.03.2015 (device day 5551, slot 5552 % 731 = 435): empty
                           "--set", "archive:3480=0000000000000000",
                           // 13.03.2015 (slot 434)
                           "--set", "archive:3472=00093D00001C2084"};

// zetra-cli reads `archive` from `from` to `to` on the pipe of a meter holding kRecords and
// saves it to `file`, with `options` after.
Run readAndSave(const char* archive, const char* from, const char* to, const QString& file,
                const QStringList& options = {}) {
    SimProcess sim(meter(kRecords));
    if (!sim.ready())
        return Run();
    return cli(QStringList{"--pipe", sim.pipe(), archive, from, to, "--save", file} + options);
}
const QStringList kDailyReport{
    "Суточный архив с 13.03.2015 по 15.03.2015",
    "",
    "   Дата   |  Объём,  | Время | События",
    "          |    м3    |работы,|",
    "          |          | часов |",
    kRule,
    "15.03.2015    256,000     1,0",
    "",
    "13.03.2015   1024,000     4,6 Oшибки в измерениях.",
    kRule,
    "Итого:       1280,000     5,6",
};
} // namespace

class CliArchiveTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void dailyReportThenStatus_data() {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("pipe") << true;
        QTest::newRow("pty") << false;
    }
    void dailyReportThenStatus() {
        QFETCH(bool, pipe);
        SimProcess sim(meter(kRecords));
        QVERIFY(sim.ready());
        const QStringList link =
            pipe ? QStringList{"--pipe", sim.pipe()} : QStringList{"--port", sim.pty()};
        const Run r = cli(link + QStringList{"daily", "13.03.2015", "2015-03-15"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, kDailyReport + QStringList{"Завершено успешно. Прочитано 3 записей"});
    }

    void minuteReportThenStatus() {
        // Today at 00:01: two minutes, the second one a transfer error.
        SimProcess sim(
            meter({"--time", "00:01", "--set",
                   "archive:" + QString::number(5848 + 8 * (2 * 1440 + 1)) + "=000F0000003C0090",
                   "--fault", "badcrc@cmd=5A,addr=" + QString::number(5848 + 8 * 2 * 1440)}));
        QVERIFY(sim.ready());
        const Run r = cli({"--pipe", sim.pipe(), "minute", "15.03.2015", "15.03.2015"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, (QStringList{
                            "Минутный архив с 15.03.2015 по 15.03.2015",
                            "",
                            "   Дата   |Время|  Объём,  | Время | События",
                            "          |     |    м3    |работы,|",
                            "          |     |          |секунд |",
                            kRule,
                            "15.03.2015 00:01      0,983      60 Задействован последовательный "
                            "интерфейс RS232.",
                            "15.03.2015 00:00 Ошибка при передаче данных...",
                            kRule,
                            "Итого:                0,983      60",
                            "Завершено c 1 ошибками при передаче",
                        }));
    }

    // A failed check prints the status alone and writes no file; an interval outside the
    // archive says on standard error what the meter holds.
    void refusedIntervalPrintsOnlyTheStatus_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("daily end after today")
            << QStringList{"daily", "15.03.2015", "16.03.2015"}
            << "Ошибка. Указан неверный интервал"
            << "Внимание: Суточный архив прибора: с 14.03.2013 по 15.03.2015\n";
        QTest::newRow("daily start after end")
            << QStringList{"daily", "15.03.2015", "14.03.2015"}
            << "Ошибка. Указана дата начала больше даты окончания"
            << "";
        QTest::newRow("minute 5 days back")
            << QStringList{"minute", "10.03.2015", "15.03.2015"}
            << "Ошибка. Указан неверный интервал"
            << "Внимание: Минутный архив прибора: с 11.03.2015 по 15.03.2015\n";
    }
    void refusedIntervalPrintsOnlyTheStatus() {
        QFETCH(QStringList, args);
        QFETCH(QString, status);
        QFETCH(QString, err);
        SimProcess sim(meter());
        QVERIFY(sim.ready());
        const QString file = dir.filePath("refused.txt");
        const Run r = cli(QStringList{"--pipe", sim.pipe()} + args + QStringList{"--save", file});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QStringList{status});
        QCOMPARE(r.err, err);
        QVERIFY(!QFile::exists(file));
    }

    void archiveUnavailable() {
        SimProcess sim(meter({"--set", "mem:24=04"}));
        QVERIFY(sim.ready());
        const Run r = cli({"--pipe", sim.pipe(), "daily", "15.03.2015", "15.03.2015"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QStringList{"Архив недоступен"});
    }

    void noMeter() {
        const Run r =
            cli({"--pipe", dir.filePath("nobody.sock"), "daily", "15.03.2015", "15.03.2015"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QStringList{"Не удаётся открыть порт "});
    }

    void saveTextFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("format");
        QTest::addColumn<QString>("written");
        QTest::newRow("named .txt") << "a.txt" << QStringList{} << "a.txt";
        QTest::newRow("bare name") << "b" << QStringList{} << "b.txt";
        QTest::newRow("other extension") << "c.dat" << QStringList{} << "c.dat";
        QTest::newRow("--format txt on .dat")
            << "d.dat" << QStringList{"--format", "txt"} << "d.dat";
    }
    void saveTextFile() {
        QFETCH(QString, name);
        QFETCH(QStringList, format);
        QFETCH(QString, written);
        const Run r = readAndSave("daily", "13.03.2015", "15.03.2015", dir.filePath(name), format);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.last(), QStringLiteral("Завершено успешно. Прочитано 3 записей"));
        QCOMPARE(fileBytes(dir.filePath(written)), crlfWindows1251(kDailyReport));
    }

    void saveWorkbook_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("format");
        QTest::addColumn<QString>("written");
        QTest::newRow("named .xls") << "w.xls" << QStringList{} << "w.xls";
        QTest::newRow("bare name") << "x" << QStringList{"--format", "xls"} << "x.xls";
        QTest::newRow("report.dat") << "y.dat" << QStringList{"--format", "xls"} << "y.dat";
    }
    void saveWorkbook() {
        QFETCH(QString, name);
        QFETCH(QStringList, format);
        QFETCH(QString, written);
        const Run r = readAndSave("minute", "15.03.2015", "15.03.2015", dir.filePath(name), format);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.last(), QStringLiteral("Завершено успешно. Прочитано 631 записей"));
        QVERIFY(fileBytes(dir.filePath(written)).startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"));
    }

    // The data formats: chosen by --format or the extension, a bare name extended; the file
    // holds what the same readout gives in the window.
    void saveDataFormats_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("format");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("begins");
        const QByteArray bom = "\xEF\xBB\xBF";
        const QByteArray csvHeader =
            bom + QStringLiteral("Дата,Объём (м3),Время работы (ч),События\r\n").toUtf8();
        QTest::newRow("named .csv") << "d.csv" << QStringList{} << "d.csv" << csvHeader;
        QTest::newRow("bare csv") << "d" << QStringList{"--format", "csv"} << "d.csv" << csvHeader;
        QTest::newRow("named .xlsx") << "d.xlsx" << QStringList{} << "d.xlsx" << QByteArray("PK");
        QTest::newRow("bare xlsx")
            << "e" << QStringList{"--format", "xlsx"} << "e.xlsx" << QByteArray("PK");
        QTest::newRow("named .json") << "d.json" << QStringList{} << "d.json" << QByteArray("{");
        QTest::newRow("json over .dat")
            << "f.dat" << QStringList{"--format", "json"} << "f.dat" << QByteArray("{");
        QTest::newRow("--format agrees with .csv")
            << "g.csv" << QStringList{"--format", "csv"} << "g.csv" << csvHeader;
    }
    void saveDataFormats() {
        QFETCH(QString, name);
        QFETCH(QStringList, format);
        QFETCH(QString, written);
        QFETCH(QByteArray, begins);
        const Run r = readAndSave("daily", "13.03.2015", "15.03.2015", dir.filePath(name), format);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.mid(0, kDailyReport.size()), kDailyReport);
        const QByteArray bytes = fileBytes(dir.filePath(written));
        QVERIFY(bytes.startsWith(begins));
        if (begins == "{") {
            const QJsonObject o = QJsonDocument::fromJson(bytes).object();
            QCOMPARE(o.value("archive").toString(), QStringLiteral("daily"));
            QCOMPARE(o.value("from").toString(), QStringLiteral("2015-03-13"));
            QCOMPARE(o.value("records_read").toInt(), 3);
            const QJsonArray entries = o.value("entries").toArray();
            QCOMPARE(entries.size(), 2);
            QCOMPARE(entries[1].toObject().value("volume_m3").toDouble(), 1024.0);
            QCOMPARE(o.value("totals").toObject().value("volume_m3").toDouble(), 1280.0);
        } else if (begins.startsWith("\xEF\xBB\xBF")) {
            const QList<QByteArray> lines = bytes.split('\n');
            QCOMPARE(lines.size(), 4);
            QCOMPARE(lines[1], QByteArray("2015-03-15,256,1,\r"));
            QCOMPARE(QString::fromUtf8(lines[2]),
                     QStringLiteral("2015-03-13,1024,4.566666666666666,Oшибки в измерениях.\r"));
        }
    }

    void unwritableFileFailsTheCommand() {
        const QString file = dir.filePath("no/such/folder/r.txt");
        const Run r = readAndSave("daily", "15.03.2015", "15.03.2015", file);
        QCOMPARE(r.exitCode, 1);
        // The readout is still printed; the status says the file was not saved, and why.
        QVERIFY(r.out.size() > 3);
        QVERIFY2(r.out.last().startsWith(QStringLiteral("Файл не сохранён: ") + file + " ("),
                 qPrintable(r.out.last()));
        QVERIFY(r.err.startsWith("Ошибка: Не удаётся записать файл " + file + "\n"));
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("one date") << QStringList{"daily", "15.03.2015"};
        QTest::newRow("three dates") << QStringList{"minute", "15.03.2015", "15.03.2015", "x"};
        QTest::newRow("malformed date") << QStringList{"daily", "15.3.2015", "15.03.2015"};
        QTest::newRow("no such day") << QStringList{"daily", "31.02.2015", "15.03.2015"};
        QTest::newRow("unknown format")
            << QStringList{"daily", "15.03.2015", "15.03.2015", "--save", "f", "--format", "pdf"};
        // The extension names a format other than --format's: which one was meant is unknown.
        QTest::newRow("xlsx over .txt") << QStringList{
            "daily", "15.03.2015", "15.03.2015", "--save", "x.txt", "--format", "xlsx"};
        QTest::newRow("txt over .xls") << QStringList{
            "minute", "15.03.2015", "15.03.2015", "--save", "x.XLS", "--format", "txt"};
        QTest::newRow("format without save")
            << QStringList{"daily", "15.03.2015", "15.03.2015", "--format", "txt"};
        QTest::newRow("unknown option")
            << QStringList{"daily", "15.03.2015", "15.03.2015", "--sav", "f"};
    }
    void usageErrors() {
        QFETCH(QStringList, args);
        const Run r = cli(QStringList{"--pipe", dir.filePath("nobody.sock")} + args);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.out, QStringList{QString()});
        QVERIFY(r.err.startsWith("zetra-cli: "));
    }
};

QTEST_GUILESS_MAIN(CliArchiveTest)
#include "test_cli_archive.moc"
