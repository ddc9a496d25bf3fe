#include "spreadsheet/NumberFormat.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// ---- Qt date/time format to Excel code ----

// Literal characters Excel shows as they stand in a date format; everything else is quoted.
bool isPlainLiteral(QChar c) { return QStringLiteral(" -./:,()+$").contains(c); }

class ExcelCodeBuilder {
public:
    void code(const QString& text) {
        closeQuote();
        out_ += text;
    }
    void literal(QChar c) {
        if (isPlainLiteral(c)) {
            closeQuote();
            out_ += c;
        } else if (c == u'"') {
            closeQuote();
            out_ += QStringLiteral("\\\"");
        } else {
            if (!quoted_)
                out_ += u'"';
            quoted_ = true;
            out_ += c;
        }
    }
    bool endsWith(QChar c) const { return !quoted_ && out_.endsWith(c); }
    QString result() {
        closeQuote();
        return out_;
    }

private:
    void closeQuote() {
        if (quoted_)
            out_ += u'"';
        quoted_ = false;
    }
    QString out_;
    bool quoted_ = false;
};

qsizetype runLength(const QString& s, qsizetype i) {
    qsizetype n = 1;
    while (i + n < s.size() && s[i + n] == s[i])
        ++n;
    return n;
}

} // namespace

QString excelFormatFromQtFormat(const QString& qt) {
    ExcelCodeBuilder out;
    qsizetype i = 0;
    while (i < qt.size()) {
        const QChar c = qt[i];
        if (c == u'\'') {
            if (i + 1 < qt.size() && qt[i + 1] == u'\'') { // '' is one quote
                out.literal(u'\'');
                i += 2;
                continue;
            }
            ++i;
            while (i < qt.size()) {
                if (qt[i] == u'\'') {
                    if (i + 1 < qt.size() && qt[i + 1] == u'\'') {
                        out.literal(u'\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out.literal(qt[i++]);
            }
            continue;
        }
        const qsizetype run = runLength(qt, i);
        auto take = [&](qsizetype most) {
            const qsizetype n = std::min(run, most);
            i += n;
            return int(n);
        };
        switch (c.unicode()) {
        case u'd':
            out.code(QString(take(4), u'D'));
            break;
        case u'M':
            out.code(QString(take(4), u'M'));
            break;
        case u'y':
            out.code(take(4) >= 3 ? QStringLiteral("YYYY") : QStringLiteral("YY"));
            break;
        case u'h':
        case u'H':
            out.code(QString(take(2), u'h'));
            break;
        case u'm':
            out.code(QString(take(2), u'm'));
            break;
        case u's':
            out.code(QString(take(2), u's'));
            break;
        case u'z': // fractions of a second, shown after "ss."
            take(3);
            if (out.endsWith(u'.'))
                out.code(QStringLiteral("000"));
            break;
        case u't': // time zone: a workbook date has none
            take(run);
            break;
        case u'A':
        case u'a': {
            const bool upper = c == u'A';
            i += (i + 1 < qt.size() && (qt[i + 1] == u'P' || qt[i + 1] == u'p')) ? 2 : 1;
            out.code(upper ? QStringLiteral("AM/PM") : QStringLiteral("am/pm"));
            break;
        }
        default:
            out.literal(c);
            ++i;
            break;
        }
    }
    return out.result();
}

// ---- Showing a value as a spreadsheet does ----

namespace {

enum class Kind {
    Literal,
    General,
    Year,
    Month, // month or minute until resolved
    Day,
    Hour,
    Minute,
    Second,
    AmPm,
    Placeholder, // 0 # ?
    DecimalPoint,
    Comma,
    Percent,
    Exponent,
};

struct Token {
    Token(Kind k, int n = 1, const QString& t = QString()) : kind(k), count(n), text(t) {}
    Kind kind;
    int count;
    QString text; // literal text, the placeholder character, or the AM/PM spelling
};

bool isDateKind(Kind k) {
    return k == Kind::Year || k == Kind::Month || k == Kind::Day || k == Kind::Hour ||
           k == Kind::Minute || k == Kind::Second || k == Kind::AmPm;
}

// A format code's sections: for positive numbers, negative numbers, zero (and text).
QStringList splitSections(const QString& code) {
    QStringList sections;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'"')
            quoted = !quoted;
        if (!quoted && c == u'\\' && i + 1 < code.size()) {
            current += c;
            current += code[++i];
            continue;
        }
        if (!quoted && c == u';') {
            sections << current;
            current.clear();
            continue;
        }
        current += c;
    }
    sections << current;
    return sections;
}

std::vector<Token> tokenize(const QString& s) {
    std::vector<Token> tokens;
    auto literal = [&](const QString& text) {
        if (!tokens.empty() && tokens.back().kind == Kind::Literal)
            tokens.back().text += text;
        else
            tokens.push_back({Kind::Literal, 1, text});
    };
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        const QChar lower = c.toLower();
        if (c == u'"') {
            const qsizetype end = s.indexOf(u'"', i + 1);
            literal(s.mid(i + 1, end < 0 ? -1 : end - i - 1));
            i = end < 0 ? s.size() : end + 1;
        } else if (c == u'\\') {
            literal(s.mid(i + 1, 1));
            i += 2;
        } else if (c == u'_') { // room the width of the next character
            literal(QStringLiteral(" "));
            i += 2;
        } else if (c == u'*') { // fill with the next character: takes no room of its own
            i += 2;
        } else if (c == u'[') { // colour or condition
            const qsizetype end = s.indexOf(u']', i);
            i = end < 0 ? s.size() : end + 1;
        } else if (s.mid(i, 7).compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
            tokens.push_back({Kind::General});
            i += 7;
        } else if (s.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0) {
            tokens.push_back({Kind::AmPm, 1, s.mid(i, 5)});
            i += 5;
        } else if (s.mid(i, 3).compare(QLatin1String("a/p"), Qt::CaseInsensitive) == 0) {
            tokens.push_back({Kind::AmPm, 1, s.mid(i, 3)});
            i += 3;
        } else if (lower == u'y' || lower == u'm' || lower == u'd' || lower == u'h' ||
                   lower == u's') {
            qsizetype n = 1;
            while (i + n < s.size() && s[i + n].toLower() == lower)
                ++n;
            const Kind kind = lower == u'y'   ? Kind::Year
                              : lower == u'm' ? Kind::Month
                              : lower == u'd' ? Kind::Day
                              : lower == u'h' ? Kind::Hour
                                              : Kind::Second;
            tokens.push_back({kind, int(n)});
            i += n;
        } else if (lower == u'e' && i + 1 < s.size() && (s[i + 1] == u'+' || s[i + 1] == u'-')) {
            tokens.push_back({Kind::Exponent, 1, s.mid(i + 1, 1)});
            i += 2;
        } else if (c == u'0' || c == u'#' || c == u'?') {
            tokens.push_back({Kind::Placeholder, 1, QString(c)});
            ++i;
        } else if (c == u'.') {
            tokens.push_back({Kind::DecimalPoint});
            ++i;
        } else if (c == u',') {
            tokens.push_back({Kind::Comma});
            ++i;
        } else if (c == u'%') {
            tokens.push_back({Kind::Percent});
            ++i;
        } else if (c == u'@') { // the cell's text: a number cell has none
            ++i;
        } else {
            literal(QString(c));
            ++i;
        }
    }
    return tokens;
}

// Excel's rule: m or mm is a minute right after an hour or right before seconds, else a month.
void resolveMinutes(std::vector<Token>& tokens) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Kind::Month || tokens[i].count > 2)
            continue;
        Kind before = Kind::Literal, after = Kind::Literal;
        for (std::size_t j = i; j-- > 0;) {
            if (isDateKind(tokens[j].kind) && tokens[j].kind != Kind::AmPm) {
                before = tokens[j].kind;
                break;
            }
        }
        for (std::size_t j = i + 1; j < tokens.size(); ++j) {
            if (isDateKind(tokens[j].kind) && tokens[j].kind != Kind::AmPm) {
                after = tokens[j].kind;
                break;
            }
        }
        if (before == Kind::Hour || after == Kind::Second)
            tokens[i].kind = Kind::Minute;
    }
}

