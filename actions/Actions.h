#pragma once

#include "actions/InfoReadout.h"
#include "actions/TotalsClearing.h"
#include "archive/ArchiveReadout.h"
#include "core/Session.h"
#include "settings/SettingsForm.h"
#include "settings/SettingsImage.h"
#include "settings/SettingsWriter.h"

#include <QDateTime>

#include <QLocale>

#include <optional>
#include <vector>

namespace store {
class Visit;
}

// The meter actions behind the connection buttons, as the window and zetra-cli both run them:
// each opens a connection on the session's link target, runs its tab's readout or write, keeps
// what the session keeps (the firmware version byte, the archive buffers) and returns the
// outcome with its results.
namespace actions {

// What the Info readout learnt, for the visit row: the meter (starting the visit when the
// serial number and manufacture date were read), the clock and its drift, the live values.
void noteInfo(store::Visit& visit, const info::Values& values);

struct InfoRun {
    core::Outcome outcome;
    std::optional<info::Values> values; // when the readout ran
};
InfoRun readInfo(core::Session& session, const line::LinkTarget& target, const QLocale& locale);

// `notCleared`: what the read-back found not zero, when it ran.
core::Outcome clearTotals(core::Session& session, const line::LinkTarget& target,
                          std::optional<std::vector<totals::NotZero>>* notCleared = nullptr);

// The readout replaces the archive's buffer in the session when it passed its checks.
archive::Readout readArchive(core::Session& session, const line::LinkTarget& target,
                             archive::Kind kind, const archive::Interval& interval,
                             const QLocale& locale);

struct SettingsRun {
    core::Outcome outcome;
    std::optional<settings::SettingsForm> form; // the tab after the reading, when it ran
    bool dateRead = false;                      // the form's date and time came from the meter
    bool timeRead = false;
};
SettingsRun readSettings(core::Session& session, const line::LinkTarget& target,
                         const settings::SettingsForm& current, const QLocale& locale);

struct SettingsWriteRun {
    core::Outcome outcome;
    bool written = false; // settings bytes were sent
    // The fields the read-back found different from what was sent.
    std::vector<settings::FieldDifference> mismatches;
    settings::NotCleared notCleared; // per archive whose clearing was read back
};
// `now` is the PC's clock the question compares the form's clock with.
SettingsWriteRun writeSettings(core::Session& session, const line::LinkTarget& target,
                               const settings::SettingsForm& form, const QLocale& locale,
                               const QDateTime& now);

struct SettingsCompareRun {
    core::Outcome outcome;
    bool read = false; // the meter's settings were read completely
    std::vector<settings::FieldDifference> differences;
};
// Reads the meter's settings and compares them with `form`, which stays as it is. With
// `validate` the form is first checked as "Применить" checks it (same messages); a refused
// form ends the action before anything is read.
SettingsCompareRun compareSettings(core::Session& session, const line::LinkTarget& target,
                                   const settings::SettingsForm& form, const QLocale& locale,
                                   bool validate = false);

} // namespace actions
