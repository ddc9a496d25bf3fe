#include "sim/Contents.h"

#include "device/DeviceDates.h"
#include "device/DeviceFloat.h"
#include "device/MemoryMap.h"

#include <QDateTime>

#include <cmath>

namespace sim {

namespace {

int positiveMod(int value, int modulus) { return ((value % modulus) + modulus) % modulus; }

// splitmix64: small, fast and the same on every platform.
quint64 mix(quint64 x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

quint64 hash(quint64 seed, qint64 a, qint64 b) {
    return mix(mix(mix(seed) ^ quint64(a)) ^ quint64(b));
}

// A number in [0, 1) from a hash.
double unit(quint64 h) { return double(h >> 11) / double(1ULL << 53); }

// How a day went: its mean flow, an optional stop and an optional event window.
struct DayProfile {
    double rateM3PerHour;
    int stopFirst = -1, stopLast = -1;
    int eventFirst = -1, eventLast = -1;
    quint8 eventBit = 0;
};

DayProfile dayProfile(quint64 seed, int deviceDay) {
    const quint64 h = hash(seed, deviceDay, 0x0DA7);
    DayProfile p;
    p.rateM3PerHour = 8.0 + 8.0 * unit(h);
    const quint64 s = hash(seed, deviceDay, 0x5709);
    if (s % 10 == 0) { // one day in ten the flow stops for a while
        p.stopFirst = int((s >> 8) % kMinutesPerDay);
        p.stopLast = p.stopFirst + 30 + int((s >> 24) % 211);
    }
    const quint64 e = hash(seed, deviceDay, 0xE7E7);
    if (e % 16 == 0) { // now and then an event
        static const quint8 bits[] = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20};
        p.eventBit = bits[(e >> 8) % 6];
        p.eventFirst = int((e >> 16) % kMinutesPerDay);
        p.eventLast = p.eventFirst + 4 + int((e >> 32) % 27);
    }
    return p;
}

QByteArray recordBytes(quint64 volume, quint16 work, quint8 events) {
    QByteArray r(kRecordSize, '\0');
    for (int i = 0; i < 5; ++i)
        r[i] = char(volume >> (8 * i));
    r[5] = char(work);
    r[6] = char(work >> 8);
    r[7] = char(events);
    return r;
}

struct MinuteFigures {
    quint64 volume;
    int seconds;
    quint8 events;
};

MinuteFigures minuteFigures(quint64 seed, const DayProfile& p, int deviceDay, int minuteOfDay) {
    const quint64 h = hash(seed, deviceDay, 0x10000 + minuteOfDay);
    int seconds = 60;
    if (minuteOfDay >= p.stopFirst && minuteOfDay <= p.stopLast)
        seconds = 0;
    else if (h % 50 == 0)
        seconds = int((h >> 8) % 60);
    const double rate = p.rateM3PerHour * (0.9 + 0.2 * unit(mix(h)));
    // Units of 0.000256 m3 passed during the working seconds of the minute.
    const quint64 volume = quint64(std::llround(rate / 3600.0 * seconds / 0.000256));
    quint8 events = 0x80;
    if (minuteOfDay >= p.eventFirst && minuteOfDay <= p.eventLast)
        events |= p.eventBit;
    return {volume, seconds, events};
}

void putLE(QByteArray& mem, int address, quint64 value, int count) {
    for (int i = 0; i < count; ++i)
        mem[address + i] = char(value >> (8 * i));
}

void putBE(QByteArray& mem, int address, quint64 value, int count) {
    for (int i = 0; i < count; ++i)
        mem[address + i] = char(value >> (8 * (count - 1 - i)));
}

void putFloat(QByteArray& mem, int address, float value) {
    const auto bytes = device::encodeDeviceFloat(value);
    for (int i = 0; i < 4; ++i)
        mem[address + i] = char(bytes ? (*bytes)[std::size_t(i)] : 0);
}

void putBytes(QByteArray& mem, int address, const QByteArray& bytes) {
    for (int i = 0; i < bytes.size(); ++i)
        mem[positiveMod(address + i, int(mem.size()))] = bytes[i];
}

quint64 recordVolume(const QByteArray& r) {
    quint64 v = 0;
    for (int i = 4; i >= 0; --i)
        v = (v << 8) | quint8(r[i]);
    return v;
}

quint16 recordWork(const QByteArray& r) { return quint16(quint8(r[5]) | (quint8(r[6]) << 8)); }

void buildSettings(QByteArray& s, const Contents& c, const MeterClock& clock) {
    using namespace builtin;
    // 0..12: the meter's own accumulation bytes, cleared with the totals.
    for (int i = 0; i <= 12; ++i)
        s[i] = char(hash(c.seed, i, 0x5E77) & 0xFF);
    putLE(s, 13, quint64(qMax(0, clock.deviceDay - 30)), 2); // last settings write a month ago
    s[15] = char(10);
    putLE(s, 16, kDiameter, 2);
    putLE(s, 18, kBase, 2);
    putLE(s, 20, kAngle, 2);
    putLE(s, 22, kCableLength, 2);
    putFloat(s, 24, kZeroCutoff);
    putLE(s, 28, kPulseWeight, 3);
    putLE(s, 31, kWindowStart, 2);
    // Signal path delay for 10 m of cable and sensors of type 6, 18 fractional bits.
    putBE(s, 33, quint64((kCableLength / 10.0L * 0.01L + 1.13L + 0.3L) * 262144.0L), 4);
    putBE(s, 37, 0x00140000, 4);
    putFloat(s, 41,
             float(kDiameter / 10.0L * (kDiameter / 10.0L) * 3.14159265358979323846L / 4 / 100));
    // Axial insertion: K * L / 2 * 100000.
    putFloat(s, 45, float(kK * (kBase / 10.0L) / 2 * 100000));
    putFloat(s, 49, kK);
    // From firmware version 6 on, A and C trade places.
    const bool swapped = quint8(c.firmwareVersion) >= 6;
    putFloat(s, 53, swapped ? kC : kA);
    putFloat(s, 57, kB);
    putFloat(s, 61, swapped ? kA : kC);
    putFloat(s, 65, kZeroOffset);
    s[69] = char(kFlags);
}

} // namespace

int spaceSize(Space space) {
    switch (space) {
    case Space::Memory:
        return kMemorySize;
    case Space::Settings:
        return kSettingsSize;
    case Space::Archive:
        return kArchiveSize;
    case Space::Program:
        return kProgramSize;
    }
    return 0;
}

QByteArray& Memories::of(Space space) {
    switch (space) {
    case Space::Memory:
        return memory;
    case Space::Settings:
        return settings;
    case Space::Archive:
        return archive;
    case Space::Program:
        return program;
    }
    return memory;
}

const QByteArray& Memories::of(Space space) const { return const_cast<Memories*>(this)->of(space); }

int dailySlot(int deviceDay) { return positiveMod(deviceDay + 1, kDailySlots); }

quint16 dailyRecordAddress(int deviceDay) { return quint16(kRecordSize * dailySlot(deviceDay)); }

int minuteSlot(int deviceDay, int minuteOfDay) {
    return positiveMod(deviceDay, kMinuteDays) * kMinutesPerDay + minuteOfDay;
}

quint16 minuteRecordAddress(int deviceDay, int minuteOfDay) {
    return quint16(kMinuteAreaStart + kRecordSize * minuteSlot(deviceDay, minuteOfDay));
}

QByteArray minuteRecord(quint64 seed, int deviceDay, int minuteOfDay) {
    const MinuteFigures f =
        minuteFigures(seed, dayProfile(seed, deviceDay), deviceDay, minuteOfDay);
    return recordBytes(f.volume, quint16(f.seconds), f.events);
}

QByteArray dayRecord(quint64 seed, int deviceDay, int minutes) {
    const DayProfile p = dayProfile(seed, deviceDay);
    quint64 volume = 0;
    int seconds = 0;
    quint8 events = 0x80;
    for (int m = 0; m < minutes && m < kMinutesPerDay; ++m) {
        const MinuteFigures f = minuteFigures(seed, p, deviceDay, m);
        volume += f.volume;
        seconds += f.seconds;
        events |= f.events;
    }
    return recordBytes(volume, quint16(seconds / 2), events);
}

MeterClock resolveClock(const Contents& contents) {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = contents.date.isValid() ? contents.date : now.date();
    MeterClock clock;
    clock.deviceDay = device::deviceDayFromDayNumber(device::dayNumberFromDate(date));
    clock.hour = contents.hour >= 0 ? contents.hour : now.time().hour();
    clock.minute = contents.minute >= 0 ? contents.minute : now.time().minute();
    return clock;
}

Memories buildMemories(const Contents& c) {
    using namespace builtin;
    Memories m;
    const MeterClock clock = resolveClock(c);
    const int today = clock.deviceDay;
    const int nowMinute = clock.hour * 60 + clock.minute;

    // Daily ring: the 731 days before today; the slot of today holds the day 731 days back.
    quint64 archivedVolume = 0;
    quint64 archivedSeconds = 0;
    for (int back = 1; back <= kDailySlots; ++back) {
        const int day = today - back;
        if (day < 0)
            break; // the meter's calendar starts in 2000
        const QByteArray r = dayRecord(c.seed, day);
        archivedVolume += recordVolume(r);
        archivedSeconds += 2ULL * recordWork(r);
        putBytes(m.archive, dailyRecordAddress(day), r);
    }

    // Minute ring: today up to the current minute, the four days before, and the minutes of
    // five days ago that today has not yet overwritten.
    for (int back = kMinuteDays; back >= 0; --back) {
        const int day = today - back;
        if (day < 0)
            continue;
        const int first = back == kMinuteDays ? nowMinute + 1 : 0;
        const int last = back == 0 ? nowMinute : kMinutesPerDay - 1;
        for (int minute = first; minute <= last; ++minute)
            putBytes(m.archive, minuteRecordAddress(day, minute),
                     minuteRecord(c.seed, day, minute));
    }

    QByteArray& mem = m.memory;
    mem[device::memory::kMeasurementState] = char(c.measurementState);
    mem[device::memory::kDeviceState] = char(c.deviceState);
    putFloat(mem, device::memory::kFlowRate, kFlowCm3PerSecond);
    putFloat(mem, device::memory::kFlowVelocity, kVelocityCmPerSecond);

    const QByteArray running = dayRecord(c.seed, today, nowMinute + 1);
    const quint64 baseVolume = (200000 + hash(c.seed, 1, 0xB0) % 800000) * 1000000ULL; // cm3
    putLE(mem, device::memory::kVolume, baseVolume + (archivedVolume + recordVolume(running)) * 256,
          6);
    const quint64 operating =
        archivedSeconds + 2ULL * recordWork(running) + hash(c.seed, 2, 0xB0) % 10000000;
    putLE(mem, device::memory::kOperatingTime, operating, 4);
    putLE(mem, device::memory::kIdleTime, 86400ULL * 30 + hash(c.seed, 3, 0xB0) % 1000000, 4);
    putLE(mem, device::memory::kDate, quint64(today), 2);
    mem[device::memory::kClock] = char(clock.hour);
    mem[device::memory::kClock + 1] = char(clock.minute);
    mem[device::memory::kClock + 2] = 0;
    putBytes(mem, device::memory::kRunningDayRecord, running);
    putLE(mem, device::memory::kFirmwareVersion, c.firmwareVersion, 2);
    mem[device::memory::kFirmwareVersion + 2] = char(kProgrammedDay);
    mem[device::memory::kFirmwareVersion + 3] = char(kProgrammedMonthYear);
    putLE(mem, device::memory::kSerialNumber, c.serialNumber, 2);
    mem[device::memory::kSerialNumber + 2] = char(kManufacturedDay);
    mem[device::memory::kSerialNumber + 3] = char(kManufacturedMonthYear);
    mem[device::memory::kCompatibility] = char(c.identity);
    putLE(mem, device::memory::kBattery, kBatteryRaw, 2);

    buildSettings(m.settings, c, clock);

    // Program memory: opaque bytes with the image trailer (version, date of programming).
    for (int i = 0; i < kProgramSize - 4; ++i)
        m.program[i] = char(hash(c.seed, i, 0xF1A5) & 0xFF);
    m.program[kProgramSize - 4] = char(1);
    m.program[kProgramSize - 3] = char(quint8(c.firmwareVersion));
    m.program[kProgramSize - 2] = char(kProgrammedDay);
    m.program[kProgramSize - 1] = char(kProgrammedMonthYear);

    for (const Contents::Override& o : c.overrides)
        putBytes(m.of(o.space), o.address, o.bytes);
    return m;
}

} // namespace sim
