#pragma once

#include "actions/InfoReadout.h"
#include "app/TabContext.h"

#include <QDateTime>

namespace line {
struct LinkTarget;
}
namespace settings {
struct SettingsForm;
}

// The Info tab: the meter's live values, clock and identity, and clearing the totals.
class InfoTab {
public:
    explicit InfoTab(const TabContext& context);

    void read(const line::LinkTarget& target);
    void clearTotals(const line::LinkTarget& target);
    // The service visit: the round on the meter, its values shown here, then its act written
    // to `actFile` (when not empty) from the store. `settingsForm`: the Settings tab as it stands.
    void visit(const line::LinkTarget& target, const QString& engineer, bool setClock,
               const QString& actFile, const settings::SettingsForm& settingsForm);

private:
    // Shows the values of a readout in the rows and the clock's difference beside them.
    void showValues(const actions::info::Values& values);
    // Shows the values of the last readout as not current (greyed, with the time they were
    // read), or as current again.
    void markValuesStale(bool stale);

    TabContext c_;
    QDateTime readAt_; // when the values shown were read; invalid before the first readout
};
