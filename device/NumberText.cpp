#include "device/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace device {

namespace {

// Decimal digits of |value| with the position of the decimal point: value = 0.DIGITS x 10^point.
struct Decimal {
    std::string digits; // no leading zeros; empty means zero
    int point = 0;      // number of integer digits (may be zero or negative)
};

Decimal exactDigits(double magnitude) {
    Decimal d;
    if (magnitude == 0.0)
        return d;
    // 40 significant digits are exact enough that rounding below never rounds twice. to_chars
    // writes them the same way in every locale.
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 40).ptr;
    const std::string s(text, end);
    const auto e = s.find('e');
    d.digits = s.substr(0, 1) + s.substr(2, e - 2);
    d.point = std::atoi(s.c_str() + e + 1) + 1;
    return d;
}

// Keeps `keep` leading digits, rounding half away from zero on the digits that follow.
void roundTo(Decimal& d, int keep) {
    if (keep < 0 || d.digits.empty()) {
        d.digits.clear();
        return;
    }
    if (keep >= int(d.digits.size()))
        return;
    const bool up = d.digits[std::size_t(keep)] >= '5';
    d.digits.resize(std::size_t(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[std::size_t(i)] == '9') {
            d.digits[std::size_t(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[std::size_t(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

} // namespace

QString formatFixed(double value, int precision, int decimals, const QLocale& locale) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    precision = std::clamp(precision, 1, 18);
    decimals = std::clamp(decimals, 0, 18);
    const QString separator = locale.decimalPoint();

    Decimal d = exactDigits(std::fabs(value));
    roundTo(d, std::min(precision, d.point + decimals));

    QString out;
    if (!d.digits.empty() && value < 0)
        out += QLatin1Char('-');

    if (!d.digits.empty() && d.point > precision) {
        out += QLatin1Char(d.digits[0]);
        if (d.digits.size() > 1)
            out += separator + QString::fromLatin1(d.digits.c_str() + 1);
        out += QLatin1Char('E');
        const int exponent = d.point - 1;
        if (exponent < 0)
            out += QLatin1Char('-');
        const int minDigits = std::max(1, decimals >= 5 ? 0 : decimals);
        out += QStringLiteral("%1").arg(std::abs(exponent), minDigits, 10, QLatin1Char('0'));
        return out;
    }

    auto digitAt = [&d](int i) {
        return (i >= 0 && i < int(d.digits.size())) ? QLatin1Char(d.digits[std::size_t(i)])
                                                    : QLatin1Char('0');
    };
    if (d.digits.empty() || d.point <= 0) {
        out += QLatin1Char('0');
    } else {
        for (int i = 0; i < d.point; ++i)
            out += digitAt(i);
    }
    if (decimals > 0) {
        out += separator;
        for (int i = 0; i < decimals; ++i)
            out += digitAt(d.point + i);
    }
    return out;
}

std::optional<double> parseNumber(const QString& text, const QLocale& locale) {
    const QString t = text.trimmed();
    const QString separator = locale.decimalPoint();
    std::string plain;
    int i = 0;
    const int n = int(t.size());
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        plain += char(t[i++].toLatin1());
    int mantissaDigits = 0;
    while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
        plain += char(t[i++].toLatin1());
        ++mantissaDigits;
    }
    if (i < n && t.mid(i, separator.size()) == separator) {
        plain += '.';
        i += int(separator.size());
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
            plain += char(t[i++].toLatin1());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        plain += 'e';
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            plain += char(t[i++].toLatin1());
        int exponentDigits = 0;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
            plain += char(t[i++].toLatin1());
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    // The digits are converted in the C locale whatever the process's own locale says: the
    // separator has already been read by the engineer's locale above.
    bool ok = false;
    const double value = QByteArray::fromStdString(plain).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<long long> parseInteger(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    int i = 0;
    if (t[0] == QLatin1Char('+') || t[0] == QLatin1Char('-'))
        i = 1;
    if (i == int(t.size()))
        return std::nullopt;
    for (int k = i; k < int(t.size()); ++k) {
        if (t[k].unicode() < '0' || t[k].unicode() > '9')
            return std::nullopt;
    }
    if (t.size() - i > 18)
        return std::nullopt;
    return t.toLongLong();
}

} // namespace device
