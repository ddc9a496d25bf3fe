#include "actions/Actions.h"

#include "actions/Connection.h"
#include "actions/TotalsClearing.h"
#include "core/Frontend.h"
#include "core/Texts.h"
#include "settings/SettingsCheck.h"
#include "settings/SettingsReadout.h"
#include "settings/SettingsTexts.h"
#include "settings/SettingsWriter.h"

using core::Outcome;

namespace actions {

InfoRun readInfo(core::Session& session, const line::LinkTarget& target, const QLocale& locale) {
    InfoRun run;
    run.outcome = Connection(session).run(target, [&] {
        run.values = info::read(session.protocol(), session.frontend(), locale);
        session.noteFirmwareVersion(run.values->firmwareVersionByte);
        return run.values->outcome;
    });
    return run;
}

Outcome clearTotals(core::Session& session, const line::LinkTarget& target,
                    std::optional<std::vector<totals::NotZero>>* notCleared) {
    return Connection(session).run(
        target, [&] { return totals::clear(session.protocol(), session.frontend(), notCleared); });
}

archive::Readout readArchive(core::Session& session, const line::LinkTarget& target,
                             archive::Kind kind, const archive::Interval& interval,
                             const QLocale& locale) {
    archive::Readout readout;
    readout.outcome = Connection(session).run(target, [&] {
        readout = archive::readArchive(session.protocol(), session.frontend(), kind, interval,
                                       session.kept<archive::Archives>(), locale);
        return readout.outcome;
    });
    return readout;
}

SettingsRun readSettings(core::Session& session, const line::LinkTarget& target,
                         const settings::SettingsForm& current, const QLocale& locale) {
    SettingsRun run;
    run.outcome = Connection(session).run(target, [&] {
        const settings::ReadResult r =
            settings::read(session.protocol(), session.frontend(), current, locale);
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
        const settings::WriteResult r =
            settings::write(session.protocol(), session.frontend(), form, locale, now);
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
        const settings::CompareResult r =
            settings::compare(session.protocol(), frontend, form, locale);
        session.noteFirmwareVersion(r.firmwareVersionByte);
        run.read = r.read;
        run.differences = r.differences;
        return r.outcome;
    });
    return run;
}

} // namespace actions
