#include "app/frame/Actions.h"

#include "app/frame/Connection.h"
#include "app/frame/TotalsClearing.h"
#include "settings/SettingsReadout.h"
#include "settings/SettingsWriter.h"

using core::Outcome;

namespace frame {

InfoRun readInfo(core::Session& session, const LinkTarget& target, const QLocale& locale) {
    InfoRun run;
    run.outcome = Connection(session).run(target, [&] {
        run.values = info::read(session.protocol(), session.frontend(), locale);
        session.noteFirmwareVersion(run.values->firmwareVersionByte);
        return run.values->outcome;
    });
    return run;
}

Outcome clearTotals(core::Session& session, const LinkTarget& target) {
    return Connection(session).run(
        target, [&] { return totals::clear(session.protocol(), session.frontend()); });
}

archive::Readout readArchive(core::Session& session, const LinkTarget& target, archive::Kind kind,
                             const archive::Interval& interval, const QLocale& locale) {
    archive::Readout readout;
    readout.outcome = Connection(session).run(target, [&] {
        readout = archive::readArchive(session.protocol(), session.frontend(), kind, interval,
                                       session.kept<archive::Archives>(), locale);
        return readout.outcome;
    });
    return readout;
}

SettingsRun readSettings(core::Session& session, const LinkTarget& target,
                         const SettingsForm& current, const QLocale& locale) {
    SettingsRun run;
    run.outcome = Connection(session).run(target, [&] {
        const settings::ReadResult r =
            settings::read(session.protocol(), session.frontend(), current, locale);
        session.noteFirmwareVersion(r.firmwareVersionByte);
        run.form = r.form;
        return r.outcome;
    });
    return run;
}

Outcome writeSettings(core::Session& session, const LinkTarget& target, const SettingsForm& form,
                      const QLocale& locale) {
    return Connection(session).run(target, [&] {
        const settings::WriteResult r =
            settings::write(session.protocol(), session.frontend(), form, locale);
        session.noteFirmwareVersion(r.firmwareVersionByte);
        return r.outcome;
    });
}

} // namespace frame
