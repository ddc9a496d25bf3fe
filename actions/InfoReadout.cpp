#include "actions/InfoReadout.h"

#include "core/Frontend.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "device/DeviceFloat.h"
#include "device/MemoryMap.h"
#include "device/NumberText.h"
#include "link/Protocol.h"

#include <QCoreApplication>

namespace actions::info {

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

QString flowText(line::Protocol& p, const QLocale& locale, Readings& r) {
    if (!p.ReadMemory(device::memory::kDeviceState, 1))
        return {};
    const quint8 deviceState = p.at(1);
    r.lowBattery = (deviceState & device::state::kBatteryLow) != 0;
    r.lowPower = (deviceState & device::state::kLowPower) != 0;
    if (deviceState & device::state::kBatteryLow)
        return lowBattery();
    if (!p.ReadMemory(device::memory::kMeasurementState, 1))
        return {};
    const quint8 measurement = p.at(1);
    r.measurementError = (measurement & 0x07) == 0x03;
    const QString prefix = (deviceState & device::state::kLowPower) ? lowPowerPrefix() : QString();
    if (!(measurement & 0x01))
        return prefix + noFlow();
    if (!(measurement & 0x02))
        return prefix + noMeasurement();
    if (!(measurement & 0x04))
        return measurementError();
    if (!p.ReadMemory(device::memory::kFlowRate, 4))
        return {};
    const double flow =
        double(device::decodeDeviceFloat(p.buffer() + 1)) * kFlowToCubicMetresPerHour;
    r.flowM3h = flow;
    return device::formatFixed(flow, 8, 2, locale);
}

} // namespace

std::optional<qint64> Readings::clockDriftSeconds() const {
    if (!meterDate || !clockHours || !clockMinutes || !pcTimeAtClock.isValid())
        return std::nullopt;
    const QTime time(*clockHours, *clockMinutes);
    if (!time.isValid())
        return std::nullopt;
    return pcTimeAtClock.secsTo(QDateTime(*meterDate, time));
}

Values read(line::Protocol& p, core::Frontend& frontend, const QLocale& locale) {
    frontend.setStatus(core::texts::transferringParameters());
    frontend.processEvents();
    frontend.setProgressMaximum(kProgressMaximum);
    p.clearFlags();

    Values v;
    Readings& r = v.readings;
    v.text[kFlow] = flowText(p, locale, r);
    if (p.ReadMemory(device::memory::kFlowVelocity, 4)) {
        r.velocityMs = double(device::decodeDeviceFloat(p.buffer() + 1)) / 100;
        v.text[kVelocity] = device::formatFixed(*r.velocityMs, 8, 3, locale);
    }
    if (p.ReadMemory(device::memory::kVolume, 6)) {
        r.volumeM3 = double(p.dataLE(1, 6)) / 1000000;
        v.text[kVolume] = device::formatFixed(*r.volumeM3, 10, 3, locale);
    }
    if (p.ReadMemory(device::memory::kOperatingTime, 4)) {
        r.workHours = double(p.dataLE(1, 4)) / 3600;
        v.text[kOperatingHours] = device::formatFixed(*r.workHours, 8, 1, locale);
    }
    if (p.ReadMemory(device::memory::kIdleTime, 4)) {
        r.idleHours = double(p.dataLE(1, 4)) / 3600;
        v.text[kIdleHours] = device::formatFixed(*r.idleHours, 8, 1, locale);
    }
    if (p.ReadMemory(device::memory::kBattery, 2)) {
        r.batteryVolts = double(p.dataLE(1, 2)) * kBatteryVoltsPerUnit;
        v.text[kBattery] = device::formatFixed(*r.batteryVolts, 8, 2, locale);
    }
    if (p.ReadMemory(device::memory::kDate, 2)) {
        r.meterDate = device::dateFromDeviceDay(int(p.dataLE(1, 2)));
        v.text[kDate] = locale.toString(*r.meterDate, QLocale::ShortFormat);
    }
    if (p.ReadMemory(device::memory::kClock, 2)) {
        r.pcTimeAtClock = QDateTime::currentDateTime();
        r.clockHours = p.at(1);
        r.clockMinutes = p.at(2);
        v.text[kTime] = device::formatClock(p.at(1), p.at(2));
        const QTime time(p.at(1), p.at(2));
        if (r.meterDate && time.isValid())
            v.meterClock = QDateTime(*r.meterDate, time);
    }
    if (p.ReadMemory(device::memory::kSerialNumber, 4)) {
        r.serialNumber = int(p.dataLE(1, 2));
        r.manufactured = device::dateFromDeviceShortDate(p.at(3), p.at(4));
        v.text[kSerialNumber] = QString::number(p.dataLE(1, 2));
        v.text[kManufactured] = device::formatDeviceShortDate(p.at(3), p.at(4));
    }
    if (p.ReadMemory(device::memory::kFirmwareVersion, 4)) {
        r.firmwareVersionByte = p.at(1);
        r.lastProgrammed = device::dateFromDeviceShortDate(p.at(3), p.at(4));
        v.text[kFirmwareVersion] = QString::number(p.dataLE(1, 2));
        v.text[kLastProgrammed] = device::formatDeviceShortDate(p.at(3), p.at(4));
        v.firmwareVersionByte = p.at(1);
    }
    v.outcome = core::finish(frontend, core::Outcome::fromFlags(p));
    return v;
}

QString clockDifference(const QDateTime& meterClock, const QDateTime& now, const QLocale& locale) {
    // The meter counts whole minutes; so does the comparison.
    const QDateTime pc(now.date(), QTime(now.time().hour(), now.time().minute()));
    const qint64 minutes = pc.secsTo(meterClock) / 60;
    if (minutes >= -1 && minutes <= 1)
        return {};
    const qint64 size = minutes < 0 ? -minutes : minutes;
    QString amount;
    if (size < 60)
        amount = QCoreApplication::translate("Info", "%1 мин").arg(size);
    else if (size < 24 * 60)
        amount = QCoreApplication::translate("Info", "%1 ч %2 мин").arg(size / 60).arg(size % 60);
    else
        amount = QCoreApplication::translate("Info", "%1 сут %2 ч")
                     .arg(size / (24 * 60))
                     .arg(size % (24 * 60) / 60);
    QString pcText = device::formatClock(now.time().hour(), now.time().minute());
    if (meterClock.date() != now.date())
        pcText = locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') + pcText;
    return minutes < 0 ? QCoreApplication::translate("Info", "ПК: %1, прибор отстаёт на %2")
                             .arg(pcText, amount)
                       : QCoreApplication::translate("Info", "ПК: %1, прибор спешит на %2")
                             .arg(pcText, amount);
}

} // namespace actions::info
