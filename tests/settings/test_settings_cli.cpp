// zetra-cli's settings-read, settings-write and clear-totals against the zetra-sim program,
// as scripts see them: output lines, the status last, exit codes.

#include "settings/SettingsFile.h"
#include "tests/cli/CliRun.h"
#include "tests/cli/SimProcess.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
// A simulated meter with a frozen clock, and zetra-cli on it with the Russian locale.
struct Meter {
    explicit Meter(const QStringList& options = {})
        : sim(QStringList{"--date", "2015-03-15", "--time", "10:30"} + options) {}
    CliRun cli(const QStringList& args) const {
        return CliRun::run(QStringList{"--port", sim.pty(), "--locale", "ru_RU"} + args);
    }
    SimProcess sim;
};

SettingsForm fileForm() {
    SettingsForm f;
    f.diametral = true;
    f.medium = SettingsForm::Medium::Water;
    f.period = SettingsForm::Period::OneSecond;
    f.diameter = QStringLiteral("150,5");
    f.base = QStringLiteral("250,4");
    f.angle = QStringLiteral("30,25");
    f.cableLength = QStringLiteral("12,5");
    f.k = QStringLiteral("1,0200");
    f.a = QStringLiteral("2,0000");
    f.b = QStringLiteral("3,0000");
    f.c = QStringLiteral("4,0000");
    f.zeroCutoff = QStringLiteral("0,500000");
    f.pulseWeight = QStringLiteral("2,50");
    f.zeroOffset = QStringLiteral("-1,2500");
    f.windowOffset = 3;
    return f;
}
} // namespace

class SettingsCliTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void readPrintsTheFileLinesAndSaves() {
        Meter sim;
        QVERIFY(sim.sim.ready());
        const QString path = dir.filePath(QStringLiteral("read"));
        const CliRun r = sim.cli({"settings-read", "--save", path});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.size(), 33 + 3);
        QCOMPARE(r.out[0], QStringLiteral("тип врезки:"));
        QCOMPARE(r.out[1], QStringLiteral("ВТК-А (осевое)"));
        QCOMPARE(r.out[9], QStringLiteral("100,0"));
        QCOMPARE(r.out[19], QStringLiteral("0,9923"));
        QCOMPARE(r.out[25], QStringLiteral("м3/ч"));
        QCOMPARE(r.out[26], QStringLiteral("0,100000"));
        QCOMPARE(r.out[32], QStringLiteral("0"));
        QCOMPARE(r.out[33], QStringLiteral("Дата: 15.03.2015"));
        QCOMPARE(r.out[34], QStringLiteral("Время: 10:30"));
        QCOMPARE(r.out[35], QStringLiteral("Завершено успешно"));

        // The saved file (".dat" added) holds the same 33 lines.
        const auto loaded = settings_file::load(path + QStringLiteral(".dat"), SettingsForm(),
                                                QLocale(QLocale::Russian, QLocale::Russia));
        QVERIFY2(loaded.form, qPrintable(loaded.error));
        QCOMPARE(settings_file::lines(*loaded.form), r.out.mid(0, 33));
    }

    // What settings-read prints is UTF-8; saved by the shell and written back it must set
    // the meter to what it held, not to the other choice of every selection line.
    void printedSettingsWriteBackUnchanged() {
        Meter sim;
        const CliRun before = sim.cli({"settings-read"});
        QCOMPARE(before.exitCode, 0);
        const QString path = dir.filePath(QStringLiteral("printed.dat"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(before.out.join(QLatin1Char('\n')).toUtf8() + "\n");
        }
        const CliRun write = sim.cli({"--yes", "settings-write", path});
        QCOMPARE(write.out.last(), QStringLiteral("Завершено успешно"));
        const CliRun after = sim.cli({"settings-read"});
        QCOMPARE(after.out.mid(0, 33), before.out.mid(0, 33));
    }

    void readWithoutAnAnswer() {
        Meter sim({"--fault", "drop@1-"});
        const CliRun r = sim.cli({"settings-read"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QStringList{QStringLiteral("Прибор не отвечает")});
    }

    void writeThenReadBack() {
        Meter sim;
        const QString path = dir.filePath(QStringLiteral("write.dat"));
        QCOMPARE(settings_file::save(path, fileForm()), QString());
        CliRun r =
            sim.cli({"--yes", "settings-write", path, "--date", "01.06.2016", "--time", "07-45"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringList{QStringLiteral("Завершено успешно")});
        QCOMPARE(r.err, QString());

        r = sim.cli({"settings-read"});
        QCOMPARE(r.exitCode, 0);
        QStringList expected = settings_file::lines(fileForm());
        QCOMPARE(r.out.mid(0, 33), expected);
        QCOMPARE(r.out[33], QStringLiteral("Дата: 01.06.2016"));
        QCOMPARE(r.out[34], QStringLiteral("Время: 07:45"));
    }

    void writeRefusals_data() {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QStringList>("args"); // FILE stands for the settings file
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("time as typed")
            << QStringList{} << QStringList{"--yes", "settings-write", "FILE", "--time", "7:30"}
            << "Настройки не записаны"
            << "Ошибка: Время указано неверно\n";
        QTest::newRow("no --yes") << QStringList{} << QStringList{"settings-write", "FILE"}
                                  << "Ждите..."
                                  << "";
        QTest::newRow("not permitted")
            << QStringList{"--set", "mem:24=00"} << QStringList{"--yes", "settings-write", "FILE"}
            << "Программирование запрещено"
            << "";
        QTest::newRow("archive not available")
            << QStringList{"--set", "mem:24=14"}
            << QStringList{"--yes", "settings-write", "FILE", "--clear-daily", "--clear-minute"}
            << "Архив прибора недоступен, очистка не выполнена"
            << "";
        QTest::newRow("file refused")
            << QStringList{} << QStringList{"--yes", "settings-write", "MISSING"}
            << "Присоедините прибор и нажмите <Обновить>"
            << "Ошибка: Не удаётся прочитать файл настроек\nMISSING\n";
    }

    void writeRefusals() {
        QFETCH(QStringList, simArgs);
        QFETCH(QStringList, args);
        QFETCH(QString, status);
        QFETCH(QString, err);
        Meter sim(simArgs);
        const QString path = dir.filePath(QStringLiteral("refusal.dat"));
        const QString missing = dir.filePath(QStringLiteral("missing.dat"));
        QCOMPARE(settings_file::save(path, fileForm()), QString());
        args.replaceInStrings(QStringLiteral("FILE"), path);
        args.replaceInStrings(QStringLiteral("MISSING"), missing);
        const CliRun r = sim.cli(args);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QStringList{status});
        QCOMPARE(r.err, QString(err).replace(QStringLiteral("MISSING"), missing));
    }

    void writeUsageErrors() {
        const CliRun r = CliRun::run({"settings-write", "a.dat", "--date", "31.02.2016"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(CliRun::run({"settings-write"}).exitCode, 2);
        QCOMPARE(CliRun::run({"settings-read", "extra"}).exitCode, 2);
        QCOMPARE(CliRun::run({"clear-totals", "--bogus"}).exitCode, 2);
    }

    void clearTotals() {
        Meter sim;
        CliRun r = sim.cli({"clear-totals"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QStringList{QStringLiteral("Ждите...")});

        r = sim.cli({"--yes", "clear-totals"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringList{QStringLiteral("Завершено успешно")});
        r = sim.cli({"info"});
        QVERIFY(r.out.contains(QStringLiteral("Накопленный объём, м3: 0,000")));
        QVERIFY(r.out.contains(QStringLiteral("Время работы, часов: 0,0")));
        QVERIFY(r.out.contains(QStringLiteral("Время простоя, часов: 0,0")));
    }

    void clearTotalsRefused() {
        Meter sim({"--set", "mem:24=EF"});
        const CliRun r = sim.cli({"--yes", "clear-totals"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QStringList{QStringLiteral("Очистка запрещена")});
    }
};

QTEST_GUILESS_MAIN(SettingsCliTest)
#include "test_settings_cli.moc"
