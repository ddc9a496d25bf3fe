#include "settings/SettingsReadout.h"

#include "core/Frontend.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "device/DeviceFloat.h"
#include "device/MemoryMap.h"
#include "device/NumberText.h"
#include "link/Protocol.h"
#include "settings/SettingsMap.h"

namespace settings {

namespace sm = map;

ReadResult read(line::Protocol& p, core::Frontend& frontend, const SettingsForm& current,
                const QLocale& locale) {
    frontend.setStatus(core::texts::transferringParameters());
    frontend.processEvents();
    frontend.setProgressMaximum(kReadProgressMaximum);
    p.clearFlags();

    ReadResult result;
    result.form = current;
    SettingsForm& f = result.form;

    const bool versionKnown = p.ReadMemory(device::memory::kFirmwareVersion, 2);
    const quint8 version = p.at(1);
    if (versionKnown)
        result.firmwareVersionByte = version;

    auto show = [&locale](long double value, int precision, int decimals) {
        return device::formatFixed(double(value), precision, decimals, locale);
    };
    auto readWord = [&p](quint8 address) -> std::optional<quint16> {
        if (!p.ReadSettingBytes(address, 2))
            return std::nullopt;
        return quint16(p.dataLE(1, 2));
    };
    auto readFloat = [&p](quint8 address) -> std::optional<float> {
        if (!p.ReadSettingBytes(address, 4))
            return std::nullopt;
        return device::decodeDeviceFloat(p.buffer() + 1);
    };
    auto showFloat = [&show](std::optional<float> value, int precision, int decimals) {
        return value ? show(*value, precision, decimals) : QString();
    };

    const auto diameter = readWord(sm::kDiameter);
    f.diameter = diameter ? show(sm::diameterFromStored(*diameter), 5, 1) : QString();
    const auto base = readWord(sm::kBase);
    f.base = base ? show(sm::baseFromStored(*base), 5, 1) : QString();
    const auto angle = readWord(sm::kAngle);
    f.angle = angle ? show(sm::angleFromStored(*angle), 5, 2) : QString();
    const auto cable = readWord(sm::kCableLength);
    f.cableLength = cable ? show(sm::cableLengthFromStored(*cable), 5, 1) : QString();

    // The percent display needs the reference flow of the diameter just shown; without a
    // diameter (or with a zero one) there is nothing to show.
    f.zeroCutoff.clear();
    if (const auto cutoff = readFloat(sm::kZeroCutoff)) {
        if (!f.cutoffInPercent) {
            f.zeroCutoff = show(sm::zeroCutoffShown(*cutoff, false, 0), 15, 6);
        } else if (const auto d = sm::parseTabNumber(f.diameter, locale);
                   d && sm::referenceFlow(*d) != 0) {
            f.zeroCutoff = show(sm::zeroCutoffShown(*cutoff, true, *d), 15, 2);
        }
    }

    f.pulseWeight = p.ReadSettingBytes(sm::kPulseWeight, 3)
                        ? show(sm::pulseWeightFromStored(quint32(p.dataLE(1, 3))), 6, 2)
                        : QString();
    f.k = showFloat(readFloat(sm::kK), 5, 4);

    // Coefficients A and C trade places from firmware version byte 6 on; with the version
    // unknown neither place can be trusted, so both fields stay empty.
    const auto first = readFloat(sm::kFirstCoefficient);
    f.b = showFloat(readFloat(sm::kB), 5, 4);
    const auto second = readFloat(sm::kSecondCoefficient);
    if (!versionKnown) {
        f.a.clear();
        f.c.clear();
    } else if (sm::coefficientsSwapped(version)) {
        f.c = showFloat(first, 5, 4);
        f.a = showFloat(second, 5, 4);
    } else {
        f.a = showFloat(first, 5, 4);
        f.c = showFloat(second, 5, 4);
    }
    f.zeroOffset = showFloat(readFloat(sm::kZeroOffset), 8, 4);

    if (p.ReadSettingBytes(sm::kFlags, 1)) {
        sm::decodeFlags(p.at(1), f);
    } else {
        f.medium = SettingsForm::Medium::None;
        f.period = SettingsForm::Period::None;
    }

    // The window offset is shown relative to the base's own window start; without a base it
    // is 0, as after a failed read.
    f.windowOffset = 0;
    if (const auto start = readWord(sm::kWindowStart)) {
        if (const auto l = sm::parseTabNumber(f.base, locale))
            f.windowOffset =
                form::clampWindowOffset(sm::windowOffsetFromStored(*start, *l, f.medium));
    }

    result.dateRead = p.ReadMemory(device::memory::kDate, 2);
    f.date = result.dateRead ? device::dateFromDeviceDay(int(p.dataLE(1, 2)))
                             : device::dateFromDeviceDay(0);
    result.timeRead = p.ReadMemory(device::memory::kClock, 2);
    f.time = result.timeRead ? device::formatClock(p.at(1), p.at(2)) : device::formatClock(0, 0);

    result.outcome = core::finish(frontend, core::Outcome::fromFlags(p));
    return result;
}

} // namespace settings