// n with at least `width` digits (leading zeros).
QString padded(int n, int width) {
    if (n >= 0 && n < 100 && width <= 2) { // the usual day, month, hour, minute, second
        const QChar digits[2] = {QChar(u'0' + n / 10), QChar(u'0' + n % 10)};
        return width == 2 || n >= 10 ? QString(digits, 2) : QString(digits[1]);
    }
    return QString::number(n).rightJustified(width, u'0');
}

struct NumberShape {
    QString integerPlaces, decimalPlaces, exponentPlaces; // the placeholders 0 # ?
    QString exponentSign;                                 // "+" or "-" after E, if any
    bool afterPoint = false, grouping = false, percent = false;
    int thousandsScaling = 0;        // commas after the last digit: divide by 1000 each
    qsizetype first = -1, last = -1; // the tokens the number takes the place of
};

// One section of a format code, taken apart once.
struct Section {
    std::vector<Token> tokens;
    bool hasDate = false, hasGeneral = false, onlyLiterals = true;
    bool twelveHour = false;
    int fractionDigits = 0; // decimals of the seconds
    NumberShape shape;
};

QString formatDate(double value, const Section& section) {
    const std::vector<Token>& tokens = section.tokens;
    const bool twelveHour = section.twelveHour;
    const int fractionDigits = section.fractionDigits;
    if (value < 0 || value > 2958465.99999) // before 1900 or after 9999: Excel shows hashes
        return QStringLiteral("########");
    // Rounded to the fraction of a second the format shows.
    const double unitsPerDay = 86400.0 * std::pow(10.0, std::min(fractionDigits, 3));
    const long long units = std::llround(value * unitsPerDay);
    const long long perDay = (long long)unitsPerDay;
    const QDate date = QDate(1899, 12, 30).addDays(units / perDay);
    const long long unitsOfDay = units % perDay;
    const long long perSecond = perDay / 86400;
    const int secondsOfDay = int(unitsOfDay / perSecond);
    const int fraction = int(unitsOfDay % perSecond);
    const int hour = secondsOfDay / 3600, minute = secondsOfDay / 60 % 60,
              second = secondsOfDay % 60;
    static const QLocale names = QLocale::c(); // month and day names

    QString out;
    out.reserve(32);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        switch (t.kind) {
        case Kind::Year:
            out += t.count <= 2 ? padded(date.year() % 100, 2) : QString::number(date.year());
            break;
        case Kind::Month:
            if (t.count <= 2)
                out += padded(date.month(), t.count);
            else if (t.count == 3)
                out += names.monthName(date.month(), QLocale::ShortFormat);
            else if (t.count == 4)
                out += names.monthName(date.month(), QLocale::LongFormat);
            else
                out += names.monthName(date.month(), QLocale::LongFormat).left(1);
            break;
        case Kind::Day:
            if (t.count <= 2)
                out += padded(date.day(), t.count);
            else
                out += names.dayName(date.dayOfWeek(),
                                     t.count == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            break;
        case Kind::Hour: {
            int h = hour;
            if (twelveHour)
                h = h % 12 == 0 ? 12 : h % 12;
            out += padded(h, std::min(t.count, 2));
            break;
        }
        case Kind::Minute:
            out += padded(minute, std::min(t.count, 2));
            break;
        case Kind::Second:
            out += padded(second, std::min(t.count, 2));
            if (fractionDigits > 0 && i + 1 < tokens.size() &&
                tokens[i + 1].kind == Kind::DecimalPoint) {
                out += u'.' + padded(fraction, std::min(fractionDigits, 3));
                i += 1 + fractionDigits;
            }
            break;
        case Kind::AmPm: {
            const bool pm = hour >= 12;
            if (t.text.size() == 3) // A/P
                out += t.text[pm ? 2 : 0];
            else
                out += t.text.left(1).isLower() ? (pm ? "pm" : "am") : (pm ? "PM" : "AM");
            break;
        }
        case Kind::Literal:
            out += t.text;
            break;
        case Kind::DecimalPoint:
            out += u'.';
            break;
        case Kind::Comma:
            out += u',';
            break;
        case Kind::Percent:
            out += u'%';
            break;
        default:
            break;
        }
    }
    return out;
}

