// The zetra-sim program as a separate process: its start lines, its options, its log and its
// dump at the end.

#include "link/PipeLink.h"
#include "link/Protocol.h"
#include "link/SerialLink.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString kProgram = QStringLiteral(ZETRA_BIN_DIR "/zetra-sim");

struct Started {
    QString pty;
    QString pipe;
    bool ready = false;
};

Started waitForReady(QProcess& process) {
    Started s;
    QElapsedTimer clock;
    clock.start();
    while (!s.ready && clock.elapsed() < 10000) {
        if (!process.canReadLine() && !process.waitForReadyRead(200))
            continue;
        while (process.canReadLine()) {
            const QString line = QString::fromLocal8Bit(process.readLine()).trimmed();
            if (line.startsWith("pty "))
                s.pty = line.mid(4);
            else if (line.startsWith("pipe "))
                s.pipe = line.mid(5);
            else if (line == "ready")
                s.ready = true;
        }
    }
    return s;
}

// Leaves a socket file behind that nobody serves, as a crashed server would.
void leaveStaleSocket(const QString& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray p = QFile::encodeName(path);
    std::memcpy(addr.sun_path, p.constData(), std::size_t(p.size()));
    QCOMPARE(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    close(fd);
}

} // namespace

class SimProgram : public QObject {
    Q_OBJECT

private slots:
    void servesBothPortsThenDumps() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString name = QStringLiteral("zetra-sim-test-%1").arg(getpid());
        const QString socketPath = QDir::tempPath() + "/" + name;
        leaveStaleSocket(socketPath);
        QVERIFY(QFile::exists(socketPath));

        QProcess sim;
        sim.start(kProgram, {"--pipe", name, "--date", "2015-03-15", "--time", "10:30",
                             "--firmware-version", "5", "--set", "mem:24=00", "--fault", "drop@3",
                             "--log", dir.filePath("log"), "--dump", dir.filePath("dump.json")});
        QVERIFY(sim.waitForStarted());
        const Started s = waitForReady(sim);
        QVERIFY(s.ready);
        QVERIFY(s.pty.startsWith("/dev/"));
        QCOMPARE(s.pipe, socketPath);

        {
            auto serial = line::SerialLink::open(s.pty, line::kConnectionTimeouts);
            QVERIFY(serial);
            line::Protocol p;
            p.setLink(serial.get());
            QVERIFY(p.ReadMemory(1271, 2)); // request 1
            QCOMPARE(int(p.at(1)), 0);
            QVERIFY(p.ReadMemory(24, 1)); // request 2
            QCOMPARE(int(p.at(1)), 0x00);
            QVERIFY(p.ReadMemory(1261, 2)); // request 3 is lost, 4 answers
            QCOMPARE(int(p.dataLE(1, 2)), 5);
            const quint8 volume[6] = {9, 8, 7, 6, 5, 4};
            p.putData(volume, 6);
            QVERIFY(p.WriteMemory(1224, 6)); // request 5
        }
        {
            auto pipe = line::PipeLink::open(name);
            QVERIFY(pipe);
            line::Protocol p;
            p.setLink(pipe.get());
            QVERIFY(p.ReadMemory(1238, 2)); // request 6
            QCOMPARE(int(p.dataLE(1, 2)), 5552);
        }

        sim.terminate(); // SIGTERM
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.exitCode(), 0);
        QVERIFY(!QFile::exists(socketPath));

        QFile dumpFile(dir.filePath("dump.json"));
        QVERIFY(dumpFile.open(QIODevice::ReadOnly));
        const QJsonObject dump = QJsonDocument::fromJson(dumpFile.readAll()).object();
        QCOMPARE(dump["frameCount"].toInt(), 6);
        const QByteArray memory = QByteArray::fromHex(dump["memory"].toString().toLatin1());
        QCOMPARE(memory.size(), 4096);
        QCOMPARE(memory.mid(1224, 6), QByteArray::fromHex("090807060504"));
        QCOMPARE(int(memory[24]), 0);
        QCOMPARE(QByteArray::fromHex(dump["settings"].toString().toLatin1()).size(), 256);
        QCOMPARE(QByteArray::fromHex(dump["archive"].toString().toLatin1()).size(), 65536);
        QCOMPARE(QByteArray::fromHex(dump["program"].toString().toLatin1()).size(), 7680);

        QFile logFile(dir.filePath("log"));
        QVERIFY(logFile.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLatin1(logFile.readAll()).split('\n');
        QVERIFY(lines.contains("> 18 24 F7 62"));
        QVERIFY(lines.contains("< 64 00 00 00"));
        QCOMPARE(lines.filter(QRegularExpression("^> ")).size(), 6);
        QCOMPARE(lines.filter(QRegularExpression("^< ")).size(), 5); // the lost one unanswered
    }

    void identityAndPtyOnly() {
        QProcess sim;
        sim.start(kProgram, {"--no-pipe", "--identity", "1"});
        QVERIFY(sim.waitForStarted());
        const Started s = waitForReady(sim);
        QVERIFY(s.ready);
        QVERIFY(s.pipe.isEmpty());
        auto serial = line::SerialLink::open(s.pty, line::kConnectionTimeouts);
        QVERIFY(serial);
        line::Protocol p;
        p.setLink(serial.get());
        QVERIFY(p.ReadMemory(1271, 2));
        QCOMPARE(int(p.at(1)), 1);
        sim.kill();
        sim.waitForFinished();
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "badcrc@cmd=5A,addr=4000";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << "unknown option";
        QTest::newRow("bad fault") << QStringList{"--fault", "explode"} << 2 << "unknown fault";
        QTest::newRow("date before 2000") << QStringList{"--date", "1999-12-31"} << 2 << "bad date";
        QTest::newRow("time") << QStringList{"--time", "24:00"} << 2 << "bad time";
        QTest::newRow("set beyond the space")
            << QStringList{"--set", "settings:255=0102"} << 2 << "bad --set";
        QTest::newRow("set with odd hex") << QStringList{"--set=mem:24=0"} << 2 << "bad --set";
        QTest::newRow("nothing to serve") << QStringList{"--no-pty", "--no-pipe"} << 2 << "nothing";
        QTest::newRow("missing value") << QStringList{"--delay"} << 2 << "needs a value";
    }
    void commandLine() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess sim;
        sim.start(kProgram, args);
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitCode(), exitCode);
        const QString text =
            QString::fromLocal8Bit(sim.readAllStandardOutput() + sim.readAllStandardError());
        QVERIFY2(text.contains(output), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(SimProgram)
#include "test_sim_program.moc"
