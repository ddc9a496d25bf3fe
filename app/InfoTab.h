#pragma once

#include "app/TabContext.h"

#include <QDateTime>

namespace line {
struct LinkTarget;
}

// The Info tab: the meter's live values, clock and identity, and clearing the totals.
class InfoTab {
public:
    explicit InfoTab(const TabContext& context);

    void read(const line::LinkTarget& target);
    void clearTotals(const line::LinkTarget& target);

private:
    // Shows the values of the last readout as not current (greyed, with the time they were
    // read), or as current again.
    void markValuesStale(bool stale);

    TabContext c_;
    QDateTime readAt_; // when the values shown were read; invalid before the first readout
};
