#include "archive/ArchiveExport.h"

#include "archive/ArchiveReport.h"
#include "archive/ArchiveTexts.h"
#include "core/Frontend.h"
#include "core/Texts.h"
#include "device/Cp1251.h"
#include "device/FileSave.h"

#include <QFileInfo>

namespace archive {

namespace {
constexpr int kColumnA = 0;
constexpr int kColumnB = 1;
constexpr int kColumnC = 2;
constexpr int kColumnD = 3;
constexpr int kHeadingRow = 3;
constexpr int kFirstDataRow = 4;

void text(ArchiveSheet& sheet, int column, int row, const QString& value, SheetStyle style) {
    sheet.cells.push_back({column, row, value, style});
}
void number(ArchiveSheet& sheet, int column, int row, double value, SheetStyle style) {
    sheet.cells.push_back({column, row, value, style});
}

void headings(ArchiveSheet& sheet, const QString& first, const QString& workingTime) {
    text(sheet, kColumnA, kHeadingRow, first, SheetStyle::Heading);
    text(sheet, kColumnB, kHeadingRow, texts::headingVolume(), SheetStyle::Heading);
    text(sheet, kColumnC, kHeadingRow, workingTime, SheetStyle::Heading);
    text(sheet, kColumnD, kHeadingRow, texts::headingEvents(), SheetStyle::Heading);
}

// The rows of both archives: one per present entry, one left empty after each run of empty
// entries that follows a present one, then the totals or the no-record text. `stamp(i)` is
// the date cell's value of entry i, `time(record)` its working time in column C.
struct TimeColumn {
    SheetStyle style;
    SheetStyle totalStyle;
};

template <typename Stamp, typename Time>
void rows(ArchiveSheet& sheet, const std::vector<Record>& entries, int count, SheetStyle stampStyle,
          Stamp stamp, TimeColumn timeColumn, Time time, double volumeTotal, double timeTotal,
          bool interrupted) {
    int row = kFirstDataRow;
    const bool anyRecord = layOutEntries(
        entries, count,
        [&](int i, const Record& entry) {
            number(sheet, kColumnA, row, stamp(i), stampStyle);
            if (entry.unreadable()) {
                text(sheet, kColumnD, row, texts::transferErrorCell(), SheetStyle::Default);
            } else {
                number(sheet, kColumnB, row, entry.volumeCubicMetres(), SheetStyle::Volume);
                number(sheet, kColumnC, row, time(entry), timeColumn.style);
                text(sheet, kColumnD, row, eventText(entry.events(), EventTarget::Spreadsheet),
                     SheetStyle::Default);
            }
            ++row;
        },
        [&] { ++row; });
    if (anyRecord) {
        text(sheet, kColumnA, row, texts::totalsCell(), SheetStyle::Heading);
        number(sheet, kColumnB, row, volumeTotal, SheetStyle::VolumeTotal);
        number(sheet, kColumnC, row, timeTotal, timeColumn.totalStyle);
        if (interrupted)
            text(sheet, kColumnD, row, texts::interruptedTotals(), SheetStyle::Default);
    } else {
        text(sheet, kColumnD, row, texts::noRecords(), SheetStyle::Default);
    }
}

} // namespace

QString formatExtension(ExportFormat format) {
    switch (format) {
    case ExportFormat::Text:
        break;
    case ExportFormat::Workbook:
        return QStringLiteral("xls");
    case ExportFormat::Csv:
        return QStringLiteral("csv");
    case ExportFormat::Xlsx:
        return QStringLiteral("xlsx");
    case ExportFormat::Json:
        return QStringLiteral("json");
    }
    return QStringLiteral("txt");
}

std::optional<ExportFormat> formatNamed(const QString& extension) {
    for (int i = 0; i < kExportFormats; ++i) {
        if (extension.compare(formatExtension(ExportFormat(i)), Qt::CaseInsensitive) == 0)
            return ExportFormat(i);
    }
    return std::nullopt;
}

std::optional<ExportFormat> typedFormat(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return std::nullopt;
    return formatNamed(name.mid(dot + 1));
}

ExportFormat formatOfFileName(const QString& fileName) {
    return typedFormat(fileName).value_or(ExportFormat::Text);
}

SaveTarget saveTarget(const QString& typed, ExportFormat chosen) {
    if (const std::optional<ExportFormat> named = typedFormat(typed))
        return {typed, *named};
    return {withDefaultExtension(typed, chosen), chosen};
}

QString withDefaultExtension(const QString& fileName, ExportFormat format) {
    if (QFileInfo(fileName).fileName().contains(QLatin1Char('.')))
        return fileName;
    return fileName + QLatin1Char('.') + formatExtension(format);
}

QString writeExportFile(const QString& fileName, const QByteArray& bytes, QString* reason) {
    QString why;
    if (!device::saveFileSafely(fileName, bytes, &why)) {
        if (reason)
            *reason = why;
        return texts::cannotWriteFile(fileName, why);
    }
    return {};
}

QStringList memoLines(const QString& plainText) {
    if (plainText.isEmpty())
        return {};
    QStringList lines = plainText.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString saveReportText(const QString& fileName, const QStringList& lines, QString* reason) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += device::encodeCp1251(line);
        bytes += "\r\n";
    }
    return writeExportFile(fileName, bytes, reason);
}