// General: whole numbers as they are, others with up to ten significant digits in at most
// eleven characters, very large and very small ones in exponent form.
QString formatGeneral(double value) {
    if (value == 0)
        return QStringLiteral("0");
    const double magnitude = std::fabs(value);
    if (magnitude < 1e11 && magnitude >= 1e-5) {
        const int integerDigits = magnitude < 1 ? 1 : int(std::floor(std::log10(magnitude))) + 1;
        QString s = QString::number(value, 'f', std::max(0, 10 - integerDigits));
        if (s.contains(u'.')) {
            while (s.endsWith(u'0'))
                s.chop(1);
            if (s.endsWith(u'.'))
                s.chop(1);
        }
        return s;
    }
    QString s = QString::number(value, 'E', 5); // 1.23457E+11
    const qsizetype e = s.indexOf(u'E');
    QString mantissa = s.left(e);
    while (mantissa.endsWith(u'0'))
        mantissa.chop(1);
    if (mantissa.endsWith(u'.'))
        mantissa.chop(1);
    return mantissa + s.mid(e);
}

QString groupThousands(const QString& digits) {
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += u',';
        out += digits[i];
    }
    return out;
}

// The shape of the number: placeholders before and after the point, grouping, scaling.
NumberShape shapeOf(const std::vector<Token>& tokens) {
    NumberShape shape;
    QString &integerPlaces = shape.integerPlaces, &decimalPlaces = shape.decimalPlaces,
            &exponentPlaces = shape.exponentPlaces, &exponentSign = shape.exponentSign;
    bool &afterPoint = shape.afterPoint, &grouping = shape.grouping, &percent = shape.percent;
    int& thousandsScaling = shape.thousandsScaling;
    qsizetype &first = shape.first, &last = shape.last;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        const bool inNumber = first >= 0 && exponentSign.isEmpty();
        switch (t.kind) {
        case Kind::Placeholder:
            if (first < 0)
                first = qsizetype(i);
            last = qsizetype(i);
            if (!exponentSign.isEmpty())
                exponentPlaces += t.text;
            else if (afterPoint)
                decimalPlaces += t.text;
            else
                integerPlaces += t.text;
            break;
        case Kind::DecimalPoint:
            if (exponentSign.isEmpty()) {
                afterPoint = true;
                if (first < 0)
                    first = qsizetype(i);
                last = qsizetype(i);
            }
            break;
        case Kind::Comma:
            if (inNumber && !afterPoint) {
                const bool digitFollows =
                    i + 1 < tokens.size() && tokens[i + 1].kind == Kind::Placeholder;
                if (digitFollows)
                    grouping = true;
                else
                    ++thousandsScaling;
            }
            break;
        case Kind::Percent:
            percent = true;
            break;
        case Kind::Exponent:
            exponentSign = t.text;
            last = qsizetype(i);
            break;
        default:
            break;
        }
    }
    return shape;
}

