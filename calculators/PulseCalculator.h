#pragma once

#include "calculators/ResultFields.h"

#include <QLocale>
#include <QString>
#include <QStringList>

// The pulse-weight calculator: the smallest pulse weight that keeps the pulse output within a
// given pulse rate at the pipe's maximum velocity or flow.
namespace calculators {

struct PulseForm {
    QString diameter = QStringLiteral("0");    // mm; in flow mode it only serves the velocity shown
    bool byVelocity = true;                    // the maximum is given as a velocity, not a flow
    QString velocityMax = QStringLiteral("0"); // m/s
    QString flowMax = QStringLiteral("0");     // m3/h
    QString pulseRate = QStringLiteral("16");  // pulses per second, fractions allowed
    QString pulseWeight = QStringLiteral("0"); // the result, litres per pulse
};

// "Расчёт": reads the diameter and the maximum, writes the flow or the velocity (whichever was
// not given), reads the pulse rate and writes the pulse weight. Returns the error text that
// stopped the calculation, empty when it ran to the end; fields written before the error keep
// their new texts.
[[nodiscard]] QString calculatePulseWeight(PulseForm& form, const QLocale& locale);

// The fields after a calculation, one line each: label, one blank, text: the maximum velocity,
// the maximum flow and the pulse weight (under its two label lines joined by a blank).
QStringList pulseReport(const PulseForm& form);
// The same fields as label and text.
ResultFields pulseFields(const PulseForm& form);

} // namespace calculators
