#pragma once

#include "core/Session.h"

#include <functional>

namespace actions {

// One press of a connection button: open the link the target names, make sure a meter of the
// right kind answers, run the tab's work, close the link. Every path ends with the link closed
// and the progress bar at 0.
class Connection {
public:
    static constexpr quint16 kIdentityAddress = 1271;
    static constexpr int kIdentityProgressMaximum = 1000;

    explicit Connection(core::Session& session) : session_(session) {}

    // Runs `branch` with the link open and the identity confirmed; its outcome is the
    // connection's.
    core::Outcome run(const line::LinkTarget& target, const std::function<core::Outcome()>& branch);

private:
    core::Session& session_;
};

} // namespace actions
