// zetra-cli without a meter: usage errors, the port list, the calculators and the firmware
// image, exactly as scripts see them.

#include "tests/cli/CliRun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

class CliOfflineTest : public QObject {
    Q_OBJECT

private slots:
    void usageErrorsExitWithTwo_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"bogus"};
        QTest::newRow("unknown option") << QStringList{"info", "--zzz"};
        QTest::newRow("option without value") << QStringList{"info", "--port"};
        QTest::newRow("both links") << QStringList{"--port", "x", "--pipe", "y", "info"};
        QTest::newRow("both maxima")
            << QStringList{"calc-pulse", "--diameter", "1", "--velocity", "1", "--flow", "1"};
        QTest::newRow("missing option") << QStringList{"calc-channel", "--t-down", "1"};
    }
    void usageErrorsExitWithTwo() {
        QFETCH(QStringList, args);
        const CliRun r = CliRun::run(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(!r.err.isEmpty());
    }

    void helpAndVersion() {
        CliRun r = CliRun::run({"--help"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.join('\n').contains(QStringLiteral("calc-correction")));
        QVERIFY(r.out.join('\n').contains(QStringLiteral("--lang LANG")));
        r = CliRun::run({"--version"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringList{"zetra-cli 1.16"});
    }

    void portsEndWithThePipeEntry() {
        const CliRun r = CliRun::run({"ports"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(!r.out.isEmpty());
        QCOMPARE(r.out.last(), QStringLiteral("КВЗ-клиент"));
    }

    // The status line keeps its words; the system's reason is one line on standard error, or
    // the "reason" key of the JSON object.
    void portThatCannotBeOpened_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("status");
        QTest::newRow("port") << QStringList{"info", "--port", "/dev/zetra-no-such-port"}
                              << "Не удаётся открыть порт /dev/zetra-no-such-port ";
        QTest::newRow("pipe") << QStringList{"--pipe", "/nonexistent/zetra-pipe", "info"}
                              << "Не удаётся открыть порт ";
    }
    void portThatCannotBeOpened() {
        QFETCH(QStringList, args);
        QFETCH(QString, status);
        const CliRun r = CliRun::run(args);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QStringList{status});
        QVERIFY2(r.err.startsWith("Причина: ") && r.err.endsWith('\n') && r.err.count('\n') == 1,
                 qPrintable(r.err));
        const CliRun json = CliRun::run(QStringList{"--json"} + args);
        QCOMPARE(json.exitCode, 1);
        QCOMPARE(json.err, QString());
        const QJsonObject o = QJsonDocument::fromJson(json.out.join('\n').toUtf8()).object();
        QCOMPARE(o.value("status").toString(), status);
        QCOMPARE("Причина: " + o.value("reason").toString() + "\n", r.err);
    }

    // The program's own texts in the language asked for: the last line of standard output,
    // the whole of standard error. Without --lang (or with --lang ru) the texts are Russian.
    void language_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("lastLine");
        QTest::addColumn<QString>("err");
        const QStringList noPort{"info", "--port", "/dev/zetra-no-such-port"};
        // The reason behind the status is the system's own words.
        const QString noFile = QStringLiteral("No such file or directory\n");
        QTest::newRow("default") << noPort << 1
                                 << "Не удаётся открыть порт /dev/zetra-no-such-port "
                                 << "Причина: " + noFile;
        QTest::newRow("ru") << QStringList{"--lang", "ru"} + noPort << 1
                            << "Не удаётся открыть порт /dev/zetra-no-such-port "
                            << "Причина: " + noFile;
        QTest::newRow("en") << QStringList{"--lang", "en"} + noPort << 1
                            << "Cannot open port /dev/zetra-no-such-port "
                            << "Reason: " + noFile;
        QTest::newRow("en after the command")
            << noPort + QStringList{"--lang=en"} << 1 << "Cannot open port /dev/zetra-no-such-port "
            << "Reason: " + noFile;
        QTest::newRow("en, pipe") << QStringList{"--lang", "en", "--pipe",
                                                 "/nonexistent/zetra-pipe", "info"}
                                  << 1 << "Cannot open port "
                                  << "Reason: Invalid name\n";
        QTest::newRow("en, port list") << QStringList{"--lang", "en", "ports"} << 0 << "KVZ-client"
                                       << "";
        QTest::newRow("en, calculator")
            << QStringList{"--lang", "en",  "--locale", "en_US", "calc-channel", "--t-down", "100",
                           "--t-up", "100", "--temp",   "20"}
            << 0 << "Transducer spacing, mm: 148.2"
            << "";
        QTest::newRow("en, calculator error")
            << QStringList{"--lang",     "en",  "--locale",   "en_US", "calc-pulse",
                           "--diameter", "abc", "--velocity", "3"}
            << 1 << ""
            << "ZETRA: 'abc' is not a valid floating point value\n";
        QTest::newRow("settings file refused")
            << QStringList{"settings-write", "/nonexistent/zetra.dat", "--pipe",
                           "/nonexistent/zetra-pipe"}
            << 1 << "Присоедините прибор и нажмите <Обновить>"
            << "Ошибка: Не удаётся прочитать файл настроек\n/nonexistent/zetra.dat\n";
        QTest::newRow("en, settings file refused")
            << QStringList{"--lang",         "en",
                           "settings-write", "/nonexistent/zetra.dat",
                           "--pipe",         "/nonexistent/zetra-pipe"}
            << 1 << "Connect the meter and press <Refresh>"
            << "Error: Cannot read the settings file\n/nonexistent/zetra.dat\n";
    }
    void language() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, lastLine);
        QFETCH(QString, err);
        const CliRun r = CliRun::run(args);
        QCOMPARE(r.err, err);
        QCOMPARE(r.out.isEmpty() ? QString() : r.out.last(), lastLine);
        QCOMPARE(r.exitCode, exitCode);
    }

    void unknownLanguageIsAUsageError() {
        const CliRun r = CliRun::run({"--lang", "de", "ports"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains(QStringLiteral("неизвестный язык de")));
    }

    void calculators_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("correction, version byte 6")
            << QStringList{"--locale",
                           "ru_RU",
                           "calc-correction",
                           "--diameter",
                           "100",
                           "--angle",
                           "45",
                           "--roughness",
                           "0,10",
                           "--visc-min",
                           "0,3653",
                           "--visc-max",
                           "1,3080",
                           "--velocity",
                           "3",
                           "--firmware",
                           "6"}
            << QStringList{"Вязкость мин. 1Е-6: 0,3653",
                           "Вязкость макс. 1Е-6: 1,3080",
                           "Скорость макс., м/с: 3",
                           "Расход макс., м3/ч: 84,823",
                           "Коэффициент коррекции: 0,9387",
                           "Поправочный коэффициент A: 0,9990",
                           "Поправочный коэффициент B: 0,9973",
                           "Поправочный коэффициент C: 0,9923"};
        QTest::newRow("correction from temperatures")
            << QStringList{"calc-correction",
                           "--diameter",
                           "100",
                           "--angle",
                           "45",
                           "--roughness",
                           "0.10",
                           "--tmax",
                           "80",
                           "--tmin",
                           "10",
                           "--flow",
                           "84.823",
                           "--locale",
                           "en_US"}
            << QStringList{
                   "Вязкость мин. 1Е-6: 0.3653",        "Вязкость макс. 1Е-6: 1.3080",
                   "Скорость макс., м/с: 3.000",        "Расход макс., м3/ч: 84.823",
                   "Коэффициент коррекции: 0.9387",     "Поправочный коэффициент A: 0.9923",
                   "Поправочный коэффициент B: 0.9973", "Поправочный коэффициент C: 0.9990"};
        QTest::newRow("channel") << QStringList{"--locale", "ru_RU",  "calc-channel",
                                                "--t-down", "100",    "--t-up",
                                                "100",      "--temp", "20"}
                                 << QStringList{"Расстояние между ПЭП, мм: 148,2"};
        QTest::newRow("pulse by flow")
            << QStringList{"--locale", "ru_RU", "calc-pulse", "--diameter", "100",
                           "--flow",   "3,6",   "--rate",     "1"}
            << QStringList{"Скорость макс., м/с: 0,127", "Расход макс., м3/ч: 3,6",
                           "Минимальный допустимый вес импульса, литров/импульс: 1,000"};
    }
    void calculators() {
        QFETCH(QStringList, args);
        QFETCH(QStringList, lines);
        const CliRun r = CliRun::run(args);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out, lines);
        QCOMPARE(r.exitCode, 0);
    }

    void calculatorErrorsGoToStandardError() {
        CliRun r = CliRun::run(
            {"--locale", "ru_RU", "calc-pulse", "--diameter", "abc", "--velocity", "3"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err, QStringLiteral("ЗЕТРА: 'abc' is not a valid floating point value\n"));
        r = CliRun::run({"--locale", "ru_RU", "calc-correction", "--diameter", "100", "--angle",
                         "45", "--roughness", "0", "--tmax", "x", "--velocity", "3"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QStringLiteral("ЗЕТРА: 'x' is not a valid integer value\n"));
    }

    void firmwareInfo() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("image.zet"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(7676, '\0') + QByteArray::fromHex("01100532"));
        f.close();
        CliRun r = CliRun::run({"firmware-info", path});
        QCOMPARE(r.out, QStringList({"Версия прошивки: 1.16", "Дата создания: 05.03.2009г."}));
        QCOMPARE(r.exitCode, 0);

        QVERIFY(f.open(QIODevice::Append));
        f.write("x");
        f.close();
        r = CliRun::run({"firmware-info", path});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.startsWith(
            QStringLiteral("Ошибка: Файл прошивки должен содержать 7680 байт,\n")));
    }
};

QTEST_GUILESS_MAIN(CliOfflineTest)
#include "test_cli_offline.moc"
