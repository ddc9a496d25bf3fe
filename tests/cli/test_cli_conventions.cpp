// What zetra-cli's users expect of a command-line tool: help per command, options anywhere and
// named as options, "--", the environment standing for --port and --pipe, --quiet, --save -,
// a question that could not be asked; and the bash completion made from the same tables.

#include "cli/Commands.h"
#include "tests/cli/CliRun.h"
#include "tests/cli/SimProcess.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

class CliConventionsTest : public QObject {
    Q_OBJECT

    // The meter of the README's examples: its archives hold the days before 16.03.2015.
    SimProcess sim{{"--date", "2015-03-16", "--time", "12:00"}};
    QTemporaryDir dir; // the working folder of each run: it stays empty

    // One completion: the words typed so far (the last one being completed) given to the
    // generated script's function, the words it offers back.
    QStringList complete(const QStringList& words) {
        QProcess bash;
        QStringList quoted;
        for (const QString& w : words)
            quoted << QLatin1Char('\'') + w + QLatin1Char('\'');
        const QString script =
            QStringLiteral(". '%1'; COMP_WORDS=(%2); COMP_CWORD=%3; _zetra_cli; "
                           "printf '%s\\n' \"${COMPREPLY[@]}\"")
                .arg(QStringLiteral(ZETRA_BIN_DIR "/../docs/zetra-cli.bash"), quoted.join(' '))
                .arg(words.size() - 1);
        bash.start(QStringLiteral("bash"), {QStringLiteral("-c"), script});
        if (!bash.waitForFinished(20000))
            return {QStringLiteral("bash did not finish")};
        QStringList offered = QString::fromUtf8(bash.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        offered.sort();
        return offered;
    }

private slots:
    void initTestCase() { QVERIFY(sim.ready()); }

    void conventions_data() {
        // @SIM stands for the simulated meter's pipe, @SLOW for the pipe of a meter of the row's
        // own that answers each request after 200 ms.
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // a text standard output holds; "-": nothing at all
        QTest::addColumn<QString>("err"); // likewise for standard error

        const QString noPort = QStringLiteral("/dev/zetra-no-such-port");
        const QString noPipe = QStringLiteral("/nonexistent/zetra-pipe");
        const QString bothLinks = QStringLiteral("ZETRA_PORT и ZETRA_PIPE исключают друг друга");
        auto row = [](const char* name, QStringList args, QStringList env, int code, QString out,
                      QString err) { QTest::newRow(name) << args << env << code << out << err; };
        // Options named as options, wherever they stand.
        row("unknown option first", {"--bogus", "ports"}, {}, 2, "-",
            "zetra-cli: неизвестный параметр --bogus\n");
        row("unknown option last", {"ports", "--bogus"}, {}, 2, "-",
            "неизвестный параметр --bogus");
        row("unknown short option", {"-x", "info"}, {}, 2, "-", "неизвестный параметр -x");
        row("unknown command", {"bogus"}, {}, 2, "-", "неизвестная команда bogus");
        row("repeated global option", {"--port", "a", "info", "--port=b"}, {}, 2, "-",
            "параметр --port указан дважды");
        row("repeated flag", {"--yes", "ports", "--yes"}, {}, 2, "-",
            "параметр --yes указан дважды");
        row("repeated command option",
            {"daily", "01.03.2015", "02.03.2015", "--save", "a", "--save", "b"}, {}, 2, "-",
            "параметр --save указан дважды");
        row("usage error in English", {"--lang", "en", "info", "--bogus"}, {}, 2, "-",
            "unknown option --bogus");
        // "--" ends the options: "--help" after it is a file name.
        row("-- ends the options", {"firmware-info", "--", "--help"}, {}, 1, "-", "Ошибка: ");
        row("option after --", {"--", "ports", "--bogus"}, {}, 2, "-",
            "неизвестный параметр --bogus");
        // Help: a line per command, and per command its arguments and an example.
        row("help COMMAND", {"help", "daily"}, {}, 0,
            "Пример:\n  zetra-cli --pipe kwz_pipe daily 01.03.2015 15.03.2015 --save march.xls",
            "-");
        row("COMMAND --help", {"settings-diff", "--help"}, {}, 0,
            "zetra-cli [ПАРАМЕТРЫ] settings-diff FILE", "-");
        row("help in English", {"help", "minute", "--lang=en"}, {}, 0, "Example:", "-");
        row("help of no command", {"help", "bogus"}, {}, 2, "-", "неизвестная команда bogus");
        // The environment stands for --port and --pipe; the command line comes first.
        // Standard error says why the port did not open, and nothing else.
        row("ZETRA_PORT", {"info"}, {"ZETRA_PORT=" + noPort}, 1,
            "Не удаётся открыть порт " + noPort + " \n", "Причина: ");
        row("ZETRA_PIPE", {"info"}, {"ZETRA_PIPE=" + noPipe}, 1, "Не удаётся открыть порт \n",
            "Причина: ");
        row("--pipe over ZETRA_PORT", {"--pipe", noPipe, "info"}, {"ZETRA_PORT=" + noPort}, 1,
            "Не удаётся открыть порт \n", "Причина: ");
        row("both in the environment", {"info"}, {"ZETRA_PORT=" + noPort, "ZETRA_PIPE=" + noPipe},
            2, "-", bothLinks);
        row("both on the command line", {"--pipe", noPipe, "info", "--port", noPort}, {}, 2, "-",
            "--port и --pipe исключают друг друга");
        // A question that could not be asked says what answers it.
        row("question without a terminal", {"--pipe", "@SIM", "clear-totals"}, {}, 1, "Ждите...",
            "Ответ «Да» даёт параметр --yes");
        // --quiet leaves standard error to errors.
        // (A readout long enough for the progress line: 43 days, each answered after 200 ms.)
        const QStringList slowReadout{"--pipe", "@SLOW",      "--progress",
                                      "daily",  "01.02.2015", "15.03.2015"};
        row("progress", slowReadout, {}, 0, "Завершено успешно", "/43 ");
        row("quiet", slowReadout + QStringList{"--quiet"}, {}, 0, "Завершено успешно", "-");
        row("quiet keeps errors", {"--quiet", "firmware-info", "/nonexistent/image.zet"}, {}, 1,
            "-", "Ошибка: ");
        // --save -: the file on standard output, the text lines on standard error.
        row("save to standard output",
            {"--pipe", "@SIM", "daily", "15.03.2015", "15.03.2015", "--save", "-", "--format",
             "csv"},
            {}, 0, QStringLiteral("Дата,Объём (м3),Время работы (ч),События\r\n2015-03-15,"),
            "Завершено успешно. Прочитано 1 записей\n");
        // With --json the usage error is the one object on standard output.
        row("save to standard output with --json",
            {"--json", "--pipe", "@SIM", "daily", "15.03.2015", "15.03.2015", "--save", "-"}, {}, 2,
            "\"outcome\":\"usage_error\"", "--json");
    }
    void conventions() {
        QFETCH(QStringList, args);
        QFETCH(QStringList, environment);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        args.replaceInStrings(QStringLiteral("@SIM"), sim.pipe());
        std::optional<SimProcess> slow;
        if (args.contains(QStringLiteral("@SLOW"))) {
            slow.emplace(QStringList{"--no-pty", "--delay", "200", "--date", "2015-03-16"});
            QVERIFY(slow->ready());
            args.replaceInStrings(QStringLiteral("@SLOW"), slow->pipe());
        }
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path()); // where a file named "-" would appear
        const CliRun r = CliRun::run(args, 60000, environment);
        QDir::setCurrent(before);
        const QString stdOut = r.out.isEmpty() ? QString() : r.out.join('\n') + '\n';
        if (out == QLatin1String("-"))
            QCOMPARE(stdOut, QString());
        else
            QVERIFY2(stdOut.contains(out), qPrintable(stdOut));
        if (err == QLatin1String("-"))
            QCOMPARE(r.err, QString());
        else
            QVERIFY2(r.err.contains(err), qPrintable(r.err));
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // --help: one line per command, each beginning with its name.
    void helpListsEveryCommandOnce() {
        const CliRun r = CliRun::run({"--help"});
        QCOMPARE(r.exitCode, 0);
        int count = 0;
        const cli::Command* commands = cli::commandTable(&count);
        for (int i = 0; i < count; ++i) {
            const QString start = QStringLiteral("  %1 ").arg(QLatin1String(commands[i].name));
            QCOMPARE(
                r.out.filter(QRegularExpression('^' + QRegularExpression::escape(start))).size(),
                1);
        }
    }

    void completion_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("command") << QStringList{"zetra-cli", "da"} << QStringList{"daily"};
        QTest::newRow("command after a global option's value")
            << QStringList{"zetra-cli", "--pipe", "kwz_pipe", "mi"} << QStringList{"minute"};
        QTest::newRow("global option") << QStringList{"zetra-cli", "--pi"} << QStringList{"--pipe"};
        QTest::newRow("command option")
            << QStringList{"zetra-cli", "daily", "01.03.2015", "--sa"} << QStringList{"--save"};
        QTest::newRow("another command's option")
            << QStringList{"zetra-cli", "info", "--clear"} << QStringList{};
        QTest::newRow("format") << QStringList{"zetra-cli", "daily", "--format", "xl"}
                                << QStringList{"xls", "xlsx"};
        QTest::newRow("help topic")
            << QStringList{"zetra-cli", "help", "settings-r"} << QStringList{"settings-read"};
        QTest::newRow("a value is not completed")
            << QStringList{"zetra-cli", "calc-pulse", "--diameter", "1"} << QStringList{};
        QTest::newRow("file after --save") << QStringList{"zetra-cli", "daily", "--save", "@DIR/ma"}
                                           << QStringList{"@DIR/march.xls"};
        QTest::newRow("file argument") << QStringList{"zetra-cli", "settings-diff", "@DIR/me"}
                                       << QStringList{"@DIR/meter.dat"};
        QTest::newRow("no file for a date")
            << QStringList{"zetra-cli", "daily", "@DIR/m"} << QStringList{};
    }
    void completion() {
        QFETCH(QStringList, words);
        QFETCH(QStringList, offered);
        QFile(dir.filePath("march.xls")).open(QIODevice::WriteOnly);
        QFile(dir.filePath("meter.dat")).open(QIODevice::WriteOnly);
        words.replaceInStrings(QStringLiteral("@DIR"), dir.path());
        offered.replaceInStrings(QStringLiteral("@DIR"), dir.path());
        QCOMPARE(complete(words), offered);
        QFile::remove(dir.filePath("march.xls"));
        QFile::remove(dir.filePath("meter.dat"));
    }

