#pragma once

#include "archive/ArchiveExport.h"
#include "cli/CliContext.h"

namespace cli {

// One row per command. The row is the one source of what the command's help, the manual page
// and the shell completion say about it: its name, its argument synopsis (whose --options the
// completion offers), a one-line summary and the details shown by `help COMMAND` (Russian
// texts of the "cli" context, translated when shown), and an example command line.
struct Command {
    const char* name;
    const char* synopsis;
    const char* summary;
    const char* details;
    const char* example;
    int (*run)(CliContext& context, CommandArgs& args);
};

const Command* findCommand(const QString& name);

struct SaveRequest {
    QString fileName; // with the extension the format gives a bare name
    archive::ExportFormat format;
    bool toStandardOutput = false; // --save -
};
// --save FILE [--format txt|xls|csv|xlsx|json]: --format plays the part of the save dialog's
// filter entry (txt by default); an extension of FILE that names a format decides, so --format
// may only agree with it.
std::optional<SaveRequest> takeSave(CommandArgs& args);
const Command* commandTable(int* count);

// The commands, grouped by what they work on.
int runHelp(CliContext& context, CommandArgs& args);
int runPorts(CliContext& context, CommandArgs& args);
int runInfo(CliContext& context, CommandArgs& args);
int runDaily(CliContext& context, CommandArgs& args);
int runMinute(CliContext& context, CommandArgs& args);
int runFirmwareInfo(CliContext& context, CommandArgs& args);
int runFirmwareProgram(CliContext& context, CommandArgs& args);
int runCalcCorrection(CliContext& context, CommandArgs& args);
int runCalcChannel(CliContext& context, CommandArgs& args);
int runCalcPulse(CliContext& context, CommandArgs& args);
int runSettingsRead(CliContext& context, CommandArgs& args);
int runSettingsWrite(CliContext& context, CommandArgs& args);
int runSettingsDiff(CliContext& context, CommandArgs& args);
int runClearTotals(CliContext& context, CommandArgs& args);
int runSync(CliContext& context, CommandArgs& args);
int runVisit(CliContext& context, CommandArgs& args);
int runMeters(CliContext& context, CommandArgs& args);
int runHistory(CliContext& context, CommandArgs& args);

} // namespace cli
