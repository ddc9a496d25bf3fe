#include "settings/SettingsFile.h"

#include "device/Cp1251.h"
#include "device/FileSave.h"
#include "device/NumberText.h"
#include "settings/SettingsImage.h"
#include "settings/SettingsTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

namespace settings::file {

namespace st = texts;

namespace {

// Splits at CR LF, a lone LF or a lone CR, as a text-file reader does; a line end after the
// last line does not start another line.
QStringList splitLines(const QString& text) {
    QStringList out;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            out.append(line);
            line.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.isEmpty())
        out.append(line);
    return out;
}

// The text before a line's first colon, trimmed and case-folded; a line without a colon has
// none and matches no label.
QString labelKey(const QString& line) {
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : line.left(colon).trimmed().toCaseFolded();
}

// A number field as this PC's locale writes it. The file keeps the texts of the PC that saved
// it, so a decimal comma or point is read whatever the locale here; a text that is no number
// either way (a thousands separator, a second separator) stays as it is and is refused later.
QString localNumber(const QString& text, const QLocale& locale) {
    if (device::parseNumber(text, locale))
        return text;
    const QString point = locale.decimalPoint();
    for (const QChar separator : {QLatin1Char(','), QLatin1Char('.')}) {
        if (separator == point || text.count(separator) != 1)
            continue;
        QString local = text;
        local.replace(separator, point);
        if (device::parseNumber(local, locale))
            return local;
    }
    return text;
}

// Which of a selection line's two choices it holds: 1 or 2, or 0 for neither.
int choiceIn(const QString& line, const QString& first, const QString& second) {
    if (line.contains(first, Qt::CaseInsensitive))
        return 1;
    return line.contains(second, Qt::CaseInsensitive) ? 2 : 0;
}
} // namespace

QString decode(const QByteArray& bytes) {
    static const QByteArray bom("\xEF\xBB\xBF");
    const bool hasBom = bytes.startsWith(bom);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8(hasBom ? bytes.mid(bom.size()) : bytes);
    if (!utf8.hasError()) {
        const bool cyrillic = std::any_of(asUtf8.cbegin(), asUtf8.cend(), [](QChar c) {
            return c.unicode() >= 0x0400 && c.unicode() <= 0x04FF;
        });
        // Plain ASCII reads the same either way; a byte-order mark says UTF-8 outright.
        if (cyrillic || hasBom)
            return asUtf8;
    }
    return device::decodeCp1251(bytes);
}

QStringList lines(const SettingsForm& f) {
    QStringList v(kLineCount + 1); // index 0 unused: the lines are numbered from 1
    for (int n = 1; n <= kLineCount; ++n)
        v[n] = st::fileLabel(n);
    v[2] = f.diametral ? st::diametralInsertion() : st::axialInsertion();
    v[4] = f.sensorsType3 ? st::sensorsType3() : st::sensorsType6();
    v[6] = f.medium == SettingsForm::Medium::Water ? st::water() : st::oil();
    v[8] = f.period == SettingsForm::Period::OneSecond ? st::periodOneSecond()
                                                       : st::periodFourSeconds();
    for (const FieldId id : typedFields())
        v[fileValueLine(id)] = f.*typedText(id);
    v[26] = f.cutoffInPercent ? st::unitPercent() : st::unitPerHour();
    v[33] = QString::number(f.windowOffset);
    v.removeFirst();
    return v;
}

QByteArray contents(const SettingsForm& form) {
    QByteArray out;
    for (const QString& line : lines(form)) {
        out += device::encodeCp1251(line);
        out += "\r\n";
    }
    return out;
}

LoadResult parse(const QByteArray& bytes, const SettingsForm& current, const QLocale& locale,
                 const QString& path) {
    LoadResult result;
    const QStringList all = splitLines(decode(bytes));
    if (all.size() < kLineCount) {
        result.error = st::fileTooShort(path);
        return result;
    }
    auto line = [&all](int n) -> const QString& { return all[n - 1]; };

    const auto offset = device::parseNumber(localNumber(line(33), locale), locale);
    if (!offset) {
        result.error = st::windowOffsetInFileNotANumber(line(33));
        return result;
    }

    // A file of another kind, or one a program garbled, is refused whole rather than read
    // into a form that would silently flip the meter's selections.
    for (int n = 1; n <= kLineCount; ++n) {
        const QString label = st::fileLabel(n);
        if (!label.isEmpty() && labelKey(line(n)) != labelKey(label)) {
            result.error = st::labelLineMismatch(path, n, label);
            return result;
        }
    }
    struct Choice {
        int line;
        QString first, second;
    };
    const Choice choices[] = {{2, st::axialInsertion(), st::diametralInsertion()},
                              {4, st::sensorsType6(), st::sensorsType3()},
                              {6, st::water(), st::oil()},
                              {8, st::periodOneSecond(), st::periodFourSeconds()},
                              {26, st::unitPerHour(), st::unitPercent()}};
    for (const Choice& c : choices) {
        if (choiceIn(line(c.line), c.first, c.second) == 0) {
            result.error = st::choiceLineMismatch(path, c.line, c.first, c.second);
            return result;
        }
    }

    SettingsForm f = current;
    f.diametral = choiceIn(line(2), st::axialInsertion(), st::diametralInsertion()) != 1;
    f.sensorsType3 = choiceIn(line(4), st::sensorsType6(), st::sensorsType3()) != 1;
    f.medium = choiceIn(line(6), st::water(), st::oil()) == 1 ? SettingsForm::Medium::Water
                                                              : SettingsForm::Medium::Oil;
    f.period = choiceIn(line(8), st::periodOneSecond(), st::periodFourSeconds()) == 1
                   ? SettingsForm::Period::OneSecond
                   : SettingsForm::Period::FourSeconds;
    for (const FieldId id : typedFields())
        f.*typedText(id) = localNumber(line(fileValueLine(id)), locale);
    f.cutoffInPercent = choiceIn(line(26), st::unitPerHour(), st::unitPercent()) != 1;
    // The spin box holds whole microseconds; a fraction is dropped as the write would drop it.
    f.windowOffset =
        form::clampWindowOffset(static_cast<long long>(std::trunc(std::clamp(*offset, -1e9, 1e9))));
    result.form = f;
    return result;
}

LoadResult load(const QString& path, const SettingsForm& current, const QLocale& locale) {
    // Only a regular file is opened: a device or a pipe could block or never end.
    const QFileInfo info(path);
    if (!info.isFile()) {
        LoadResult result;
        result.error = st::cannotReadFile(path);
        return result;
    }
    if (info.size() > kMaxFileSize) {
        LoadResult result;
        result.error = st::fileTooLarge(path);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LoadResult result;
        result.error = st::cannotReadFile(path);
        return result;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    const bool failed = file.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize;
    file.close();
    if (failed) {
        LoadResult result;
        result.error = st::cannotReadFile(path);
        return result;
    }
    return parse(bytes, current, locale, path);
}

QString save(const QString& path, const SettingsForm& form, QString* reason) {
    if (!device::saveFileSafely(path, contents(form), reason))
        return st::cannotWriteFile(path);
    return {};
}

QString withDefaultSuffix(const QString& path) {
    if (QFileInfo(path).suffix().isEmpty())
        return path + QLatin1Char('.') + QLatin1String(kSuffix);
    return path;
}

} // namespace settings::file
