#pragma once

#include "device/ArchiveLayout.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

// One 8-byte archive record as the meter keeps it: a 40-bit volume (the upper five bytes of a
// 48-bit count of 10^-6 m3), a 16-bit working time (units of 2 s in the daily archive, seconds in
// the minute archive) and the event byte.
namespace archive {

namespace event_bit {
constexpr quint8 kMeterFault = 0x01;
constexpr quint8 kSensorsDisconnected = 0x02;
constexpr quint8 kMeasurementErrors = 0x04;
constexpr quint8 kLowSupplyVoltage = 0x08;
constexpr quint8 kSerialInterfaceUsed = 0x10;
constexpr quint8 kProgrammingMode = 0x20;
// Set by the program for a record whose read failed.
constexpr quint8 kTransferError = 0x40;
constexpr quint8 kRecordPresent = 0x80;
} // namespace event_bit

struct Record {
    std::array<quint8, device::archive_layout::kRecordSize> bytes{};

    quint8 events() const { return bytes[7]; }
    // A record without the present bit is empty, whatever else it holds.
    bool present() const { return events() & event_bit::kRecordPresent; }
    // A present record that could not be read: shown as a transfer error, never totalled.
    bool unreadable() const { return present() && (events() & event_bit::kTransferError); }

    // The 40-bit volume field as stored (one unit is 0.000256 m3).
    quint64 volumeUnits() const;
    // Volume in m3: value x 256 exactly in integers, then / 1000000.
    double volumeCubicMetres() const;
    // The raw 16-bit working time; the caller scales it.
    quint16 workingTime() const;
};

enum class Area { Daily, Minute };

// The record of day `dayNumber` (days since 1899-12-30): slot (device day + 1) mod 731.
quint16 dailyRecordAddress(int dayNumber);
// The record of minute hour:minute of day `dayNumber`: slot (device day mod 5) x 1440 +
// hour x 60 + minute, after the daily area.
quint16 minuteRecordAddress(int dayNumber, int hour, int minute);
// One record back in time, wrapping from the first record of the area to its last.
quint16 previousRecordAddress(quint16 address, Area area);

// Which list of event texts: the text report shows the programming mode, the workbook does not.
enum class EventTarget { Report, Spreadsheet };
// The event texts of a present, readable record: at most one of meter fault, sensors not
// connected, measurement errors (in that priority), then low voltage, then the serial
// interface, then (report only) programming mode. Each text begins with a blank.
QString eventText(quint8 events, EventTarget target);
// The same texts one by one, in that order.
QStringList eventTexts(quint8 events, EventTarget target);

// The entry of a record whose read failed: only the present and transfer-error bits (0xC0).
void markUnreadable(Record& record);

} // namespace archive