ArchiveSheet dailySheet(const DailyArchive& archive, const QLocale& locale) {
    const DailySummary& s = archive.summary;
    ArchiveSheet sheet;
    headings(sheet, texts::headingDate(), texts::headingHours());
    rows(
        sheet, archive.entries, s.recordCount, SheetStyle::Date,
        [&](int i) { return double(s.endDate - i); }, {SheetStyle::Hours, SheetStyle::HoursTotal},
        [](const Record& r) { return r.workingTime() / kDailyTimeUnitsPerHour; }, s.volumeTotal,
        s.hoursTotal, s.interrupted);
    sheet.title = dailyReadoutTitle(s, locale);
    return sheet;
}

// Column C holds the minute records' working time in their own unit, seconds, as the minute
// report does, under the heading "Время работы, секунд"; in hours with one decimal every minute
// would read 0.0.
ArchiveSheet minuteSheet(const MinuteArchive& archive, const QLocale& locale) {
    const MinuteSummary& s = archive.summary;
    ArchiveSheet sheet;
    headings(sheet, texts::headingDateTime(), texts::headingSeconds());
    // The stamp of each entry counts back from the end in whole minutes, so no fraction of a
    // day accumulates any error.
    const qint64 endMinute =
        qint64(s.endDate) * device::archive_layout::kMinutesPerDay + s.endHour * 60 + s.endMinute;
    auto stamp = [&](int i) {
        const qint64 minutes = endMinute - i;
        const qint64 day = minutes / device::archive_layout::kMinutesPerDay;
        return double(day) + double(minutes - day * device::archive_layout::kMinutesPerDay) /
                                 device::archive_layout::kMinutesPerDay;
    };
    rows(
        sheet, archive.entries, s.recordCount, SheetStyle::DateTime, stamp,
        {SheetStyle::Seconds, SheetStyle::SecondsTotal},
        [](const Record& r) { return double(r.workingTime()); }, s.volumeTotal, s.secondsTotal,
        s.interrupted);
    sheet.title = minuteReadoutTitle(s, locale);
    return sheet;
}

core::Outcome exportArchive(core::Frontend& frontend, Kind kind, ExportFormat format,
                            const QString& fileName, const QStringList& memoText,
                            const Archives& archives, const QLocale& locale) {
    QString error;
    QString reason;
    if (format == ExportFormat::Text) {
        error = saveReportText(fileName, memoText, &reason);
    } else {
        const bool read = kind == Kind::Daily ? archives.daily.summary.recordCount > 0
                                              : archives.minute.summary.recordCount > 0;
        if (!read) {
            frontend.showError(core::texts::errorCaption(), texts::notReadYet());
            return core::Outcome::saveFailed(fileName, texts::notReadYet());
        }
        switch (format) {
        case ExportFormat::Text:
            break;
        case ExportFormat::Workbook:
        case ExportFormat::Xlsx: {
            const ArchiveSheet sheet = kind == Kind::Daily ? dailySheet(archives.daily, locale)
                                                           : minuteSheet(archives.minute, locale);
            error = format == ExportFormat::Workbook
                        ? saveWorkbook(fileName, sheet, locale, &reason)
                        : saveXlsx(fileName, sheet, locale, &reason);
            break;
        }
        case ExportFormat::Csv:
            error = writeExportFile(fileName, archiveCsv(kind, archives), &reason);
            break;
        case ExportFormat::Json:
            error = writeExportFile(fileName, archiveJsonText(kind, archives), &reason);
            break;
        }
    }
    if (!error.isEmpty()) {
        frontend.showError(core::texts::errorCaption(), error);
        return core::Outcome::saveFailed(fileName, reason);
    }
    return core::Outcome::of(core::Outcome::Kind::Succeeded);
}

} // namespace archive
