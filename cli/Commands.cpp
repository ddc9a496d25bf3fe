#include "cli/Commands.h"

namespace {
const Command kCommands[] = {
    {"ports", "", &runPorts},
    {"info", "", &runInfo},
    {"firmware-info", "FILE", &runFirmwareInfo},
    {"firmware-program", "FILE", &runFirmwareProgram},
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