QString formatNumber(double value, const std::vector<Token>& tokens, const NumberShape& shape,
                     bool showSign) {
    const QString &integerPlaces = shape.integerPlaces, &decimalPlaces = shape.decimalPlaces,
                  &exponentPlaces = shape.exponentPlaces, &exponentSign = shape.exponentSign;
    const bool afterPoint = shape.afterPoint, grouping = shape.grouping, percent = shape.percent;
    const int thousandsScaling = shape.thousandsScaling;
    const qsizetype first = shape.first, last = shape.last;
    if (first < 0) { // no number in the section: only its literal text shows
        QString out;
        for (const Token& t : tokens) {
            if (t.kind == Kind::Literal)
                out += t.text;
            else if (t.kind == Kind::Percent)
                out += u'%';
        }
        return out;
    }

    double magnitude = std::fabs(value) * (percent ? 100 : 1) / std::pow(1000.0, thousandsScaling);
    const int decimals = int(decimalPlaces.size());
    int exponent = 0;
    if (!exponentSign.isEmpty() && magnitude != 0) {
        exponent =
            int(std::floor(std::log10(magnitude))) - std::max<int>(0, integerPlaces.size() - 1);
        magnitude /= std::pow(10.0, exponent);
        if (std::llround(magnitude * std::pow(10.0, decimals)) >=
            std::pow(10.0, decimals + std::max<int>(1, integerPlaces.size()))) {
            magnitude /= 10; // rounding carried into a new digit
            ++exponent;
        }
    }
    QString fixed = QString::number(magnitude, 'f', decimals);
    const qsizetype point = fixed.indexOf(u'.');
    QString integerPart = point < 0 ? fixed : fixed.left(point);
    QString decimalPart = point < 0 ? QString() : fixed.mid(point + 1);

    // Optional decimals (#) drop their trailing zeros.
    qsizetype mandatoryDecimals = decimalPlaces.size();
    while (mandatoryDecimals > 0 && decimalPlaces[mandatoryDecimals - 1] == u'#')
        --mandatoryDecimals;
    while (decimalPart.size() > mandatoryDecimals && decimalPart.endsWith(u'0'))
        decimalPart.chop(1);

    const int integerZeros = int(integerPlaces.count(u'0') + integerPlaces.count(u'?'));
    if (integerPart == QLatin1String("0") && integerZeros == 0)
        integerPart.clear();
    integerPart = integerPart.rightJustified(integerZeros, u'0');
    if (grouping)
        integerPart = groupThousands(integerPart);

    QString number = integerPart;
    if (afterPoint)
        number += u'.' + decimalPart;
    if (!exponentSign.isEmpty()) {
        const int exponentDigits = std::max<int>(1, exponentPlaces.size());
        number += u'E';
        if (exponent < 0)
            number += u'-';
        else if (exponentSign == QLatin1String("+"))
            number += u'+';
        number += QString::number(std::abs(exponent)).rightJustified(exponentDigits, u'0');
    }
    const QString digits = integerPart + decimalPart;
    const bool allZero =
        std::none_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
    if (showSign && value < 0 && !allZero)
        number.prepend(u'-');

    QString out;
    for (qsizetype i = 0; i < qsizetype(tokens.size()); ++i) {
        const Token& t = tokens[i];
        if (i == first)
            out += number;
        if (i >= first && i <= last)
            continue;
        if (t.kind == Kind::Literal)
            out += t.text;
        else if (t.kind == Kind::Percent)
            out += u'%';
    }
    return out;
}

} // namespace

