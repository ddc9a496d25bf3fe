#include "link/LinkOpener.h"

#include "link/PipeLink.h"
#include "link/PortList.h"
#include "link/SerialLink.h"

namespace {
OpenResult openSerial(const QString& entry, const ReadTimeouts& timeouts) {
    OpenResult result;
    result.portName = port_list::portNameOfEntry(entry);
    result.link = SerialLink::open(result.portName.trimmed(), timeouts);
    return result;
}
} // namespace

OpenResult LinkOpener::openForConnection(const PortSelection& selection) const {
    if (selection.isPipe()) {
        OpenResult result;
        result.link = PipeLink::open(pipeName_);
        return result;
    }
    return openSerial(selection.entry, kConnectionTimeouts);
}

OpenResult LinkOpener::openForProgramming(const QString& entry,
                                          const ReadTimeouts& timeouts) const {
    return openSerial(entry, timeouts);
}
