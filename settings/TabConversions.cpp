#include "settings/TabConversions.h"

#include "device/DeviceDates.h"
#include "device/NumberText.h"
#include "settings/SettingsMap.h"

#include <cmath>

namespace settings::conversions {

std::optional<QString> convertZeroCutoff(const QString& cutoff, const QString& diameter,
                                         bool toPercent, const QLocale& locale) {
    if (cutoff.isEmpty() || diameter.isEmpty())
        return std::nullopt;
    const auto value = map::parseTabNumber(cutoff, locale);
    const auto d = map::parseTabNumber(diameter, locale);
    if (!value || !d)
        return std::nullopt;
    const long double q12 = map::referenceFlow(*d);
    if (q12 == 0)
        return std::nullopt;
    const long double converted = toPercent ? *value / q12 * 100 : *value / 100 * q12;
    if (!std::isfinite(converted))
        return std::nullopt;
    return device::formatFixed(double(converted), 15, 6, locale);
}

QString timeFill(const QTime& now) { return device::formatClock(now.hour(), now.minute()); }

} // namespace settings::conversions
