#pragma once

#include "cli/Commands.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <set>

namespace cli {

// One row per global option: a global option stands before or after the command. The row
// is the one source of its help line, its manual page entry and its shell completion.
struct GlobalOption {
    const char* name;  // "--port"
    const char* value; // the value's name in the help ("PORT"); nullptr for a flag
    // The environment variable that stands for the option when no option of its group is on
    // the command line; nullptr when there is none.
    const char* environment;
    // Options of one group (not 0) exclude each other, as --port and --pipe do.
    int group;
    const char* help; // the help line, a Russian text of the "cli" context; nullptr: not listed
};

const GlobalOption* globalOptionTable(int* count);

// The global options of one run, taken out of the argument list.
class GlobalOptions {
public:
    bool has(const char* name) const { return flags_.count(QLatin1String(name)) > 0; }
    std::optional<QString> value(const char* name) const;

    // Takes the global options out of `args` wherever they stand before "--"; what is left
    // keeps its order: the command and its own arguments. The environment fills in what the
    // command line left out. A repeated option, a missing value or two options of one group
    // are usage errors.
    static GlobalOptions take(QStringList& args, const QProcessEnvironment& environment);

private:
    std::set<QString> flags_;
    std::map<QString, QString> values_;
};

namespace help {

// zetra-cli --help: the synopsis, the global options, one line per command, the environment,
// the dates and the exit codes.
QString usage();
// zetra-cli help COMMAND: its synopsis, what it does, its arguments and an example.
QString command(const Command& command);
// The bash completion of zetra-cli: commands, global options, each command's options, the
// ports the port list shows after --port, file names after --save, --log and a file argument.
QString bashCompletion();

} // namespace help

} // namespace cli
