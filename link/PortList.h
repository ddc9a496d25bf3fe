#pragma once

#include "link/LinkOpener.h"

#include <QString>
#include <QStringList>

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

// The list for the ports present now.
QStringList present();

// The port name of an entry: its text up to and including the first blank; empty when the
// entry has no blank. The device path is that name without the blank.
QString portNameOfEntry(const QString& entry);

// Where an entry reaches the meter: the pipe entry (the last one) the pipe `pipeName`, any other
// entry the serial port of its first word.
LinkTarget targetOfEntry(const QString& entry, bool isPipeEntry, const QString& pipeName);

} // namespace port_list