struct CellValueFormat::Compiled {
    std::vector<Section> sections;
};

CellValueFormat::CellValueFormat(const QString& code) {
    auto compiled = std::make_shared<Compiled>();
    for (const QString& text : splitSections(code)) {
        Section section;
        section.tokens = tokenize(text);
        std::vector<Token>& tokens = section.tokens;
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const Kind k = tokens[i].kind;
            section.hasDate = section.hasDate || isDateKind(k);
            section.hasGeneral = section.hasGeneral || k == Kind::General;
            section.onlyLiterals = section.onlyLiterals && k == Kind::Literal;
            section.twelveHour = section.twelveHour || k == Kind::AmPm;
            if (k == Kind::Second && i + 1 < tokens.size() &&
                tokens[i + 1].kind == Kind::DecimalPoint) {
                for (std::size_t j = i + 2;
                     j < tokens.size() && tokens[j].kind == Kind::Placeholder; ++j)
                    ++section.fractionDigits;
            }
        }
        if (section.hasDate)
            resolveMinutes(tokens);
        else
            section.shape = shapeOf(tokens);
        compiled->sections.push_back(std::move(section));
    }
    compiled_ = std::move(compiled);
}

QString CellValueFormat::show(double value) const {
    if (!std::isfinite(value))
        return QStringLiteral("#NUM!");
    const std::vector<Section>& sections = compiled_->sections;
    // The second section is for negative numbers (and shows no sign of its own), the third for
    // zero, when they exist.
    const bool negativeSection = value < 0 && sections.size() > 1;
    const Section& section = negativeSection                     ? sections[1]
                             : value == 0 && sections.size() > 2 ? sections[2]
                                                                 : sections[0];
    const std::vector<Token>& tokens = section.tokens;
    if (tokens.empty())
        return negativeSection ? QString() : formatGeneral(value);
    if (section.hasDate)
        return formatDate(value, section);
    if (section.hasGeneral) {
        QString out;
        for (const Token& t : tokens)
            out += t.kind == Kind::General
                       ? formatGeneral(negativeSection ? std::fabs(value) : value)
                       : t.text;
        return out;
    }
    if (section.onlyLiterals)
        return tokens.front().text;
    return formatNumber(value, tokens, section.shape, !negativeSection);
}

QString formatCellValue(double value, const QString& code) {
    return CellValueFormat(code).show(value);
}
