#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace device {

// The number display used throughout the program ("fixed P/D"): the value is rounded to at
// most `precision` significant digits and at most `decimals` decimals and written in fixed
// notation with exactly `decimals` decimals (trailing zeros kept), with the locale's decimal
// separator and no thousands separator. When the integer part needs more than `precision`
// digits the value is written in exponent form instead: the rounded significant digits with
// trailing zeros dropped, a separator after the first digit if more follow, "E", a minus for a
// negative exponent, and the exponent padded to at least `decimals` digits (a `decimals` of 5
// or more counts as 0; at least one digit). So 1234.5 in fixed 3/1 is 1,23E3 and 999.94 is 1E3.
QString formatFixed(double value, int precision, int decimals, const QLocale& locale);

// Reads a number as the engineer types it: optional blanks, an optional sign, digits with at
// most one locale decimal separator, an optional exponent (E or e, optional sign, digits),
// optional blanks. No thousands separators. Empty when the text is not a number.
std::optional<double> parseNumber(const QString& text, const QLocale& locale);

// Reads a whole number: optional blanks, an optional sign, decimal digits, optional blanks.
std::optional<long long> parseInteger(const QString& text);

} // namespace device
