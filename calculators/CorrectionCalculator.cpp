#include "calculators/CorrectionCalculator.h"

#include "calculators/CalculatorTables.h"
#include "calculators/CalculatorTexts.h"
#include "calculators/CheckedArithmetic.h"
#include "device/NumberText.h"

namespace calculators {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Velocity spans of the range coefficients, m/s.
constexpr double kUpperSpanTop = 1.2;
constexpr double kMiddleSpanTop = 0.8;
constexpr double kLowerSpanTop = 0.4;
constexpr double kLowerSpanBottom = 0.1;

// The inputs of the velocity-profile formulas, read once.
struct Pipe {
    Real diameter;  // mm
    Real angle;     // radians
    Real roughness; // mm
    Real viscosityMin;
    Real viscosityMax;
    Real section; // mm2
};

// The flow figure of a velocity: the flow in m3/h multiplied by 10^6.
Real flowFigure(const Pipe& pipe, Real velocity) { return velocity * pipe.section * Real(3600); }

// Profile factor at flow figure q and viscosity nu.
Real profileFactor(const Pipe& pipe, Real q, Real nu) {
    const Real reynolds = Real(4) * q / Real(3600) / Real(kPi) / pipe.diameter / nu * Real(1000);
    const Real friction =
        Real(0.11) * squareRoot(squareRoot(Real(68) / reynolds + pipe.roughness / pipe.diameter));
    return Real(1.01) + Real(0.38) * squareRoot(friction);
}

// Coefficient of the velocity span between flow figures qHigh and qLow: the upper end meets the
// lowest viscosity, the lower end the highest.
Real spanCoefficient(const Pipe& pipe, Real qHigh, Real qLow) {
    const Real high = profileFactor(pipe, qHigh, pipe.viscosityMin);
    const Real low = profileFactor(pipe, qLow, pipe.viscosityMax);
    return tangent(pipe.angle) / ((high + low) / Real(2));
}

QString coefficientText(Real value, const QLocale& locale) {
    return device::formatFixed(value.value(), 5, 4, locale);
}

} // namespace

CorrectionForm defaultCorrectionForm(const QLocale& locale) {
    CorrectionForm form;
    form.viscosityMin = viscosityForTemperature(form.temperatureMax, locale).viscosity;
    form.viscosityMax = viscosityForTemperature(form.temperatureMin, locale).viscosity;
    return form;
}

ViscosityLookup viscosityForTemperature(const QString& temperature, const QLocale& locale) {
    ViscosityLookup lookup;
    if (temperature.isEmpty())
        return lookup;
    try {
        const int celsius = readInteger(temperature);
        lookup.changes = true;
        lookup.viscosity = waterViscosityText(celsius, locale);
    } catch (const CalculationStopped& stop) {
        lookup.error = stop.message;
    }
    return lookup;
}

namespace {
QString setTemperature(QString& temperature, QString& viscosity, const QString& text,
                       const QLocale& locale) {
    temperature = text;
    const ViscosityLookup lookup = viscosityForTemperature(text, locale);
    if (lookup.changes)
        viscosity = lookup.viscosity;
    return lookup.error;
}
} // namespace

QString setTemperatureMax(CorrectionForm& form, const QString& text, const QLocale& locale) {
    return setTemperature(form.temperatureMax, form.viscosityMin, text, locale);
}

QString setTemperatureMin(CorrectionForm& form, const QString& text, const QLocale& locale) {
    return setTemperature(form.temperatureMin, form.viscosityMax, text, locale);
}

QString calculateCorrection(CorrectionForm& form, const QLocale& locale) {
    try {
        const Real diameter = readFloat(form.diameter, locale);
        const Real angle = readFloat(form.angle, locale) / Real(180) * Real(kPi);
        const Real roughness = readFloat(form.roughness, locale);
        const Real viscosityMin = readFloat(form.viscosityMin, locale);
        const Real viscosityMax = readFloat(form.viscosityMax, locale);
        const Real section = diameter * diameter * Real(kPi) / Real(4);
        const Pipe pipe{diameter, angle, roughness, viscosityMin, viscosityMax, section};

        Real qMax = 0.0;
        if (form.byVelocity) {
            qMax = readFloat(form.velocityMax, locale) * section * Real(3600);
            form.flowMax = device::formatFixed((qMax / Real(1e6)).value(), 15, 3, locale);
        } else {
            qMax = readFloat(form.flowMax, locale) * Real(1e6);
            form.velocityMax =
                device::formatFixed((qMax / Real(3600) / section).value(), 15, 3, locale);
        }

        const Real k = spanCoefficient(pipe, qMax, flowFigure(pipe, kUpperSpanTop));
        form.correctionK = coefficientText(k, locale);

        const bool upperSpanInA = form.firmwareVersion >= kFirstVersionWithUpperSpanInA;
        const Real upper = spanCoefficient(pipe, flowFigure(pipe, kUpperSpanTop),
                                           flowFigure(pipe, kMiddleSpanTop)) /
                           k;
        (upperSpanInA ? form.coefficientA : form.coefficientC) = coefficientText(upper, locale);

        const Real middle = spanCoefficient(pipe, flowFigure(pipe, kMiddleSpanTop),
                                            flowFigure(pipe, kLowerSpanTop)) /
                            k;
        form.coefficientB = coefficientText(middle, locale);

        const Real lower = spanCoefficient(pipe, flowFigure(pipe, kLowerSpanTop),
                                           flowFigure(pipe, kLowerSpanBottom)) /
                           k;
        (upperSpanInA ? form.coefficientC : form.coefficientA) = coefficientText(lower, locale);
    } catch (const CalculationStopped& stop) {
        return stop.message;
    }
    return {};
}

ResultFields correctionFields(const CorrectionForm& form) {
    return {
        {viscosityMinLabel(), form.viscosityMin}, {viscosityMaxLabel(), form.viscosityMax},
        {velocityMaxLabel(), form.velocityMax},   {flowMaxLabel(), form.flowMax},
        {correctionKLabel(), form.correctionK},   {coefficientALabel(), form.coefficientA},
        {coefficientBLabel(), form.coefficientB}, {coefficientCLabel(), form.coefficientC},
    };
}

QStringList correctionReport(const CorrectionForm& form) {
    return reportLines(correctionFields(form));
}

} // namespace calculators
