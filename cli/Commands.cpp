#include "cli/Commands.h"

namespace cli {

namespace {
const Command kCommands[] = {
    {"ports", "", &runPorts},
    {"info", "", &runInfo},
    {"clear-totals", "", &runClearTotals},
    {"daily", "FROM TO [--save FILE [--format txt|xls|csv|xlsx|json]]", &runDaily},
    {"minute", "FROM TO [--save FILE [--format txt|xls|csv|xlsx|json]]", &runMinute},
    {"settings-read", "[--save FILE]", &runSettingsRead},
    {"settings-write",
     "FILE [--date D] [--time HH:MM] [--clear-daily] [--clear-minute] [--dry-run]",
     &runSettingsWrite},
    {"settings-diff", "FILE", &runSettingsDiff},
    {"firmware-info", "FILE", &runFirmwareInfo},
    {"firmware-program", "FILE", &runFirmwareProgram},
    {"calc-correction",
     "--diameter D --angle A --roughness R --visc-min V --visc-max V (--velocity V | --flow Q) "
     "[--tmax T] [--tmin T] [--firmware N]",
     &runCalcCorrection},
    {"calc-channel", "--t-down T --t-up T --temp T", &runCalcChannel},
    {"calc-pulse", "--diameter D (--velocity V | --flow Q) [--rate N]", &runCalcPulse},
    {"sync", "[daily|minute|all]", &runSync},
    {"meters", "", &runMeters},
    {"history",
     "SERIAL [FROM TO] [--minute] [--manufactured DATE] [--save FILE [--format "
     "txt|xls|csv|xlsx|json]]",
     &runHistory},
};
} // namespace

const Command* commandTable(int* count) {
    *count = int(std::size(kCommands));
    return kCommands;
}

const Command* findCommand(const QString& name) {
    for (const Command& c : kCommands) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

} // namespace cli
