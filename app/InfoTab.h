#pragma once

#include "app/TabContext.h"

struct LinkTarget;

// The Info tab: the meter's live values, clock and identity, and clearing the totals.
class InfoTab {
public:
    explicit InfoTab(const TabContext& context);

    void read(const LinkTarget& target);
    void clearTotals(const LinkTarget& target);

private:
    TabContext c_;
};
