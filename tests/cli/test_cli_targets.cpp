// zetra-cli's --save and --log targets: a FIFO, a device or a link to one is written into or
// refused, never replaced; a log that cannot be opened or written fails the run, says so, and
// never holds it up. A save that fails is its own outcome: the readout is still printed, the
// status line names the file, exit 1.
#include "tests/cli/CliRun.h"
#include "tests/cli/SimProcess.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class CliTargets : public QObject {
    Q_OBJECT

    std::unique_ptr<SimProcess> sim;

    // A FIFO in `dir` named `name`; its read end, open, when `reader`.
    static int fifo(const QTemporaryDir& dir, const QString& name, bool reader) {
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        if (::mkfifo(path.constData(), 0600) != 0)
            return -2;
        return reader ? ::open(path.constData(), O_RDONLY | O_NONBLOCK) : -1;
    }

private slots:
    void initTestCase() {
        sim = std::make_unique<SimProcess>(QStringList{"--date", "2015-03-15", "--time", "10:00"});
        QVERIFY(sim->ready());
    }

    // `target`: what --log names (files made in a folder of the row's own).
    void logTargets_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("works");
        QTest::newRow("a new file") << "new.log" << true;
        QTest::newRow("a full device") << "/dev/full" << false;
        QTest::newRow("a FIFO nobody reads") << "lonely" << false;
        QTest::newRow("a link to a FIFO nobody reads") << "link>lonely" << false;
        QTest::newRow("a folder") << "/" << false;
    }
    void logTargets() {
        QFETCH(QString, target);
        QFETCH(bool, works);
        QTemporaryDir dir;
        QString path = target.startsWith(QLatin1Char('/')) ? target : dir.filePath(target);
        if (target.endsWith(QLatin1String("lonely")))
            QCOMPARE(fifo(dir, QStringLiteral("lonely"), false), -1);
        if (target.startsWith(QLatin1String("link>"))) {
            path = dir.filePath(QStringLiteral("link"));
            QVERIFY(QFile::link(dir.filePath(target.mid(5)), path));
        }
        // A log that cannot be written (a FIFO with no reader would block its opening for
        // ever) must not hold the run up: it ends on its own, with its output.
        const CliRun r = CliRun::run({"--json", "--pipe", sim->pipe(), "--log", path, "info"});
        QVERIFY2(!r.out.isEmpty(), "the log held the run up");
        const QJsonObject o = QJsonDocument::fromJson(r.out.last().toUtf8()).object();
        QCOMPARE(o.value(QStringLiteral("command")).toString(), QStringLiteral("info"));
        QCOMPARE(r.exitCode == 0, works);
        QCOMPARE(o.contains(QStringLiteral("log_error")), !works);
        QCOMPARE(r.err.contains(path), !works);
        QVERIFY2(!r.err.contains(QLatin1String("QIODevice")), qPrintable(r.err));
        if (works)
            QVERIFY(QFileInfo(path).size() > 0);
        if (target.endsWith(QLatin1String("lonely")))
            QVERIFY(QFileInfo(dir.filePath(QStringLiteral("lonely"))).isFile() == false);
    }

    // --save through a symbolic link: the FIFO or device it points to stays what it is.
    void saveThroughALink_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("saved");
        QTest::newRow("a FIFO with a reader") << "fifo" << true;
        QTest::newRow("a FIFO nobody reads") << "lonely" << false;
        QTest::newRow("the null device") << "/dev/null" << true;
        QTest::newRow("a regular file") << "file.csv" << true;
    }
    void saveThroughALink() {
        QFETCH(QString, target);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString pointed = target.startsWith(QLatin1Char('/')) ? target : dir.filePath(target);
        int reader = -1;
        if (target == QLatin1String("fifo") || target == QLatin1String("lonely"))
            reader = fifo(dir, target, target == QLatin1String("fifo"));
        const QString link = dir.filePath(QStringLiteral("link.csv"));
        QVERIFY(QFile::link(pointed, link));
        const CliRun r = CliRun::run(
            {"--json", "--pipe", sim->pipe(), "daily", "10.03.2015", "15.03.2015", "--save", link},
            30000);
        QCOMPARE(r.exitCode == 0, saved);
        QVERIFY(!r.out.isEmpty());
        QCOMPARE(QJsonDocument::fromJson(r.out.last().toUtf8()).object().value("outcome"),
                 QJsonValue(saved ? "ok" : "save_failed"));
        if (reader >= 0) {
            char got[64] = {};
            QVERIFY(::read(reader, got, sizeof got) > 10);
            ::close(reader);
        }
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(pointed).isFile(), target == QLatin1String("file.csv"));
        if (target == QLatin1String("file.csv"))
            QVERIFY(QFileInfo(pointed).size() > 10);
    }

    // Every command that saves, into a target that cannot be written.
    void failedSave_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target"); // {dir}: the row's folder
        const char* commands[] = {"daily 10.03.2015 15.03.2015 --save {target}.csv",
                                  "minute 15.03.2015 15.03.2015 --save {target}.txt",
                                  "settings-read --save {target}.dat",
                                  "history 12345 --save {target}.json"};
        const char* targets[][2] = {{"missing folder", "{dir}/no/such/x"},
                                    {"a folder", "{dir}/taken"},
                                    {"a name too long", "{dir}/{long}"}};
        for (const char* command : commands)
            for (const auto& target : targets)
                QTest::addRow("%s, %s", QByteArray(command).split(' ').first().constData(),
                              target[0])
                    << QString::fromUtf8(command) << QString::fromUtf8(target[1]);
    }
    void failedSave() {
        QFETCH(QString, command);
        QFETCH(QString, target);
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("store.sqlite"));
        for (const char* ext : {"csv", "txt", "dat", "json"})
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("taken.") + QLatin1String(ext)));
        if (command.startsWith(QLatin1String("history")))
            QCOMPARE(CliRun::run({"--pipe", sim->pipe(), "--store", store, "daily", "10.03.2015",
                                  "15.03.2015"},
                                 30000)
                         .exitCode,
                     0);
        QString line = command;
        line.replace(QLatin1String("{target}"), target)
            .replace(QLatin1String("{dir}"), dir.path())
            .replace(QLatin1String("{long}"), QString(300, QLatin1Char('x')));
        const QStringList args =
            QStringList{"--pipe", sim->pipe(), "--store", store} + line.split(QLatin1Char(' '));
        const CliRun text = CliRun::run(args, 30000);
        QCOMPARE(text.exitCode, 1);
        QVERIFY2(text.out.size() > 1, "the readout is printed before the status");
        QVERIFY2(text.out.last().startsWith(QStringLiteral("Файл не сохранён: ")),
                 qPrintable(text.out.last()));
        QVERIFY(text.out.last().endsWith(QLatin1Char(')'))); // and why
        const CliRun json = CliRun::run(QStringList{"--json"} + args, 30000);
        QCOMPARE(json.exitCode, 1);
        const QJsonObject o = QJsonDocument::fromJson(json.out.value(0).toUtf8()).object();
        QCOMPARE(o.value("outcome").toString(), QStringLiteral("save_failed"));
        QCOMPARE(o.value("status").toString(), text.out.last());
        QVERIFY(!o.value("reason").toString().isEmpty());
        QVERIFY(!o.contains("saved"));
    }
};

QTEST_GUILESS_MAIN(CliTargets)
#include "test_cli_targets.moc"
