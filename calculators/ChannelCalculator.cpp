#include "calculators/ChannelCalculator.h"

#include "calculators/CalculatorTables.h"
#include "calculators/CalculatorTexts.h"
#include "calculators/CheckedArithmetic.h"
#include "device/NumberText.h"

#include <cmath>

namespace calculators {

std::optional<int> soundTableTenths(double celsius) {
    // A typed decimal such as 1.2 is held a hair below its value (1.19999...), so ten times it
    // could truncate to the entry below; the allowance is far below any meaningful digit.
    constexpr double kAllowance = 1e-9;
    const double tenths = std::floor(celsius * 10 + kAllowance);
    if (!(tenths >= kFirstSoundTenths && tenths <= kLastSoundTenths))
        return std::nullopt;
    return int(tenths);
}

QString calculateChannel(ChannelForm& form, const QLocale& locale) {
    try {
        const Real timeUp = readFloat(form.timeUp, locale);
        const Real timeDown = readFloat(form.timeDown, locale);
        const Real timeSum = timeUp + timeDown;
        const Real celsius = readFloat(form.temperature, locale);
        const auto tenths = soundTableTenths(celsius.value());
        if (!tenths) {
            return temperatureOutOfRange(
                device::formatFixed(kFirstSoundTenths / 10.0, 3, 1, locale),
                device::formatFixed(kLastSoundTenths / 10.0, 3, 1, locale));
        }
        const Real speed = double(*speedOfSound(*tenths));
        const Real length = speed * timeSum / Real(2) * Real(0.001);
        form.length = device::formatFixed(length.value(), 5, 1, locale);
    } catch (const CalculationStopped& stop) {
        return stop.message;
    }
    return {};
}

ResultFields channelFields(const ChannelForm& form) { return {{lengthLabel(), form.length}}; }

QStringList channelReport(const ChannelForm& form) { return reportLines(channelFields(form)); }

} // namespace calculators
