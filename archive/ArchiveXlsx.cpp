// The archive sheet as an xlsx workbook, written with libxlsxwriter: the cells, styles and
// column widths of the Excel 5.0 workbook.

#include "archive/ArchiveExport.h"
#include "archive/ArchiveTexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <map>

namespace archive {

namespace {

constexpr lxw_color_t kGold = 0xFFCC00; // palette colour 51 of the Excel 5.0 workbook

// Excel keeps a column's width with the cell margins (5 pixels at a digit width of 7 pixels);
// the library adds them to the width it is given.
constexpr double kMarginCharacters = 5.0 / 7.0;

lxw_format* addFormat(lxw_workbook* book, const spreadsheet::CellStyle& style) {
    lxw_format* format = workbook_add_format(book);
    format_set_font_name(format, style.font.name.toUtf8().constData());
    format_set_font_size(format, style.font.points);
    if (style.font.bold)
        format_set_bold(format);
    if (style.solidFill) {
        format_set_pattern(format, LXW_PATTERN_SOLID);
        format_set_bg_color(format, kGold);
    }
    if (!style.numberFormat.isEmpty())
        format_set_num_format(format, style.numberFormat.toUtf8().constData());
    return format;
}

} // namespace

QByteArray xlsxContents(const ArchiveSheet& sheet, const QLocale& locale, QString* error) {
    // The library writes a file of its own; it is read back and then saved like every other
    // export file, so a failure never leaves a half-written target.
    QTemporaryDir dir;
    if (!dir.isValid()) {
        *error = dir.errorString();
        return {};
    }
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("sheet.xlsx")));
    const QByteArray tmp = QFile::encodeName(QDir::toNativeSeparators(dir.path()));
    lxw_workbook_options options{};
    // Rows go straight to the file in order, texts inline: no table of all cells in memory.
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char*>(tmp.constData());
    lxw_workbook* book = workbook_new_opt(path.constData(), &options);
    if (!book) {
        *error = QStringLiteral("libxlsxwriter");
        return {};
    }
    lxw_worksheet* ws = workbook_add_worksheet(book, "Sheet 1");

    std::map<SheetStyle, lxw_format*> formats;
    auto format = [&](SheetStyle style) {
        auto it = formats.find(style);
        if (it == formats.end())
            it = formats.emplace(style, addFormat(book, sheetCellStyle(style, locale))).first;
        return it->second;
    };

    const std::array<int, 4> widths = sheetColumnWidths(sheet, locale);
    for (std::size_t c = 0; c < widths.size(); ++c) {
        worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), widths[c] / 256.0 - kMarginCharacters,
                             nullptr);
    }
    worksheet_write_string(ws, 0, 0, sheet.title.toUtf8().constData(), format(SheetStyle::Default));
    for (const SheetCell& cell : sheet.cells) {
        const lxw_row_t row = lxw_row_t(cell.row - 1);
        const lxw_col_t column = lxw_col_t(cell.column);
        if (const auto* text = std::get_if<QString>(&cell.value))
            worksheet_write_string(ws, row, column, text->toUtf8().constData(), format(cell.style));
        else
            worksheet_write_number(ws, row, column, std::get<double>(cell.value),
                                   format(cell.style));
    }
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR) {
        *error = QString::fromUtf8(lxw_strerror(closed));
        return {};
    }
    QFile written(QFile::decodeName(path));
    if (!written.open(QIODevice::ReadOnly)) {
        *error = written.errorString();
        return {};
    }
    return written.readAll();
}

QString saveXlsx(const QString& fileName, const ArchiveSheet& sheet, const QLocale& locale,
                 QString* reason) {
    QString why;
    const QByteArray bytes = xlsxContents(sheet, locale, &why);
    if (bytes.isEmpty()) {
        if (reason)
            *reason = why;
        return texts::cannotWriteFile(fileName, why);
    }
    return writeExportFile(fileName, bytes, reason);
}

} // namespace archive
