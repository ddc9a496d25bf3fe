#include "actions/StoreActions.h"
#include "actions/VisitRound.h"
#include "archive/ArchiveExport.h"
#include "archive/ArchiveReport.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "documents/VisitAct.h"
#include "store/History.h"
#include "store/StoreTexts.h"
#include "store/Visit.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace cli {

namespace {

// The store these commands need, open; otherwise its message, and null.
store::Store* needStore(CliContext& context) {
    store::Attachment& a = store::attachment(context.session);
    store::Store* s = a.get();
    if (!s)
        context.frontend.showError(core::texts::errorCaption(), a.unavailable());
    return s;
}

int storeFailed(CliContext& context, const QString& reason) {
    const store::Attachment& a = store::attachment(context.session);
    context.frontend.showError(core::texts::errorCaption(),
                               store::texts::storeFailed(a.location.text, reason));
    return kExitFailed;
}

QJsonValue positionJson(store::Ring ring, const std::optional<store::Position>& p) {
    return p ? QJsonValue(store::positionText(ring, *p)) : QJsonValue();
}

QJsonObject ringJson(store::Ring ring, const store::sync::RingResult& r) {
    return QJsonObject{
        {QStringLiteral("requests"), r.requests},
        {QStringLiteral("read"), r.read},
        {QStringLiteral("new"), r.fresh},
        {QStringLiteral("conflicts"), r.conflicts},
        {QStringLiteral("unreadable"), r.unreadable},
        {QStringLiteral("changed"), r.changed},
        {QStringLiteral("from"), positionJson(ring, r.from)},
        {QStringLiteral("to"), positionJson(ring, r.to)},
    };
}

// Each ring a sync read: its line, and its object in the JSON.
void putRings(CliContext& context, const store::sync::Result& r) {
    for (const auto& [ring, result] :
         {std::pair(store::Ring::Daily, &r.daily), std::pair(store::Ring::Minute, &r.minute)}) {
        if (!result->ran)
            continue;
        context.print(store::texts::syncLine(ring == store::Ring::Daily, result->read,
                                             result->fresh, result->conflicts, result->unreadable));
        context.put(store::ringName(ring), ringJson(ring, *result));
    }
}

QJsonObject meterJson(const store::MeterIdentity& m) {
    return QJsonObject{{QStringLiteral("serial"), m.serial},
                       {QStringLiteral("manufactured"), json::isoDate(m.manufactured)}};
}

// A stored position in the locale's short date (and the time of a minute).
QString shownPosition(store::Ring ring, store::Position p, const QLocale& locale) {
    if (ring == store::Ring::Daily)
        return archive::shortDate(int(p), locale);
    return archive::shortDate(int(p / 1440), locale) + QLatin1Char(' ') +
           device::formatClock(int(p % 1440) / 60, int(p % 60));
}

QString shownRange(store::Ring ring, const std::optional<store::Position>& from,
                   const std::optional<store::Position>& to, const QLocale& locale) {
    if (!from || !to)
        return store::texts::noRecordsStored();
    return shownPosition(ring, *from, locale) + QStringLiteral(" – ") +
           shownPosition(ring, *to, locale);
}

QString signedSeconds(qint64 s) {
    return (s > 0 ? QStringLiteral("+") : QString()) + QString::number(s);
}

} // namespace

int runSync(CliContext& context, CommandArgs& args) {
    const QStringList which = args.positionals();
    if (which.size() > 1)
        throw UsageError{QStringLiteral("sync takes one of daily, minute, all")};
    const QString ring = which.isEmpty() ? QStringLiteral("all") : which.first();
    if (ring != QLatin1String("daily") && ring != QLatin1String("minute") &&
        ring != QLatin1String("all"))
        throw UsageError{QStringLiteral("sync takes daily, minute or all, not %1").arg(ring)};
    if (!needStore(context))
        return context.endWithoutStatus(core::Outcome::Kind::FinishedWithErrors);

    const bool daily = ring != QLatin1String("minute");
    const bool minute = ring != QLatin1String("daily");
    const actions::SyncRun run = actions::syncStore(context.session, context.target, daily, minute);
    if (run.meter)
        context.put(QStringLiteral("meter"), meterJson(*run.meter));
    if (run.visitId)
        context.put(QStringLiteral("visit_id"), *run.visitId);
    if (run.result) {
        const store::sync::Result& r = *run.result;
        context.put(QStringLiteral("clock_drift_s"), json::integer(r.clockDriftSeconds));
        putRings(context, r);
    }
    return context.finish(run.outcome);
}

