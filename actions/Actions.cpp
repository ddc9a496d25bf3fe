#include "actions/Actions.h"

#include "actions/Connection.h"
#include "actions/TotalsClearing.h"
#include "core/Frontend.h"
#include "core/Texts.h"
#include "settings/SettingsCheck.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsImage.h"
#include "settings/SettingsReadout.h"
#include "settings/SettingsTexts.h"
#include "settings/SettingsWriter.h"
#include "store/Visit.h"

using core::Outcome;

namespace actions {

void noteInfo(store::Visit& visit, const info::Values& values) {
    const info::Readings& r = values.readings;
    if (!r.serialNumber || !r.manufactured.isValid())
        return;
    visit.identified({*r.serialNumber, r.manufactured});
    store::VisitFacts& f = visit.facts;
    if (values.meterClock) {
        f.meterTime = values.meterClock;
        f.pcTime = r.pcTimeAtClock;
    }
    f.clockDriftSeconds = r.clockDriftSeconds();
    f.firmwareVersion = r.firmwareVersionByte;
    f.firmwareDate = r.lastProgrammed;
    f.batteryVolts = r.batteryVolts;
    f.volumeM3 = r.volumeM3;
    f.workHours = r.workHours;
    f.idleHours = r.idleHours;
}

namespace {

// Keeps each record of a readout in the store as it is read.
archive::EntryHook storeEntries(store::Visit& visit, archive::Kind kind) {
    store::RecordWriter* writer =
        visit.writer(kind == archive::Kind::Daily ? store::Ring::Daily : store::Ring::Minute);
    if (!writer)
        return {};
    if (kind == archive::Kind::Daily) {
        return [writer](const archive::EntryRead& e) {
            writer->put(e.dayNumber, *e.record, e.running);
        };
    }
    return [writer](const archive::EntryRead& e) {
        if (!e.running) // its slot still holds the minute five days back
            writer->put(store::minutePosition(e.dayNumber, e.minuteOfDay), *e.record);
    };
}

} // namespace

InfoRun readInfo(core::Session& session, const line::LinkTarget& target, const QLocale& locale) {
    InfoRun run;
    run.outcome = Connection(session).run(target, [&] {
        store::Visit visit(session, QStringLiteral("info"), target);
        run.values = info::read(session.protocol(), session.frontend(), locale);
        session.noteFirmwareVersion(run.values->firmwareVersionByte);
        noteInfo(visit, *run.values);
        visit.end(run.values->outcome);
        return run.values->outcome;
    });
    return run;
}

Outcome clearTotals(core::Session& session, const line::LinkTarget& target,
                    std::optional<std::vector<totals::NotZero>>* notCleared) {
    return Connection(session).run(target, [&] {
        store::Visit visit(session, QStringLiteral("clear-totals"), target);
        visit.identify();
        const Outcome outcome = totals::clear(session.protocol(), session.frontend(), notCleared);
        visit.end(outcome);
        return outcome;
    });
}

archive::Readout readArchive(core::Session& session, const line::LinkTarget& target,
                             archive::Kind kind, const archive::Interval& interval,
                             const QLocale& locale) {
    archive::Readout readout;
    readout.outcome = Connection(session).run(target, [&] {
        store::Visit visit(session,
                           kind == archive::Kind::Daily ? QStringLiteral("daily")
                                                        : QStringLiteral("minute"),
                           target);
        visit.identify();
        readout = archive::readArchive(session.protocol(), session.frontend(), kind, interval,
                                       session.kept<archive::Archives>(), locale,
                                       storeEntries(visit, kind));
        visit.facts.clockDriftSeconds = readout.clockDriftSeconds;
        visit.end(readout.outcome);
        return readout.outcome;
    });
    return readout;
}

SettingsRun readSettings(core::Session& session, const line::LinkTarget& target,
                         const settings::SettingsForm& current, const QLocale& locale) {
    SettingsRun run;
    run.outcome = Connection(session).run(target, [&] {
        store::Visit visit(session, QStringLiteral("settings-read"), target);
        visit.identify();
        // The read takes the fields one by one, not the whole area: the row keeps the
        // settings-file lines and no bytes, so that the exchange stays the one without a store.
        const settings::ReadResult r =
            settings::read(session.protocol(), session.frontend(), current, locale);
        visit.noteSettings(QStringLiteral("read"), {}, settings::file::lines(r.form));
        visit.end(r.outcome);
        session.noteFirmwareVersion(r.firmwareVersionByte);
        run.form = r.form;
        run.dateRead = r.dateRead;
        run.timeRead = r.timeRead;
        return r.outcome;
    });
    return run;
}

SettingsWriteRun writeSettings(core::Session& session, const line::LinkTarget& target,
                               const settings::SettingsForm& form, const QLocale& locale,
                               const QDateTime& now) {
    SettingsWriteRun run;
    run.outcome = Connection(session).run(target, [&] {
        store::Visit visit(session, QStringLiteral("settings-write"), target);
        visit.identify();
        const settings::WriteResult r =
            settings::write(session.protocol(), session.frontend(), form, locale, now);
        if (r.written) {
            visit.noteSettings(QStringLiteral("written"), r.writtenBytes,
                               settings::file::lines(form));
            if (!r.readBackBytes.isEmpty())
                visit.noteSettings(QStringLiteral("after"), r.readBackBytes,
                                   settings::file::lines(settings::formFromImage(
                                       r.readBack, r.firmwareVersionByte, form, locale)));
        }
        visit.end(r.outcome);
        session.noteFirmwareVersion(r.firmwareVersionByte);
        run.written = r.written;
        run.mismatches = r.mismatches;
        run.notCleared = r.notCleared;
        return r.outcome;
    });
    return run;
}

SettingsCompareRun compareSettings(core::Session& session, const line::LinkTarget& target,
                                   const settings::SettingsForm& form, const QLocale& locale,
                                   bool validate) {
    SettingsCompareRun run;
    run.outcome = Connection(session).run(target, [&] {
        core::Frontend& frontend = session.frontend();
        if (validate) {
            // The checks of "Применить", with its messages; nothing is written either way.
            const settings::Preparation prepared = settings::prepareWrite(form, locale);
            if (!prepared.write) {
                frontend.showError(core::texts::errorCaption(), prepared.error);
                return core::finish(frontend, Outcome::of(Outcome::Kind::InputRefused,
                                                          Outcome::Detail::SettingsNotWritten));
            }
        }
        // Comparing reads the meter's settings: the store keeps it as a settings read.
        store::Visit visit(session, QStringLiteral("settings-read"), target);
        visit.identify();
        const settings::CompareResult r =
            settings::compare(session.protocol(), frontend, form, locale);
        // The comparison reads 16..69, not the whole stored area: the lines, without bytes.
        if (r.read)
            visit.noteSettings(QStringLiteral("read"), {},
                               settings::file::lines(settings::formFromImage(
                                   r.meter, r.firmwareVersionByte, form, locale)));
        visit.end(r.outcome);
        session.noteFirmwareVersion(r.firmwareVersionByte);
        run.read = r.read;
        run.differences = r.differences;
        return r.outcome;
    });
    return run;
}

} // namespace actions
