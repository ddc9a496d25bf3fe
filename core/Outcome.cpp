#include "core/Outcome.h"

#include "core/Frontend.h"
#include "core/Texts.h"
#include "link/Protocol.h"

namespace core {

Outcome Outcome::fromFlags(const line::Protocol& protocol) {
    // Transactions cut short by the engineer's stop: the group ends as stopped.
    if (protocol.stopRequested())
        return of(Kind::Cancelled);
    if (!protocol.replySeen())
        return of(Kind::NoAnswer);
    if (protocol.errorSeen())
        return of(Kind::FinishedWithErrors);
    return of(Kind::Succeeded);
}

std::optional<QString> statusText(const Outcome& o) {
    if (!o.wording.isEmpty())
        return o.wording;
    switch (o.kind) {
    case Outcome::Kind::Succeeded:
        return texts::completedOk();
    case Outcome::Kind::FinishedWithErrors:
        return texts::completedWithErrors();
    case Outcome::Kind::NoAnswer:
        return texts::noAnswer();
    case Outcome::Kind::PortNotOpened:
        return texts::cannotOpenPort() + o.portName;
    case Outcome::Kind::ForeignDevice:
        return texts::incompatibleDevice();
    case Outcome::Kind::Cancelled:
        return texts::cancelled();
    case Outcome::Kind::RefusedByMeter:
    case Outcome::Kind::InputRefused:
    case Outcome::Kind::IntervalRefused:
    case Outcome::Kind::Declined:
        break;
    }
    return std::nullopt;
}

Outcome finish(Frontend& frontend, Outcome outcome) {
    if (const auto text = statusText(outcome)) {
        frontend.setStatus(*text);
        frontend.setStatusReason(outcome.reason);
    }
    return outcome;
}

} // namespace core
