// zetra-cli's settings-read, settings-write and clear-totals against the zetra-sim program,
// as scripts see them: output lines, the status last, exit codes.

#include "settings/SettingsFile.h"
#include "settings/SettingsImage.h"
#include "tests/cli/CliRun.h"
#include "tests/cli/SimProcess.h"
#include "tests/support/SettingsForms.h"

#include <QFile>
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
        const auto loaded =
            settings::file::load(path + QStringLiteral(".dat"), settings::SettingsForm(),
                                 QLocale(QLocale::Russian, QLocale::Russia));
        QVERIFY2(loaded.form, qPrintable(loaded.error));
        QCOMPARE(settings::file::lines(*loaded.form), r.out.mid(0, 33));
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
        QCOMPARE(settings::file::save(path, test_forms::filled()), QString());
        CliRun r =
            sim.cli({"--yes", "settings-write", path, "--date", "01.06.2016", "--time", "07-45"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringList{QStringLiteral("Завершено успешно")});
        QCOMPARE(r.err, QString());

        r = sim.cli({"settings-read"});
        QCOMPARE(r.exitCode, 0);
        QStringList expected = settings::file::lines(test_forms::filled());
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
        QTest::newRow("no --yes")
            << QStringList{} << QStringList{"settings-write", "FILE"} << "Ждите..."
            << "Внимание: Вы действительно хотите применить\nновые настройки к прибору?\n"
               "Ответ «Нет»: стандартный ввод — не терминал. Ответ «Да» даёт параметр --yes\n";
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
        QCOMPARE(settings::file::save(path, test_forms::filled()), QString());
        args.replaceInStrings(QStringLiteral("FILE"), path);
        args.replaceInStrings(QStringLiteral("MISSING"), missing);
        const CliRun r = sim.cli(args);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QStringList{status});
        QCOMPARE(r.err, QString(err).replace(QStringLiteral("MISSING"), missing));
    }

    // settings-diff and settings-write --dry-run: the lines, the exit codes, and not one write
    // frame in the meter's log.
    void differences_data() {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QStringList>("args"); // FILE: the meter's own settings, DIAMETER changed
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("out");
        QTest::addColumn<QString>("err");
        const QString ok = QStringLiteral("Завершено успешно");
        QTest::newRow("equal") << QStringList{} << QStringList{"settings-diff", "FILE"} << "100,0"
                               << 0 << QStringList{ok} << "";
        QTest::newRow("equal, written otherwise")
            << QStringList{} << QStringList{"settings-diff", "FILE"} << "100" << 0
            << QStringList{ok} << "";
        QTest::newRow("different")
            << QStringList{} << QStringList{"settings-diff", "FILE"} << "150,5" << 3
            << QStringList{"Внутренний диаметр трубы, мм: 100,0 -> 150,5", ok} << "";
        QTest::newRow("dry run") << QStringList{}
                                 << QStringList{"--yes", "settings-write", "FILE", "--dry-run"}
                                 << "150,5" << 3
                                 << QStringList{"Внутренний диаметр трубы, мм: 100,0 -> 150,5", ok}
                                 << "";
        QTest::newRow("dry run refused by the checks")
            << QStringList{} << QStringList{"settings-write", "FILE", "--dry-run", "--time", "7:30"}
            << "150,5" << 1 << QStringList{"Настройки не записаны"}
            << "Ошибка: Время указано неверно\n";
        QTest::newRow("no answer")
            << QStringList{"--fault", "drop@2-"} << QStringList{"settings-diff", "FILE"} << "150,5"
            << 1 << QStringList{"Прибор не отвечает"} << "";
    }

    void differences() {
        QFETCH(QStringList, simArgs);
        QFETCH(QStringList, args);
        QFETCH(QString, diameter);
        QFETCH(int, exitCode);
        QFETCH(QStringList, out);
        QFETCH(QString, err);
        const QString log = dir.filePath(QStringLiteral("diff.log"));
        QFile::remove(log);
        Meter sim(simArgs + QStringList{"--log", log});
        QVERIFY(sim.sim.ready());

        // The meter's own settings as a file, with the diameter line as the row says.
        const QString path = dir.filePath(QStringLiteral("diff.dat"));
        settings::SettingsForm form = test_forms::filled();
        {
            Meter plain;
            const CliRun read = plain.cli({"settings-read", "--save", path});
            QCOMPARE(read.exitCode, 0);
            const auto loaded =
                settings::file::load(path, settings::SettingsForm(), QLocale(QLocale::Russian));
            QVERIFY(loaded.form);
            form = *loaded.form;
        }
        form.diameter = diameter;
        QCOMPARE(settings::file::save(path, form), QString());
        args.replaceInStrings(QStringLiteral("FILE"), path);

        const CliRun r = sim.cli(args);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err, err);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY(sim.sim.finish());
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const char* write : {"> 24 ", "> 42 ", "> 66 "})
            QVERIFY2(!text.contains(QLatin1String(write)), write);
    }

    // A settings file read by the meter's own settings finds no difference whichever decimal
    // separator it holds and whatever the PC's locale; the dry run agrees.
    void fileFromAnotherLocale_data() {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("separator");
        const QStringList locales[] = {{"LANG=C.UTF-8", "LC_ALL=C.UTF-8"},
                                       {"LANG=C", "LC_ALL=C"},
                                       {"LANG=en_US.UTF-8", "LC_ALL=en_US.UTF-8"},
                                       {"LANG=ru_RU.UTF-8", "LC_ALL=ru_RU.UTF-8"}};
        for (const QStringList& environment : locales)
            for (const char* separator : {",", "."})
                QTest::addRow("%s %s", qPrintable(environment[0]), separator)
                    << environment << QString::fromLatin1(separator);
    }
    void fileFromAnotherLocale() {
        QFETCH(QStringList, environment);
        QFETCH(QString, separator);
        Meter sim;
        QVERIFY(sim.sim.ready());
        const QString path = dir.filePath(QStringLiteral("locale.dat"));
        QCOMPARE(sim.cli({"settings-read", "--save", path}).exitCode, 0);
        auto loaded = settings::file::load(path, {}, QLocale(QLocale::Russian, QLocale::Russia));
        QVERIFY(loaded.form);
        for (const settings::FieldId id : settings::typedFields())
            ((*loaded.form).*settings::typedText(id)).replace(QLatin1Char(','), separator);
        QCOMPARE(settings::file::save(path, *loaded.form), QString());
        for (const QStringList& args :
             {QStringList{"settings-diff", path},
              QStringList{"--yes", "settings-write", path, "--dry-run", "--time", "07:30"}}) {
            const CliRun r =
                CliRun::run(QStringList{"--port", sim.sim.pty()} + args, 60000, environment);
            QCOMPARE(r.err, QString());
            QCOMPARE(r.out, QStringList{QStringLiteral("Завершено успешно")});
            QCOMPARE(r.exitCode, 0);
        }
    }

    // A byte the meter did not keep: the box on standard error names the field, the archives
    // stay as they were.
    void writeThatDidNotTake() {
        const QString log = dir.filePath(QStringLiteral("nostore.log"));
        QFile::remove(log);
        Meter sim({"--fault", "nostore@cmd=42,addr=17", "--log", log});
        const QString path = dir.filePath(QStringLiteral("nostore.dat"));
        QCOMPARE(settings::file::save(path, test_forms::filled()), QString());
        const CliRun r = sim.cli({"--yes", "settings-write", path, "--date", "01.06.2016", "--time",
                                  "07:45", "--clear-daily", "--clear-minute"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QStringList{QStringLiteral("Завершено с ошибками")});
        QCOMPARE(r.err,
                 QStringLiteral("Ошибка: Настройки в приборе не совпадают с записанными (1 поле):\n"
                                "Внутренний диаметр трубы, мм: в приборе 99,3, записано "
                                "150,5\n"));
        QVERIFY(sim.sim.finish());
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!QString::fromUtf8(file.readAll()).contains(QLatin1String("> 66 ")));
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