    // --help and --version of every program print and end without a display: no window
    // system is reached before they are read.
    void helpAndVersionWithoutDisplay_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("zetra --version") << "zetra" << QStringList{"--version"} << "zetra 1.16";
        QTest::newRow("zetra --help") << "zetra" << QStringList{"--help"}
                                      << "Использование: zetra [--pipe NAME] [--lang LANG]";
        QTest::newRow("zetra --help in English") << "zetra" << QStringList{"--lang", "en", "--help"}
                                                 << "Usage: zetra [--pipe NAME] [--lang LANG]";
        QTest::newRow("zetra-sim --version")
            << "zetra-sim" << QStringList{"--version"} << "zetra-sim 1.16";
        QTest::newRow("zetra-cli --version")
            << "zetra-cli" << QStringList{"--version"} << "zetra-cli 1.16";
    }
    void helpAndVersionWithoutDisplay() {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(QString, firstLine);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZETRA_BIN_DIR "/") + program, args);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0),
                 firstLine);
    }

    // After --port: the port list's serial ports, by the first word of their entries.
    void completionOffersThePorts() {
        const CliRun ports = CliRun::run({"ports"});
        QStringList names;
        for (const QString& entry : ports.out.mid(0, ports.out.size() - 1))
            names << entry.section(QLatin1Char(' '), 0, 0);
        names.sort();
        QCOMPARE(complete({QStringLiteral(ZETRA_BIN_DIR "/zetra-cli"), "--port", ""}), names);
    }
};

QTEST_GUILESS_MAIN(CliConventionsTest)
#include "test_cli_conventions.moc"
