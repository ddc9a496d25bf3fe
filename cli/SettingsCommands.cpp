// Settings-tab commands: reading and writing the meter's settings, and clearing the totals of
// the Info tab.

#include "actions/Actions.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "core/Texts.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTexts.h"
#include "settings/TabConversions.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>

namespace cli {

namespace {
// The Settings tab as the window starts with it: nothing selected, empty fields, the clock
// fields at the PC's date and time.
settings::SettingsForm startingForm() {
    settings::SettingsForm form;
    const QDateTime now = QDateTime::currentDateTime();
    form.date = now.date();
    form.time = settings::conversions::timeFill(now.time());
    return form;
}

void noPositionals(CommandArgs& args, const char* command) {
    if (!args.positionals().isEmpty())
        throw UsageError{QCoreApplication::translate("cli", "у команды %1 нет аргументов")
                             .arg(QLatin1String(command))};
}

// The fields the read-back after a settings write found different, as
// [{"label", "meter", "intended"}]; empty until the write checks what it wrote.
QJsonArray fieldArray(const std::vector<settings::FieldDifference>& fields, const char* third) {
    QJsonArray out;
    for (const settings::FieldDifference& d : fields)
        out.append(QJsonObject{{QStringLiteral("label"), d.label},
                               {QStringLiteral("meter"), d.meter},
                               {QLatin1String(third), d.intended}});
    return out;
}
QJsonArray writeMismatches(const actions::SettingsWriteRun& run) {
    return fieldArray(run.mismatches, "intended");
}
} // namespace

int runSettingsRead(CliContext& context, CommandArgs& args) {
    const std::optional<QString> saveTo = args.takeValue(QStringLiteral("--save"));
    noPositionals(args, "settings-read");
    // With --save - the settings file alone goes to standard output.
    std::optional<SaveToStandardOutput> toStandardOutput;
    if (saveTo && SaveToStandardOutput::isRequested(*saveTo)) {
        if (context.json)
            throw saveToStandardOutputWithJson();
        context.linesToStandardError = true;
        toStandardOutput.emplace(settings::file::withDefaultSuffix(QStringLiteral("settings")));
    }

    const actions::SettingsRun run =
        actions::readSettings(context.session, context.target, startingForm(), context.locale);
    core::Outcome saveOutcome;
    if (run.form) {
        const settings::SettingsForm& form = *run.form;
        const QStringList lines = settings::file::lines(form);
        for (const QString& line : lines)
            context.print(line);
        context.print(settings::texts::dateLinePrefix() +
                      context.locale.toString(form.date, QLocale::ShortFormat));
        context.print(settings::texts::timeLinePrefix() + form.time);
        context.put(QStringLiteral("lines"), QJsonArray::fromStringList(lines));
        context.put(QStringLiteral("date"), run.dateRead ? json::isoDate(form.date) : QJsonValue());
        context.put(QStringLiteral("time"), run.timeRead ? QJsonValue(form.time) : QJsonValue());
        if (saveTo) {
            const QString path = toStandardOutput ? toStandardOutput->path()
                                                  : settings::file::withDefaultSuffix(*saveTo);
            QString reason;
            QString error = settings::file::save(path, form, &reason);
            if (error.isEmpty() && toStandardOutput && !toStandardOutput->copyOut(&reason))
                error = reason;
            if (!error.isEmpty()) {
                context.frontend.showError(core::texts::errorCaption(), error);
                saveOutcome = core::Outcome::saveFailed(toStandardOutput ? *saveTo : path, reason);
            } else if (!toStandardOutput) {
                context.put(QStringLiteral("saved"), path);
            }
        }
    }
    return context.finish(core::withSave(run.outcome, saveOutcome));
}

namespace {

// Loads FILE into the starting form as the load button does; a refused file is reported like
// the window's box and leaves the meter alone.
std::optional<settings::SettingsForm> loadForm(CliContext& context, const QString& path) {
    const settings::file::LoadResult loaded =
        settings::file::load(path, startingForm(), context.locale);
    if (!loaded.form)
        context.frontend.showError(core::texts::errorCaption(), loaded.error);
    return loaded.form;
}

QString onlyFile(CommandArgs& args) {
    const QStringList files = args.positionals();
    if (files.size() != 1)
        throw UsageError{QCoreApplication::translate("cli", "нужен один файл настроек FILE")};
    return files.first();
}

} // namespace

// Prints the differences and the status; exit 0 when equal, 3 when different, 1 when the
// meter's settings could not be read (or the form was refused).
int printDifferences(CliContext& context, const actions::SettingsCompareRun& run) {
    for (const settings::FieldDifference& d : run.differences)
        context.print(settings::texts::differenceLine(d.label, d.meter, d.intended));
    context.put(QStringLiteral("differences"), fieldArray(run.differences, "file"));
    const int code = context.finish(run.outcome);
    if (!run.read)
        return kExitFailed;
    return code == kExitOk && !run.differences.empty() ? kExitDifferent : code;
}

int runSettingsDiff(CliContext& context, CommandArgs& args) {
    const QString file = onlyFile(args);
    const std::optional<settings::SettingsForm> form = loadForm(context, file);
    if (!form)
        return context.finish(core::Outcome::of(core::Outcome::Kind::InputRefused));
    return printDifferences(
        context, actions::compareSettings(context.session, context.target, *form, context.locale));
}

int runSettingsWrite(CliContext& context, CommandArgs& args) {
    const std::optional<QString> date = args.takeValue(QStringLiteral("--date"));
    const std::optional<QString> time = args.takeValue(QStringLiteral("--time"));
    const bool clearDaily = args.takeFlag(QStringLiteral("--clear-daily"));
    const bool clearMinute = args.takeFlag(QStringLiteral("--clear-minute"));
    const bool dryRun = args.takeFlag(QStringLiteral("--dry-run"));
    const QString file = onlyFile(args);
    const QDate clockDate = date ? parseCommandDate(*date) : QDate();

    // The file goes into the form as the load button puts it there; a refused file leaves the
    // meter alone.
    const std::optional<settings::SettingsForm> loaded = loadForm(context, file);
    if (!loaded) {
        context.put(QStringLiteral("written"), false);
        context.put(QStringLiteral("mismatches"), QJsonArray());
        return context.finish(core::Outcome::of(core::Outcome::Kind::InputRefused));
    }
    settings::SettingsForm form = *loaded;
    if (clockDate.isValid())
        form.date = clockDate;
    if (time)
        form.time = *time;
    form.clearDaily = clearDaily;
    form.clearMinute = clearMinute;
    if (dryRun)
        return printDifferences(context, actions::compareSettings(context.session, context.target,
                                                                  form, context.locale, true));

    const actions::SettingsWriteRun run = actions::writeSettings(
        context.session, context.target, form, context.locale, QDateTime::currentDateTime());
    context.put(QStringLiteral("written"), run.written);
    context.put(QStringLiteral("mismatches"), writeMismatches(run));
    QJsonObject notCleared;
    if (run.notCleared.daily)
        notCleared.insert(QStringLiteral("daily"), *run.notCleared.daily);
    if (run.notCleared.minute)
        notCleared.insert(QStringLiteral("minute"), *run.notCleared.minute);
    if (!notCleared.isEmpty())
        context.put(QStringLiteral("not_cleared"), notCleared);
    return context.finish(run.outcome);
}

int runClearTotals(CliContext& context, CommandArgs& args) {
    noPositionals(args, "clear-totals");
    std::optional<std::vector<actions::totals::NotZero>> notCleared;
    const core::Outcome outcome =
        actions::clearTotals(context.session, context.target, &notCleared);
    if (notCleared) {
        QJsonArray list;
        for (const actions::totals::NotZero& n : *notCleared)
            list.append(
                QJsonObject{{QStringLiteral("space"),
                             n.settings ? QStringLiteral("settings") : QStringLiteral("memory")},
                            {QStringLiteral("address"), n.address},
                            {QStringLiteral("bytes"), n.bytes}});
        context.put(QStringLiteral("not_cleared"), list);
    }
    return context.finish(outcome);
}

} // namespace cli
