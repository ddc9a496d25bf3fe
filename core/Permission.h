#pragma once

#include "core/Outcome.h"

#include <optional>

namespace line {
class Protocol;
}

namespace core {

class Frontend;

// Before the settings or the totals are changed, the meter's state byte must permit changes.
// A state that could not be read counts as a refusal. Empty when changes are permitted;
// otherwise the refusal, its status already shown (with `forbidden` when the meter said no).
std::optional<Outcome> refuseUnlessChangesPermitted(line::Protocol& protocol, Frontend& frontend,
                                                    Outcome::Detail forbidden);

} // namespace core
