#pragma once

#include "cli/CliFrontend.h"
#include "core/ExchangeLog.h"
#include "core/Session.h"
#include "link/LinkOpener.h"

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

// Everything a command works with: the same meter session the window owns, the link target
// the options name, and the terminal as its frontend.
struct CliContext {
    CliContext(bool answerYes, LinkTarget linkTarget, const QLocale& loc)
        : frontend(answerYes), target(std::move(linkTarget)), locale(loc) {}

    CliFrontend frontend;
    core::Session session{frontend};
    LinkTarget target;
    QLocale locale;
    std::unique_ptr<ExchangeLog> log; // set by --log
    QTextStream out{stdout};

    // Prints one result line.
    void print(const QString& line);
    // Prints the status line last; the exit code comes from the action's outcome (130 for a
    // cancel).
    int finish(const core::Outcome& outcome);
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
