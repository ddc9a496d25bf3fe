#include "actions/Actions.h"
#include "archive/ArchiveExport.h"
#include "archive/ArchiveReadout.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"

#include <QCoreApplication>

namespace cli {

std::optional<SaveRequest> takeSave(CommandArgs& args) {
    const std::optional<QString> file = args.takeValue(QStringLiteral("--save"));
    const std::optional<QString> format = args.takeValue(QStringLiteral("--format"));
    if (format && !file)
        throw UsageError{QCoreApplication::translate("cli", "--format указывают вместе с --save")};
    if (!file)
        return std::nullopt;
    if (file->isEmpty())
        throw UsageError{QCoreApplication::translate("cli", "--save нужно имя файла")};
    archive::ExportFormat chosen = archive::ExportFormat::Text;
    if (format) {
        const std::optional<archive::ExportFormat> named = archive::formatNamed(*format);
        if (!named)
            throw UsageError{QCoreApplication::translate(
                                 "cli", "--format принимает txt, xls, csv, xlsx или json, а не %1")
                                 .arg(*format)};
        chosen = *named;
    }
    if (SaveToStandardOutput::isRequested(*file))
        return SaveRequest{archive::withDefaultExtension(QStringLiteral("archive"), chosen), chosen,
                           true};
    const archive::SaveTarget target = archive::saveTarget(*file, chosen);
    if (format && target.format != chosen)
        throw UsageError{QCoreApplication::translate(
                             "cli", "--format %1 не подходит к имени файла %2: его расширение "
                                    "называет формат %3")
                             .arg(*format, *file, archive::formatExtension(target.format))};
    return SaveRequest{target.fileName, target.format};
}

namespace {

int runArchive(CliContext& context, CommandArgs& args, archive::Kind kind, const char* name) {
    const std::optional<SaveRequest> save = takeSave(args);
    const QStringList dates = args.positionals();
    if (dates.size() != 2)
        throw UsageError{QCoreApplication::translate("cli", "%1 принимает две даты: FROM и TO")
                             .arg(QLatin1String(name))};
    if (save && save->toStandardOutput && context.json)
        throw saveToStandardOutputWithJson();
    const archive::Interval interval{device::dayNumberFromDate(parseCommandDate(dates[0])),
                                     device::dayNumberFromDate(parseCommandDate(dates[1]))};

    const archive::Readout readout =
        actions::readArchive(context.session, context.target, kind, interval, context.locale);
    // With --save - the file alone goes to standard output.
    std::optional<SaveToStandardOutput> toStandardOutput;
    if (save && save->toStandardOutput) {
        context.linesToStandardError = true;
        toStandardOutput.emplace(save->fileName);
    }
    core::Outcome saveOutcome;
    if (readout.lines) {
        for (const QString& line : *readout.lines)
            context.print(line);
        const archive::Archives& archives = context.session.kept<archive::Archives>();
        if (context.json) // the whole readout again: made only when it is printed
            context.put(QStringLiteral("archive"), json::archiveObject(kind, archives));
        if (save) {
            const QString path = toStandardOutput ? toStandardOutput->path() : save->fileName;
            saveOutcome = archive::exportArchive(context.frontend, kind, save->format, path,
                                                 *readout.lines, archives, context.locale);
            QString reason;
            if (saveOutcome.succeeded() && toStandardOutput &&
                !toStandardOutput->copyOut(&reason)) {
                context.frontend.showError(core::texts::errorCaption(), reason);
                saveOutcome = core::Outcome::saveFailed(save->fileName, reason);
            }
            if (saveOutcome.succeeded() && !toStandardOutput)
                context.put(QStringLiteral("saved"), save->fileName);
        }
    }
    return context.finish(core::withSave(readout.outcome, saveOutcome));
}

} // namespace

int runDaily(CliContext& context, CommandArgs& args) {
    return runArchive(context, args, archive::Kind::Daily, "daily");
}

int runMinute(CliContext& context, CommandArgs& args) {
    return runArchive(context, args, archive::Kind::Minute, "minute");
}

} // namespace cli
