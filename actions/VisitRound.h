#pragma once

#include "actions/InfoReadout.h"
#include "core/Session.h"
#include "settings/SettingsForm.h"
#include "store/Store.h"
#include "store/Sync.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

// The service visit: the engineer's round at a meter as one action in one connection. In order:
// the identity and live values (as the Info tab reads them), the clock and its drift, the
// settings (as "Читать"), a sync of both rings into the store, and, when asked for and confirmed,
// the meter's clock set to the PC's and read back. Every step goes through the code its tab
// uses; the whole round is one visit row (action `visit`) with the Info rows and each step's
// outcome beside it, so that its act can be made again from the store alone.
namespace actions::visit {

// The steps in the order the round takes them; their names are the store's.
enum class Step { Info, Settings, Sync, Clock };
QString stepName(Step step);     // "info", "settings", "sync", "clock"
QString infoItem(info::Row row); // the Info row's name in the store: "flow", "battery", ...

struct Request {
    bool setClock = false; // the engineer asked for the clock to be set (still asked)
    QString engineer;
};

struct StepResult {
    Step step;
    core::Outcome outcome;
};

struct Run {
    core::Outcome outcome; // the worst step's
    std::vector<StepResult> steps;
    std::optional<store::MeterIdentity> meter;
    std::optional<qint64> visitId;
    std::optional<info::Values> info;
    std::optional<store::sync::Result> sync;
    std::optional<qint64> clockDriftSeconds;
    std::optional<QDateTime> clockSetTo; // the time written, when the clock was set
};

// Which of two outcomes is the worse: a stop, then no answer, then a refusal, then errors.
const core::Outcome& worse(const core::Outcome& a, const core::Outcome& b);

// The round. `current` is the Settings tab as it stands (the unit of the zero cutoff); the store
// must be open (the front end says so before the link is opened when it cannot be). `now` gives
// the PC's clock at the moment the clock is written.
Run run(
    core::Session& session, const line::LinkTarget& target, const Request& request,
    const settings::SettingsForm& current, const QLocale& locale,
    const std::function<QDateTime()>& now = [] { return QDateTime::currentDateTime(); });

} // namespace actions::visit
