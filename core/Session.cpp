#include "core/Session.h"

#include "core/Frontend.h"

namespace core {

Session::Session(Frontend& frontend) : frontend_(frontend) {
    // Each transaction steps the progress bar and lets the window breathe.
    protocol_.setProgressHook([this] {
        frontend_.stepProgress();
        frontend_.processEvents();
    });
}

void Session::setTraceHook(Protocol::TraceHook hook) {
    trace_ = std::move(hook);
    protocol_.setTraceHook(trace_);
}

Outcome Session::run(const LinkTarget& target, const ReadTimeouts& serialTimeouts, LinkUse use,
                     const std::function<Outcome(Link&)>& action) {
    OpenResult opened = use == LinkUse::SerialOnly ? link_opener::openSerial(target, serialTimeouts)
                                                   : link_opener::open(target, serialTimeouts);
    if (!opened.link) {
        Outcome failed = Outcome::of(Outcome::Kind::PortNotOpened);
        failed.portName = opened.portName;
        finish(frontend_, failed);
        frontend_.setProgressPosition(0);
        return failed;
    }
    Link& link = *opened.link;
    link.setIdleHook([this] { frontend_.processEvents(); });
    protocol_.setLink(&link);
    const Outcome outcome = action(link);
    protocol_.setLink(nullptr);
    link.close();
    frontend_.setProgressPosition(0);
    return outcome;
}

} // namespace core
