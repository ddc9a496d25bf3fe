#include "settings/SettingsFile.h"

#include "device/Cp1251.h"
#include "device/NumberText.h"
#include "settings/SettingsTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace settings_file {

namespace st = settings_texts;

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
} // namespace

QStringList lines(const SettingsForm& f) {
    QStringList v(kLineCount + 1); // index 0 unused: the lines are numbered from 1
    for (int n = 1; n <= kLineCount; ++n)
        v[n] = st::fileLabel(n);
    v[2] = f.diametral ? st::diametralInsertion() : st::axialInsertion();
    v[4] = f.sensorsType3 ? st::sensorsType3() : st::sensorsType6();
    v[6] = f.medium == SettingsForm::Medium::Water ? st::water() : st::oil();
    v[8] = f.period == SettingsForm::Period::OneSecond ? st::periodOneSecond()
                                                       : st::periodFourSeconds();
    v[10] = f.diameter;
    v[12] = f.base;
    v[14] = f.angle;
    v[16] = f.cableLength;
    v[18] = f.k;
    v[20] = f.a;
    v[22] = f.b;
    v[24] = f.c;
    v[26] = f.cutoffInPercent ? st::unitPercent() : st::unitPerHour();
    v[27] = f.zeroCutoff;
    v[29] = f.pulseWeight;
    v[31] = f.zeroOffset;
    v[33] = QString::number(f.windowOffset);
    v.removeFirst();
    return v;
}

QByteArray contents(const SettingsForm& form) {
    QByteArray out;
    for (const QString& line : lines(form)) {
        out += encodeCp1251(line);
        out += "\r\n";
    }
    return out;
}

LoadResult parse(const QByteArray& bytes, const SettingsForm& current, const QLocale& locale,
                 const QString& path) {
    LoadResult result;
    const QStringList all = splitLines(decodeCp1251(bytes));
    if (all.size() < kLineCount) {
        result.error = st::fileTooShort(path);
        return result;
    }
    auto line = [&all](int n) -> const QString& { return all[n - 1]; };

    const auto offset = parseNumber(line(33), locale);
    if (!offset) {
        result.error = st::windowOffsetInFileNotANumber(line(33));
        return result;
    }

    SettingsForm f = current;
    f.diametral = !line(2).contains(st::axialInsertion());
    f.sensorsType3 = !line(4).contains(st::sensorsType6());
    f.medium =
        line(6).contains(st::water()) ? SettingsForm::Medium::Water : SettingsForm::Medium::Oil;
    f.period = line(8).contains(st::periodOneSecond()) ? SettingsForm::Period::OneSecond
                                                       : SettingsForm::Period::FourSeconds;
    f.diameter = line(10);
    f.base = line(12);
    f.angle = line(14);
    f.cableLength = line(16);
    f.k = line(18);
    f.a = line(20);
    f.b = line(22);
    f.c = line(24);
    f.cutoffInPercent = !line(26).contains(st::unitPerHour());
    f.zeroCutoff = line(27);
    f.pulseWeight = line(29);
    f.zeroOffset = line(31);
    // The spin box holds whole microseconds; a fraction is dropped as the write would drop it.
    f.windowOffset = settings_form::clampWindowOffset(
        static_cast<long long>(std::trunc(std::clamp(*offset, -1e9, 1e9))));
    result.form = f;
    return result;
}

LoadResult load(const QString& path, const SettingsForm& current, const QLocale& locale) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LoadResult result;
        result.error = st::cannotReadFile(path);
        return result;
    }
    const QByteArray bytes = file.readAll();
    const bool failed = file.error() != QFileDevice::NoError;
    file.close();
    if (failed) {
        LoadResult result;
        result.error = st::cannotReadFile(path);
        return result;
    }
    return parse(bytes, current, locale, path);
}

QString save(const QString& path, const SettingsForm& form) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return st::cannotWriteFile(path);
    const QByteArray bytes = contents(form);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        return st::cannotWriteFile(path);
    }
    return {};
}

QString withDefaultSuffix(const QString& path) {
    if (QFileInfo(path).suffix().isEmpty())
        return path + QLatin1Char('.') + QLatin1String(kSuffix);
    return path;
}

} // namespace settings_file
