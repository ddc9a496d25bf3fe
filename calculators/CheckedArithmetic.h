#pragma once

#include <QLocale>
#include <QString>

// Arithmetic of the calculators. A calculation stops at the first operation whose result is
// undefined or too large, with the error text the person sees; no NaN or infinity ever reaches
// a field.
namespace calculators {

// Thrown by the operations below and caught by each calculator's entry function.
struct CalculationStopped {
    QString message;
};

// A double whose every operation is checked.
class Real {
public:
    Real(double value) : value_(value) {} // NOLINT: implicit on purpose, formulas stay readable
    double value() const { return value_; }

    friend Real operator+(Real a, Real b);
    friend Real operator-(Real a, Real b);
    friend Real operator*(Real a, Real b);
    friend Real operator/(Real a, Real b);

private:
    double value_;
};

Real squareRoot(Real x);
Real tangent(Real radians);

// A field read as a floating-point number with the locale's separator; stops the calculation
// with "'text' is not a valid floating point value" otherwise.
Real readFloat(const QString& text, const QLocale& locale);
// A field read as a whole number (32-bit, as the temperature fields hold it).
int readInteger(const QString& text);

} // namespace calculators
