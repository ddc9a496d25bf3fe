#pragma once

#include "link/Link.h"

#include <QString>

#include <memory>

namespace line {

// Where a meter action reaches the meter: a serial port by its name, or the remote-access
// client's pipe by the pipe's name. The window turns its port-list entry into one; zetra-cli
// its --port or --pipe.
struct LinkTarget {
    enum class Kind { SerialPort, Pipe };

    Kind kind = Kind::SerialPort;
    // A serial port's name as the port list writes it, up to and including its blank
    // ("COM1 ", "/dev/pts/3 "); the device path is the name without the blank. For the pipe,
    // the pipe's name.
    QString name;

    static LinkTarget serialPort(QString portName) {
        return {Kind::SerialPort, std::move(portName)};
    }
    static LinkTarget pipe(QString pipeName) { return {Kind::Pipe, std::move(pipeName)}; }
    bool isPipe() const { return kind == Kind::Pipe; }
};

struct OpenResult {
    std::unique_ptr<Link> link; // null when the open failed
    QString portName;           // for the failure text; empty for the pipe
    OpenFailure failure;        // why the open failed
};

// Opens the link a target names.
namespace opener {

inline QString defaultPipeName() { return QStringLiteral("kwz_pipe"); }

// The serial port gets `serialTimeouts`; the pipe keeps its own.
OpenResult open(const LinkTarget& target, const ReadTimeouts& serialTimeouts);

// Serial only: the pipe has no port name and fails.
OpenResult openSerial(const LinkTarget& target, const ReadTimeouts& timeouts);

} // namespace opener

} // namespace line
