#include "cli/Interrupt.h"

#include <atomic>
#include <csignal>

namespace cli::interrupt {
namespace {
// A lock-free atomic may be touched from a signal handler.
std::atomic<int> received{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void onSignal(int) { received.fetch_add(1); }
} // namespace

void install() {
    struct sigaction action = {};
    action.sa_handler = &onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: a question waiting on the terminal gives up
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int take() { return received.exchange(0); }

void raiseForTest() { onSignal(SIGINT); }

} // namespace cli::interrupt
