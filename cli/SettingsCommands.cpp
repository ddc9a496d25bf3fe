// Settings-tab commands: reading and writing the meter's settings, and clearing the totals of
// the Info tab.

#include "app/core/Connection.h"
#include "app/core/Texts.h"
#include "cli/Commands.h"
#include "settings/SettingsCheck.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsReadout.h"
#include "settings/SettingsTexts.h"
#include "settings/SettingsWriter.h"
#include "settings/TabConversions.h"
#include "settings/TotalsClearing.h"

#include <QDateTime>

namespace {
// The Settings tab as the window starts with it: nothing selected, empty fields, the clock
// fields at the PC's date and time.
SettingsForm startingForm() {
    SettingsForm form;
    const QDateTime now = QDateTime::currentDateTime();
    form.date = now.date();
    form.time = tab_conversions::timeFill(now.time());
    return form;
}

void noPositionals(CommandArgs& args, const char* command) {
    if (!args.positionals().isEmpty())
        throw UsageError{QStringLiteral("%1 takes no arguments").arg(QLatin1String(command))};
}
} // namespace

int runSettingsRead(CliContext& context, CommandArgs& args) {
    const std::optional<QString> saveTo = args.takeValue(QStringLiteral("--save"));
    noPositionals(args, "settings-read");

    SettingsForm form = startingForm();
    Connection connection(context.frontend, context.protocol, context.opener);
    const bool ran = connection.run(context.selection, [&] {
        const settings::ReadResult r =
            settings::read(context.protocol, context.frontend, form, context.locale);
        form = r.form;
        if (r.firmwareVersionByte)
            context.firmwareVersionByte = *r.firmwareVersionByte;
    });
    bool saveFailed = false;
    if (ran) {
        for (const QString& line : settings_file::lines(form))
            context.print(line);
        context.print(settings_texts::dateLinePrefix() +
                      context.locale.toString(form.date, QLocale::ShortFormat));
        context.print(settings_texts::timeLinePrefix() + form.time);
        if (saveTo) {
            const QString error =
                settings_file::save(settings_file::withDefaultSuffix(*saveTo), form);
            if (!error.isEmpty()) {
                CliFrontend::printMessage(texts::errorCaption(), error);
                saveFailed = true;
            }
        }
    }
    const int code = context.finish();
    return saveFailed ? kExitFailed : code;
}

namespace {

// Loads FILE into the starting form as the load button does; a refused file is reported like
// the window's box and leaves the meter alone.
std::optional<SettingsForm> loadForm(CliContext& context, const QString& path) {
    const settings_file::LoadResult loaded =
        settings_file::load(path, startingForm(), context.locale);
    if (!loaded.form)
        CliFrontend::printMessage(texts::errorCaption(), loaded.error);
    return loaded.form;
}

QString onlyFile(CommandArgs& args, const char* what) {
    const QStringList files = args.positionals();
    if (files.size() != 1)
        throw UsageError{QStringLiteral("expected one %1 FILE").arg(QLatin1String(what))};
    return files.first();
}

} // namespace

DifferenceRun compareWithMeter(CliContext& context, const SettingsForm& form, bool validate) {
    DifferenceRun run;
    Connection connection(context.frontend, context.protocol, context.opener);
    connection.run(context.selection, [&] {
        if (validate) {
            // The checks of "Применить", with its messages; nothing is written either way.
            const settings::Preparation prepared = settings::prepareWrite(form, context.locale);
            if (!prepared.write) {
                context.frontend.showError(texts::errorCaption(), prepared.error);
                context.frontend.setStatus(settings_texts::settingsNotWritten());
                return;
            }
        }
        const settings::CompareResult r =
            settings::compare(context.protocol, context.frontend, form, context.locale);
        if (r.firmwareVersionByte)
            context.firmwareVersionByte = *r.firmwareVersionByte;
        run.read = r.read;
        run.differences = r.differences;
    });
    for (const settings::FieldDifference& d : run.differences)
        context.print(settings_texts::differenceLine(d.label, d.meter, d.intended));
    run.exitCode = context.finish();
    if (!run.read)
        run.exitCode = kExitFailed;
    else if (run.exitCode == kExitOk && !run.differences.empty())
        run.exitCode = kExitDifferent;
    return run;
}

int runSettingsDiff(CliContext& context, CommandArgs& args) {
    const QString file = onlyFile(args, "settings");
    const std::optional<SettingsForm> form = loadForm(context, file);
    if (!form)
        return context.finish();
    return compareWithMeter(context, *form, false).exitCode;
}

int runSettingsWrite(CliContext& context, CommandArgs& args) {
    const std::optional<QString> date = args.takeValue(QStringLiteral("--date"));
    const std::optional<QString> time = args.takeValue(QStringLiteral("--time"));
    const bool clearDaily = args.takeFlag(QStringLiteral("--clear-daily"));
    const bool clearMinute = args.takeFlag(QStringLiteral("--clear-minute"));
    const bool dryRun = args.takeFlag(QStringLiteral("--dry-run"));
    const QString file = onlyFile(args, "settings");
    const QDate clockDate = date ? parseCommandDate(*date) : QDate();

    const std::optional<SettingsForm> loaded = loadForm(context, file);
    if (!loaded)
        return context.finish();
    SettingsForm form = *loaded;
    if (clockDate.isValid())
        form.date = clockDate;
    if (time)
        form.time = *time;
    form.clearDaily = clearDaily;
    form.clearMinute = clearMinute;
    if (dryRun)
        return compareWithMeter(context, form, true).exitCode;

    WriteRun run;
    Connection connection(context.frontend, context.protocol, context.opener);
    connection.run(context.selection, [&] {
        const settings::WriteResult r = settings::write(
            context.protocol, context.frontend, form, context.locale, QDateTime::currentDateTime());
        if (r.firmwareVersionByte)
            context.firmwareVersionByte = *r.firmwareVersionByte;
        run.written = r.written;
        run.mismatches = r.mismatches;
    });
    run.exitCode = context.finish();
    return run.exitCode;
}

int runClearTotals(CliContext& context, CommandArgs& args) {
    noPositionals(args, "clear-totals");
    Connection connection(context.frontend, context.protocol, context.opener);
    connection.run(context.selection, [&] { totals::clear(context.protocol, context.frontend); });
    return context.finish();
}
