#include "app/frame/Actions.h"
#include "cli/Commands.h"
#include "link/PortList.h"

int runPorts(CliContext& context, CommandArgs& args) {
    args.positionals();
    for (const QString& entry : port_list::present())
        context.print(entry);
    return kExitOk;
}

int runInfo(CliContext& context, CommandArgs& args) {
    if (!args.positionals().isEmpty())
        throw UsageError{QStringLiteral("info takes no arguments")};
    const frame::InfoRun run = frame::readInfo(context.session, context.target, context.locale);
    if (run.values) {
        for (int row = 0; row < info::kRowCount; ++row)
            context.print(info::caption(info::Row(row)) + QLatin1Char(' ') +
                          run.values->text[std::size_t(row)]);
    }
    return context.finish(run.outcome);
}
