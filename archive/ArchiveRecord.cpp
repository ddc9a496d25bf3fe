#include "archive/ArchiveRecord.h"

#include "archive/ArchiveTexts.h"
#include "device/DeviceDates.h"

namespace archive {

namespace {
constexpr int kMinuteDays =
    device::archive_layout::kMinuteRecords / device::archive_layout::kMinutesPerDay;

// The remainder that is never negative, so that days before the meter's day 0 still land
// inside their ring.
int floorMod(int value, int modulus) {
    const int r = value % modulus;
    return r < 0 ? r + modulus : r;
}
} // namespace

quint64 Record::volumeUnits() const {
    quint64 value = 0;
    for (int i = 4; i >= 0; --i)
        value = (value << 8) | bytes[std::size_t(i)];
    return value;
}

double Record::volumeCubicMetres() const { return double(volumeUnits() * 256u) / 1000000.0; }

quint16 Record::workingTime() const { return quint16(bytes[5] | (bytes[6] << 8)); }

quint16 dailyRecordAddress(int dayNumber) {
    const int slot = floorMod(device::deviceDayFromDayNumber(dayNumber) + 1,
                              device::archive_layout::kDailyRecords);
    return quint16(device::archive_layout::kDailyFirst +
                   device::archive_layout::kRecordSize * slot);
}

quint16 minuteRecordAddress(int dayNumber, int hour, int minute) {
    const int slot = floorMod(device::deviceDayFromDayNumber(dayNumber), kMinuteDays) *
                         device::archive_layout::kMinutesPerDay +
                     hour * 60 + minute;
    return quint16(device::archive_layout::kMinuteFirst +
                   device::archive_layout::kRecordSize * slot);
}

quint16 previousRecordAddress(quint16 address, Area area) {
    const quint16 first = area == Area::Daily ? device::archive_layout::kDailyFirst
                                              : device::archive_layout::kMinuteFirst;
    const quint16 last = area == Area::Daily ? device::archive_layout::kDailyLast
                                             : device::archive_layout::kMinuteLast;
    if (address <= first || address > last)
        return last;
    return quint16(address - device::archive_layout::kRecordSize);
}

QStringList eventTexts(quint8 events, EventTarget target) {
    QStringList list;
    if (events & event_bit::kMeterFault)
        list << texts::meterFault();
    else if (events & event_bit::kSensorsDisconnected)
        list << texts::sensorsDisconnected();
    else if (events & event_bit::kMeasurementErrors)
        list << texts::measurementErrors();
    if (events & event_bit::kLowSupplyVoltage)
        list << texts::lowSupplyVoltage();
    if (events & event_bit::kSerialInterfaceUsed)
        list << texts::serialInterfaceUsed();
    if (target == EventTarget::Report && (events & event_bit::kProgrammingMode))
        list << texts::programmingMode();
    return list;
}

QString eventText(quint8 events, EventTarget target) {
    return eventTexts(events, target).join(QString());
}

void markUnreadable(Record& record) {
    record.bytes.fill(0);
    record.bytes[7] = event_bit::kRecordPresent | event_bit::kTransferError;
}

} // namespace archive
