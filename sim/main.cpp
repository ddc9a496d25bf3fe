// zetra-sim: a simulated meter on a pseudo-terminal and a Unix-domain socket.

#include "sim/Sim.h"

#include "device/DeviceDates.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <mutex>

namespace {

const char kUsage[] =
    "Usage: zetra-sim [options]\n"
    "A simulated ZETRA meter. Serves a pseudo-terminal (for a serial link) and a Unix-domain\n"
    "socket (for the pipe link), prints 'pty PATH', 'pipe PATH' and 'ready' on stdout, and\n"
    "runs until SIGINT or SIGTERM.\n"
    "\n"
    "Options:\n"
    "  --pipe NAME            socket name (default kwz_pipe); a bare name lives in the\n"
    "                         temporary folder ($TMPDIR or /tmp), an absolute path as it is\n"
    "  --no-pipe              do not serve the socket\n"
    "  --no-pty               do not serve the pseudo-terminal\n"
    "  --delay MS             answer every request MS milliseconds after it came in\n"
    "  --line-timing          behave like a 9600-baud line: 1.0417 ms per byte both ways\n"
    "  --fault SPEC           inject a fault (repeatable; syntax below)\n"
    "  --identity N           compatibility byte 1271 (0 = a meter the program serves)\n"
    "  --date YYYY-MM-DD      the meter's date (default: today); the clock does not run\n"
    "  --time HH:MM           the meter's time (default: now)\n"
    "  --firmware-version N   firmware version number at 1261 (default 6)\n"
    "  --serial N             serial number at 1267 (default 12345)\n"
    "  --seed N               seed of the built-in archive and totals (default 1)\n"
    "  --set SPACE:ADDR=HEX   lay bytes over the built-in contents; SPACE is mem, settings,\n"
    "                         archive or program, ADDR decimal or 0x hex, e.g. --set mem:24=00\n"
    "  --log FILE             append one line per request taken in ('> 18 24 F7 62'), per\n"
    "                         answer sent ('< 64 00 00 00') and per programming event ('# ...')\n"
    "  --dump FILE            on exit write a JSON object: \"frameCount\" (requests taken in),\n"
    "                         \"programmingSessions\", \"programmingFinished\" (F9 received),\n"
    "                         \"discardedBytes\", and the memories as lower-case hex strings:\n"
    "                         \"memory\" (4096 bytes), \"settings\" (256), \"archive\" (65536),\n"
    "                         \"program\" (7680)\n"
    "  --help                 show this text\n"
    "  --version              show the version\n"
    "\n"
    "The meter answers the six transactions (18 24 3C 42 5A 66) and enters programming mode\n"
    "on 7E FF FF AF: FB is answered AA, FD starts the image, each of the 120 blocks of 64\n"
    "bytes is answered 120 - k, then the program memory (now the image) is sent back unasked;\n"
    "F9 finishes, and 1263..1264 then hold the image's date. Frames with a wrong CRC or an\n"
    "unknown command are not answered; an unfinished frame is forgotten after 200 ms.\n"
    "\n";

int usageError(const QString& text) {
    std::fprintf(stderr, "zetra-sim: %s\nTry 'zetra-sim --help'.\n", qPrintable(text));
    return 2;
}

bool parseInt(const QString& text, int min, int max, int* out) {
    bool ok = false;
    const int v = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                      ? text.mid(2).toInt(&ok, 16)
                      : text.toInt(&ok, 10);
    if (!ok || v < min || v > max)
        return false;
    *out = v;
    return true;
}

bool parseSet(const QString& text, sim::Contents::Override* out) {
    const int colon = text.indexOf(QLatin1Char(':'));
    const int eq = text.indexOf(QLatin1Char('='));
    if (colon < 0 || eq < colon)
        return false;
    const QString space = text.left(colon);
    if (space == QLatin1String("mem") || space == QLatin1String("memory"))
        out->space = sim::Space::Memory;
    else if (space == QLatin1String("settings"))
        out->space = sim::Space::Settings;
    else if (space == QLatin1String("archive"))
        out->space = sim::Space::Archive;
    else if (space == QLatin1String("program"))
        out->space = sim::Space::Program;
    else
        return false;
    if (!parseInt(text.mid(colon + 1, eq - colon - 1), 0, sim::spaceSize(out->space) - 1,
                  &out->address))
        return false;
    QString hex = text.mid(eq + 1);
    hex.remove(QLatin1Char(' '));
    if (hex.isEmpty() || hex.size() % 2 != 0)
        return false;
    for (QChar c : hex)
        if (!c.isDigit() && !QStringLiteral("abcdefABCDEF").contains(c))
            return false;
    out->bytes = QByteArray::fromHex(hex.toLatin1());
    return out->address + out->bytes.size() <= sim::spaceSize(out->space);
}

QString abbreviated(const QByteArray& bytes) {
    if (bytes.size() <= 32)
        return sim::hexBytes(bytes);
    return sim::hexBytes(bytes.left(16)) + QStringLiteral(" ... (%1 bytes)").arg(bytes.size());
}

bool writeDump(const QString& path, sim::Server& server) {
    QJsonObject o;
    server.withMeter([&o](sim::Meter& m) {
        o[QStringLiteral("frameCount")] = m.frameCount();
        o[QStringLiteral("programmingSessions")] = m.programmingSessions();
        o[QStringLiteral("programmingFinished")] = m.finishedProgrammings();
        o[QStringLiteral("discardedBytes")] = m.discardedBytes();
        o[QStringLiteral("memory")] = QString::fromLatin1(m.bytes(sim::Space::Memory).toHex());
        o[QStringLiteral("settings")] = QString::fromLatin1(m.bytes(sim::Space::Settings).toHex());
        o[QStringLiteral("archive")] = QString::fromLatin1(m.bytes(sim::Space::Archive).toHex());
        o[QStringLiteral("program")] = QString::fromLatin1(m.bytes(sim::Space::Program).toHex());
    });
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(QJsonDocument(o).toJson()) > 0 && f.flush();
}

} // namespace

