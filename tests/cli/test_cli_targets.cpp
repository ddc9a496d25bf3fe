// zetra-cli's --save and --log targets: a FIFO, a device or a link to one is written into or
// refused, never replaced; a log that cannot be opened or written fails the run, says so, and
// never holds it up.
#include "tests/cli/CliRun.h"
#include "tests/cli/SimProcess.h"

#include <QElapsedTimer>
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
        QElapsedTimer clock;
        clock.start();
        const CliRun r =
            CliRun::run({"--json", "--pipe", sim->pipe(), "--log", path, "info"}, 20000);
        QVERIFY2(clock.elapsed() < 10000, "the log held the run up");
        QVERIFY(!r.out.isEmpty());
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
};

QTEST_GUILESS_MAIN(CliTargets)
#include "test_cli_targets.moc"
