#pragma once

#include <QByteArray>
#include <QDate>
#include <QtGlobal>

#include <vector>

namespace sim {

// The meter's four memories.
enum class Space {
    Memory,   // status and measurement memory, ReadMemory/WriteMemory, 12-bit addresses
    Settings, // settings area, ReadSettingBytes/WriteSettingByte, 8-bit addresses
    Archive,  // archive memory, ReadRecord/WriteRecord, 16-bit byte addresses of records
    Program,  // program memory, reached only in programming mode
};

constexpr int kMemorySize = 4096;
constexpr int kSettingsSize = 256;
constexpr int kArchiveSize = 65536;
constexpr int kProgramSize = 7680;
constexpr int kRecordSize = 8;

int spaceSize(Space space);

// Archive layout: 731 day records from 0, 7200 minute records from 5848.
constexpr int kDailySlots = 731;
constexpr int kMinuteDays = 5;
constexpr int kMinutesPerDay = 1440;
constexpr int kMinuteAreaStart = 5848;

// Slot of a day in the daily ring: (device day + 1) mod 731, and its record address.
int dailySlot(int deviceDay);
quint16 dailyRecordAddress(int deviceDay);
// Slot of a minute in the minute ring: (device day mod 5) * 1440 + minute of the day.
int minuteSlot(int deviceDay, int minuteOfDay);
quint16 minuteRecordAddress(int deviceDay, int minuteOfDay);

// What the meter holds when it starts. Everything the simulated meter carries is derived from
// these fields, so two meters built from the same contents hold the same bytes.
struct Contents {
    // The meter's date and time. Unset: the PC's local date and time when the meter is built.
    // The meter's clock does not run; writing 1238..1241 sets it.
    QDate date;
    int hour = -1;
    int minute = -1;

    quint64 seed = 1;
    quint16 firmwareVersion = 6; // 1261; its low byte is the firmware version byte
    quint16 serialNumber = 12345;
    quint8 identity = 0;            // compatibility byte 1271: 0 for a meter the program serves
    quint8 deviceState = 0x10;      // 24: changes permitted
    quint8 measurementState = 0x07; // 23: flow valid

    // Bytes laid over the built-in contents, in order.
    struct Override {
        Space space;
        int address;
        QByteArray bytes;
    };
    std::vector<Override> overrides;

    Contents& set(Space space, int address, const QByteArray& bytes) {
        overrides.push_back({space, address, bytes});
        return *this;
    }
};

struct Memories {
    QByteArray memory{kMemorySize, '\0'};
    QByteArray settings{kSettingsSize, '\0'};
    QByteArray archive{kArchiveSize, '\0'};
    QByteArray program{kProgramSize, '\0'};

    QByteArray& of(Space space);
    const QByteArray& of(Space space) const;
};

// The built-in records: each minute of each day has a record of its own, derived from the
// seed and the day; a day record sums the minutes of its day (volume, working time in units
// of 2 s, the events of its minutes), so the two archives agree with each other.
QByteArray minuteRecord(quint64 seed, int deviceDay, int minuteOfDay);
// The record of the day's first `minutes` minutes (all 1440 for a finished day).
QByteArray dayRecord(quint64 seed, int deviceDay, int minutes = kMinutesPerDay);

// Fixed built-in values that tests compare against.
namespace builtin {
constexpr float kFlowCm3PerSecond = 12.5f / 0.0036f;                   // 12.5 m3/h
constexpr float kVelocityCmPerSecond = kFlowCm3PerSecond / 78.539816f; // through DN100
constexpr quint16 kBatteryRaw = 973;                                   // about 3.60 V
constexpr quint16 kDiameter = 1000;                                    // 100.0 mm
constexpr quint16 kBase = 2000;                                        // 200.0 mm
constexpr quint16 kAngle = 4500;                                       // 45.00 degrees
constexpr quint16 kCableLength = 100;                                  // 10.0 m
constexpr float kZeroCutoff = 0.1f * 1000000.0f / 3600.0f;             // 0.1 m3/h in cm3/s
constexpr quint32 kPulseWeight = 1000;                                 // 1 litre per pulse
constexpr quint16 kWindowStart = 95; // base 200 mm in water: 200 / 1.5 - 38, offset 0
constexpr float kK = 0.9387f;
constexpr float kA = 0.9923f;
constexpr float kB = 0.9973f;
constexpr float kC = 0.999f;
constexpr float kZeroOffset = 0.5f;
constexpr quint8 kFlags = 0x04; // axial insertion, sensors type 6, water, period 1 s
constexpr quint8 kProgrammedDay = 15, kProgrammedMonthYear = 0x38;    // 15.03.2015
constexpr quint8 kManufacturedDay = 5, kManufacturedMonthYear = 0x37; // 05.03.2014
} // namespace builtin

// The meter's date and time resolved from the contents (the PC's clock for what is unset).
struct MeterClock {
    int deviceDay;
    int hour;
    int minute;
};
MeterClock resolveClock(const Contents& contents);

Memories buildMemories(const Contents& contents);

} // namespace sim
