#pragma once

#include <QString>

#include <memory>

namespace spreadsheet {

// Number format codes of the workbook, in Excel's notation ("#######0.000", "DD.MM.YYYY hh:mm").

// Turns a Qt date/time format (QLocale::dateFormat, QLocale::timeFormat) into the Excel code that
// shows the same: "dd.MM.yyyy" gives "DD.MM.YYYY", "HH:mm" gives "hh:mm", "h:mm AP" gives
// "h:mm AM/PM"; quoted and other literal text is quoted for Excel. Excel decides between month
// and minute by position (m is a minute right after an hour or right before seconds, else a
// month), so a Qt format that puts a month right after an hour, or a minute with no hour before
// it and no seconds after it, cannot be said in Excel's notation and reads the other way there.
QString excelFormatFromQtFormat(const QString& qtFormat);

// The text a spreadsheet shows for a value under a format code, to measure column widths:
// "12345.678" for 12345.678 in "#######0.000", "05.03.2008 10:00" for day number 39512.41667 in
// "DD.MM.YYYY hh:mm". It covers the codes the archive sheets use: an empty code (General), digit
// placeholders with a fixed count of decimals, and the date and time codes that
// excelFormatFromQtFormat makes, with '.' as the decimal separator and English month and day
// names. The code is taken apart once for many values.
class CellValueFormat {
public:
    explicit CellValueFormat(const QString& code);
    QString show(double value) const;

private:
    struct Compiled;
    std::shared_ptr<const Compiled> compiled_;
};

} // namespace spreadsheet
