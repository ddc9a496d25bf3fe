#pragma once

#include "archive/ArchiveBuffers.h"
#include "archive/ArchiveReadout.h"

#include <QLocale>
#include <QStringList>

#include <variant>
#include <vector>

class Frontend;

// "Сохранить" on the Archive tab: the report as a text file, or the last readout of the
// archive as an Excel 5.0 workbook. No connection to the meter is involved.
namespace archive {

enum class ExportFormat { Text, Workbook };

// A name without an extension gets ".txt" or ".xls" by the chosen format; a name with any
// extension is kept as it is (report.dat may well hold a workbook).
QString withDefaultExtension(const QString& fileName, ExportFormat format);

// The lines of a memo's text, as the memo shows them: a final line break opens no new line.
QStringList memoLines(const QString& plainText);

// Each line followed by CR LF, in Windows-1251; the file is replaced only once it is written
// whole. Empty on success, otherwise the message to show.
QString saveReportText(const QString& fileName, const QStringList& lines);

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

// Writes the sheet as an Excel 5.0 workbook. Empty on success, otherwise the message to show.
QString saveWorkbook(const QString& fileName, const ArchiveSheet& sheet, const QLocale& locale);

// The whole export of one archive to `fileName` (already extended). The text file takes the
// memo's lines; the workbook the archive's last readout, refused when it was never read.
// Failures are shown through the frontend with the caption "Ошибка"; true when written.
bool exportArchive(Frontend& frontend, Kind kind, ExportFormat format, const QString& fileName,
                   const QStringList& memoText, const Archives& archives, const QLocale& locale);

} // namespace archive