int runMeters(CliContext& context, CommandArgs& args) {
    if (!args.positionals().isEmpty())
        throw UsageError{QStringLiteral("meters takes no arguments")};
    store::Store* s = needStore(context);
    if (!s)
        return kExitFailed;
    const std::optional<std::vector<store::MeterSummary>> meters = s->meters();
    if (!meters)
        return storeFailed(context, s->error());
    QJsonArray list;
    for (const store::MeterSummary& m : *meters) {
        const std::optional<QDateTime> visit =
            m.lastVisitUtc.isValid() ? std::optional(m.lastVisitUtc.toLocalTime()) : std::nullopt;
        const QString visitText =
            visit ? store::texts::visitWithDrift(
                        context.locale.toString(*visit, QLocale::ShortFormat),
                        m.clockDriftSeconds ? signedSeconds(*m.clockDriftSeconds) : QString())
                  : store::texts::noVisit();
        context.print(store::texts::meterLine(
            m.identity.serial,
            archive::shortDate(device::dayNumberFromDate(m.identity.manufactured), context.locale),
            shownRange(store::Ring::Daily, m.dailyFrom, m.dailyTo, context.locale),
            shownRange(store::Ring::Minute, m.minuteFrom, m.minuteTo, context.locale), visitText));
        list.append(QJsonObject{
            {QStringLiteral("serial"), m.identity.serial},
            {QStringLiteral("manufactured"), json::isoDate(m.identity.manufactured)},
            {QStringLiteral("daily_from"), positionJson(store::Ring::Daily, m.dailyFrom)},
            {QStringLiteral("daily_to"), positionJson(store::Ring::Daily, m.dailyTo)},
            {QStringLiteral("minute_from"), positionJson(store::Ring::Minute, m.minuteFrom)},
            {QStringLiteral("minute_to"), positionJson(store::Ring::Minute, m.minuteTo)},
            {QStringLiteral("last_visit"),
             visit ? QJsonValue(visit->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                   : QJsonValue()},
            {QStringLiteral("clock_drift_s"), json::integer(m.clockDriftSeconds)},
        });
    }
    context.put(QStringLiteral("meters"), list);
    return kExitOk;
}

int runHistory(CliContext& context, CommandArgs& args) {
    const std::optional<SaveRequest> save = takeSave(args);
    if (save && save->toStandardOutput && context.json)
        throw saveToStandardOutputWithJson();
    const bool minute = args.takeFlag(QStringLiteral("--minute"));
    const std::optional<QString> made = args.takeValue(QStringLiteral("--manufactured"));
    const QStringList positionals = args.positionals();
    if (positionals.size() != 1 && positionals.size() != 3)
        throw UsageError{QStringLiteral("history takes SERIAL, or SERIAL FROM TO")};
    bool numeric = false;
    const int serial = positionals[0].toInt(&numeric);
    if (!numeric || serial < 0 || serial > 65535)
        throw UsageError{QStringLiteral("the serial number %1 is not one").arg(positionals[0])};
    const QDate manufactured = made ? parseCommandDate(*made) : QDate(); // invalid: any
    std::optional<std::pair<int, int>> days;
    if (positionals.size() == 3)
        days = std::pair(device::dayNumberFromDate(parseCommandDate(positionals[1])),
                         device::dayNumberFromDate(parseCommandDate(positionals[2])));
    if (days && days->first > days->second)
        throw UsageError{QStringLiteral("FROM is after TO")};

    store::Store* s = needStore(context);
    if (!s)
        return kExitFailed;
    const std::optional<std::vector<store::MeterSummary>> meters = s->meters();
    if (!meters)
        return storeFailed(context, s->error());
    std::vector<store::MeterSummary> found;
    for (const store::MeterSummary& m : *meters) {
        if (m.identity.serial == serial &&
            (!manufactured.isValid() || m.identity.manufactured == manufactured))
            found.push_back(m);
    }
    if (found.size() != 1) {
        context.frontend.showError(core::texts::errorCaption(),
                                   found.empty() ? store::texts::unknownMeter(serial)
                                                 : store::texts::ambiguousMeter(serial));
        return kExitFailed;
    }
    const store::MeterSummary& m = found.front();
    const archive::Kind kind = minute ? archive::Kind::Minute : archive::Kind::Daily;

    // The range asked for, else all that is stored. A report holds at most 45 days of minutes:
    // a longer stored minute history shows its newest 45 days and says so.
    store::Position from = 0, to = 0;
    if (days) {
        from = minute ? store::minutePosition(days->first, 0) : days->first;
        to = minute ? store::minutePosition(days->second, 1439) : days->second;
    } else if (!minute && m.dailyFrom) {
        from = *m.dailyFrom;
        to = *m.dailyTo;
    } else if (minute && m.minuteFrom) {
        to = *m.minuteTo;
        from = std::max(*m.minuteFrom, to - (store::history::kMaxEntries - 1));
        if (from > *m.minuteFrom)
            context.frontend.showInformation(
                core::texts::attentionCaption(),
                store::texts::minuteHistoryCut(
                    shownPosition(store::Ring::Minute, from, context.locale),
                    shownRange(store::Ring::Minute, m.minuteFrom, m.minuteTo, context.locale)));
    } else {
        const int today = device::dayNumberFromDate(QDate::currentDate());
        from = to = minute ? store::minutePosition(today, 0) : today;
    }
    if (days && to - from + 1 > store::history::kMaxEntries)
        throw UsageError{
            QStringLiteral("a history report holds at most %1 entries (45 days of minutes); %2 to "
                           "%3 is %4 days: ask for a shorter range")
                .arg(store::history::kMaxEntries)
                .arg(positionals[1], positionals[2])
                .arg(days->second - days->first + 1)};

    const std::optional<store::history::Built> built =
        store::history::build(*s, m.id, kind, from, to, context.locale);
    if (!built)
        return storeFailed(context, s->error());
    // With --save - the file alone goes to standard output.
    std::optional<SaveToStandardOutput> toStandardOutput;
    if (save && save->toStandardOutput) {
        context.linesToStandardError = true;
        toStandardOutput.emplace(save->fileName);
    }
    for (const QString& line : built->lines)
        context.print(line);
    context.put(QStringLiteral("meter"), meterJson(m.identity));
    if (context.json)
        context.put(QStringLiteral("archive"), json::archiveObject(kind, built->archives));
    if (save) {
        // The history has no status of its own; a save that failed ends it with one.
        const QString path = toStandardOutput ? toStandardOutput->path() : save->fileName;
        const core::Outcome saved =
            archive::exportArchive(context.frontend, kind, save->format, path, built->lines,
                                   built->archives, context.locale);
        if (!saved.succeeded())
            return context.finish(saved);
        QString reason;
        if (toStandardOutput && !toStandardOutput->copyOut(&reason)) {
            context.frontend.showError(core::texts::errorCaption(), reason);
            return kExitFailed;
        }
        if (!toStandardOutput)
            context.put(QStringLiteral("saved"), save->fileName);
    }
    return kExitOk;
}

int runVisit(CliContext& context, CommandArgs& args) {
    const bool setClock = args.takeFlag(QStringLiteral("--set-clock"));
    const QString engineer = args.takeValue(QStringLiteral("--engineer")).value_or(QString());
    const std::optional<QString> pdf = args.takeValue(QStringLiteral("--pdf"));
    if (!args.positionals().isEmpty())
        throw UsageError{QCoreApplication::translate("cli", "у команды %1 нет аргументов")
                             .arg(QStringLiteral("visit"))};
    if (pdf && pdf->isEmpty())
        throw UsageError{QCoreApplication::translate("cli", "не указан файл акта после --pdf")};
    if (!needStore(context))
        return context.endWithoutStatus(core::Outcome::Kind::FinishedWithErrors);

    settings::SettingsForm current;
    current.date = QDate::currentDate();
    const actions::visit::Run run = actions::visit::run(
        context.session, context.target, {setClock, engineer}, current, context.locale);
    if (run.meter)
        context.put(QStringLiteral("meter"), meterJson(*run.meter));
    if (run.visitId)
        context.put(QStringLiteral("visit_id"), *run.visitId);
    context.put(QStringLiteral("clock_drift_s"), json::integer(run.clockDriftSeconds));
    context.put(QStringLiteral("clock_set_to"),
                run.clockSetTo
                    ? QJsonValue(run.clockSetTo->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                    : QJsonValue());
    if (run.sync)
        putRings(context, *run.sync);
    // The act, from the store the round has just written.
    core::Outcome save = core::Outcome::of(core::Outcome::Kind::Succeeded);
    QJsonValue written;
    if (pdf && run.visitId) {
        const QString reason =
            documents::writeVisitAct(*store::attachment(context.session).get(), *run.visitId, *pdf);
        if (reason.isEmpty())
            written = *pdf;
        else
            save = core::Outcome::saveFailed(*pdf, reason);
    }
    context.put(QStringLiteral("pdf"), written);
    return context.finish(core::withSave(run.outcome, save));
}

} // namespace cli
