#pragma once

#include <functional>
#include <vector>

namespace line {

// A person's request to stop the running action, and the phases that must not be cut.
//
// The window's "Прервать" and zetra-cli's signals ask here; the link gives up a read that is
// waiting for an answer and the protocol sends no further attempt once `stopNow()` holds. A
// frame is never cut in half: a write in progress always completes. Inside a deferred phase
// (the settings write) a request is remembered and takes effect when the phase ends; inside a
// refused phase (firmware from the erase on) a request is dropped.
class CancelToken {
public:
    enum class Phase { Interruptible, Deferred, Refused };
    // What a request did.
    enum class Effect {
        Stopping,     // the action stops at once
        AfterPhase,   // remembered: the action stops when the running phase ends
        CannotStop,   // dropped: the running phase runs to its end
        AlreadyAsked, // a request in this phase came before; nothing changes
    };

    Effect request();
    // Forgets every request; an action starts with a clean token.
    void reset();

    // A request that still stands (asked and not dropped), whether or not it may act yet.
    bool requested() const { return requested_; }
    // The action must stop now: a request stands and no phase holds it back.
    bool stopNow() const { return requested_ && phase() == Phase::Interruptible; }
    Phase phase() const { return phases_.empty() ? Phase::Interruptible : phases_.back(); }

    // Told of every change of the phase (the window disables its button meanwhile).
    void setPhaseObserver(std::function<void(Phase)> observer) { observer_ = std::move(observer); }

    // Holds a phase for its lifetime; phases nest, the innermost one counts.
    class Scope {
    public:
        Scope(CancelToken* token, Phase phase);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        CancelToken* token_;
    };

private:
    void enter(Phase phase);
    void leave();
    void announce();

    bool requested_ = false;
    bool askedInPhase_ = false;
    std::vector<Phase> phases_;
    std::function<void(Phase)> observer_;
};

} // namespace line
