// zetra-cli: the meter actions of the window, for terminals and scripts.

#include "cli/Commands.h"
#include "cli/Interrupt.h"
#include "cli/JsonOutput.h"
#include "core/Language.h"
#include "core/Texts.h"
#include "core/ToolkitMessages.h"
#include "link/PortList.h"

#include <QCoreApplication>
#include <QJsonObject>

#include <cstdio>
#include <unistd.h>

namespace {

void printUsage(FILE* stream) {
    QString text = QStringLiteral(
        "Usage: zetra-cli [GLOBAL OPTIONS] COMMAND [ARGUMENTS]\n"
        "\n"
        "Global options (before or after the command):\n"
        "  --port PORT     serial port: a device path (/dev/ttyUSB0) or a port name (ttyUSB0, "
        "COM3)\n"
        "  --pipe NAME     the remote-access client's pipe (kwz_pipe); a bare name lives in the\n"
        "                  temporary folder, an absolute path is used as it is\n"
        "                  (neither: the first entry of the port list)\n"
        "  --yes           answer Yes to every confirmation question\n"
        "  --locale NAME   locale for numbers and dates, e.g. ru_RU or en_US\n"
        "  --trace         write every frame to standard error (> sent, < received)\n"
        "  --lang LANG     the program's own texts: ru (Russian, the default) or en (English)\n"
        "  --json          print one JSON object on standard output instead of the text lines;\n"
        "                  message boxes go into it instead of standard error\n"
        "  --log FILE      append the exchange log to FILE (time, direction, bytes, meaning)\n"
        "  --progress      progress lines on standard error even when it is not a terminal\n"
        "  --help, --version\n"
        "\n"
        "Commands:\n");
    int count = 0;
    const cli::Command* commands = cli::commandTable(&count);
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("  %1 %2\n")
                    .arg(QLatin1String(commands[i].name), QLatin1String(commands[i].synopsis));
    text += QStringLiteral("\nDates are dd.mm.yyyy or yyyy-mm-dd. Exit code 0 on success, 1 when "
                           "the action did not succeed, 2 for a usage error, 3 when settings-diff "
                           "or settings-write --dry-run found differences, 130 when SIGINT or "
                           "SIGTERM cancelled it.\n");
    std::fputs(text.toUtf8().constData(), stream);
}

void logFailed(const QString& path, const QString& reason) {
    std::fprintf(stderr, "zetra-cli: cannot write the log %s: %s\n", path.toUtf8().constData(),
                 reason.toUtf8().constData());
}

int usageError(const QString& message) {
    std::fprintf(stderr, "zetra-cli: %s\nTry 'zetra-cli --help'.\n", message.toUtf8().constData());
    return cli::kExitUsage;
}

QString hexBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

struct GlobalOptions {
    std::optional<QString> port;
    std::optional<QString> pipe;
    std::optional<QString> locale;
    std::optional<QString> lang;
    std::optional<QString> log;
    bool yes = false;
    bool trace = false;
    bool json = false;
    bool progress = false;
    bool help = false;
    bool version = false;
};

// Takes the global options out of the argument list, wherever they stand.
GlobalOptions takeGlobalOptions(QStringList& args) {
    GlobalOptions g;
    cli::CommandArgs scan(args);
    g.port = scan.takeValue(QStringLiteral("--port"));
    g.pipe = scan.takeValue(QStringLiteral("--pipe"));
    g.locale = scan.takeValue(QStringLiteral("--locale"));
    g.lang = scan.takeValue(QStringLiteral("--lang"));
    g.yes = scan.takeFlag(QStringLiteral("--yes"));
    g.trace = scan.takeFlag(QStringLiteral("--trace"));
    g.json = scan.takeFlag(QStringLiteral("--json"));
    g.log = scan.takeValue(QStringLiteral("--log"));
    g.progress = scan.takeFlag(QStringLiteral("--progress"));
    g.help = scan.takeFlag(QStringLiteral("--help")) || scan.takeFlag(QStringLiteral("-h"));
    g.version = scan.takeFlag(QStringLiteral("--version"));
    // What is left keeps its order: the command and its own arguments.
    args = scan.remaining();
    return g;
}

} // namespace

