#pragma once

#include "link/LinkOpener.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace line {

// The port list: one entry per serial port present on the PC, in alphabetical order, then the
// remote-access client's pseudo-port, which is always the last entry.
namespace port_list {

QString pipeEntry(); // "КВЗ-клиент"

// The entry made of a device's friendly name: the text between the first "(" and the first
// ")", a blank, then the text before the first "(" (which keeps the blank before the
// parenthesis). "Communications Port (COM1)" gives "COM1 Communications Port ".
QString entryFromFriendlyName(const QString& friendlyName);

// The friendly name a port of this PC goes by: its description, then its name in parentheses.
QString friendlyName(const QString& portName, const QString& description);

// Device entries sorted as the list keeps them (case-insensitive alphabetical), then the pipe.
QStringList build(const QStringList& deviceEntries);

// A serial port as the PC reports it.
struct Port {
    QString name;        // "ttyUSB0", "COM3"
    QString description; // "USB Serial Port"
};

// Where the list takes its ports from: the PC's serial ports, or a test's own.
using PortSource = std::function<QList<Port>()>;

// The serial ports present now.
QList<Port> systemPorts();

// The list for the given ports.
QStringList fromPorts(const QList<Port>& ports);

// The list for the ports present now.
QStringList present();

// The list after the ports were looked at again: the entries for the ports present now, and the
// entry to select in it.
struct Refreshed {
    QStringList entries;
    int selected = 0;
};

// The selection stays on the same entry when it is still there (the pipe entry always is), else
// on the entry of the same port (its description may have changed); when the port has gone, the
// first entry is selected, as at start. `selected` is the index selected in `shown`.
Refreshed refresh(const QStringList& shown, int selected, const QStringList& now);

// The port name of an entry: its text up to and including the first blank; empty when the
// entry has no blank. The device path is that name without the blank.
QString portNameOfEntry(const QString& entry);

// Where an entry reaches the meter: the pipe entry (the last one) the pipe `pipeName`, any other
// entry the serial port of its first word.
LinkTarget targetOfEntry(const QString& entry, bool isPipeEntry, const QString& pipeName);

} // namespace port_list

} // namespace line
