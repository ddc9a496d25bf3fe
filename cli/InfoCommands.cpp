#include "app/core/Connection.h"
#include "app/core/InfoReadout.h"
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
    Connection connection(context.frontend, context.protocol, context.opener);
    connection.run(context.selection, [&] {
        const info::Values values = info::read(context.protocol, context.frontend, context.locale);
        for (int row = 0; row < info::kRowCount; ++row)
            context.print(info::caption(info::Row(row)) + QLatin1Char(' ') +
                          values.text[std::size_t(row)]);
        if (values.firmwareVersionByte)
            context.firmwareVersionByte = *values.firmwareVersionByte;
    });
    return context.finish();
}
