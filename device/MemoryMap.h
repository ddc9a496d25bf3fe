#pragma once

#include <QtGlobal>

namespace device {

// The meter's status and measurement memory: the 12-bit address space of ReadMemory and
// WriteMemory. Addresses are decimal, multi-byte integers little-endian.
namespace memory {
constexpr quint16 kMeasurementState = 23;   // bits 0..2 decide the flow display
constexpr quint16 kDeviceState = 24;        // see the DeviceState bits
constexpr quint16 kFlowRate = 1216;         // device float, cm3/s
constexpr quint16 kFlowVelocity = 1220;     // device float, cm/s
constexpr quint16 kVolume = 1224;           // 48-bit, cm3
constexpr quint16 kOperatingTime = 1230;    // 32-bit, seconds
constexpr quint16 kIdleTime = 1234;         // 32-bit, seconds
constexpr quint16 kDate = 1238;             // device day number
constexpr quint16 kClock = 1240;            // hours, minutes, third byte
constexpr quint16 kRunningDayRecord = 1253; // 8 bytes, archive record layout
constexpr quint16 kFirmwareVersion = 1261;  // 16-bit version, then short date of last programming
constexpr quint16 kSerialNumber = 1267;     // 16-bit serial, then short date of manufacture
constexpr quint16 kCompatibility = 1271;    // first byte 0 for a meter this program serves
constexpr quint16 kBattery = 1274;          // 16-bit raw, volts = raw / 1024 * 3.7887
} // namespace memory

namespace state {
constexpr quint8 kBatteryLow = 0x01;
constexpr quint8 kArchiveUnavailable = 0x04;
constexpr quint8 kChangesPermitted = 0x10;
constexpr quint8 kLowPower = 0x80; // the "LP" indicator
} // namespace state

} // namespace device
