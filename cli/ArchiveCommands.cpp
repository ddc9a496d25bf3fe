#include "actions/Actions.h"
#include "archive/ArchiveExport.h"
#include "archive/ArchiveReadout.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "device/DeviceDates.h"

namespace cli {

namespace {

struct SaveRequest {
    QString fileName; // with the extension the format gives a bare name
    archive::ExportFormat format;
};

// --save FILE [--format txt|xls|csv|xlsx|json]: the format defaults by FILE's extension and plays
// the part of the save dialog's filter entry.
std::optional<SaveRequest> takeSave(CommandArgs& args) {
    const std::optional<QString> file = args.takeValue(QStringLiteral("--save"));
    const std::optional<QString> format = args.takeValue(QStringLiteral("--format"));
    if (format && !file)
        throw UsageError{QStringLiteral("--format goes with --save")};
    if (!file)
        return std::nullopt;
    if (file->isEmpty())
        throw UsageError{QStringLiteral("--save needs a file name")};
    archive::ExportFormat f = archive::formatOfFileName(*file);
    if (format) {
        const std::optional<archive::ExportFormat> named = archive::formatNamed(*format);
        if (!named)
            throw UsageError{
                QStringLiteral("--format is txt, xls, csv, xlsx or json, not %1").arg(*format)};
        f = *named;
    }
    return SaveRequest{archive::withDefaultExtension(*file, f), f};
}

int runArchive(CliContext& context, CommandArgs& args, archive::Kind kind, const char* name) {
    const std::optional<SaveRequest> save = takeSave(args);
    const QStringList dates = args.positionals();
    if (dates.size() != 2)
        throw UsageError{QStringLiteral("%1 takes the dates FROM and TO").arg(QLatin1String(name))};
    const archive::Interval interval{device::dayNumberFromDate(parseCommandDate(dates[0])),
                                     device::dayNumberFromDate(parseCommandDate(dates[1]))};

    const archive::Readout readout =
        actions::readArchive(context.session, context.target, kind, interval, context.locale);
    bool saved = true;
    if (readout.lines) {
        for (const QString& line : *readout.lines)
            context.print(line);
        const archive::Archives& archives = context.session.kept<archive::Archives>();
        if (context.json) // the whole readout again: made only when it is printed
            context.put(QStringLiteral("archive"), json::archiveObject(kind, archives));
        if (save) {
            saved = archive::exportArchive(context.frontend, kind, save->format, save->fileName,
                                           *readout.lines, archives, context.locale);
            if (saved)
                context.put(QStringLiteral("saved"), save->fileName);
        }
    }
    context.saveFailed = !saved;
    const int code = context.finish(readout.outcome);
    return saved ? code : kExitFailed;
}

} // namespace

int runDaily(CliContext& context, CommandArgs& args) {
    return runArchive(context, args, archive::Kind::Daily, "daily");
}

int runMinute(CliContext& context, CommandArgs& args) {
    return runArchive(context, args, archive::Kind::Minute, "minute");
}

} // namespace cli
