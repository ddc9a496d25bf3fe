#pragma once

#include "cli/CliFrontend.h"
#include "core/ExchangeLog.h"
#include "core/Session.h"
#include "link/LinkOpener.h"

#include <QDate>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace cli {

// Exit codes of the command line.
// 3: the meter's settings differ from the file (settings-diff, settings-write --dry-run).
// 130: the engineer stopped the action (Ctrl+C).
enum ExitCode {
    kExitOk = 0,
    kExitFailed = 1,
    kExitUsage = 2,
    kExitDifferent = 3,
    kExitCancelled = 130
};

// A usage error: the command line asked for something that is not there.
struct UsageError {
    QString message;
};

// Everything a command works with: the same meter session the window owns, the link target
// the options name, and the terminal as its frontend. A command prints its result lines and
// hands the same results to `put` as JSON values; with --json the lines stay unprinted and the
// values, the outcome, the status and the message boxes make the one JSON object instead.
struct CliContext {
    CliContext(bool answerYes, line::LinkTarget linkTarget, const QLocale& loc)
        : frontend(answerYes), target(std::move(linkTarget)), locale(loc) {}

    CliFrontend frontend;
    core::Session session{frontend};
    line::LinkTarget target;
    QLocale locale;
    std::unique_ptr<core::ExchangeLog> log; // set by --log
    QTextStream out{stdout};
    QTextStream err{stderr};
    bool json = false;
    // Standard output carries a file (--save -): the text lines go to standard error.
    bool linesToStandardError = false;

    // What --json reports besides the command's data: the outcome and the status line, when
    // the command ended with one.
    std::optional<core::Outcome> outcome;
    std::optional<QString> statusLine;
    QJsonObject data; // the command's own keys

    // Prints one result line (not with --json).
    void print(const QString& line);
    // One of the command's own keys of the JSON object (ignored by the text output).
    void put(const QString& key, const QJsonValue& value) { data.insert(key, value); }
    // Prints the status line last; the exit code comes from the action's outcome (130 for a
    // cancel).
    int finish(const core::Outcome& outcome);
    // An action that ends without a status line (a calculator's refused input).
    int endWithoutStatus(core::Outcome::Kind kind);
    static int exitCode(core::Outcome::Kind kind);
};

// Command arguments: positional values and --options, read by each command. "--" ends the
// options: what follows it is positional, whatever it looks like. An option given twice is a
// usage error.
class CommandArgs {
public:
    explicit CommandArgs(QStringList args) : args_(std::move(args)) {}

    // Takes "--name VALUE" (or "--name=VALUE"); empty when absent.
    std::optional<QString> takeValue(const QString& name);
    bool takeFlag(const QString& name);
    // The remaining positional arguments; a leftover option is a usage error.
    QStringList positionals() const;
    // Whatever has not been taken yet, options and "--" included.
    const QStringList& remaining() const { return args_; }

    // An argument that stands for an option: "-x", "--name", "--name=VALUE" ("-" alone is a
    // value: standard output or input).
    static bool isOption(const QString& arg);

private:
    int optionsEnd() const;
    QStringList args_;
};

// The usage errors every command shares.
UsageError unknownOption(const QString& option);
UsageError repeatedOption(const QString& option);
UsageError saveToStandardOutputWithJson();

// "--save -": the export goes to standard output. The file writers save into a temporary
// folder under `fileName`; once written, the bytes are copied to standard output, so a failed
// export leaves nothing half-written there either.
class SaveToStandardOutput {
public:
    static bool isRequested(const QString& target) { return target == QLatin1String("-"); }
    explicit SaveToStandardOutput(const QString& fileName);
    ~SaveToStandardOutput();
    SaveToStandardOutput(const SaveToStandardOutput&) = delete;
    SaveToStandardOutput& operator=(const SaveToStandardOutput&) = delete;

    QString path() const { return path_; }
    // Copies the written file to standard output; false (with the reason) when it failed.
    bool copyOut(QString* reason);

private:
    QString folder_;
    QString path_;
};

// Dates are written dd.mm.yyyy or yyyy-mm-dd; anything else is a usage error.
QDate parseCommandDate(const QString& text);

} // namespace cli
