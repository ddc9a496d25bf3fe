#pragma once

#include "device/DeviceFloat.h"
#include "settings/SettingsForm.h"

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The meter's settings area: an 8-bit byte-addressed space of its own, read several bytes at
// a time with ReadSettingBytes and written one byte per WriteSettingByte. Fields are
// little-endian unless marked BE; floats are in the meter's own format.
//
// The arithmetic between the tab's numbers and the stored ones runs in long double on the
// numbers parsed from the tab's texts; float fields are narrowed to single precision last.
namespace settings::map {

constexpr quint8 kTotalsFirst = 0; // 0..12: cleared with the totals, never read
constexpr int kTotalsBytes = 13;
constexpr quint8 kDateStamp = 13;         // u16, device day number of the last settings write
constexpr quint8 kHourStamp = 15;         // hour of the last settings write
constexpr quint8 kDiameter = 16;          // u16, 0.1 mm; bit 15 ignored on reading
constexpr quint8 kBase = 18;              // u16, 0.1 mm
constexpr quint8 kAngle = 20;             // u16, 0.01 degree
constexpr quint8 kCableLength = 22;       // u16, 0.1 m
constexpr quint8 kZeroCutoff = 24;        // float, cm3/s
constexpr quint8 kPulseWeight = 28;       // u24, 0.001 litre per pulse
constexpr quint8 kWindowStart = 31;       // u16, µs
constexpr quint8 kPathDelay = 33;         // u32 BE, 18 fractional bits
constexpr quint8 kDelayConstant = 37;     // u32 BE, always 00 14 00 00
constexpr quint8 kCrossSection = 41;      // float, cm2
constexpr quint8 kPathCoefficient = 45;   // float
constexpr quint8 kK = 49;                 // float
constexpr quint8 kFirstCoefficient = 53;  // float: A, or C from firmware version byte 6 on
constexpr quint8 kB = 57;                 // float
constexpr quint8 kSecondCoefficient = 61; // float: C, or A from firmware version byte 6 on
constexpr quint8 kZeroOffset = 65;        // float, µs
constexpr quint8 kFlags = 69;

// The block that a settings write sends byte by byte, in rising address order.
constexpr quint8 kWrittenFirst = kDiameter;
constexpr quint8 kWrittenLast = kFlags;
constexpr int kWrittenBytes = kWrittenLast - kWrittenFirst + 1;

constexpr quint32 kDelayConstantValue = 0x00140000; // 5.0 in the path delay's scale

namespace flags {
constexpr quint8 kDiametral = 0x01;
constexpr quint8 kSensorsType3 = 0x02;
constexpr quint8 kWater = 0x04;
constexpr quint8 kOil = 0x08;
constexpr quint8 kPeriod4s = 0x80;
} // namespace flags

// From firmware version byte 6 on, coefficients A and C trade places.
constexpr quint8 kSwappedCoefficientsVersion = 6;
inline bool coefficientsSwapped(quint8 firmwareVersionByte) {
    return firmwareVersionByte >= kSwappedCoefficientsVersion;
}

// A number of the tab as the engineer typed it (the locale's decimal separator), read with
// long double precision; empty when the text is not a number.
std::optional<long double> parseTabNumber(const QString& text, const QLocale& locale);

// Scaled integers: nearest with ties to even, or toward zero.
long double roundNearest(long double value);
long double roundTowardZero(long double value);

// A scaled value rounded to nearest; empty when it does not fit `maximum` (or is negative).
std::optional<quint32> scaledUnsigned(long double value, long double scale, quint32 maximum);
std::optional<quint16> encodeTenths(long double value);      // diameter, base, cable length
std::optional<quint16> encodeHundredths(long double value);  // angle
std::optional<quint32> encodeThousandths(long double value); // pulse weight, 24 bits

// A float field: empty when the value has no representation in the meter's format, also when
// narrowing to single precision would lose a non-zero value to zero.
std::optional<device::DeviceFloatBytes> encodeFloat(long double value);

constexpr quint32 kMaxU16 = 0xFFFF;
constexpr quint32 kMaxU24 = 0xFFFFFF;

long double diameterFromStored(quint16 stored);    // mm, bit 15 dropped
long double baseFromStored(quint16 stored);        // mm
long double angleFromStored(quint16 stored);       // degrees
long double cableLengthFromStored(quint16 stored); // m
long double pulseWeightFromStored(quint32 stored); // litres per pulse

// The flow in m3/h through the pipe at 12 m/s, from the diameter in mm.
long double referenceFlow(long double diameterMm);

// Zero cutoff between the tab's number (m3/h or percent of the reference flow) and the stored
// cm3/s.
long double zeroCutoffStored(long double shown, bool inPercent, long double diameterMm);
long double zeroCutoffShown(long double stored, bool inPercent, long double diameterMm);

// The sound-speed divisor in mm/µs: 1.0 for oil products, 1.5 otherwise.
long double soundSpeedDivisor(SettingsForm::Medium medium);
// The measurement window's own start for a base: toward zero(L / V - 38).
long long windowBase(long double baseMm, SettingsForm::Medium medium);
long long windowStart(long double baseMm, SettingsForm::Medium medium, long long offset);
long long windowOffsetFromStored(quint16 stored, long double baseMm, SettingsForm::Medium medium);

// Signal path delay: toward zero((cable m * 0.01 + s + 0.3) * 2^18), s = 1.13 for sensors
// "тип 6", 1.72 for "тип 3".
long double pathDelay(long double cableLengthM, bool sensorsType3);
long double crossSection(long double diameterMm);
long double pathCoefficient(long double k, long double baseMm, long double diameterMm,
                            bool diametral);

quint8 encodeFlags(const SettingsForm& form);
// Applies a flags byte to the insertion, sensors, medium and period selections.
void decodeFlags(quint8 flags, SettingsForm& form);

// Multi-byte fields as the bytes of their addresses, lowest address first.
std::array<quint8, 2> u16Bytes(quint16 value);
std::array<quint8, 3> u24Bytes(quint32 value);
std::array<quint8, 4> u32BigEndianBytes(quint32 value);

} // namespace settings::map
