#include "actions/VisitRound.h"

#include "actions/Actions.h"
#include "actions/Connection.h"
#include "core/Frontend.h"
#include "core/Permission.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "device/MemoryMap.h"
#include "link/Protocol.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsReadout.h"
#include "settings/SettingsWriter.h"
#include "store/Visit.h"

#include <QCoreApplication>

namespace actions::visit {

using core::Outcome;

QString stepName(Step step) {
    switch (step) {
    case Step::Info:
        return QStringLiteral("info");
    case Step::Settings:
        return QStringLiteral("settings");
    case Step::Sync:
        return QStringLiteral("sync");
    case Step::Clock:
        return QStringLiteral("clock");
    }
    return {};
}

QString infoItem(info::Row row) {
    static const char* const names[info::kRowCount] = {
        "flow", "velocity", "volume", "work_hours",   "idle_hours",       "battery",
        "date", "time",     "serial", "manufactured", "firmware_version", "last_programmed",
    };
    return QLatin1String(names[row]);
}

namespace {

int severity(Outcome::Kind kind) {
    switch (kind) {
    case Outcome::Kind::Succeeded:
    case Outcome::Kind::Declined: // the clock question answered No: nothing was asked of the meter
        return 0;
    case Outcome::Kind::FinishedWithErrors:
    case Outcome::Kind::SaveFailed:
    case Outcome::Kind::InputRefused:
    case Outcome::Kind::IntervalRefused:
        return 1;
    case Outcome::Kind::RefusedByMeter:
    case Outcome::Kind::ForeignDevice:
        return 2;
    case Outcome::Kind::NoAnswer:
    case Outcome::Kind::PortNotOpened:
        return 3;
    case Outcome::Kind::Cancelled:
        return 4;
    }
    return 1;
}

// The time a clock read found, when the date and a valid time were read.
std::optional<QDateTime> readClock(line::Protocol& p) {
    if (!p.ReadMemory(device::memory::kDate, 2))
        return std::nullopt;
    const QDate date = device::dateFromDeviceDay(int(p.dataLE(1, 2)));
    if (!p.ReadMemory(device::memory::kClock, 2))
        return std::nullopt;
    const QTime time(p.at(1), p.at(2));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}

QString question() {
    return QCoreApplication::translate("Visit", "Установить часы прибора по времени ПК?");
}

QString clockNotTaken(const QDateTime& set, const std::optional<QDateTime>& read,
                      const QLocale& locale) {
    const QString format = QStringLiteral("dd.MM.yyyy HH:mm");
    return QCoreApplication::translate("Visit",
                                       "Часы прибора не установлены: записано %1, прочитано %2")
        .arg(locale.toString(set, format),
             read ? locale.toString(*read, format)
                  : QCoreApplication::translate("Visit", "нет ответа"));
}

// The clock set to the PC's at the moment of writing, then read back: the meter counts whole
// minutes, so the read-back may be the minute written or the next one.
Outcome setClock(line::Protocol& p, core::Frontend& frontend, const QLocale& locale,
                 const std::function<QDateTime()>& now, Run& run) {
    if (!frontend.askYesNo(core::texts::attentionCaption(), question(),
                           core::Frontend::DefaultButton::No))
        return Outcome::of(Outcome::Kind::Declined);
    if (const auto refusal =
            core::refuseUnlessChangesPermitted(p, frontend, Outcome::Detail::ProgrammingForbidden))
        return *refusal;
    if (p.stopRequested())
        return Outcome::of(Outcome::Kind::Cancelled);
    p.clearFlags();
    const QDateTime pc = now();
    const QDateTime set(pc.date(), QTime(pc.time().hour(), pc.time().minute()));
    const quint16 day = quint16(device::dateFromDeviceDay(0).daysTo(set.date()));
    const bool written =
        settings::setClock(p, day, {set.time().hour(), set.time().minute()}, /*stamp=*/false);
    if (written)
        run.clockSetTo = set;
    const std::optional<QDateTime> readBack = readClock(p);
    const bool taken =
        written && readBack && set.secsTo(*readBack) >= 0 && set.secsTo(*readBack) <= 120;
    if (taken)
        return Outcome::of(Outcome::Kind::Succeeded);
    if (written)
        frontend.showError(core::texts::errorCaption(), clockNotTaken(set, readBack, locale));
    return Outcome::of(p.replySeen() ? Outcome::Kind::FinishedWithErrors : Outcome::Kind::NoAnswer);
}

} // namespace

const Outcome& worse(const Outcome& a, const Outcome& b) {
    return severity(b.kind) > severity(a.kind) ? b : a;
}

Run run(core::Session& session, const line::LinkTarget& target, const Request& request,
        const settings::SettingsForm& current, const QLocale& locale,
        const std::function<QDateTime()>& now) {
    Run run;
    const Outcome connection = Connection(session).run(target, [&] {
        line::Protocol& p = session.protocol();
        core::Frontend& frontend = session.frontend();
        store::Visit visit(session, QStringLiteral("visit"), target);
        visit.facts.engineer = request.engineer;
        const auto record = [&](Step step, const Outcome& o) {
            run.steps.push_back({step, o});
            run.outcome = run.steps.size() == 1 ? o : worse(run.outcome, o);
            if (visit.visitId() && visit.store() &&
                !visit.store()->putItem(*visit.visitId(), QStringLiteral("step"), stepName(step),
                                        store::outcomeWord(o.kind)))
                visit.failed(visit.store()->error());
        };
        // A stop, or a meter that stopped answering, ends the round.
        const auto goOn = [&] { return !p.stopRequested() && !p.meterSilent(); };
        const auto end = [&] {
            run.outcome = core::finish(frontend, run.outcome);
            visit.end(run.outcome);
            return run.outcome;
        };

        // The identity and live values, with the clock and its drift.
        run.info = info::read(p, frontend, locale);
        session.noteFirmwareVersion(run.info->firmwareVersionByte);
        noteInfo(visit, *run.info);
        if (!visit.visitId() && visit.enabled() && !visit.storeFailed() && goOn())
            visit.identify();
        run.meter = visit.identity();
        run.visitId = visit.visitId();
        run.clockDriftSeconds = run.info->readings.clockDriftSeconds();
        if (run.visitId) {
            for (int row = 0; row < info::kRowCount; ++row)
                if (!visit.store()->putItem(*run.visitId, QStringLiteral("info"),
                                            infoItem(info::Row(row)), run.info->text[row]))
                    visit.failed(visit.store()->error());
        }
        record(Step::Info, run.info->outcome);
        // Without the meter known to the store nothing of the round can be kept.
        if (!run.visitId) {
            if (run.outcome.succeeded())
                run.outcome = Outcome::of(Outcome::Kind::FinishedWithErrors);
            return end();
        }
        if (!goOn())
            return end();

        // The settings, as "Читать" fills the tab.
        const settings::ReadResult read = settings::read(p, frontend, current, locale);
        session.noteFirmwareVersion(read.firmwareVersionByte);
        // Only settings read whole are kept: the act compares them with the next visit's.
        if (read.outcome.succeeded())
            visit.noteSettings(QStringLiteral("read"), {}, settings::file::lines(read.form));
        record(Step::Settings, read.outcome);
        if (!goOn())
            return end();

        // Both rings, only what the store does not hold yet.
        run.sync = store::sync::run(p, frontend, *visit.store(), *visit.meterId(), *run.visitId,
                                    true, true);
        const store::sync::Result& synced = *run.sync;
        if (!synced.storeError.isEmpty())
            visit.failed(synced.storeError);
        for (const auto& [ring, r] : {std::pair(store::Ring::Daily, &synced.daily),
                                      std::pair(store::Ring::Minute, &synced.minute)}) {
            if (!r->ran)
                continue;
            const QString prefix = store::ringName(ring) + QLatin1Char('.');
            const std::pair<const char*, QString> items[] = {
                {"requests", QString::number(r->requests)},
                {"read", QString::number(r->read)},
                {"new", QString::number(r->fresh)},
                {"conflicts", QString::number(r->conflicts)},
                {"unreadable", QString::number(r->unreadable)},
                {"changed", r->changed ? QStringLiteral("1") : QStringLiteral("0")},
                {"from", r->from ? store::positionText(ring, *r->from) : QString()},
                {"to", r->to ? store::positionText(ring, *r->to) : QString()},
            };
            for (const auto& [item, text] : items)
                if (!visit.store()->putItem(*run.visitId, QStringLiteral("sync"),
                                            prefix + QLatin1String(item), text))
                    visit.failed(visit.store()->error());
        }
        // The drift of the visit is the one the Info readout saw; the sync's when that one
        // could not be read.
        if (!run.clockDriftSeconds && synced.clockDriftSeconds) {
            run.clockDriftSeconds = synced.clockDriftSeconds;
            visit.facts.clockDriftSeconds = synced.clockDriftSeconds;
            visit.facts.meterTime = synced.meterTime;
            visit.facts.pcTime = synced.pcTime;
        }
        record(Step::Sync, synced.outcome);

        // The clock, when asked for and confirmed.
        if (request.setClock && goOn()) {
            const Outcome clock = setClock(p, frontend, locale, now, run);
            visit.facts.clockSetTo = run.clockSetTo;
            record(Step::Clock, clock);
        }
        return end();
    });
    if (run.steps.empty())
        run.outcome = connection;
    return run;
}

} // namespace actions::visit