int main(int argc, char* argv[]) {
    core::keepToolkitMessagesToDevelopers();
    QCoreApplication app(argc, argv);
    core::language::russianConventionsWithoutSystemLocale();
    QCoreApplication::setApplicationName(QStringLiteral("zetra-cli"));
    QCoreApplication::setApplicationVersion(core::texts::programVersion());

    QStringList args = QCoreApplication::arguments().mid(1);
    try {
        const GlobalOptions g = takeGlobalOptions(args);
        // The language comes first: every text from here on is looked up in it.
        if (g.lang) {
            const auto lang = core::language::fromName(*g.lang);
            if (!lang)
                return usageError(QStringLiteral("unknown language %1 (known: %2)")
                                      .arg(*g.lang, core::language::knownNames()));
            if (!core::language::use(*lang))
                std::fprintf(stderr, "zetra-cli: the English translation could not be loaded\n");
        }
        if (g.help) {
            printUsage(stdout);
            return cli::kExitOk;
        }
        if (g.version) {
            std::printf("zetra-cli %s\n", qPrintable(core::texts::programVersion()));
            return cli::kExitOk;
        }
        if (g.port && g.pipe)
            return usageError(QStringLiteral("--port and --pipe exclude each other"));
        if (args.isEmpty())
            return usageError(QStringLiteral("no command given"));
        const cli::Command* command = cli::findCommand(args.first());
        if (!command)
            return usageError(QStringLiteral("unknown command %1").arg(args.first()));

        QLocale locale;
        if (g.locale) {
            locale = QLocale(*g.locale);
            if (locale.name() == QLatin1String("C") && *g.locale != QLatin1String("C"))
                return usageError(QStringLiteral("unknown locale %1").arg(*g.locale));
            QLocale::setDefault(locale);
        }

        line::LinkTarget target;
        if (g.pipe) {
            target = line::LinkTarget::pipe(*g.pipe);
        } else if (g.port) {
            // The port as the list would write it: its name and one blank.
            target = line::LinkTarget::serialPort(*g.port + QLatin1Char(' '));
        } else {
            const QStringList entries = line::port_list::present();
            target = line::port_list::targetOfEntry(entries.first(), entries.size() == 1,
                                                    line::opener::defaultPipeName());
        }

        cli::CliContext context(g.yes, target, locale);
        context.json = g.json;
        context.frontend.setKeepMessagesOnly(g.json);
        context.frontend.setStatus(core::texts::initialStatus());
        if (g.trace) {
            context.session.setTraceHook(
                [](line::Protocol::Direction d, const QByteArray& bytes, bool timedOut) {
                    QString line = (d == line::Protocol::Direction::Sent ? QStringLiteral("> ")
                                                                         : QStringLiteral("< ")) +
                                   hexBytes(bytes);
                    if (timedOut)
                        line += QStringLiteral(" (timeout)");
                    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
                });
        }
        if (g.log) {
            if (g.log->isEmpty())
                return usageError(QStringLiteral("--log needs a file name"));
            context.log = std::make_unique<core::ExchangeLog>();
            QString reason;
            if (!context.log->attachFile(*g.log, &reason)) {
                logFailed(*g.log, reason);
                if (g.json) {
                    QJsonObject o = cli::json::commandObject(args.first(), context);
                    o.insert(QStringLiteral("log_error"), reason);
                    const QByteArray json = cli::json::line(o);
                    std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
                }
                return cli::kExitFailed;
            }
            context.session.setExchangeLog(context.log.get());
        }
        const cli::ProgressLine::Mode progressMode =
            isatty(STDERR_FILENO)
                ? cli::ProgressLine::Mode::Redraw
                : (g.progress ? cli::ProgressLine::Mode::Lines : cli::ProgressLine::Mode::Off);
        context.frontend.setProgressLine(
            std::make_unique<cli::ProgressLine>(progressMode, [](const QString& text) {
                std::fputs(text.toUtf8().constData(), stderr);
                std::fflush(stderr);
            }));
        cli::interrupt::install();
        context.frontend.setCancelToken(&context.session.cancel());
        // A port or pipe that went away ends the action at once; why is said on standard
        // error, apart from the frame lines of --trace.
        context.session.protocol().setLinkLostHook([](const QString& reason) {
            std::fprintf(stderr, "%s\n", core::texts::linkLost(reason).toUtf8().constData());
        });

        cli::CommandArgs commandArgs(args.mid(1));
        int code = command->run(context, commandArgs);
        // The action ran to its end; a log that lost lines still fails the run.
        const QString logError = context.log ? context.log->fileError() : QString();
        if (!logError.isEmpty()) {
            logFailed(*g.log, logError);
            if (code == cli::kExitOk)
                code = cli::kExitFailed;
            context.put(QStringLiteral("log_error"), logError);
        }
        if (g.json) {
            const QByteArray json =
                cli::json::line(cli::json::commandObject(args.first(), context));
            std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
            std::fflush(stdout);
        }
        return code;
    } catch (const cli::UsageError& e) {
        return usageError(e.message);
    }
}
