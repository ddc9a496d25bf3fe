#include "app/frame/InfoReadout.h"

#include "core/Frontend.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "device/DeviceFloat.h"
#include "device/MemoryMap.h"
#include "device/NumberText.h"
#include "link/Protocol.h"

#include <QCoreApplication>

namespace info {

const std::array<RowLabels, kRowCount> kRowLabels{{
    {"Label15", "Label22"},
    {"Label41", "Label42"},
    {"Label16", "Label23"},
    {"Label13", "Label30"},
    {"Label14", "Label31"},
    {"Label11", "Label27"},
    {"Label33", "Label39"},
    {"Label5", "Label12"},
    {"Label9", "Label25"},
    {"Label8", "Label28"},
    {"Label10", "Label29"},
    {"Label34", "Label32"},
}};

namespace {

constexpr int kProgressMaximum = 10;
constexpr double kFlowToCubicMetresPerHour = 0.0036;
constexpr double kBatteryVoltsPerUnit = 3.7887 / 1024;
} // namespace

QString caption(Row row) {
    static const char* const captions[kRowCount] = {
        QT_TRANSLATE_NOOP("Info", "Текущий расход, м3/ч:"),
        QT_TRANSLATE_NOOP("Info", "Скорость потока, м/с:"),
        QT_TRANSLATE_NOOP("Info", "Накопленный объём, м3:"),
        QT_TRANSLATE_NOOP("Info", "Время работы, часов:"),
        QT_TRANSLATE_NOOP("Info", "Время простоя, часов:"),
        QT_TRANSLATE_NOOP("Info", "Напряжение батареи, В:"),
        QT_TRANSLATE_NOOP("Info", "Внутренняя дата:"),
        QT_TRANSLATE_NOOP("Info", "Внутреннее время:"),
        QT_TRANSLATE_NOOP("Info", "Серийный номер:"),
        QT_TRANSLATE_NOOP("Info", "Дата изготовления:"),
        QT_TRANSLATE_NOOP("Info", "Версия прошивки:"),
        QT_TRANSLATE_NOOP("Info", "Дата последней прошивки:"),
    };
    return QCoreApplication::translate("Info", captions[row]);
}

QString lowBattery() { return QStringLiteral("Low Battery"); }
QString lowPowerPrefix() { return QStringLiteral("LP   "); }
QString noFlow() { return QStringLiteral(" .  "); }
QString noMeasurement() { return QStringLiteral("-.--"); }
QString measurementError() { return QStringLiteral("Error"); }

namespace {

QString flowText(Protocol& p, const QLocale& locale) {
    if (!p.ReadMemory(memory::kDeviceState, 1))
        return {};
    const quint8 deviceState = p.at(1);
    if (deviceState & device_state::kBatteryLow)
        return lowBattery();
    if (!p.ReadMemory(memory::kMeasurementState, 1))
        return {};
    const quint8 measurement = p.at(1);
    const QString prefix = (deviceState & device_state::kLowPower) ? lowPowerPrefix() : QString();
    if (!(measurement & 0x01))
        return prefix + noFlow();
    if (!(measurement & 0x02))
        return prefix + noMeasurement();
    if (!(measurement & 0x04))
        return measurementError();
    if (!p.ReadMemory(memory::kFlowRate, 4))
        return {};
    const double flow = double(decodeDeviceFloat(p.buffer() + 1)) * kFlowToCubicMetresPerHour;
    return formatFixed(flow, 8, 2, locale);
}

} // namespace

Values read(Protocol& p, Frontend& frontend, const QLocale& locale) {
    frontend.setStatus(texts::transferringParameters());
    frontend.processEvents();
    frontend.setProgressMaximum(kProgressMaximum);
    p.clearFlags();

    Values v;
    v.text[kFlow] = flowText(p, locale);
    if (p.ReadMemory(memory::kFlowVelocity, 4))
        v.text[kVelocity] =
            formatFixed(double(decodeDeviceFloat(p.buffer() + 1)) / 100, 8, 3, locale);
    if (p.ReadMemory(memory::kVolume, 6))
        v.text[kVolume] = formatFixed(double(p.dataLE(1, 6)) / 1000000, 10, 3, locale);
    if (p.ReadMemory(memory::kOperatingTime, 4))
        v.text[kOperatingHours] = formatFixed(double(p.dataLE(1, 4)) / 3600, 8, 1, locale);
    if (p.ReadMemory(memory::kIdleTime, 4))
        v.text[kIdleHours] = formatFixed(double(p.dataLE(1, 4)) / 3600, 8, 1, locale);
    if (p.ReadMemory(memory::kBattery, 2))
        v.text[kBattery] = formatFixed(double(p.dataLE(1, 2)) * kBatteryVoltsPerUnit, 8, 2, locale);
    if (p.ReadMemory(memory::kDate, 2))
        v.text[kDate] =
            locale.toString(dateFromDeviceDay(int(p.dataLE(1, 2))), QLocale::ShortFormat);
    if (p.ReadMemory(memory::kClock, 2))
        v.text[kTime] = formatClock(p.at(1), p.at(2));
    if (p.ReadMemory(memory::kSerialNumber, 4)) {
        v.text[kSerialNumber] = QString::number(p.dataLE(1, 2));
        v.text[kManufactured] = formatDeviceShortDate(p.at(3), p.at(4));
    }
    if (p.ReadMemory(memory::kFirmwareVersion, 4)) {
        v.text[kFirmwareVersion] = QString::number(p.dataLE(1, 2));
        v.text[kLastProgrammed] = formatDeviceShortDate(p.at(3), p.at(4));
        v.firmwareVersionByte = p.at(1);
    }
    v.outcome = core::finish(frontend, core::Outcome::fromFlags(p));
    return v;
}

} // namespace info
