#include "archive/ArchiveExport.h"

#include "app/core/Frontend.h"
#include "app/core/Texts.h"
#include "archive/ArchiveReport.h"
#include "archive/ArchiveTexts.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

namespace archive {

namespace {
constexpr int kColumnA = 0;
constexpr int kColumnB = 1;
constexpr int kColumnC = 2;
constexpr int kColumnD = 3;
constexpr int kHeadingRow = 3;
constexpr int kFirstDataRow = 4;
constexpr double kDailyTimeUnitsPerHour = 1800;
constexpr double kSecondsPerHour = 3600;

void text(ArchiveSheet& sheet, int column, int row, const QString& value, CellStyle style) {
    sheet.cells.push_back({column, row, value, style});
}
void number(ArchiveSheet& sheet, int column, int row, double value, CellStyle style) {
    sheet.cells.push_back({column, row, value, style});
}

void headings(ArchiveSheet& sheet, const QString& first) {
    text(sheet, kColumnA, kHeadingRow, first, CellStyle::Heading);
    text(sheet, kColumnB, kHeadingRow, texts::headingVolume(), CellStyle::Heading);
    text(sheet, kColumnC, kHeadingRow, texts::headingHours(), CellStyle::Heading);
    text(sheet, kColumnD, kHeadingRow, texts::headingEvents(), CellStyle::Heading);
}

// The rows of both archives: one per present entry, one left empty after each run of empty
// entries that follows a present one, then the totals or the no-record text. `stamp(i)` is
// the date cell's value of entry i, `hours(record)` its column C.
template <typename Stamp, typename Hours>
void rows(ArchiveSheet& sheet, const std::vector<Record>& entries, int count, CellStyle stampStyle,
          Stamp stamp, Hours hours, double volumeTotal, double hoursTotal) {
    int row = kFirstDataRow;
    bool anyRecord = false;
    bool lastRowWasRecord = false;
    for (int i = 0; i < count; ++i) {
        const Record& entry = entries[std::size_t(i)];
        if (!entry.present()) {
            if (lastRowWasRecord)
                ++row;
            lastRowWasRecord = false;
            continue;
        }
        number(sheet, kColumnA, row, stamp(i), stampStyle);
        if (entry.unreadable()) {
            text(sheet, kColumnD, row, texts::transferErrorCell(), CellStyle::Default);
        } else {
            number(sheet, kColumnB, row, entry.volumeCubicMetres(), CellStyle::Volume);
            number(sheet, kColumnC, row, hours(entry), CellStyle::Hours);
            text(sheet, kColumnD, row, eventText(entry.events(), EventTarget::Spreadsheet),
                 CellStyle::Default);
        }
        anyRecord = true;
        lastRowWasRecord = true;
        ++row;
    }
    if (anyRecord) {
        text(sheet, kColumnA, row, texts::totalsCell(), CellStyle::Heading);
        number(sheet, kColumnB, row, volumeTotal, CellStyle::VolumeTotal);
        number(sheet, kColumnC, row, hoursTotal, CellStyle::HoursTotal);
    } else {
        text(sheet, kColumnD, row, texts::noRecords(), CellStyle::Default);
    }
}

QString title(const QString& prefix, int firstDay, int endDate, const QLocale& locale) {
    return prefix + shortDate(firstDay, locale) + texts::titleTo() + shortDate(endDate, locale);
}

bool safeLiteral(QChar c) {
    return c == QLatin1Char('.') || c == QLatin1Char('/') || c == QLatin1Char(':') ||
           c == QLatin1Char('-') || c == QLatin1Char(',') || c == QLatin1Char(' ');
}
} // namespace

QString withDefaultExtension(const QString& fileName, ExportFormat format) {
    if (QFileInfo(fileName).fileName().contains(QLatin1Char('.')))
        return fileName;
    return fileName +
           (format == ExportFormat::Text ? QStringLiteral(".txt") : QStringLiteral(".xls"));
}

QStringList memoLines(const QString& plainText) {
    if (plainText.isEmpty())
        return {};
    QStringList lines = plainText.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString saveReportText(const QString& fileName, const QStringList& lines) {
    QStringEncoder encoder("windows-1251");
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return texts::cannotWriteFile(fileName, file.errorString());
    return {};
}

ArchiveSheet dailySheet(const DailyArchive& archive, const QLocale& locale) {
    const DailySummary& s = archive.summary;
    ArchiveSheet sheet;
    headings(sheet, texts::headingDate());
    rows(
        sheet, archive.entries, s.recordCount, CellStyle::Date,
        [&](int i) { return double(s.endDate - i); },
        [](const Record& r) { return r.workingTime() / kDailyTimeUnitsPerHour; }, s.volumeTotal,
        s.hoursTotal);
    sheet.title = title(texts::dailyTitle(), s.endDate - s.recordCount + 1, s.endDate, locale);
    return sheet;
}

// Column C is headed "Время работы, часов" and holds hours: each minute's working seconds and
// the seconds total divided by 3600.
ArchiveSheet minuteSheet(const MinuteArchive& archive, const QLocale& locale) {
    const MinuteSummary& s = archive.summary;
    ArchiveSheet sheet;
    headings(sheet, texts::headingDateTime());
    // The stamp of each entry counts back from the end in whole minutes, so no fraction of a
    // day accumulates any error.
    const qint64 endMinute =
        qint64(s.endDate) * archive_layout::kMinutesPerDay + s.endHour * 60 + s.endMinute;
    auto stamp = [&](int i) {
        const qint64 minutes = endMinute - i;
        const qint64 day = minutes / archive_layout::kMinutesPerDay;
        return double(day) + double(minutes - day * archive_layout::kMinutesPerDay) /
                                 archive_layout::kMinutesPerDay;
    };
    rows(
        sheet, archive.entries, s.recordCount, CellStyle::DateTime, stamp,
        [](const Record& r) { return r.workingTime() / kSecondsPerHour; }, s.volumeTotal,
        s.secondsTotal / kSecondsPerHour);
    const int firstDay = int((endMinute - (s.recordCount - 1)) / archive_layout::kMinutesPerDay);
    sheet.title = title(texts::minuteTitle(), firstDay, s.endDate, locale);
    return sheet;
}

QString workbookDateFormat(const QString& pattern) {
    QString out;
    const int n = int(pattern.size());
    for (int i = 0; i < n;) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'')) {
            // A quoted literal; two quotes stand for one.
            QString literal;
            ++i;
            while (i < n) {
                if (pattern[i] == QLatin1Char('\'')) {
                    if (i + 1 < n && pattern[i + 1] == QLatin1Char('\'')) {
                        literal += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += pattern[i++];
            }
            if (!literal.isEmpty())
                out += QLatin1Char('"') + literal + QLatin1Char('"');
            continue;
        }
        int run = 1;
        while (i + run < n && pattern[i + run] == c)
            ++run;
        i += run;
        switch (c.unicode()) {
        case 'd':
        case 'y':
            out += QString(run, c);
            break;
        case 'M':
            out += QString(run, QLatin1Char('m'));
            break;
        case 'h':
        case 'H':
            out += QString(std::min(run, 2), QLatin1Char('h'));
            break;
        case 'm':
            out += QString(std::min(run, 2), QLatin1Char('m'));
            break;
        case 's':
            out += QString(std::min(run, 2), QLatin1Char('s'));
            break;
        case 'A':
        case 'a':
            // AP, ap, A, a: the half of the day.
            if (i < n && (pattern[i] == QLatin1Char('P') || pattern[i] == QLatin1Char('p')))
                ++i;
            out += QStringLiteral("AM/PM");
            break;
        case 'z':
        case 't':
            break; // milliseconds and the time zone have no place in these cells
        default:
            for (int k = 0; k < run; ++k)
                out += safeLiteral(c) ? QString(c) : QStringLiteral("\\") + c;
            break;
        }
    }
    return out.trimmed();
}

QString dateStyleFormat(const QLocale& locale) {
    return workbookDateFormat(locale.dateFormat(QLocale::ShortFormat));
}

QString dateTimeStyleFormat(const QLocale& locale) {
    return dateStyleFormat(locale) + QLatin1Char(' ') +
           workbookDateFormat(locale.timeFormat(QLocale::ShortFormat));
}

bool exportArchive(Frontend& frontend, Kind kind, ExportFormat format, const QString& fileName,
                   const QStringList& memoText, const Archives& archives, const QLocale& locale) {
    QString error;
    if (format == ExportFormat::Text) {
        error = saveReportText(fileName, memoText);
    } else {
        const bool read = kind == Kind::Daily ? archives.daily.summary.recordCount > 0
                                              : archives.minute.summary.recordCount > 0;
        if (!read) {
            frontend.showError(::texts::errorCaption(), texts::notReadYet());
            return false;
        }
        const ArchiveSheet sheet = kind == Kind::Daily ? dailySheet(archives.daily, locale)
                                                       : minuteSheet(archives.minute, locale);
        error = saveWorkbook(fileName, sheet, locale);
    }
    if (!error.isEmpty()) {
        frontend.showError(::texts::errorCaption(), error);
        return false;
    }
    return true;
}

} // namespace archive
