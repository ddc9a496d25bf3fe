#pragma once

namespace core {

// Qt's own warnings (a device that cannot seek, a missing plugin) are for the developer: in a
// debug build they go to standard error as usual, otherwise they are dropped, so that nothing
// but the program's own texts reaches the engineer's terminal. Fatal messages always show.
void keepToolkitMessagesToDevelopers();

} // namespace core
