#include "calculators/CalculatorTables.h"
#include "calculators/CalculatorTexts.h"
#include "calculators/ChannelCalculator.h"
#include "calculators/CorrectionCalculator.h"
#include "calculators/PulseCalculator.h"

#include <QtTest>

#include <cmath>

using namespace calculators;

namespace {
const QString kFloatError = QStringLiteral("'%1' is not a valid floating point value");
const QString kIntegerError = QStringLiteral("'%1' is not a valid integer value");
const QString kDivisionByZero = QStringLiteral("Floating point division by zero");
const QString kInvalid = QStringLiteral("Invalid floating point operation");
const QString kOverflow = QStringLiteral("Floating point overflow");
const QString kRangeError = QStringLiteral("Температура должна быть от 1,0 до 89,9 °С");

// The pipe of the worked example: D 100 mm, 45°, roughness 0.10 mm, water 10..80 °C, 3 m/s.
CorrectionForm examplePipe(const QLocale& locale) {
    CorrectionForm form = defaultCorrectionForm(locale);
    form.diameter = QStringLiteral("100");
    form.angle = QStringLiteral("45");
    form.roughness = locale.toString(0.10, 'f', 2);
    form.velocityMax = QStringLiteral("3");
    return form;
}

// The result fields of the correction form, in the order they are written.
QStringList writtenFields(const CorrectionForm& f) {
    return {f.velocityMax,  f.flowMax,      f.correctionK,
            f.coefficientA, f.coefficientB, f.coefficientC};
}
} // namespace

class CalculatorLogic : public QObject {
    Q_OBJECT

    QLocale ru{QLocale::Russian, QLocale::Russia};
    QLocale en{QLocale::English, QLocale::UnitedStates};

private slots:
    void correctionWorkedExamplePlacesSpansByFirmware_data() {
        QTest::addColumn<int>("firmware");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("c");
        QTest::newRow("version 0") << 0 << "0,9923"
                                   << "0,9990";
        QTest::newRow("version 5") << 5 << "0,9923"
                                   << "0,9990";
        QTest::newRow("version 6") << 6 << "0,9990"
                                   << "0,9923";
        QTest::newRow("version 7 as 6") << 7 << "0,9990"
                                        << "0,9923";
        QTest::newRow("version 255 as 6") << 255 << "0,9990"
                                          << "0,9923";
    }
    void correctionWorkedExamplePlacesSpansByFirmware() {
        QFETCH(int, firmware);
        QFETCH(QString, a);
        QFETCH(QString, c);
        CorrectionForm form = examplePipe(ru);
        QCOMPARE(form.viscosityMin, QStringLiteral("0,3653"));
        QCOMPARE(form.viscosityMax, QStringLiteral("1,3080"));
        form.firmwareVersion = firmware;
        QCOMPARE(calculateCorrection(form, ru), QString());
        QCOMPARE(form.velocityMax, QStringLiteral("3"));
        QCOMPARE(form.flowMax, QStringLiteral("84,823"));
        QCOMPARE(form.correctionK, QStringLiteral("0,9387"));
        QCOMPARE(form.coefficientA, a);
        QCOMPARE(form.coefficientB, QStringLiteral("0,9973"));
        QCOMPARE(form.coefficientC, c);
    }

    void correctionFromFlowGivesTheSameCoefficients() {
        CorrectionForm form = examplePipe(ru);
        form.byVelocity = false;
        form.velocityMax = QStringLiteral("7");
        form.flowMax = QStringLiteral("84,823");
        QCOMPARE(calculateCorrection(form, ru), QString());
        QCOMPARE(form.velocityMax, QStringLiteral("3,000"));
        QCOMPARE(form.flowMax, QStringLiteral("84,823"));
        QCOMPARE(form.correctionK, QStringLiteral("0,9387"));
    }

    void correctionFollowsTheLocale() {
        CorrectionForm form = examplePipe(en);
        QCOMPARE(form.viscosityMin, QStringLiteral("0.3653"));
        QCOMPARE(calculateCorrection(form, en), QString());
        QCOMPARE(form.flowMax, QStringLiteral("84.823"));
        QCOMPARE(form.correctionK, QStringLiteral("0.9387"));
        // A comma is not a number in this locale.
        form.viscosityMin = QStringLiteral("0,3653");
        QCOMPARE(calculateCorrection(form, en), kFloatError.arg("0,3653"));
    }

