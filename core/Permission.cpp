#include "core/Permission.h"

#include "core/Frontend.h"
#include "device/MemoryMap.h"
#include "link/Protocol.h"

namespace core {

std::optional<Outcome> refuseUnlessChangesPermitted(line::Protocol& p, Frontend& frontend,
                                                    Outcome::Detail forbidden) {
    const bool stateRead = p.ReadMemory(device::memory::kDeviceState, 1);
    frontend.setProgressPosition(0);
    // A stop asked meanwhile is honoured here, before anything is changed.
    if (p.stopRequested())
        return finish(frontend, Outcome::of(Outcome::Kind::Cancelled));
    if (!stateRead)
        return finish(frontend, Outcome::of(Outcome::Kind::NoAnswer));
    if (!(p.at(1) & device::state::kChangesPermitted))
        return finish(frontend, Outcome::of(Outcome::Kind::RefusedByMeter, forbidden));
    return std::nullopt;
}

} // namespace core
