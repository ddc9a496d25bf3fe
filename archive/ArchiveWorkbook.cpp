#include "archive/ArchiveExport.h"

#include "archive/ArchiveTexts.h"
#include "device/Cp1251.h"
#include "spreadsheet/ColumnWidth.h"
#include "spreadsheet/NumberFormat.h"
#include "spreadsheet/Workbook.h"

#include <algorithm>
#include <map>

namespace archive {

namespace {
const QString kVolumeFormat = QStringLiteral("#######0.000");
const QString kHoursFormat = QStringLiteral("#######0.0");
const QString kSecondsFormat = QStringLiteral("#######0");

constexpr SheetStyle kStyles[] = {
    SheetStyle::Default, SheetStyle::Heading,      SheetStyle::Date,        SheetStyle::DateTime,
    SheetStyle::Volume,  SheetStyle::Hours,        SheetStyle::VolumeTotal, SheetStyle::HoursTotal,
    SheetStyle::Seconds, SheetStyle::SecondsTotal,
};

// The cell styles of the export, added to the workbook in their order.
std::map<SheetStyle, spreadsheet::Workbook::Style> addStyles(spreadsheet::Workbook& book,
                                                             const QLocale& locale) {
    std::map<SheetStyle, spreadsheet::Workbook::Style> styles{
        {SheetStyle::Default, spreadsheet::Workbook::kDefaultStyle}};
    for (const SheetStyle style : kStyles) {
        if (style != SheetStyle::Default)
            styles[style] = book.addStyle(sheetCellStyle(style, locale));
    }
    return styles;
}
} // namespace

spreadsheet::CellStyle sheetCellStyle(SheetStyle style, const QLocale& locale) {
    const spreadsheet::CellFont plain;
    const spreadsheet::CellFont bold{QStringLiteral("Arial"), 10, true};
    switch (style) {
    case SheetStyle::Default:
        break;
    case SheetStyle::Heading:
        return {bold, spreadsheet::kGoldFill, {}};
    case SheetStyle::Date:
        return {plain, {}, dateStyleFormat(locale)};
    case SheetStyle::DateTime:
        return {plain, {}, dateTimeStyleFormat(locale)};
    case SheetStyle::Volume:
        return {plain, {}, kVolumeFormat};
    case SheetStyle::Hours:
        return {plain, {}, kHoursFormat};
    case SheetStyle::VolumeTotal:
        return {bold, spreadsheet::kGoldFill, kVolumeFormat};
    case SheetStyle::HoursTotal:
        return {bold, spreadsheet::kGoldFill, kHoursFormat};
    case SheetStyle::Seconds:
        return {plain, {}, kSecondsFormat};
    case SheetStyle::SecondsTotal:
        return {bold, spreadsheet::kGoldFill, kSecondsFormat};
    }
    return {plain, {}, {}};
}

std::array<int, 4> sheetColumnWidths(const ArchiveSheet& sheet, const QLocale& locale) {
    std::array<int, 4> widths;
    widths.fill(spreadsheet::kDefaultColumnCharacters * spreadsheet::kColumnWidthUnit);
    std::map<SheetStyle, std::pair<spreadsheet::CellStyle, spreadsheet::CellValueFormat>> styles;
    for (const SheetStyle style : kStyles) {
        const spreadsheet::CellStyle look = sheetCellStyle(style, locale);
        styles.emplace(style,
                       std::make_pair(look, spreadsheet::CellValueFormat(look.numberFormat)));
    }
    // Volumes and working times repeat a lot: each distinct value is measured once.
    std::map<std::pair<SheetStyle, double>, int> measured;
    for (const SheetCell& cell : sheet.cells) {
        if (cell.column < 0 || cell.column >= int(widths.size()))
            continue;
        const auto& [look, format] = styles.at(cell.style);
        int need = 0;
        if (const auto* text = std::get_if<QString>(&cell.value)) {
            // Measured as the workbook stores it, at most 255 bytes of Windows-1251.
            need = spreadsheet::fittingColumnWidth(device::encodeCp1251(*text).left(255),
                                                   look.font.points, look.font.bold);
        } else {
            const double value = std::get<double>(cell.value);
            const auto key = std::make_pair(cell.style, value);
            const auto it = measured.find(key);
            if (it != measured.end()) {
                need = it->second;
            } else {
                need = spreadsheet::fittingColumnWidth(device::encodeCp1251(format.show(value)),
                                                       look.font.points, look.font.bold);
                measured.emplace(key, need);
            }
        }
        int& width = widths[std::size_t(cell.column)];
        width = std::max(width, need);
    }
    return widths;
}

QString dateStyleFormat(const QLocale& locale) {
    return spreadsheet::excelFormatFromQtFormat(locale.dateFormat(QLocale::ShortFormat));
}

QString dateTimeStyleFormat(const QLocale& locale) {
    return spreadsheet::excelFormatFromQtFormat(locale.dateFormat(QLocale::ShortFormat) +
                                                QLatin1Char(' ') +
                                                locale.timeFormat(QLocale::ShortFormat));
}

QString saveWorkbook(const QString& fileName, const ArchiveSheet& sheet, const QLocale& locale,
                     QString* reason) {
    spreadsheet::Workbook book;
    book.setFileName(fileName);
    book.clear();
    const std::map<SheetStyle, spreadsheet::Workbook::Style> styles = addStyles(book, locale);
    // The writer counts rows from 0.
    for (const SheetCell& cell : sheet.cells) {
        const spreadsheet::Workbook::Style style = styles.at(cell.style);
        if (const auto* text = std::get_if<QString>(&cell.value))
            book.writeText(cell.column, cell.row - 1, *text, style);
        else
            book.writeNumber(cell.column, cell.row - 1, std::get<double>(cell.value), style);
    }
    book.fitColumns(0, 3);
    book.writeText(0, 0, sheet.title, spreadsheet::Workbook::kDefaultStyle);
    QString why;
    if (!book.save(&why)) {
        if (reason)
            *reason = why;
        return texts::cannotWriteFile(fileName, why);
    }
    return {};
}

} // namespace archive
