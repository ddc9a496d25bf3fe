#include "settings/SettingsMap.h"

#include "device/NumberText.h"

#include <cmath>
#include <locale>
#include <sstream>

namespace settings::map {

namespace {
constexpr long double kPi = 3.141592653589793238462643383279502884L;
// 2^65: the meter's float format ends below it (and every float value below it is finite).
constexpr long double kFloatLimit = 36893488147419103232.0L;
constexpr long double kPathDelayScale = 262144.0L; // 4 * 65536: 18 fractional bits
// Beyond this a window base cannot be stored anyway; keeps the conversion to an integer defined.
constexpr long double kWindowBaseLimit = 1e15L;
} // namespace

std::optional<long double> parseTabNumber(const QString& text, const QLocale& locale) {
    // The shared reader decides what counts as a number; the digits are then read again with
    // the extra precision, independent of the C library's locale.
    if (!device::parseNumber(text, locale))
        return std::nullopt;
    QString plain = text.trimmed();
    plain.replace(locale.decimalPoint(), QStringLiteral("."));
    std::istringstream in(plain.toStdString());
    in.imbue(std::locale::classic());
    long double value = 0;
    in >> value;
    if (in.fail() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

long double roundNearest(long double value) {
    // The default rounding mode rounds to nearest with ties to even.
    return std::nearbyint(value);
}

long double roundTowardZero(long double value) { return std::trunc(value); }

std::optional<quint32> scaledUnsigned(long double value, long double scale, quint32 maximum) {
    const long double r = roundNearest(value * scale);
    if (!(r >= 0) || r > static_cast<long double>(maximum))
        return std::nullopt;
    return static_cast<quint32>(r);
}

std::optional<quint16> encodeTenths(long double value) {
    if (const auto v = scaledUnsigned(value, 10, kMaxU16))
        return quint16(*v);
    return std::nullopt;
}

std::optional<quint16> encodeHundredths(long double value) {
    if (const auto v = scaledUnsigned(value, 100, kMaxU16))
        return quint16(*v);
    return std::nullopt;
}

std::optional<quint32> encodeThousandths(long double value) {
    return scaledUnsigned(value, 1000, kMaxU24);
}

std::optional<device::DeviceFloatBytes> encodeFloat(long double value) {
    if (value == 0)
        return device::DeviceFloatBytes{0, 0, 0, 0};
    if (!(std::fabs(value) < kFloatLimit))
        return std::nullopt;
    const float narrowed = static_cast<float>(value);
    if (narrowed == 0.0f)
        return std::nullopt;
    return device::encodeDeviceFloat(narrowed);
}

long double diameterFromStored(quint16 stored) { return (stored & 0x7FFF) / 10.0L; }
long double baseFromStored(quint16 stored) { return stored / 10.0L; }
long double angleFromStored(quint16 stored) { return stored / 100.0L; }
long double cableLengthFromStored(quint16 stored) { return stored / 10.0L; }
long double pulseWeightFromStored(quint32 stored) { return stored / 1000.0L; }

long double referenceFlow(long double d) { return d * d * kPi / 4 * 1e-6L * 12 * 3600; }

long double zeroCutoffStored(long double shown, bool inPercent, long double diameterMm) {
    if (inPercent)
        return shown / 100 * referenceFlow(diameterMm) * 1000000 / 3600;
    return shown * 1000000 / 3600;
}

long double zeroCutoffShown(long double stored, bool inPercent, long double diameterMm) {
    const long double perHour = stored / 1000000 * 3600;
    if (inPercent)
        return perHour / referenceFlow(diameterMm) * 100;
    return perHour;
}

long double soundSpeedDivisor(SettingsForm::Medium medium) {
    return medium == SettingsForm::Medium::Oil ? 1.0L : 1.5L;
}

long long windowBase(long double baseMm, SettingsForm::Medium medium) {
    const long double base = roundTowardZero(baseMm / soundSpeedDivisor(medium) - 38);
    if (!(base > -kWindowBaseLimit))
        return static_cast<long long>(-kWindowBaseLimit);
    if (!(base < kWindowBaseLimit))
        return static_cast<long long>(kWindowBaseLimit);
    return static_cast<long long>(base);
}

long long windowStart(long double baseMm, SettingsForm::Medium medium, long long offset) {
    return windowBase(baseMm, medium) + offset;
}

long long windowOffsetFromStored(quint16 stored, long double baseMm, SettingsForm::Medium medium) {
    return static_cast<long long>(stored) - windowBase(baseMm, medium);
}

long double pathDelay(long double cableLengthM, bool sensorsType3) {
    const long double sensors = sensorsType3 ? 1.72L : 1.13L;
    return roundTowardZero((cableLengthM * 0.01L + sensors + 0.3L) * kPathDelayScale);
}

long double crossSection(long double d) { return d * d * kPi / 4 / 100; }

long double pathCoefficient(long double k, long double l, long double d, bool diametral) {
    if (diametral)
        return k * l * l / (2 * d) * 100000;
    return k * l / 2 * 100000;
}

quint8 encodeFlags(const SettingsForm& form) {
    quint8 f = 0;
    if (form.diametral)
        f |= flags::kDiametral;
    if (form.sensorsType3)
        f |= flags::kSensorsType3;
    if (form.medium == SettingsForm::Medium::Water)
        f |= flags::kWater;
    if (form.medium == SettingsForm::Medium::Oil)
        f |= flags::kOil;
    if (form.period == SettingsForm::Period::FourSeconds)
        f |= flags::kPeriod4s;
    return f;
}

void decodeFlags(quint8 f, SettingsForm& form) {
    form.diametral = f & flags::kDiametral;
    form.sensorsType3 = f & flags::kSensorsType3;
    form.medium = SettingsForm::Medium::None;
    if (f & flags::kWater)
        form.medium = SettingsForm::Medium::Water;
    if (f & flags::kOil)
        form.medium = SettingsForm::Medium::Oil;
    form.period = (f & flags::kPeriod4s) ? SettingsForm::Period::FourSeconds
                                         : SettingsForm::Period::OneSecond;
}

std::array<quint8, 2> u16Bytes(quint16 v) { return {quint8(v), quint8(v >> 8)}; }

std::array<quint8, 3> u24Bytes(quint32 v) { return {quint8(v), quint8(v >> 8), quint8(v >> 16)}; }

std::array<quint8, 4> u32BigEndianBytes(quint32 v) {
    return {quint8(v >> 24), quint8(v >> 16), quint8(v >> 8), quint8(v)};
}

} // namespace settings::map

namespace settings::form {
int clampWindowOffset(long long value) {
    if (value < kWindowOffsetMinimum)
        return kWindowOffsetMinimum;
    if (value > kWindowOffsetMaximum)
        return kWindowOffsetMaximum;
    return int(value);
}
} // namespace settings::form
