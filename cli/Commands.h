#pragma once

#include "cli/CliContext.h"

namespace cli {

// One row per command: its name, its argument synopsis (for the help) and the function that
// runs it.
struct Command {
    const char* name;
    const char* synopsis;
    int (*run)(CliContext& context, CommandArgs& args);
};

const Command* findCommand(const QString& name);
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

} // namespace cli
