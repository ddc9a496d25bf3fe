#pragma once

#include "app/TabContext.h"

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
    TabContext c_;
};
