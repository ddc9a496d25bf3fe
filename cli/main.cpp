// zetra-cli: the meter actions of the window, for terminals and scripts.

#include "cli/Commands.h"
#include "cli/Interrupt.h"
#include "cli/JsonOutput.h"
#include "cli/Options.h"
#include "core/Language.h"
#include "core/Texts.h"
#include "core/ToolkitMessages.h"
#include "link/PortList.h"
#include "store/Visit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QJsonObject>
#include <QProcessEnvironment>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

void logFailed(const QString& path, const QString& reason) {
    std::fprintf(stderr, "zetra-cli: %s\n",
                 QCoreApplication::translate("cli", "не удаётся писать журнал %1: %2")
                     .arg(path, reason)
                     .toUtf8()
                     .constData());
}

// With --json on the command line a usage error is an object too, so that a script reading
// standard output gets one object on every exit: its command (the first word that names one,
// else empty), the outcome usage_error and the message.
QString jsonUsageCommand; // set when --json was asked for
bool jsonUsage = false;

void noteJsonUsage(const QStringList& args) {
    for (const QString& a : args) {
        if (a == QLatin1String("--"))
            break;
        if (a == QLatin1String("--json"))
            jsonUsage = true;
    }
    for (const QString& a : args) {
        if (cli::findCommand(a)) {
            jsonUsageCommand = a;
            break;
        }
    }
}

int usageError(const QString& message) {
    std::fprintf(
        stderr, "zetra-cli: %s\n%s\n", message.toUtf8().constData(),
        QCoreApplication::translate("cli", "Справка: zetra-cli --help").toUtf8().constData());
    if (jsonUsage) {
        const QJsonObject o{{QStringLiteral("command"), jsonUsageCommand},
                            {QStringLiteral("outcome"), QStringLiteral("usage_error")},
                            {QStringLiteral("error"), message}};
        const QByteArray json = cli::json::line(o);
        std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
        std::fflush(stdout);
    }
    return cli::kExitUsage;
}

QString hexBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

// The visit's act draws the archive chart, which needs the widgets' application: it is drawn
// off screen, display or not. Every other command runs without one.
bool drawsAct(int argc, char* argv[]) {
    bool visit = false, pdf = false;
    for (int i = 1; i < argc; ++i) {
        visit = visit || qstrcmp(argv[i], "visit") == 0;
        pdf = pdf || qstrcmp(argv[i], "--pdf") == 0 || qstrncmp(argv[i], "--pdf=", 6) == 0;
    }
    return visit && pdf;
}

} // namespace

int main(int argc, char* argv[]) {
    core::keepToolkitMessagesToDevelopers();
    std::unique_ptr<QCoreApplication> application;
    if (drawsAct(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    core::language::russianConventionsWithoutSystemLocale();
    QCoreApplication::setApplicationName(QStringLiteral("zetra-cli"));
    QCoreApplication::setApplicationVersion(core::texts::programVersion());

    QStringList args = QCoreApplication::arguments().mid(1);
    noteJsonUsage(args);
    // The language comes first: every text from here on, usage errors included, is looked up
    // in it. A --lang that names no language is a usage error below.
    // Russian, the default, loads its plural forms.
    const std::optional<core::language::Language> lang = core::language::fromArguments(args);
    if (!core::language::use(lang.value_or(core::language::Language::Russian)))
        std::fprintf(stderr, "zetra-cli: the English translation could not be loaded\n");
    try {
        const cli::GlobalOptions g =
            cli::GlobalOptions::take(args, QProcessEnvironment::systemEnvironment());
        if (const auto name = g.value("--lang"); name && !core::language::fromName(*name))
            return usageError(QCoreApplication::translate("cli", "неизвестный язык %1 (есть: %2)")
                                  .arg(*name, core::language::knownNames()));
        if (!args.isEmpty() && args.first() == QLatin1String("--"))
            args.removeFirst();
        if (g.has("--bash-completion")) {
            std::fputs(cli::help::bashCompletion().toUtf8().constData(), stdout);
            return cli::kExitOk;
        }
        if (g.has("--help") || g.has("-h")) {
            // COMMAND --help: that command's help.
            const cli::Command* command = args.isEmpty() ? nullptr : cli::findCommand(args.first());
            const QString text = command ? cli::help::command(*command) : cli::help::usage();
            std::fputs(text.toUtf8().constData(), stdout);
            return cli::kExitOk;
        }
        if (g.has("--version")) {
            std::printf("zetra-cli %s\n", qPrintable(core::texts::programVersion()));
            return cli::kExitOk;
        }
        if (args.isEmpty())
            return usageError(QCoreApplication::translate("cli", "не указана команда"));
        if (cli::CommandArgs::isOption(args.first()))
            return usageError(cli::unknownOption(args.first()).message);
        const cli::Command* command = cli::findCommand(args.first());
        if (!command)
            return usageError(
                QCoreApplication::translate("cli", "неизвестная команда %1").arg(args.first()));
        const bool quiet = g.has("--quiet");

        QLocale locale;
        if (const auto name = g.value("--locale")) {
            locale = QLocale(*name);
            if (locale.name() == QLatin1String("C") && *name != QLatin1String("C"))
                return usageError(
                    QCoreApplication::translate("cli", "неизвестная локаль %1").arg(*name));
            QLocale::setDefault(locale);
        }

        line::LinkTarget target;
        if (const auto pipe = g.value("--pipe")) {
            target = line::LinkTarget::pipe(*pipe);
        } else if (const auto port = g.value("--port")) {
            // The port as the list would write it: its name and one blank.
            target = line::LinkTarget::serialPort(*port + QLatin1Char(' '));
        } else {
            const QStringList entries = line::port_list::present();
            target = line::port_list::targetOfEntry(entries.first(), entries.size() == 1,
                                                    line::opener::defaultPipeName());
        }

        QString storeError;
        const std::optional<store::Location> storeLocation =
            store::resolveLocation(g.value("--store"), g.has("--no-store"), &storeError);
        if (!storeLocation)
            return usageError(QStringLiteral("--store: %1").arg(storeError));

        cli::CliContext context(g.has("--yes"), target, locale);
        store::attachment(context.session).location = *storeLocation;
        context.json = g.has("--json");
        context.frontend.setKeepMessagesOnly(context.json);
        context.frontend.setQuiet(quiet);
        context.frontend.setStatus(core::texts::initialStatus());
        if (g.has("--trace")) {
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
        if (const auto log = g.value("--log")) {
            if (log->isEmpty())
                return usageError(QCoreApplication::translate("cli", "--log нужно имя файла"));
            context.log = std::make_unique<core::ExchangeLog>();
            QString reason;
            if (!context.log->attachFile(*log, &reason)) {
                logFailed(*log, reason);
                if (context.json) {
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
            quiet                   ? cli::ProgressLine::Mode::Off
            : isatty(STDERR_FILENO) ? cli::ProgressLine::Mode::Redraw
            : g.has("--progress")   ? cli::ProgressLine::Mode::Lines
                                    : cli::ProgressLine::Mode::Off;
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
            logFailed(*g.value("--log"), logError);
            if (code == cli::kExitOk)
                code = cli::kExitFailed;
            context.put(QStringLiteral("log_error"), logError);
        }
        if (context.json) {
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
