#include "actions/Connection.h"

#include "core/Frontend.h"
#include "core/Texts.h"
#include "link/Protocol.h"

namespace actions {

using core::Outcome;

Outcome Connection::run(const line::LinkTarget& target, const std::function<Outcome()>& branch) {
    return session_.run(
        target, line::kConnectionTimeouts, core::Session::LinkUse::Any, [&](line::Link&) {
            core::Frontend& frontend = session_.frontend();
            line::Protocol& protocol = session_.protocol();
            frontend.setStatus(core::texts::waiting());
            frontend.processEvents();
            frontend.setProgressMaximum(kIdentityProgressMaximum);

            const bool answered = protocol.ReadMemory(kIdentityAddress, 2);
            // A stop asked while the connection starts is honoured before the branch begins.
            if (protocol.stopRequested())
                return core::finish(frontend, Outcome::of(Outcome::Kind::Cancelled));
            if (!answered)
                return core::finish(frontend, Outcome::of(Outcome::Kind::NoAnswer));
            frontend.setProgressPosition(0);
            if (protocol.at(1) != 0)
                return core::finish(frontend, Outcome::of(Outcome::Kind::ForeignDevice));
            return branch();
        });
}

} // namespace actions
