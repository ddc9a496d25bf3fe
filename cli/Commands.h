#pragma once

#include "archive/ArchiveExport.h"
#include "cli/CliContext.h"

namespace cli {

// One row per command: its name, its argument synopsis, and whether it talks to the meter.
struct Command {
    const char* name;
    const char* synopsis;
    int (*run)(CliContext& context, CommandArgs& args);
};

const Command* findCommand(const QString& name);

struct SaveRequest {
    QString fileName; // with the extension the format gives a bare name
    archive::ExportFormat format;
};
// --save FILE [--format txt|xls|csv|xlsx|json]: the format defaults by FILE's extension and
// plays the part of the save dialog's filter entry.
std::optional<SaveRequest> takeSave(CommandArgs& args);
const Command* commandTable(int* count);

// The commands, grouped by what they work on.
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
int runMeters(CliContext& context, CommandArgs& args);
int runHistory(CliContext& context, CommandArgs& args);

} // namespace cli
