// Settings-tab commands: reading and writing the meter's settings, and clearing the totals of
// the Info tab.

#include "app/frame/Actions.h"
#include "cli/Commands.h"
#include "core/Texts.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTexts.h"
#include "settings/TabConversions.h"

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

    const frame::SettingsRun run =
        frame::readSettings(context.session, context.target, startingForm(), context.locale);
    bool saveFailed = false;
    if (run.form) {
        const SettingsForm& form = *run.form;
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
    const int code = context.finish(run.outcome);
    return saveFailed ? kExitFailed : code;
}

int runSettingsWrite(CliContext& context, CommandArgs& args) {
    const std::optional<QString> date = args.takeValue(QStringLiteral("--date"));
    const std::optional<QString> time = args.takeValue(QStringLiteral("--time"));
    const bool clearDaily = args.takeFlag(QStringLiteral("--clear-daily"));
    const bool clearMinute = args.takeFlag(QStringLiteral("--clear-minute"));
    const QStringList files = args.positionals();
    if (files.size() != 1)
        throw UsageError{QStringLiteral("expected one settings FILE")};
    const QDate clockDate = date ? parseCommandDate(*date) : QDate();

    // The file goes into the form as the load button puts it there; a refused file leaves the
    // meter alone.
    const settings_file::LoadResult loaded =
        settings_file::load(files.first(), startingForm(), context.locale);
    if (!loaded.form) {
        CliFrontend::printMessage(texts::errorCaption(), loaded.error);
        return context.finish(core::Outcome::of(core::Outcome::Kind::InputRefused));
    }
    SettingsForm form = *loaded.form;
    if (clockDate.isValid())
        form.date = clockDate;
    if (time)
        form.time = *time;
    form.clearDaily = clearDaily;
    form.clearMinute = clearMinute;

    return context.finish(
        frame::writeSettings(context.session, context.target, form, context.locale));
}

int runClearTotals(CliContext& context, CommandArgs& args) {
    noPositionals(args, "clear-totals");
    return context.finish(frame::clearTotals(context.session, context.target));
}
