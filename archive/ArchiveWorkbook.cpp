#include "archive/ArchiveExport.h"

#include "archive/ArchiveTexts.h"
#include "spreadsheet/NumberFormat.h"
#include "spreadsheet/Workbook.h"

#include <map>

namespace archive {

namespace {
const QString kVolumeFormat = QStringLiteral("#######0.000");
const QString kHoursFormat = QStringLiteral("#######0.0");
const QString kSecondsFormat = QStringLiteral("#######0");

// The cell styles of the export, added to the workbook in their order.
std::map<SheetStyle, Workbook::Style> addStyles(Workbook& book, const QLocale& locale) {
    const CellFont plain;
    const CellFont bold{QStringLiteral("Arial"), 10, true};
    return {
        {SheetStyle::Default, Workbook::kDefaultStyle},
        {SheetStyle::Heading, book.addStyle({bold, kGoldFill, {}})},
        {SheetStyle::Date, book.addStyle({plain, {}, dateStyleFormat(locale)})},
        {SheetStyle::DateTime, book.addStyle({plain, {}, dateTimeStyleFormat(locale)})},
        {SheetStyle::Volume, book.addStyle({plain, {}, kVolumeFormat})},
        {SheetStyle::Hours, book.addStyle({plain, {}, kHoursFormat})},
        {SheetStyle::VolumeTotal, book.addStyle({bold, kGoldFill, kVolumeFormat})},
        {SheetStyle::HoursTotal, book.addStyle({bold, kGoldFill, kHoursFormat})},
        {SheetStyle::Seconds, book.addStyle({plain, {}, kSecondsFormat})},
        {SheetStyle::SecondsTotal, book.addStyle({bold, kGoldFill, kSecondsFormat})},
    };
}
} // namespace

QString dateStyleFormat(const QLocale& locale) {
    return excelFormatFromQtFormat(locale.dateFormat(QLocale::ShortFormat));
}

QString dateTimeStyleFormat(const QLocale& locale) {
    return excelFormatFromQtFormat(locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') +
                                   locale.timeFormat(QLocale::ShortFormat));
}

QString saveWorkbook(const QString& fileName, const ArchiveSheet& sheet, const QLocale& locale) {
    Workbook book;
    book.setFileName(fileName);
    book.clear();
    const std::map<SheetStyle, Workbook::Style> styles = addStyles(book, locale);
    // The writer counts rows from 0.
    for (const SheetCell& cell : sheet.cells) {
        const Workbook::Style style = styles.at(cell.style);
        if (const auto* text = std::get_if<QString>(&cell.value))
            book.writeText(cell.column, cell.row - 1, *text, style);
        else
            book.writeNumber(cell.column, cell.row - 1, std::get<double>(cell.value), style);
    }
    book.fitColumns(0, 3);
    book.writeText(0, 0, sheet.title, Workbook::kDefaultStyle);
    QString reason;
    if (!book.save(&reason))
        return texts::cannotWriteFile(fileName, reason);
    return {};
}

} // namespace archive
