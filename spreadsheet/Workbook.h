#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace spreadsheet {

// The workbook writer: an Excel 5.0 workbook (BIFF5 records in the "Book" stream of a compound
// document file) with one worksheet of text and number cells, cell styles and column widths.
//
// Columns and rows count from 0: column 0 is A, row 0 is the sheet's row 1. A worksheet holds
// 256 columns and 16384 rows. Cells may be written in any order; writing a cell again replaces
// it. Texts are stored in Windows-1251 (the workbook says so), with '?' for a character the
// code page cannot hold, and at most 255 characters a cell.
//
//     Workbook book;
//     book.setFileName(path);
//     book.clear();
//     const auto heading = book.addStyle({{"Arial", 10, true}, kGoldFill, {}});
//     const auto day = book.addStyle({{}, {}, excelFormatFromQtFormat(locale.dateFormat(
//                                                 QLocale::ShortFormat))});
//     book.writeText(0, 2, "Дата", heading);
//     book.writeNumber(0, 3, dayNumber, day);      // dates are day numbers since 1899-12-30
//     book.fitColumns(0, 3);
//     QString error;
//     if (!book.save(&error)) ...

struct CellFont {
    QString name = QStringLiteral("Arial");
    double points = 10;
    bool bold = false;
    bool operator==(const CellFont& o) const {
        return name == o.name && points == o.points && bold == o.bold;
    }
};

// Palette colour index of the gold fill of headings and totals (#FFCC00).
constexpr int kGoldFill = 51;

struct CellStyle {
    CellFont font;
    // A solid fill in this palette colour (0..63), or none.
    std::optional<int> solidFill;
    // An Excel number format code ("#######0.000", "DD.MM.YYYY"); empty or "General" for the
    // general format.
    QString numberFormat;
    bool operator==(const CellStyle& o) const {
        return font == o.font && solidFill == o.solidFill && numberFormat == o.numberFormat;
    }
};

class Workbook {
public:
    // A style handle, given out by addStyle.
    using Style = int;
    // The workbook's default cell style: its first font (Arial, 10 points), no fill, general.
    static constexpr Style kDefaultStyle = 0;
    static constexpr int kColumns = 256;
    static constexpr int kRows = 16384;

    Workbook(); // an empty workbook, as after clear()

    // The file save() writes.
    void setFileName(const QString& fileName) { fileName_ = fileName; }
    const QString& fileName() const { return fileName_; }

    // One empty worksheet named "Sheet 1", only the default style, default column widths. The
    // file name stays.
    void clear();

    // The worksheet's name (at most 31 characters; the characters []:*?/\ become '_').
    void setSheetName(const QString& name);

    // A handle for the style; the same style asked twice gives the same handle. A style that
    // cannot be stored (a number format longer than 255 bytes gets the general format instead;
    // a fill colour outside 0..63 gets no fill) is stored as close as the file allows.
    Style addStyle(const CellStyle& style);

    // Cells outside the worksheet are not written (false). An unknown style counts as the
    // default style. A number that is not finite becomes the error value #NUM!.
    bool writeText(int column, int row, const QString& text, Style style = kDefaultStyle);
    bool writeNumber(int column, int row, double value, Style style = kDefaultStyle);

    // Widens each column of first..last to show its widest cell whole (numbers as their format
    // shows them), measured with each cell's font; never narrower than the default 8 characters.
    // Cells written later do not change the widths.
    void fitColumns(int first, int last);
    // The width of a column in 1/256 of a character.
    int columnWidth(int column) const;

    // The BIFF5 records of the "Book" stream, and the whole file around them.
    QByteArray bookStream() const;
    QByteArray fileContents() const;

    // Writes the file through a temporary file in the same folder that then replaces the target,
    // so a failure leaves any earlier file as it was. On failure returns false and, when `error`
    // is given, the system's reason.
    bool save(QString* error = nullptr) const;
    bool save(const QString& fileName, QString* error = nullptr) const;

private:
    struct Cell {
        enum class Kind : quint8 { Text, Number };
        Kind kind;
        quint16 style;
        double number = 0;
        QByteArray text; // Windows-1251, at most 255 bytes
    };
    struct StoredStyle {
        CellStyle style; // as stored: font and fill within the file's limits, "" for General
        int font;        // FONT record index
        int format;      // number format index
    };

    static quint32 key(int column, int row) { return quint32(row) << 8 | quint32(column); }
    bool place(int column, int row, Style style, Cell cell);

    QString fileName_;
    QByteArray sheetName_;
    std::vector<StoredStyle> styles_; // [0] is the default style
    std::vector<CellFont> fonts_;     // own fonts: FONT records 5, 6, ...
    std::vector<QByteArray> formats_; // own format codes: FORMAT records 164, 165, ...
    std::map<quint32, Cell> cells_;   // by row, then column
    std::map<int, int> columnWidths_; // fitted columns
};

} // namespace spreadsheet
