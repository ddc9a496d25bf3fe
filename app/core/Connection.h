#pragma once

#include "link/LinkOpener.h"

#include <functional>

class Frontend;
class Protocol;

// One press of a connection button: open the link the port list selects, make sure a meter of
// the right kind answers, run the tab's work, close the link. Every path ends with the link
// closed and the progress bar at 0.
class Connection {
public:
    static constexpr quint16 kIdentityAddress = 1271;
    static constexpr int kIdentityProgressMaximum = 1000;

    Connection(Frontend& frontend, Protocol& protocol, const LinkOpener& opener)
        : frontend_(frontend), protocol_(protocol), opener_(opener) {}

    // Runs `branch` with the link open and the identity confirmed; true when it ran.
    bool run(const PortSelection& selection, const std::function<void()>& branch);

private:
    Frontend& frontend_;
    Protocol& protocol_;
    const LinkOpener& opener_;
};

// Makes each transaction step the progress bar and let the window breathe.
void attachFrontend(Protocol& protocol, Frontend& frontend);
