#pragma once

#include "core/Outcome.h"

#include <optional>
#include <vector>

namespace core {
class Frontend;
}
namespace line {
class Protocol;
}

// "Очистить" on the Info tab: after the question and the meter's permission, the accumulated
// volume, the operating and idle times and the related counters go to zero. Entered with the
// link open and the identity confirmed; sets the final status (nothing when the question is
// answered No).
namespace actions::totals {

// The 19 writes, then the read-back of the setting bytes (4 reads) and the memory blocks (6).
constexpr int kProgressMaximum = 18 + 10;

// What the read-back after the writes found not zero: one per write, a setting byte or a
// memory block, with how many of its bytes are not zero.
struct NotZero {
    bool settings = false; // the settings area, else the memory
    int address = 0;
    int bytes = 0;
};

// After the acknowledged writes everything written is read back; what is not zero ends the
// clearing with errors, named in an error message and in `notCleared` (left alone when no
// read-back ran: a write failed, or the question was answered No).
core::Outcome clear(line::Protocol& protocol, core::Frontend& frontend,
                    std::optional<std::vector<NotZero>>* notCleared = nullptr);

} // namespace actions::totals
