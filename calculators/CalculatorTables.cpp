#include "calculators/CalculatorTables.h"

#include "calculators/CalculatorTexts.h"
#include "device/NumberText.h"

#include <QCoreApplication>

#include <array>
#include <cmath>

namespace calculators {
namespace {

struct RoughnessEntry {
    const char* item;
    std::array<const char*, 3> path; // unused levels are null
    float millimetres;
};

// Indexed by tag - 1.
const std::array<RoughnessEntry, 16> kRoughness = {{
    {"N15",
     {QT_TRANSLATE_NOOP("Calculators", "сталь"),
      QT_TRANSLATE_NOOP("Calculators", "новые цельнотянутые, не бывшие в эксплуатации"),
      QT_TRANSLATE_NOOP("Calculators", "холоднотянутые")},
     0.03f},
    {"N16",
     {QT_TRANSLATE_NOOP("Calculators", "сталь"),
      QT_TRANSLATE_NOOP("Calculators", "новые цельнотянутые, не бывшие в эксплуатации"),
      QT_TRANSLATE_NOOP("Calculators", "горячетянутые")},
     0.10f},
    {"N17",
     {QT_TRANSLATE_NOOP("Calculators", "сталь"),
      QT_TRANSLATE_NOOP("Calculators", "новые цельнотянутые, не бывшие в эксплуатации"),
      QT_TRANSLATE_NOOP("Calculators", "прокатные")},
     0.10f},
    {"N5",
     {QT_TRANSLATE_NOOP("Calculators", "сталь"), QT_TRANSLATE_NOOP("Calculators", "новые сварные"),
      nullptr},
     0.10f},
    {"N18",
     {QT_TRANSLATE_NOOP("Calculators", "сталь"),
      QT_TRANSLATE_NOOP("Calculators", "бывшие в эксплуатации"),
      QT_TRANSLATE_NOOP("Calculators", "с незначительным налетом ржавчины")},
     0.20f},
    {"N19",
     {QT_TRANSLATE_NOOP("Calculators", "сталь"),
      QT_TRANSLATE_NOOP("Calculators", "бывшие в эксплуатации"),
      QT_TRANSLATE_NOOP("Calculators", "ржавая")},
     0.30f},
    {"N20",
     {QT_TRANSLATE_NOOP("Calculators", "сталь"),
      QT_TRANSLATE_NOOP("Calculators", "битуминированные"),
      QT_TRANSLATE_NOOP("Calculators", "новые")},
     0.05f},
    {"N21",
     {QT_TRANSLATE_NOOP("Calculators", "сталь"),
      QT_TRANSLATE_NOOP("Calculators", "битуминированные"),
      QT_TRANSLATE_NOOP("Calculators", "бывшие в эксплуатации")},
     0.20f},
    {"N22",
     {QT_TRANSLATE_NOOP("Calculators", "сталь"), QT_TRANSLATE_NOOP("Calculators", "оцинкованные"),
      QT_TRANSLATE_NOOP("Calculators", "новые")},
     0.15f},
    {"N23",
     {QT_TRANSLATE_NOOP("Calculators", "сталь"), QT_TRANSLATE_NOOP("Calculators", "оцинкованные"),
      QT_TRANSLATE_NOOP("Calculators", "бывшие в эксплуатации")},
     0.18f},
    {"N9",
     {QT_TRANSLATE_NOOP("Calculators", "чугун"), QT_TRANSLATE_NOOP("Calculators", "новые"),
      nullptr},
     0.25f},
    {"N10",
     {QT_TRANSLATE_NOOP("Calculators", "чугун"), QT_TRANSLATE_NOOP("Calculators", "ржавые"),
      nullptr},
     1.20f},
    {"N11",
     {QT_TRANSLATE_NOOP("Calculators", "чугун"), QT_TRANSLATE_NOOP("Calculators", "с накипью"),
      nullptr},
     1.50f},
    {"N12",
     {QT_TRANSLATE_NOOP("Calculators", "чугун"),
      QT_TRANSLATE_NOOP("Calculators", "битуминированные"), nullptr},
     0.05f},
    {"N13",
     {QT_TRANSLATE_NOOP("Calculators", "асбоцемент"), QT_TRANSLATE_NOOP("Calculators", "новая"),
      nullptr},
     0.03f},
    {"N14",
     {QT_TRANSLATE_NOOP("Calculators", "асбоцемент"),
      QT_TRANSLATE_NOOP("Calculators", "необлицованная, обычная"), nullptr},
     0.05f},
}};

const RoughnessEntry* roughnessEntry(int tag) {
    if (tag < kFirstRoughnessTag || tag > kLastRoughnessTag)
        return nullptr;
    return &kRoughness[std::size_t(tag - kFirstRoughnessTag)];
}

// Row = tens of degrees, column = units.
const std::array<float, 150> kViscosity = {
    1.7980f, 1.7320f, 1.6750f, 1.6210f, 1.5690f, 1.5200f, 1.4740f, 1.4290f, 1.3870f, 1.3470f,
    1.3080f, 1.2720f, 1.2370f, 1.2030f, 1.1710f, 1.1410f, 1.1107f, 1.0825f, 1.0554f, 1.0294f,
    1.0045f, 0.9805f, 0.9574f, 0.9353f, 0.9139f, 0.8934f, 0.8736f, 0.8545f, 0.8361f, 0.8184f,
    0.8012f, 0.7847f, 0.7687f, 0.7533f, 0.7383f, 0.7239f, 0.7099f, 0.6964f, 0.6833f, 0.6706f,
    0.6583f, 0.6464f, 0.6348f, 0.6236f, 0.6127f, 0.6022f, 0.5919f, 0.5820f, 0.5723f, 0.5629f,
    0.5537f, 0.5449f, 0.5362f, 0.5278f, 0.5196f, 0.5116f, 0.5039f, 0.4963f, 0.4890f, 0.4818f,
    0.4748f, 0.4680f, 0.4613f, 0.4549f, 0.4485f, 0.4424f, 0.4363f, 0.4305f, 0.4247f, 0.4191f,
    0.4137f, 0.4083f, 0.4031f, 0.3980f, 0.3930f, 0.3881f, 0.3833f, 0.3787f, 0.3741f, 0.3691f,
    0.3653f, 0.3610f, 0.3568f, 0.3527f, 0.3487f, 0.3448f, 0.3410f, 0.3372f, 0.3335f, 0.3299f,
    0.3264f, 0.3229f, 0.3195f, 0.3162f, 0.3129f, 0.3097f, 0.3065f, 0.3035f, 0.3004f, 0.2975f,
    0.2945f, 0.2917f, 0.2889f, 0.2861f, 0.2834f, 0.2808f, 0.2782f, 0.2756f, 0.2731f, 0.2706f,
    0.2682f, 0.2658f, 0.2635f, 0.2612f, 0.2585f, 0.2567f, 0.2545f, 0.2524f, 0.2503f, 0.2482f,
    0.2462f, 0.2442f, 0.2422f, 0.2403f, 0.2384f, 0.2365f, 0.2347f, 0.2328f, 0.2311f, 0.2293f,
    0.2276f, 0.2259f, 0.2242f, 0.2225f, 0.2209f, 0.2193f, 0.2177f, 0.2162f, 0.2147f, 0.2132f,
    0.2117f, 0.2102f, 0.2088f, 0.2074f, 0.2060f, 0.2046f, 0.2033f, 0.2019f, 0.2006f, 0.1993f,
};

using SoundTable = std::array<float, kLastSoundTenths - kFirstSoundTenths + 1>;

SoundTable makeSoundTable() {
    SoundTable table{};
    for (int k = kFirstSoundTenths; k <= kLastSoundTenths; ++k) {
        const double c = speedOfSoundPolynomial(k / 10.0);
        table[std::size_t(k - kFirstSoundTenths)] = float(std::round(c * 10) / 10);
    }
    return table;
}

} // namespace

std::optional<float> roughness(int tag) {
    const RoughnessEntry* entry = roughnessEntry(tag);
    if (!entry)
        return std::nullopt;
    return entry->millimetres;
}

QStringList roughnessMenuPath(int tag) {
    QStringList path;
    if (const RoughnessEntry* entry = roughnessEntry(tag)) {
        for (const char* title : entry->path) {
            if (title)
                path << QCoreApplication::translate("Calculators", title);
        }
    }
    return path;
}

QString roughnessMenuItem(int tag) {
    const RoughnessEntry* entry = roughnessEntry(tag);
    return entry ? QString::fromLatin1(entry->item) : QString();
}

QString roughnessText(int tag, const QLocale& locale) {
    const auto value = roughness(tag);
    return value ? device::formatFixed(double(*value), 3, 2, locale) : QString();
}

std::optional<float> waterViscosity(int celsius) {
    if (celsius < kFirstViscosityCelsius || celsius > kLastViscosityCelsius)
        return std::nullopt;
    return kViscosity[std::size_t(celsius - kFirstViscosityCelsius)];
}

QString waterViscosityText(long long celsius, const QLocale& locale) {
    if (celsius < kFirstViscosityCelsius || celsius > kLastViscosityCelsius)
        return viscosityBeyondTable();
    return device::formatFixed(double(*waterViscosity(int(celsius))), 5, 4, locale);
}

std::optional<float> speedOfSound(int tenthsCelsius) {
    static const SoundTable table = makeSoundTable();
    if (tenthsCelsius < kFirstSoundTenths || tenthsCelsius > kLastSoundTenths)
        return std::nullopt;
    return table[std::size_t(tenthsCelsius - kFirstSoundTenths)];
}

double speedOfSoundPolynomial(double t) {
    return 1402.385 +
           t * (5.038813 +
                t * (-5.799136e-2 + t * (3.287156e-4 + t * (-1.398845e-6 + t * 2.787860e-9))));
}

} // namespace calculators
