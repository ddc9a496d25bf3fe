#include "link/Cancel.h"

namespace line {

CancelToken::Effect CancelToken::request() {
    const Phase now = phase();
    if (askedInPhase_ || (requested_ && now != Phase::Refused))
        return Effect::AlreadyAsked;
    askedInPhase_ = true;
    switch (now) {
    case Phase::Interruptible:
        requested_ = true;
        return Effect::Stopping;
    case Phase::Deferred:
        requested_ = true;
        return Effect::AfterPhase;
    case Phase::Refused:
        break;
    }
    return Effect::CannotStop;
}

void CancelToken::reset() {
    requested_ = false;
    askedInPhase_ = false;
}

void CancelToken::enter(Phase phase) {
    phases_.push_back(phase);
    askedInPhase_ = false;
    announce();
}

void CancelToken::leave() {
    if (phases_.empty())
        return;
    phases_.pop_back();
    // A request dropped by a refused phase does not come back; the next phase hears anew.
    askedInPhase_ = false;
    announce();
}

void CancelToken::announce() {
    if (observer_)
        observer_(phase());
}

CancelToken::Scope::Scope(CancelToken* token, Phase phase) : token_(token) {
    if (token_)
        token_->enter(phase);
}

CancelToken::Scope::~Scope() {
    if (token_)
        token_->leave();
}

} // namespace line
