#pragma once

#include "calculators/ResultFields.h"

#include <QLocale>
#include <QString>
#include <QStringList>

// The correction-coefficient calculator: the meter's correction coefficient K and the range
// coefficients A, B and C from the pipe's inner diameter, the channel angle, the wall roughness,
// the viscosity range of the medium and its maximum velocity or flow.
namespace calculators {

// The texts and selections of the dialog's fields as the person sees them.
struct CorrectionForm {
    QString diameter = QStringLiteral("0");        // D, mm
    QString angle = QStringLiteral("0");           // channel angle, degrees
    QString roughness = QStringLiteral("0");       // wall roughness, mm
    QString temperatureMax = QStringLiteral("80"); // °C; sets viscosityMin
    QString temperatureMin = QStringLiteral("10"); // °C; sets viscosityMax
    QString viscosityMin;                          // 10^-6 m2/s; "0,3653" in a comma locale
    QString viscosityMax;                          // 10^-6 m2/s; "1,3080" in a comma locale
    bool byVelocity = true;                        // the maximum is given as a velocity, not a flow
    QString velocityMax = QStringLiteral("0");     // m/s
    QString flowMax = QStringLiteral("0");         // m3/h
    QString correctionK = QStringLiteral("0");
    QString coefficientA = QStringLiteral("0");
    QString coefficientB = QStringLiteral("0");
    QString coefficientC = QStringLiteral("0");
    int firmwareVersion = 0; // the meter's firmware version byte; decides where R1 and R3 go
};

// The dialog's fields as they stand before anything was typed: the viscosities are those of
// the default temperatures, written with the locale's separator.
CorrectionForm defaultCorrectionForm(const QLocale& locale);

// What a change of a temperature field does to its viscosity field.
struct ViscosityLookup {
    bool changes = false; // false: the text is empty or not a whole number, the viscosity stays
    QString viscosity;    // the viscosity field's new text when `changes`
    QString error;        // "'x' is not a valid integer value" for a text that is not a number
};
ViscosityLookup viscosityForTemperature(const QString& temperature, const QLocale& locale);

// Typing into a temperature field: sets the temperature and, following it, the viscosity field
// (the maximum temperature sets the minimum viscosity and the other way round). Returns the
// error text, empty when none.
QString setTemperatureMax(CorrectionForm& form, const QString& text, const QLocale& locale);
QString setTemperatureMin(CorrectionForm& form, const QString& text, const QLocale& locale);

// The ranges' coefficients go to A and C by the firmware version byte: from byte 6 on, A takes
// the span 0.8 to 1.2 m/s and C the span 0.1 to 0.4 m/s; below 6 the two are exchanged.
constexpr int kFirstVersionWithUpperSpanInA = 6;

// "Расчёт": reads the inputs, writes the velocity or the flow (whichever was not given), K, and
// the coefficients, in that order. Returns the error text that stopped the calculation, empty
// when it ran to the end; the fields written before the error keep their new texts.
[[nodiscard]] QString calculateCorrection(CorrectionForm& form, const QLocale& locale);

// The fields after a calculation, one line each: label, one blank, text: the two viscosities,
// the maximum velocity and flow, K, A, B and C.
QStringList correctionReport(const CorrectionForm& form);
// The same fields as label and text.
ResultFields correctionFields(const CorrectionForm& form);

} // namespace calculators
