#include "calculators/PulseCalculator.h"

#include "calculators/CalculatorTexts.h"
#include "calculators/CheckedArithmetic.h"
#include "device/NumberText.h"

namespace calculators {
namespace {
constexpr double kPi = 3.14159265358979323846;
}

QString calculatePulseWeight(PulseForm& form, const QLocale& locale) {
    try {
        const Real diameter = readFloat(form.diameter, locale);
        const Real section = diameter * diameter * Real(kPi) / Real(4) / Real(1e6); // m2
        Real flow = 0.0;                                                            // m3/h
        if (form.byVelocity) {
            flow = readFloat(form.velocityMax, locale) * section * Real(3600);
            form.flowMax = device::formatFixed(flow.value(), 15, 3, locale);
        } else {
            flow = readFloat(form.flowMax, locale);
            form.velocityMax =
                device::formatFixed((flow / Real(3600) / section).value(), 15, 3, locale);
        }
        const Real rate = readFloat(form.pulseRate, locale);
        const Real litresPerPulse = flow / Real(3600) / rate * Real(1000);
        form.pulseWeight = device::formatFixed(litresPerPulse.value(), 7, 3, locale);
    } catch (const CalculationStopped& stop) {
        return stop.message;
    }
    return {};
}

ResultFields pulseFields(const PulseForm& form) {
    return {
        {velocityMaxLabel(), form.velocityMax},
        {flowMaxLabel(), form.flowMax},
        {pulseWeightLabelLine1() + QLatin1Char(' ') + pulseWeightLabelLine2(), form.pulseWeight},
    };
}

QStringList pulseReport(const PulseForm& form) { return reportLines(pulseFields(form)); }

} // namespace calculators
