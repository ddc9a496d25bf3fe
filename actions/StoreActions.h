#pragma once

#include "core/Session.h"
#include "store/Store.h"
#include "store/Sync.h"

#include <optional>

// The meter actions of the store: the incremental read of both rings into it.
namespace actions {

struct SyncRun {
    core::Outcome outcome;
    std::optional<store::sync::Result> result; // when the meter was identified
    std::optional<store::MeterIdentity> meter;
    std::optional<qint64> visitId;
};

// Reads what the store does not hold yet of the daily and/or minute ring. The store must be
// open (the front end says so before the link is opened when it cannot be).
SyncRun syncStore(core::Session& session, const line::LinkTarget& target, bool daily, bool minute);

} // namespace actions
