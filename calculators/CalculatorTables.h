#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The reference tables behind the calculators.
namespace calculators {

// Wall roughness of pipes, chosen from the roughness menu. Each menu leaf carries a tag 1..16.
constexpr int kFirstRoughnessTag = 1;
constexpr int kLastRoughnessTag = 16;
// Roughness in mm; empty for a tag outside 1..16.
std::optional<float> roughness(int tag);
// The menu titles leading to the leaf, outermost first, e.g. "чугун", "с накипью".
QStringList roughnessMenuPath(int tag);
// Object name of the menu leaf ("N15" for tag 1).
QString roughnessMenuItem(int tag);
// The roughness as the roughness field shows it (fixed 3/2: "0,03", "1,20"); empty for a bad tag.
QString roughnessText(int tag, const QLocale& locale);

// Kinematic viscosity of water in 10^-6 m2/s for every whole degree from 0 to 149 °C.
constexpr int kFirstViscosityCelsius = 0;
constexpr int kLastViscosityCelsius = 149;
std::optional<float> waterViscosity(int celsius);
// The viscosity as a viscosity field shows it (fixed 5/4), "max 149°С" outside 0..149 °C.
QString waterViscosityText(long long celsius, const QLocale& locale);

// Speed of sound in water in m/s for every tenth of a degree from 1.0 to 89.9 °C, from the
// fifth-order polynomial for pure water rounded to 0.1 m/s.
constexpr int kFirstSoundTenths = 10;
constexpr int kLastSoundTenths = 899;
std::optional<float> speedOfSound(int tenthsCelsius);
// The polynomial itself, unrounded.
double speedOfSoundPolynomial(double celsius);

} // namespace calculators
