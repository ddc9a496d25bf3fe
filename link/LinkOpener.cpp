#include "link/LinkOpener.h"

#include "link/PipeLink.h"
#include "link/SerialLink.h"

namespace line {

namespace opener {

OpenResult openSerial(const LinkTarget& target, const ReadTimeouts& timeouts) {
    OpenResult result;
    if (target.isPipe())
        return result;
    result.portName = target.name;
    result.link = SerialLink::open(result.portName.trimmed(), timeouts, &result.failure);
    return result;
}

OpenResult open(const LinkTarget& target, const ReadTimeouts& serialTimeouts) {
    if (target.isPipe()) {
        OpenResult result;
        result.link = PipeLink::open(target.name, &result.failure);
        return result;
    }
    return openSerial(target, serialTimeouts);
}

} // namespace opener

} // namespace line