    // Each row changes the example and names the error and the result fields afterwards
    // (velocity, flow, K, A, B, C): those written before the error hold their new texts, the
    // rest their old "0".
    void correctionStopsAtTheFirstUndefinedStep_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("byVelocity");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("after");
        const QStringList untouched{"3", "0", "0", "0", "0", "0"};
        const QStringList flowWritten{"3", "84,823", "0", "0", "0", "0"};
        QTest::newRow("diameter not a number")
            << "diameter"
            << "abc" << true << kFloatError.arg("abc") << untouched;
        QTest::newRow("angle empty") << "angle"
                                     << "" << true << kFloatError.arg("") << untouched;
        QTest::newRow("roughness with a point")
            << "roughness"
            << "0.1" << true << kFloatError.arg("0.1") << untouched;
        QTest::newRow("viscosity beyond the table")
            << "viscosityMin"
            << "max 149°С" << true << kFloatError.arg("max 149°С") << untouched;
        QTest::newRow("viscosity max empty") << "viscosityMax"
                                             << "" << true << kFloatError.arg("") << untouched;
        QTest::newRow("velocity not a number")
            << "velocityMax"
            << "x" << true << kFloatError.arg("x") << QStringList{"x", "0", "0", "0", "0", "0"};
        QTest::newRow("zero angle: K is 0, then 0/0")
            << "angle"
            << "0" << true << kInvalid << QStringList{"3", "84,823", "0,0000", "0", "0", "0"};
        QTest::newRow("zero velocity: 68 / 0")
            << "velocityMax"
            << "0" << true << kDivisionByZero << QStringList{"0", "0,000", "0", "0", "0", "0"};
        QTest::newRow("zero diameter: 0 / 0")
            << "diameter"
            << "0" << true << kInvalid << QStringList{"3", "0,000", "0", "0", "0", "0"};
        QTest::newRow("zero viscosity") << "viscosityMin"
                                        << "0" << true << kDivisionByZero << flowWritten;
        QTest::newRow("root of a negative sum") << "roughness"
                                                << "-50" << true << kInvalid << flowWritten;
        QTest::newRow("diameter too large") << "diameter"
                                            << "1E200" << true << kOverflow << untouched;
        QTest::newRow("flow over a zero diameter") << "diameter"
                                                   << "0" << false << kDivisionByZero << untouched;
        QTest::newRow("flow not a number") << "flowMax"
                                           << "abc" << false << kFloatError.arg("abc") << untouched;
    }
    void correctionStopsAtTheFirstUndefinedStep() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, byVelocity);
        QFETCH(QString, error);
        QFETCH(QStringList, after);
        CorrectionForm form = examplePipe(ru);
        form.byVelocity = byVelocity;
        if (!byVelocity)
            form.flowMax = QStringLiteral("5");
        QString* target = field == "diameter"       ? &form.diameter
                          : field == "angle"        ? &form.angle
                          : field == "roughness"    ? &form.roughness
                          : field == "viscosityMin" ? &form.viscosityMin
                          : field == "viscosityMax" ? &form.viscosityMax
                          : field == "velocityMax"  ? &form.velocityMax
                                                    : &form.flowMax;
        *target = text;
        if (!byVelocity && field != "flowMax")
            after[1] = QStringLiteral("5");
        if (!byVelocity && field == "flowMax")
            after[1] = text;
        QCOMPARE(calculateCorrection(form, ru), error);
        QCOMPARE(writtenFields(form), after);
    }

    void correctionFlowOfZeroOverZeroDiameterIsInvalid() {
        CorrectionForm form = examplePipe(ru);
        form.diameter = QStringLiteral("0");
        form.byVelocity = false;
        QCOMPARE(calculateCorrection(form, ru), kInvalid);
        QCOMPARE(form.velocityMax, QStringLiteral("3"));
    }

    void correctionReportsMerelyImplausibleValues() {
        CorrectionForm form = examplePipe(ru);
        form.angle = QStringLiteral("90");
        QCOMPARE(calculateCorrection(form, ru), QString());
        for (const QString& text : writtenFields(form))
            QVERIFY2(!text.contains("NAN") && !text.contains("INF"), qPrintable(text));
        form = examplePipe(ru);
        form.roughness = QStringLiteral("-0,001");
        QCOMPARE(calculateCorrection(form, ru), QString());
    }

    void correctionReportLines() {
        CorrectionForm form = examplePipe(ru);
        QCOMPARE(calculateCorrection(form, ru), QString());
        const QStringList expected{
            "Вязкость мин. 1Е-6: 0,3653",
            "Вязкость макс. 1Е-6: 1,3080",
            "Скорость макс., м/с: 3",
            "Расход макс., м3/ч: 84,823",
            "Коэффициент коррекции: 0,9387",
            "Поправочный коэффициент A: 0,9923",
            "Поправочный коэффициент B: 0,9973",
            "Поправочный коэффициент C: 0,9990",
        };
        QCOMPARE(correctionReport(form), expected);
    }

    void temperatureSelectsViscosity_data() {
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<bool>("changes");
        QTest::addColumn<QString>("viscosity");
        QTest::addColumn<QString>("error");
        QTest::newRow("0") << "0" << true << "1,7980"
                           << "";
        QTest::newRow("10") << "10" << true << "1,3080"
                            << "";
        QTest::newRow("14") << "14" << true << "1,1710"
                            << "";
        QTest::newRow("15 mended") << "15" << true << "1,1410"
                                   << "";
        QTest::newRow("16") << "16" << true << "1,1107"
                            << "";
        QTest::newRow("33 mended") << "33" << true << "0,7533"
                                   << "";
        QTest::newRow("80") << "80" << true << "0,3653"
                            << "";
        QTest::newRow("149") << "149" << true << "0,1993"
                             << "";
        QTest::newRow("150") << "150" << true << "max 149°С"
                             << "";
        QTest::newRow("-1") << "-1" << true << "max 149°С"
                            << "";
        QTest::newRow("blanks around") << " 20 " << true << "1,0045"
                                       << "";
        QTest::newRow("empty") << "" << false << ""
                               << "";
        QTest::newRow("a lone minus") << "-" << false << "" << kIntegerError.arg("-");
        QTest::newRow("fraction") << "2,5" << false << "" << kIntegerError.arg("2,5");
        QTest::newRow("beyond 32 bits")
            << "9999999999" << false << "" << kIntegerError.arg("9999999999");
    }
    void temperatureSelectsViscosity() {
        QFETCH(QString, temperature);
        QFETCH(bool, changes);
        QFETCH(QString, viscosity);
        QFETCH(QString, error);
        const ViscosityLookup lookup = viscosityForTemperature(temperature, ru);
        QCOMPARE(lookup.changes, changes);
        QCOMPARE(lookup.viscosity, viscosity);
        QCOMPARE(lookup.error, error);

        // The maximum temperature sets the minimum viscosity and the other way round; a
        // temperature that selects nothing leaves the viscosity as it was.
        CorrectionForm form = defaultCorrectionForm(ru);
        QCOMPARE(setTemperatureMax(form, temperature, ru), error);
        QCOMPARE(form.temperatureMax, temperature);
        QCOMPARE(form.viscosityMin, changes ? viscosity : QStringLiteral("0,3653"));
        QCOMPARE(form.viscosityMax, QStringLiteral("1,3080"));
        QCOMPARE(setTemperatureMin(form, temperature, ru), error);
        QCOMPARE(form.viscosityMax, changes ? viscosity : QStringLiteral("1,3080"));
    }

    void viscosityFallsWithTemperature() {
        QVERIFY(!waterViscosity(-1));
        QVERIFY(!waterViscosity(150));
        for (int t = kFirstViscosityCelsius + 1; t <= kLastViscosityCelsius; ++t)
            QVERIFY2(*waterViscosity(t) < *waterViscosity(t - 1), qPrintable(QString::number(t)));
    }

    void roughnessMenuLeaves_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 1 << "N15"
                               << QStringList{"сталь",
                                              "новые цельнотянутые, не бывшие в эксплуатации",
                                              "холоднотянутые"}
                               << "0,03";
        QTest::newRow("two levels") << 4 << "N5" << QStringList{"сталь", "новые сварные"} << "0,10";
        QTest::newRow("rusty steel")
            << 6 << "N19" << QStringList{"сталь", "бывшие в эксплуатации", "ржавая"} << "0,30";
        QTest::newRow("galvanised used")
            << 10 << "N23" << QStringList{"сталь", "оцинкованные", "бывшие в эксплуатации"}
            << "0,18";
        QTest::newRow("rusty iron") << 12 << "N10" << QStringList{"чугун", "ржавые"} << "1,20";
        QTest::newRow("scaled iron") << 13 << "N11" << QStringList{"чугун", "с накипью"} << "1,50";
        QTest::newRow("last") << 16 << "N14" << QStringList{"асбоцемент", "необлицованная, обычная"}
                              << "0,05";
        QTest::newRow("below") << 0 << "" << QStringList{} << "";
        QTest::newRow("above") << 17 << "" << QStringList{} << "";
    }
    void roughnessMenuLeaves() {
        QFETCH(int, tag);
        QFETCH(QString, item);
        QFETCH(QStringList, path);
        QFETCH(QString, text);
        QCOMPARE(roughnessMenuItem(tag), item);
        QCOMPARE(roughnessMenuPath(tag), path);
        QCOMPARE(roughnessText(tag, ru), text);
        QCOMPARE(roughness(tag).has_value(), !text.isEmpty());
    }

    void roughnessLeavesAreDistinct() {
        QSet<QString> items;
        QSet<QStringList> paths;
        for (int tag = kFirstRoughnessTag; tag <= kLastRoughnessTag; ++tag) {
            items << roughnessMenuItem(tag);
            paths << roughnessMenuPath(tag);
        }
        QCOMPARE(items.size(), 16);
        QCOMPARE(paths.size(), 16);
    }

    // The pure-water polynomial c(T) = 1402.385 + 5.038813 T - 5.799136e-2 T^2
    // + 3.287156e-4 T^3 - 1.398845e-6 T^4 + 2.787860e-9 T^5, worked out for each temperature
    // and rounded to 0.1 m/s; the meter's own table, where known, lies within 0.12 m/s of it
    // from 8.0 degrees on (0: not known, or below 8.0 where the meter's table is a degree off).
    void speedOfSoundTable_data() {
        QTest::addColumn<int>("tenths");
        QTest::addColumn<float>("stored");
        QTest::addColumn<float>("meters");
        const struct {
            int tenths;
            float stored, meters;
        } rows[] = {{10, 1407.4f, 0},        {12, 1408.3f, 0},        {79, 1438.7f, 0},
                    {80, 1439.1f, 1439.1f},  {95, 1445.3f, 0},        {100, 1447.3f, 1447.3f},
                    {150, 1466.0f, 1465.9f}, {200, 1482.4f, 1482.3f}, {250, 1496.7f, 1496.7f},
                    {300, 1509.2f, 1509.1f}, {333, 1516.4f, 0},       {400, 1528.9f, 1528.9f},
                    {456, 1537.2f, 0},       {500, 1542.6f, 1542.6f}, {600, 1551.0f, 1551.0f},
                    {700, 1554.8f, 1554.8f}, {740, 1555.1f, 1555.1f}, {765, 1555.0f, 0},
                    {805, 1554.4f, 1554.3f}, {820, 1554.0f, 0},       {850, 1552.9f, 1552.9f},
                    {899, 1550.5f, 1550.5f}};
        for (const auto& r : rows)
            QTest::addRow("%d.%d", r.tenths / 10, r.tenths % 10)
                << r.tenths << r.stored << r.meters;
    }
    void speedOfSoundTable() {
        QFETCH(int, tenths);
        QFETCH(float, stored);
        QFETCH(float, meters);
        QVERIFY(speedOfSound(tenths));
        QCOMPARE(*speedOfSound(tenths), stored);
        if (meters > 0)
            QVERIFY(std::fabs(double(stored) - double(meters)) <= 0.12 + 1e-3);
    }
    void speedOfSoundTableEnds() {
        QVERIFY(speedOfSound(kFirstSoundTenths));
        QVERIFY(speedOfSound(kLastSoundTenths));
        QVERIFY(!speedOfSound(kFirstSoundTenths - 1));
        QVERIFY(!speedOfSound(kLastSoundTenths + 1));
        QVERIFY(!speedOfSound(900));
    }

    void temperatureSelectsItsOwnTenth_data() {
        QTest::addColumn<double>("celsius");
        QTest::addColumn<int>("tenths");
        QTest::newRow("1.0") << 1.0 << 10;
        QTest::newRow("1.2") << 1.2 << 12;
        QTest::newRow("0.3 + 0.9") << 0.3 + 0.9 << 12;
        QTest::newRow("4.35") << 4.35 << 43;
        QTest::newRow("20.37") << 20.37 << 203;
        QTest::newRow("57.9") << 57.9 << 579;
        QTest::newRow("89.9") << 89.9 << 899;
        QTest::newRow("89.95") << 89.95 << 899;
        QTest::newRow("0.99") << 0.99 << -1;
        QTest::newRow("90.0") << 90.0 << -1;
        QTest::newRow("-20") << -20.0 << -1;
        QTest::newRow("huge") << 1e300 << -1;
    }
    void temperatureSelectsItsOwnTenth() {
        QFETCH(double, celsius);
        QFETCH(int, tenths);
        QCOMPARE(soundTableTenths(celsius).value_or(-1), tenths);
    }

    void channelLength_data() {
        QTest::addColumn<QString>("down");
        QTest::addColumn<QString>("up");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("length");
        QTest::newRow("100/100 at 20") << "100"
                                       << "100"
                                       << "20"
                                       << "148,2";
        QTest::newRow("100/102 at 20") << "100"
                                       << "102"
                                       << "20"
                                       << "149,7";
        QTest::newRow("at 1.0") << "1000"
                                << "1000"
                                << "1"
                                << "1407,4";
        QTest::newRow("at 1.2") << "1000"
                                << "1000"
                                << "1,2"
                                << "1408,3";
        QTest::newRow("at 89.9") << "1000"
                                 << "1000"
                                 << "89,9"
                                 << "1550,5";
        QTest::newRow("at 89.95") << "1000"
                                  << "1000"
                                  << "89,95"
                                  << "1550,5";
        QTest::newRow("fractional times") << "100,5"
                                          << "99,5"
                                          << "20,0"
                                          << "148,2";
    }
    void channelLength() {
        QFETCH(QString, down);
        QFETCH(QString, up);
        QFETCH(QString, temperature);
        QFETCH(QString, length);
        ChannelForm form{down, up, temperature, QStringLiteral("0")};
        QCOMPARE(calculateChannel(form, ru), QString());
        QCOMPARE(form.length, length);
        QCOMPARE(channelReport(form), QStringList{"Расстояние между ПЭП, мм: " + length});
    }

    void channelTemperatureDropsFurtherDecimals() {
        ChannelForm a{"1000", "1000", "20,37", "0"};
        ChannelForm b{"1000", "1000", "20,3", "0"};
        QCOMPARE(calculateChannel(a, ru), QString());
        QCOMPARE(calculateChannel(b, ru), QString());
        QCOMPARE(a.length, b.length);
        QCOMPARE(a.length, QStringLiteral("1483,3"));
        ChannelForm c{"1000", "1000", "20,4", "0"};
        QCOMPARE(calculateChannel(c, ru), QString());
        QCOMPARE(c.length, QStringLiteral("1483,6"));
    }

    void channelErrorsKeepTheLength_data() {
        QTest::addColumn<QString>("down");
        QTest::addColumn<QString>("up");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("error");
        QTest::newRow("upstream read first") << "a"
                                             << "b"
                                             << "20" << kFloatError.arg("b");
        QTest::newRow("downstream") << "a"
                                    << "100"
                                    << "20" << kFloatError.arg("a");
        QTest::newRow("temperature empty") << "100"
                                           << "100"
                                           << "" << kFloatError.arg("");
        QTest::newRow("below the table") << "100"
                                         << "100"
                                         << "0,9" << kRangeError;
        QTest::newRow("from 90 up") << "100"
                                    << "100"
                                    << "90" << kRangeError;
        QTest::newRow("negative") << "100"
                                  << "100"
                                  << "-5" << kRangeError;
        QTest::newRow("times too large") << "1E308"
                                         << "1E308"
                                         << "20" << kOverflow;
    }
    void channelErrorsKeepTheLength() {
        QFETCH(QString, down);
        QFETCH(QString, up);
        QFETCH(QString, temperature);
        QFETCH(QString, error);
        ChannelForm form{down, up, temperature, QStringLiteral("148,2")};
        QCOMPARE(calculateChannel(form, ru), error);
        QCOMPARE(form.length, QStringLiteral("148,2"));
    }

    void channelRangeErrorUsesTheLocale() {
        ChannelForm form{"100", "100", "95", "0"};
        QCOMPARE(calculateChannel(form, en),
                 QStringLiteral("Температура должна быть от 1.0 до 89.9 °С"));
    }

    void pulseWeight_data() {
        QTest::addColumn<bool>("byVelocity");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("velocity");
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("weight");
        QTest::newRow("3 m/s, 16/s") << true << "3"
                                     << "16"
                                     << "3"
                                     << "84,823"
                                     << "1,473";
        QTest::newRow("84.823 m3/h, 16/s") << false << "84,823"
                                           << "16"
                                           << "3,000"
                                           << "84,823"
                                           << "1,473";
        QTest::newRow("3.6 m3/h, 1/s") << false << "3,6"
                                       << "1"
                                       << "0,127"
                                       << "3,6"
                                       << "1,000";
        QTest::newRow("fractional rate") << false << "3,6"
                                         << "0,5"
                                         << "0,127"
                                         << "3,6"
                                         << "2,000";
    }
    void pulseWeight() {
        QFETCH(bool, byVelocity);
        QFETCH(QString, given);
        QFETCH(QString, rate);
        QFETCH(QString, velocity);
        QFETCH(QString, flow);
        QFETCH(QString, weight);
        PulseForm form;
        form.diameter = QStringLiteral("100");
        form.byVelocity = byVelocity;
        (byVelocity ? form.velocityMax : form.flowMax) = given;
        form.pulseRate = rate;
        QCOMPARE(calculatePulseWeight(form, ru), QString());
        QCOMPARE(form.velocityMax, velocity);
        QCOMPARE(form.flowMax, flow);
        QCOMPARE(form.pulseWeight, weight);
        const QStringList expected{
            "Скорость макс., м/с: " + velocity,
            "Расход макс., м3/ч: " + flow,
            "Минимальный допустимый вес импульса, литров/импульс: " + weight,
        };
        QCOMPARE(pulseReport(form), expected);
    }

    // Rows: the form's changes, the error, then velocity, flow and weight afterwards.
    void pulseWeightErrors_data() {
        QTest::addColumn<bool>("byVelocity");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("rate 0") << true << "100"
                                << "3"
                                << "0" << kDivisionByZero << QStringList{"3", "84,823", "0"};
        QTest::newRow("rate 0 at no flow") << true << "100"
                                           << "0"
                                           << "0" << kInvalid << QStringList{"0", "0,000", "0"};
        QTest::newRow("rate empty") << true << "100"
                                    << "3"
                                    << "" << kFloatError.arg("") << QStringList{"3", "84,823", "0"};
        QTest::newRow("diameter not a number")
            << true << "1OO"
            << "3"
            << "16" << kFloatError.arg("1OO") << QStringList{"3", "0", "0"};
        QTest::newRow("flow over diameter 0")
            << false << "0"
            << "3,6"
            << "16" << kDivisionByZero << QStringList{"0", "3,6", "0"};
        QTest::newRow("no flow over diameter 0") << false << "0"
                                                 << "0"
                                                 << "16" << kInvalid << QStringList{"0", "0", "0"};
        QTest::newRow("diameter 0 with a velocity is fine")
            << true << "0"
            << "3"
            << "16"
            << "" << QStringList{"3", "0,000", "0,000"};
    }
    void pulseWeightErrors() {
        QFETCH(bool, byVelocity);
        QFETCH(QString, diameter);
        QFETCH(QString, given);
        QFETCH(QString, rate);
        QFETCH(QString, error);
        QFETCH(QStringList, after);
        PulseForm form;
        form.diameter = diameter;
        form.byVelocity = byVelocity;
        (byVelocity ? form.velocityMax : form.flowMax) = given;
        form.pulseRate = rate;
        QCOMPARE(calculatePulseWeight(form, ru), error);
        QCOMPARE((QStringList{form.velocityMax, form.flowMax, form.pulseWeight}), after);
    }
};

QTEST_GUILESS_MAIN(CalculatorLogic)
#include "test_calculator_logic.moc"
