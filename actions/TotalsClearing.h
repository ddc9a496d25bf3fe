#pragma once

#include "core/Outcome.h"

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

constexpr int kProgressMaximum = 18;

core::Outcome clear(line::Protocol& protocol, core::Frontend& frontend);

} // namespace actions::totals
