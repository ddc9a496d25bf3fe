#pragma once

#include "app/frame/InfoReadout.h"
#include "archive/ArchiveReadout.h"
#include "core/Session.h"
#include "settings/SettingsForm.h"

#include <QLocale>

#include <optional>

// The meter actions behind the connection buttons, as the window and zetra-cli both run them:
// each opens a connection on the session's link target, runs its tab's readout or write, keeps
// what the session keeps (the firmware version byte, the archive buffers) and returns the
// outcome with its results.
namespace frame {

struct InfoRun {
    core::Outcome outcome;
    std::optional<info::Values> values; // when the readout ran
};
InfoRun readInfo(core::Session& session, const LinkTarget& target, const QLocale& locale);

core::Outcome clearTotals(core::Session& session, const LinkTarget& target);

// The readout replaces the archive's buffer in the session when it passed its checks.
archive::Readout readArchive(core::Session& session, const LinkTarget& target, archive::Kind kind,
                             const archive::Interval& interval, const QLocale& locale);

struct SettingsRun {
    core::Outcome outcome;
    std::optional<SettingsForm> form; // the tab after the reading, when it ran
};
SettingsRun readSettings(core::Session& session, const LinkTarget& target,
                         const SettingsForm& current, const QLocale& locale);

core::Outcome writeSettings(core::Session& session, const LinkTarget& target,
                            const SettingsForm& form, const QLocale& locale);

} // namespace frame
