#include "spreadsheet/NumberFormat.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <vector>

namespace spreadsheet {

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
    Year,
    Month, // month or minute until resolved
    Day,
    Hour,
    Minute,
    Second,
    AmPm,
    Placeholder, // 0 #
    DecimalPoint,
};

struct Token {
    Token(Kind k, int n = 1, const QString& t = QString()) : kind(k), count(n), text(t) {}
    Kind kind;
    int count;
    QString text; // literal text, or the AM/PM spelling
};

bool isDateKind(Kind k) {
    return k == Kind::Year || k == Kind::Month || k == Kind::Day || k == Kind::Hour ||
           k == Kind::Minute || k == Kind::Second || k == Kind::AmPm;
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
        } else if (s.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0) {
            tokens.push_back({Kind::AmPm, 1, s.mid(i, 5)});
            i += 5;
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
        } else if (c == u'0' || c == u'#') {
            tokens.push_back({Kind::Placeholder});
            ++i;
        } else if (c == u'.') {
            tokens.push_back({Kind::DecimalPoint});
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

// A format code taken apart once: the general format (no tokens), a date and time, or a number
// with a fixed count of decimals.
struct Code {
    std::vector<Token> tokens;
    bool hasDate = false;
    bool twelveHour = false;
    int fractionDigits = 0; // decimals of the seconds
    int decimals = 0;       // of a number
};

Code parse(const QString& text) {
    Code code;
    std::vector<Token>& tokens = code.tokens;
    tokens = tokenize(text);
    bool afterPoint = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Kind k = tokens[i].kind;
        code.hasDate = code.hasDate || isDateKind(k);
        code.twelveHour = code.twelveHour || k == Kind::AmPm;
        if (k == Kind::Second && i + 1 < tokens.size() &&
            tokens[i + 1].kind == Kind::DecimalPoint) {
            for (std::size_t j = i + 2; j < tokens.size() && tokens[j].kind == Kind::Placeholder;
                 ++j)
                ++code.fractionDigits;
        }
        afterPoint = afterPoint || k == Kind::DecimalPoint;
        if (afterPoint && k == Kind::Placeholder)
            ++code.decimals;
    }
    if (code.hasDate)
        resolveMinutes(tokens);
    return code;
}

QString formatDate(double value, const Code& format) {
    const std::vector<Token>& tokens = format.tokens;
    const bool twelveHour = format.twelveHour;
    const int fractionDigits = format.fractionDigits;
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
            out += t.text.left(1).isLower() ? (pm ? "pm" : "am") : (pm ? "PM" : "AM");
            break;
        }
        case Kind::Literal:
            out += t.text;
            break;
        case Kind::DecimalPoint:
            out += u'.';
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

// A number rounded to `decimals`, with a minus only when a digit other than 0 shows.
QString formatFixed(double value, int decimals) {
    QString out = QString::number(std::fabs(value), 'f', decimals);
    const bool allZero =
        std::none_of(out.begin(), out.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
    if (value < 0 && !allZero)
        out.prepend(u'-');
    return out;
}

} // namespace

struct CellValueFormat::Compiled {
    Code code;
};

CellValueFormat::CellValueFormat(const QString& code)
    : compiled_(std::make_shared<Compiled>(Compiled{parse(code)})) {}

QString CellValueFormat::show(double value) const {
    if (!std::isfinite(value))
        return QStringLiteral("#NUM!");
    const Code& code = compiled_->code;
    if (code.tokens.empty())
        return formatGeneral(value);
    if (code.hasDate)
        return formatDate(value, code);
    return formatFixed(value, code.decimals);
}

} // namespace spreadsheet
