#pragma once

#include "core/Outcome.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace core {
class Frontend;
}
namespace line {
class Protocol;
}

// The Info tab: the meter's live values, clock and identity, one row each.
namespace actions::info {

enum Row {
    kFlow,
    kVelocity,
    kVolume,
    kOperatingHours,
    kIdleHours,
    kBattery,
    kDate,
    kTime,
    kSerialNumber,
    kManufactured,
    kFirmwareVersion,
    kLastProgrammed,
    kRowCount
};

QString caption(Row row);

// The same items as numbers, dates and flags, for scripts; empty when not read.
struct Readings {
    std::optional<double> flowM3h; // only when the meter measured a flow
    std::optional<double> velocityMs;
    std::optional<double> volumeM3;
    std::optional<double> workHours;
    std::optional<double> idleHours;
    std::optional<double> batteryVolts;
    std::optional<QDate> meterDate;
    std::optional<int> clockHours, clockMinutes;
    QDateTime pcTimeAtClock; // the PC's clock when the meter's time was read
    std::optional<int> serialNumber;
    QDate manufactured; // invalid when not read or not a calendar date
    std::optional<int> firmwareVersionByte;
    QDate lastProgrammed;
    std::optional<bool> lowBattery, lowPower; // the device state's bits
    std::optional<bool> measurementError;     // the flow shows "Error"

    // Meter clock minus the PC's, whole seconds; empty unless both date and time were read
    // and make a valid time of day.
    std::optional<qint64> clockDriftSeconds() const;
};

struct Values {
    std::array<QString, kRowCount> text; // as shown; empty when the item could not be read
    Readings readings;
    std::optional<quint8> firmwareVersionByte;
    std::optional<QDateTime> meterClock; // the meter's date and time, when both were read
    core::Outcome outcome;
};

// Flow display texts.
QString lowBattery();       // "Low Battery"
QString lowPowerPrefix();   // "LP   "
QString noFlow();           // " .  "
QString noMeasurement();    // "-.--"
QString measurementError(); // "Error"

// How far the meter's clock is from the PC's `now`, when more than a minute (the meter counts
// whole minutes): "ПК: 14:16, прибор отстаёт на 14 мин", or "спешит"; the PC's date is named
// too when the dates differ. Empty when the clocks agree.
QString clockDifference(const QDateTime& meterClock, const QDateTime& now, const QLocale& locale);

// The readout itself, entered with the link open and the identity confirmed. Every item is
// tried; a failed one leaves its text empty. Sets the final status.
Values read(line::Protocol& protocol, core::Frontend& frontend, const QLocale& locale);

} // namespace actions::info
