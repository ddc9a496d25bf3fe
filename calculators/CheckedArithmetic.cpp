#include "calculators/CheckedArithmetic.h"

#include "calculators/CalculatorTexts.h"
#include "device/NumberText.h"

#include <cmath>
#include <limits>

namespace calculators {
namespace {

Real checked(double result) {
    if (std::isnan(result))
        throw CalculationStopped{invalidOperation()};
    if (std::isinf(result))
        throw CalculationStopped{overflow()};
    return result;
}

} // namespace

Real operator+(Real a, Real b) { return checked(a.value_ + b.value_); }
Real operator-(Real a, Real b) { return checked(a.value_ - b.value_); }
Real operator*(Real a, Real b) { return checked(a.value_ * b.value_); }

Real operator/(Real a, Real b) {
    if (b.value_ == 0.0)
        throw CalculationStopped{a.value_ == 0.0 ? invalidOperation() : divisionByZero()};
    return checked(a.value_ / b.value_);
}

Real squareRoot(Real x) {
    if (x.value() < 0.0)
        throw CalculationStopped{invalidOperation()};
    return checked(std::sqrt(x.value()));
}

Real tangent(Real radians) { return checked(std::tan(radians.value())); }

Real readFloat(const QString& text, const QLocale& locale) {
    const auto value = device::parseNumber(text, locale);
    if (!value)
        throw CalculationStopped{notAFloatingPointValue(text)};
    return *value;
}

int readInteger(const QString& text) {
    const auto value = device::parseInteger(text);
    if (!value || *value < std::numeric_limits<int>::min() ||
        *value > std::numeric_limits<int>::max())
        throw CalculationStopped{notAnIntegerValue(text)};
    return int(*value);
}

} // namespace calculators