int main(int argc, char** argv) {
    sim::Options options;
    options.pipeName = QStringLiteral("kwz_pipe");
    QString logPath, dumpPath;

    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    for (int i = 0; i < args.size(); ++i) {
        QString opt = args[i];
        QString value;
        bool hasValue = false;
        const int eq = opt.indexOf(QLatin1Char('='));
        if (opt.startsWith(QLatin1String("--")) && eq > 0) {
            value = opt.mid(eq + 1);
            opt = opt.left(eq);
            hasValue = true;
        }
        auto takeValue = [&]() -> bool {
            if (hasValue)
                return true;
            if (i + 1 >= args.size())
                return false;
            value = args[++i];
            return true;
        };
        static const QStringList flags = {QStringLiteral("--help"), QStringLiteral("--version"),
                                          QStringLiteral("--no-pipe"), QStringLiteral("--no-pty"),
                                          QStringLiteral("--line-timing")};
        static const QStringList valued = {QStringLiteral("--pipe"),
                                           QStringLiteral("--delay"),
                                           QStringLiteral("--fault"),
                                           QStringLiteral("--identity"),
                                           QStringLiteral("--date"),
                                           QStringLiteral("--time"),
                                           QStringLiteral("--firmware-version"),
                                           QStringLiteral("--serial"),
                                           QStringLiteral("--seed"),
                                           QStringLiteral("--set"),
                                           QStringLiteral("--log"),
                                           QStringLiteral("--dump")};
        if (!flags.contains(opt) && !valued.contains(opt))
            return usageError(QStringLiteral("unknown option '%1'").arg(args[i]));
        if (flags.contains(opt)) {
            if (hasValue)
                return usageError(QStringLiteral("%1 takes no value").arg(opt));
        } else if (!takeValue()) {
            return usageError(QStringLiteral("%1 needs a value").arg(opt));
        }

        int n = 0;
        if (opt == QLatin1String("--help")) {
            std::fputs(kUsage, stdout);
            std::fputs(qPrintable(sim::faultSyntaxHelp()), stdout);
            return 0;
        } else if (opt == QLatin1String("--version")) {
            std::printf("zetra-sim %s\n", ZETRA_VERSION);
            return 0;
        } else if (opt == QLatin1String("--pipe")) {
            if (value.isEmpty())
                return usageError(QStringLiteral("--pipe needs a name"));
            options.pipeName = value;
            options.servePipe = true;
        } else if (opt == QLatin1String("--no-pipe")) {
            options.servePipe = false;
        } else if (opt == QLatin1String("--no-pty")) {
            options.servePty = false;
        } else if (opt == QLatin1String("--delay")) {
            if (!parseInt(value, 0, 3600000, &n))
                return usageError(QStringLiteral("bad delay '%1'").arg(value));
            options.answerDelayMs = n;
        } else if (opt == QLatin1String("--line-timing")) {
            options.lineTiming = true;
        } else if (opt == QLatin1String("--fault")) {
            QString error;
            const auto fault = sim::parseFault(value, &error);
            if (!fault)
                return usageError(QStringLiteral("bad fault '%1': %2").arg(value, error));
            options.faults.push_back(*fault);
        } else if (opt == QLatin1String("--identity")) {
            if (!parseInt(value, 0, 255, &n))
                return usageError(QStringLiteral("bad identity '%1'").arg(value));
            options.contents.identity = quint8(n);
        } else if (opt == QLatin1String("--date")) {
            const QDate d = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
            const int day =
                d.isValid() ? device::deviceDayFromDayNumber(device::dayNumberFromDate(d)) : -1;
            if (day < 0 || day > 0xFFFF)
                return usageError(QStringLiteral("bad date '%1' (2000-01-01 or later)").arg(value));
            options.contents.date = d;
        } else if (opt == QLatin1String("--time")) {
            const QStringList hm = value.split(QLatin1Char(':'));
            int h = 0, m = 0;
            if (hm.size() != 2 || !parseInt(hm[0], 0, 23, &h) || !parseInt(hm[1], 0, 59, &m))
                return usageError(QStringLiteral("bad time '%1'").arg(value));
            options.contents.hour = h;
            options.contents.minute = m;
        } else if (opt == QLatin1String("--firmware-version")) {
            if (!parseInt(value, 0, 0xFFFF, &n))
                return usageError(QStringLiteral("bad firmware version '%1'").arg(value));
            options.contents.firmwareVersion = quint16(n);
        } else if (opt == QLatin1String("--serial")) {
            if (!parseInt(value, 0, 0xFFFF, &n))
                return usageError(QStringLiteral("bad serial number '%1'").arg(value));
            options.contents.serialNumber = quint16(n);
        } else if (opt == QLatin1String("--seed")) {
            bool ok = false;
            options.contents.seed = value.toULongLong(&ok);
            if (!ok)
                return usageError(QStringLiteral("bad seed '%1'").arg(value));
        } else if (opt == QLatin1String("--set")) {
            sim::Contents::Override o;
            if (!parseSet(value, &o))
                return usageError(
                    QStringLiteral("bad --set '%1' (SPACE:ADDR=HEXBYTES)").arg(value));
            options.contents.overrides.push_back(o);
        } else if (opt == QLatin1String("--log")) {
            logPath = value;
        } else if (opt == QLatin1String("--dump")) {
            dumpPath = value;
        } else {
            return usageError(QStringLiteral("unknown option '%1'").arg(args[i]));
        }
    }
    if (!options.servePty && !options.servePipe)
        return usageError(QStringLiteral("--no-pty and --no-pipe leave nothing to serve"));

    // The signals are taken by sigwait below; every thread started from here inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    FILE* log = nullptr;
    if (!logPath.isEmpty()) {
        log = std::fopen(QFile::encodeName(logPath).constData(), "a");
        if (!log) {
            std::fprintf(stderr, "zetra-sim: cannot open log file %s\n", qPrintable(logPath));
            return 1;
        }
    }

    sim::Server server(options);
    if (log) {
        server.setTrafficHook([log](sim::Port port, sim::Traffic t, const QByteArray& bytes) {
            const char* where = port == sim::Port::Pty ? "pty" : "pipe";
            QString line;
            switch (t) {
            case sim::Traffic::Frame:
                line = QStringLiteral("> ") + sim::hexBytes(bytes);
                break;
            case sim::Traffic::Answer:
                line = QStringLiteral("< ") + abbreviated(bytes);
                break;
            case sim::Traffic::Dropped:
                line = QStringLiteral("# %1: dropped unsent %2")
                           .arg(QLatin1String(where), abbreviated(bytes));
                break;
            case sim::Traffic::Program:
                line =
                    QStringLiteral("# %1: %2").arg(QLatin1String(where), QString::fromUtf8(bytes));
                break;
            case sim::Traffic::Connected:
                line = QStringLiteral("# pipe client connected");
                break;
            case sim::Traffic::Disconnected:
                line = QStringLiteral("# pipe client gone");
                break;
            }
            std::fprintf(log, "%s\n", qPrintable(line));
            std::fflush(log);
        });
    }
    if (!server.start()) {
        std::fprintf(stderr, "zetra-sim: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    if (options.servePty)
        std::printf("pty %s\n", qPrintable(server.ptyPath()));
    if (options.servePipe)
        std::printf("pipe %s\n", qPrintable(server.pipePath()));
    std::printf("ready\n");
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    server.stop();

    int rc = 0;
    if (!dumpPath.isEmpty() && !writeDump(dumpPath, server)) {
        std::fprintf(stderr, "zetra-sim: cannot write dump file %s\n", qPrintable(dumpPath));
        rc = 1;
    }
    if (log)
        std::fclose(log);
    return rc;
}
