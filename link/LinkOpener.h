#pragma once

#include "link/Link.h"

#include <QString>

#include <memory>

// What the port list says when a connection starts.
struct PortSelection {
    int index = 0;
    int count = 1;
    QString entry;

    bool isPipe() const { return index == count - 1; }
};

struct OpenResult {
    std::unique_ptr<Link> link; // null when the open failed
    QString portName;           // for the failure text; empty for the pipe
};

// Opens the link that a port-list selection names.
class LinkOpener {
public:
    static QString defaultPipeName() { return QStringLiteral("kwz_pipe"); }

    explicit LinkOpener(QString pipeName = defaultPipeName()) : pipeName_(std::move(pipeName)) {}

    // The last entry is the pipe; any other entry names a serial port by its first word.
    // The serial port gets the connection time-outs.
    OpenResult openForConnection(const PortSelection& selection) const;

    // Serial only, whatever the entry is; the pipe entry has no port name and fails.
    OpenResult openForProgramming(const QString& entry, const ReadTimeouts& timeouts) const;

    const QString& pipeName() const { return pipeName_; }

private:
    QString pipeName_;
};
