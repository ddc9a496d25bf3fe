#include "settings/TabConversions.h"

#include "device/DeviceDates.h"
#include "device/NumberText.h"
#include "settings/SettingsMap.h"

#include <cmath>

namespace tab_conversions {

std::optional<QString> convertZeroCutoff(const QString& cutoff, const QString& diameter,
                                         bool toPercent, const QLocale& locale) {
    if (cutoff.isEmpty() || diameter.isEmpty())
        return std::nullopt;
    const auto value = settings_map::parseTabNumber(cutoff, locale);
    const auto d = settings_map::parseTabNumber(diameter, locale);
    if (!value || !d)
        return std::nullopt;
    const long double q12 = settings_map::referenceFlow(*d);
    if (q12 == 0)
        return std::nullopt;
    const long double converted = toPercent ? *value / q12 * 100 : *value / 100 * q12;
    if (!std::isfinite(converted))
        return std::nullopt;
    return device::formatFixed(double(converted), 15, 6, locale);
}

QString timeFill(const QTime& now) { return device::formatClock(now.hour(), now.minute()); }

} // namespace tab_conversions
