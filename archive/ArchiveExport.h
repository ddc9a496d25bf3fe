#pragma once

#include "archive/ArchiveBuffers.h"
#include "archive/ArchiveReadout.h"
#include "spreadsheet/Workbook.h"

#include <QJsonObject>
#include <QLocale>
#include <QStringList>

#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace core {
class Frontend;
}

// "Сохранить" on the Archive tab: the report as a text file, or the last readout of the
// archive as an Excel 5.0 workbook, an xlsx workbook of the same sheet, CSV or JSON. No
// connection to the meter is involved.
namespace archive {

// In the order of the save dialog's filter entries.
enum class ExportFormat { Text, Workbook, Csv, Xlsx, Json };
constexpr int kExportFormats = 5;

// "txt", "xls", "csv", "xlsx", "json".
QString formatExtension(ExportFormat format);
// The format whose extension `fileName` has (any case); the text file when none matches.
ExportFormat formatOfFileName(const QString& fileName);
// The format named by its extension ("csv"), if any.
std::optional<ExportFormat> formatNamed(const QString& extension);
// The format the extension of `fileName` names, if it names one.
std::optional<ExportFormat> typedFormat(const QString& fileName);

// What a save writes: an extension typed that names one of the formats decides the format
// (march.txt is a text file whichever entry is chosen); any other name is saved in the chosen
// format, and a name without an extension gets that format's.
struct SaveTarget {
    QString fileName;
    ExportFormat format;
};
SaveTarget saveTarget(const QString& typed, ExportFormat chosen);

// A name without an extension gets the one of the chosen format; a name with any extension is
// kept as it is (report.dat may well hold a workbook).
QString withDefaultExtension(const QString& fileName, ExportFormat format);

// Writes `bytes` as the whole file, replacing it only once they are all written; empty on
// success, otherwise the message to show (and the system's reason in `reason`). Every export
// file goes through here.
QString writeExportFile(const QString& fileName, const QByteArray& bytes,
                        QString* reason = nullptr);

// The lines of a memo's text, as the memo shows them: a final line break opens no new line.
QStringList memoLines(const QString& plainText);

// Each line followed by CR LF, in Windows-1251; the file is replaced only once it is written
// whole. Empty on success, otherwise the message to show (and the system's reason in `reason`).
QString saveReportText(const QString& fileName, const QStringList& lines,
                       QString* reason = nullptr);

// The workbook's cell styles.
enum class SheetStyle {
    Default,
    Heading,      // bold, solid gold
    Date,         // the short date format
    DateTime,     // short date, a blank, short time
    Volume,       // #######0.000
    Hours,        // #######0.0
    VolumeTotal,  // bold, solid gold, #######0.000
    HoursTotal,   // bold, solid gold, #######0.0
    Seconds,      // #######0
    SecondsTotal, // bold, solid gold, #######0
};

struct SheetCell {
    int column = 0; // 0 is column A
    int row = 0;    // 1 is the first row
    std::variant<QString, double> value;
    SheetStyle style = SheetStyle::Default;
};

// One worksheet: the cells written before the columns A to D are fitted to their contents,
// then the title in A1 (so a long title does not widen column A).
struct ArchiveSheet {
    std::vector<SheetCell> cells;
    QString title;
};

ArchiveSheet dailySheet(const DailyArchive& archive, const QLocale& locale);
ArchiveSheet minuteSheet(const MinuteArchive& archive, const QLocale& locale);

// The number formats of the date and date-time styles: the locale's short date, and the short
// date, a blank and the short time (hours and minutes), in the workbook's notation.
QString dateStyleFormat(const QLocale& locale);
QString dateTimeStyleFormat(const QLocale& locale);

// How a style looks: font, fill and number format. Both workbook formats take it from here.
spreadsheet::CellStyle sheetCellStyle(SheetStyle style, const QLocale& locale);

// The widths of columns A to D, in 1/256 of a character, fitted to the cells as the Excel 5.0
// workbook fits them (the title in A1 left out).
std::array<int, 4> sheetColumnWidths(const ArchiveSheet& sheet, const QLocale& locale);

// Writes the sheet as an Excel 5.0 workbook. Empty on success, otherwise the message to show
// (and the system's reason in `reason`).
QString saveWorkbook(const QString& fileName, const ArchiveSheet& sheet, const QLocale& locale,
                     QString* reason = nullptr);

// The same sheet as an xlsx workbook: its bytes, or empty with `error` set.
QByteArray xlsxContents(const ArchiveSheet& sheet, const QLocale& locale, QString* error);
QString saveXlsx(const QString& fileName, const ArchiveSheet& sheet, const QLocale& locale,
                 QString* reason = nullptr);

// The last readout of an archive as CSV (UTF-8 with a byte-order mark, CR LF): a header row,
// then one row per present entry, newest first.
QByteArray archiveCsv(Kind kind, const Archives& archives);

// The last readout of an archive as one JSON object: kind, interval, end, totals, count and
// one entry per present record, newest first. The file's text, and the same as an object.
QByteArray archiveJsonText(Kind kind, const Archives& archives);
QJsonObject archiveJson(Kind kind, const Archives& archives);

// A number as a workbook cell holds it, written for CSV: a point, no exponent, no trailing
// zeros, as few digits as read back to the same double.
QString plainNumber(double value);
QByteArray plainNumberText(double value);

// The whole export of one archive to `fileName` (already extended). The text file takes the
// memo's lines; every other format the archive's last readout, refused when it was never read.
// Failures are shown through the frontend with the caption "Ошибка"; the outcome is Succeeded
// when written, else SaveFailed with the reason.
core::Outcome exportArchive(core::Frontend& frontend, Kind kind, ExportFormat format,
                            const QString& fileName, const QStringList& memoText,
                            const Archives& archives, const QLocale& locale);

} // namespace archive
