#include "cli/Commands.h"

namespace {
const Command kCommands[] = {
    {"ports", "", &runPorts},
    {"info", "", &runInfo},
    {"daily", "FROM TO [--save FILE [--format txt|xls]]", &runDaily},
    {"minute", "FROM TO [--save FILE [--format txt|xls]]", &runMinute},
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
