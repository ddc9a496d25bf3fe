#pragma once

#include "core/Outcome.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

class Frontend;
class Protocol;

// The Info tab: the meter's live values, clock and identity, one row each.
namespace info {

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

struct RowLabels {
    const char* captionLabel; // object name of the caption label
    const char* valueLabel;   // object name of the value label
};
// Object names of the labels of each row, top to bottom.
extern const std::array<RowLabels, kRowCount> kRowLabels;
QString caption(Row row);

struct Values {
    std::array<QString, kRowCount> text; // as shown; empty when the item could not be read
    std::optional<quint8> firmwareVersionByte;
    core::Outcome outcome;
};

// Flow display texts.
QString lowBattery();       // "Low Battery"
QString lowPowerPrefix();   // "LP   "
QString noFlow();           // " .  "
QString noMeasurement();    // "-.--"
QString measurementError(); // "Error"

// The readout itself, entered with the link open and the identity confirmed. Every item is
// tried; a failed one leaves its text empty. Sets the final status.
Values read(Protocol& protocol, Frontend& frontend, const QLocale& locale);

} // namespace info
