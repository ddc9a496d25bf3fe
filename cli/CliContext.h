#pragma once

#include "archive/ArchiveBuffers.h"
#include "cli/CliFrontend.h"
#include "core/ExchangeLog.h"
#include "link/LinkOpener.h"
#include "link/Protocol.h"

#include <QDate>
#include <QLocale>
#include <QStringList>
#include <QTextStream>

#include <optional>

// Exit codes of the command line.
enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitUsage = 2, kExitCancelled = 130 };

// A usage error: the command line asked for something that is not there.
struct UsageError {
    QString message;
};

// Everything a command works with: the same program-wide state the window owns, and the
// terminal as its frontend.
struct CliContext {
    CliContext(bool answerYes, const LinkOpener& linkOpener, PortSelection portSelection,
               const QLocale& loc)
        : frontend(answerYes), opener(linkOpener), selection(std::move(portSelection)),
          locale(loc) {}

    CliFrontend frontend;
    LinkOpener opener;
    PortSelection selection;
    QLocale locale;
    Protocol protocol;
    quint8 firmwareVersionByte = 0;
    archive::Archives archives;
    Protocol::TraceHook trace;        // set by --trace; the protocol carries it too
    CancelToken cancel;               // asked by SIGINT and SIGTERM
    std::unique_ptr<ExchangeLog> log; // set by --log
    QTextStream out{stdout};

    // Prints one result line.
    void print(const QString& line);
    // Prints the status line last and turns it into the exit code; a cancel that stood gives
    // 130.
    int finish();
};

// Command arguments: positional values and --options, read by each command.
class CommandArgs {
public:
    explicit CommandArgs(QStringList args) : args_(std::move(args)) {}

    // Takes "--name VALUE" (or "--name=VALUE"); empty when absent.
    std::optional<QString> takeValue(const QString& name);
    bool takeFlag(const QString& name);
    // The remaining positional arguments; a leftover option is a usage error.
    QStringList positionals() const;
    // Whatever has not been taken yet, options included.
    const QStringList& remaining() const { return args_; }

private:
    QStringList args_;
};

// Dates are written dd.mm.yyyy or yyyy-mm-dd; anything else is a usage error.
QDate parseCommandDate(const QString& text);
