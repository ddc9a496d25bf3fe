#include "spreadsheet/Workbook.h"

#include "device/Cp1251.h"
#include "device/FileSave.h"
#include "spreadsheet/ColumnWidth.h"
#include "spreadsheet/CompoundFile.h"
#include "spreadsheet/NumberFormat.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace spreadsheet {

namespace {

// ---- Record writing ----

void u8(QByteArray& b, quint8 v) { b.append(char(v)); }
void u16(QByteArray& b, quint16 v) {
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}
void u32(QByteArray& b, quint32 v) {
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}
void f64(QByteArray& b, double v) {
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    char raw[8];
    qToLittleEndian(bits, raw);
    b.append(raw, 8);
}
// A byte string: one length byte, then the bytes (at most 255).
void byteString(QByteArray& b, const QByteArray& s) {
    const QByteArray text = s.left(255);
    u8(b, quint8(text.size()));
    b.append(text);
}
void record(QByteArray& out, quint16 id, const QByteArray& body) {
    // Every body here stays far below BIFF5's 2080-byte record limit (the longest, PALETTE, has
    // 226 bytes; a cell text is cut at 255 bytes), so no CONTINUE record is ever needed.
    u16(out, id);
    u16(out, quint16(body.size()));
    out.append(body);
}

enum RecordId : quint16 {
    kBof = 0x0809,
    kEof = 0x000A,
    kCodepage = 0x0042,
    kWindow1 = 0x003D,
    kFont = 0x0031,
    kFormat = 0x041E,
    kXf = 0x00E0,
    kStyle = 0x0293,
    kPalette = 0x0092,
    kBoundsheet = 0x0085,
    kDefColWidth = 0x0055,
    kColInfo = 0x007D,
    kDimensions = 0x0200,
    kLabel = 0x0204,
    kNumber = 0x0203,
    kBoolErr = 0x0205,
    kWindow2 = 0x023E,
};

constexpr quint16 kCodePage1251 = 1251;
constexpr quint8 kCyrillicCharset = 204;
constexpr int kFirstOwnFont = 5; // FONT index 4 does not exist
constexpr int kFirstOwnFormat = 164;
constexpr int kDefaultCellXf = 15;
constexpr int kFirstOwnXf = 21;
constexpr int kMaxStyles = 4000 - kFirstOwnXf; // the XF table's limit, with room to spare
constexpr int kMaxLabelBytes = 255;
constexpr int kMaxSheetNameChars = 31;
constexpr int kMaxFontNameChars = 31;
constexpr quint8 kNumErrorCode = 0x24; // #NUM!

// Cell area: pattern colour (bits 0-6), background (bits 7-13), fill pattern (bits 16-21).
constexpr quint32 kWindowText = 64, kWindowBackground = 65;
constexpr quint32 kNoFillArea = kWindowText | kWindowBackground << 7;
quint32 solidArea(int colour) { return quint32(colour) | kWindowBackground << 7 | 1u << 16; }

void bof(QByteArray& out, quint16 type) {
    QByteArray b;
    u16(b, 0x0500); // BIFF5
    u16(b, type);
    u16(b, 0x096C); // build and year as Excel 5 writes them
    u16(b, 0x07C9);
    record(out, kBof, b);
}

void font(QByteArray& out, const CellFont& f) {
    QByteArray b;
    u16(b, quint16(std::lround(f.points * 20))); // twips
    u16(b, f.bold ? 0x0001 : 0x0000); // readers go by this bit or by the weight: both are set
    u16(b, 0x7FFF);                   // automatic colour
    u16(b, f.bold ? 700 : 400);
    u16(b, 0); // no escapement
    u8(b, 0);  // no underline
    u8(b, 0);  // family: any
    u8(b, kCyrillicCharset);
    u8(b, 0);
    byteString(b, device::encodeCp1251(f.name).left(kMaxFontNameChars));
    record(out, kFont, b);
}

// used: the attribute groups the XF sets itself (cell XF) or leaves to its style (style XF).
void xf(QByteArray& out, int fontIndex, int format, quint16 typeAndParent, quint8 used,
        quint32 area) {
    QByteArray b;
    u16(b, quint16(fontIndex));
    u16(b, quint16(format));
    u16(b, typeAndParent);
    u8(b, 0x20); // general horizontal alignment, bottom
    u8(b, used);
    u32(b, area);
    u32(b, 0); // no borders
    record(out, kXf, b);
}

void style(QByteArray& out, int xfIndex, quint8 builtIn) {
    QByteArray b;
    u16(b, quint16(0x8000 | xfIndex));
    u8(b, builtIn);
    u8(b, 0xFF);
    record(out, kStyle, b);
}

// Colours 8..63 as Excel 97 has them: 51 is gold (#FFCC00), where Excel 5.0's own palette,
// which readers assume for a BIFF5 file without this record, has olive.
constexpr std::array<quint32, 56> kExcel97Colours = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, //  8
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, // 16
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, // 24
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF, // 32
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99, // 40
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, // 48
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333, // 56
};

void palette(QByteArray& out) {
    QByteArray b;
    u16(b, quint16(kExcel97Colours.size()));
    for (const quint32 rgb : kExcel97Colours) {
        u8(b, quint8(rgb >> 16));
        u8(b, quint8(rgb >> 8));
        u8(b, quint8(rgb));
        u8(b, 0);
    }
    record(out, kPalette, b);
}

QByteArray cleanSheetName(const QString& name) {
    QString clean = name.left(kMaxSheetNameChars);
    for (QChar& c : clean) {
        if (QStringLiteral("[]:*?/\\").contains(c))
            c = u'_';
    }
    if (clean.trimmed().isEmpty())
        clean = QStringLiteral("Sheet 1");
    return device::encodeCp1251(clean);
}

bool isGeneral(const QString& code) {
    return code.trimmed().isEmpty() ||
           code.trimmed().compare(QLatin1String("General"), Qt::CaseInsensitive) == 0;
}

const CellFont kFirstFont{};

} // namespace

Workbook::Workbook() { clear(); }

void Workbook::clear() {
    sheetName_ = cleanSheetName(QStringLiteral("Sheet 1"));
    styles_.clear();
    styles_.push_back({CellStyle{}, 0, 0});
    fonts_.clear();
    formats_.clear();
    cells_.clear();
    columnWidths_.clear();
}

void Workbook::setSheetName(const QString& name) { sheetName_ = cleanSheetName(name); }

Workbook::Style Workbook::addStyle(const CellStyle& requested) {
    CellStyle s = requested;
    s.font.name = s.font.name.trimmed().left(kMaxFontNameChars);
    if (s.font.name.isEmpty())
        s.font.name = kFirstFont.name;
    s.font.points = std::isfinite(s.font.points) ? std::clamp(s.font.points, 1.0, 409.0) : 10.0;
    s.font.points = std::round(s.font.points * 20) / 20; // whole twips, as stored
    if (s.solidFill && (*s.solidFill < 0 || *s.solidFill > 63))
        s.solidFill.reset();
    QByteArray code; // stays empty for the general format
    if (!isGeneral(s.numberFormat)) {
        code = device::encodeCp1251(s.numberFormat);
        if (code.size() > 255) // more than a FORMAT record holds
            code.clear();
    }
    if (code.isEmpty())
        s.numberFormat.clear();

    for (std::size_t i = 0; i < styles_.size(); ++i) {
        if (styles_[i].style == s)
            return Style(i);
    }
    if (int(styles_.size()) > kMaxStyles)
        return kDefaultStyle;

    StoredStyle stored{s, 0, 0};
    if (!(s.font == kFirstFont)) {
        auto it = std::find(fonts_.begin(), fonts_.end(), s.font);
        if (it == fonts_.end())
            it = fonts_.insert(fonts_.end(), s.font);
        stored.font = kFirstOwnFont + int(it - fonts_.begin());
    }
    if (!code.isEmpty()) {
        auto it = std::find(formats_.begin(), formats_.end(), code);
        if (it == formats_.end())
            it = formats_.insert(formats_.end(), code);
        stored.format = kFirstOwnFormat + int(it - formats_.begin());
    }
    styles_.push_back(stored);
    return Style(styles_.size() - 1);
}

bool Workbook::place(int column, int row, Style style, Cell cell) {
    if (column < 0 || column >= kColumns || row < 0 || row >= kRows)
        return false;
    cell.style = quint16(style >= 0 && std::size_t(style) < styles_.size() ? style : kDefaultStyle);
    cells_[key(column, row)] = std::move(cell);
    return true;
}

bool Workbook::writeText(int column, int row, const QString& text, Style style) {
    // A single-byte code page: cutting the bytes never splits a character.
    return place(column, row, style,
                 {Cell::Kind::Text, 0, 0, device::encodeCp1251(text).left(kMaxLabelBytes)});
}

bool Workbook::writeNumber(int column, int row, double value, Style style) {
    return place(column, row, style, {Cell::Kind::Number, 0, value, QByteArray()});
}

void Workbook::fitColumns(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, kColumns - 1);
    for (int c = first; c <= last; ++c)
        columnWidths_[c] = kDefaultColumnCharacters * kColumnWidthUnit;
    std::vector<std::optional<CellValueFormat>> formats(styles_.size()); // taken apart once
    for (const auto& [k, cell] : cells_) {
        const int column = int(k & 0xFF);
        if (column < first || column > last)
            continue;
        const StoredStyle& style = styles_[cell.style];
        QByteArray shown = cell.text; // what a reader shows, in Windows-1251
        if (cell.kind == Cell::Kind::Number) {
            auto& format = formats[cell.style];
            if (!format)
                format.emplace(style.style.numberFormat);
            shown = device::encodeCp1251(format->show(cell.number));
        }
        int& width = columnWidths_[column];
        width = std::max(width,
                         fittingColumnWidth(shown, style.style.font.points, style.style.font.bold));
    }
}

int Workbook::columnWidth(int column) const {
    const auto it = columnWidths_.find(column);
    return it == columnWidths_.end() ? kDefaultColumnCharacters * kColumnWidthUnit : it->second;
}

QByteArray Workbook::bookStream() const {
    QByteArray out;
    out.reserve(2048 + qsizetype(cells_.size()) * 20);

    // ---- Workbook globals ----
    bof(out, 0x0005);
    {
        QByteArray b;
        u16(b, kCodePage1251);
        record(out, kCodepage, b);
    }
    {
        QByteArray b;
        for (const quint16 v : {0, 0, 0x25BC, 0x1572, 0x0038, 0, 0, 1, 0x0258})
            u16(b, v); // position and size in twips, scroll bars and tabs, sheet 0 active
        record(out, kWindow1, b);
    }
    for (int i = 0; i < 4; ++i)
        font(out, kFirstFont);
    for (const CellFont& f : fonts_)
        font(out, f);
    for (std::size_t i = 0; i < formats_.size(); ++i) {
        QByteArray b;
        u16(b, quint16(kFirstOwnFormat + i));
        byteString(b, formats_[i]);
        record(out, kFormat, b);
    }

    // Excel's standard XF block: style XFs 0-14 (0 is "Normal"), the default cell XF 15, then
    // the style XFs of the built-in Comma, Comma [0], Currency, Currency [0] and Percent styles.
    xf(out, 0, 0, 0xFFF5, 0x00, kNoFillArea);
    for (const int f : {1, 1, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
        xf(out, f, 0, 0xFFF5, 0xF4, kNoFillArea);
    xf(out, 0, 0, 0x0001, 0x00, kNoFillArea);
    for (const int format : {43, 41, 44, 42, 9})
        xf(out, 1, format, 0xFFF5, 0xF8, kNoFillArea);
    for (std::size_t i = 1; i < styles_.size(); ++i) {
        const StoredStyle& s = styles_[i];
        xf(out, s.font, s.format, 0x0001, 0xFC,
           s.style.solidFill ? solidArea(*s.style.solidFill) : kNoFillArea);
    }
    style(out, 0, 0);  // Normal
    style(out, 16, 3); // Comma
    style(out, 17, 6); // Comma [0]
    style(out, 18, 4); // Currency
    style(out, 19, 7); // Currency [0]
    style(out, 20, 5); // Percent
    palette(out);

    qsizetype sheetOffsetAt;
    {
        QByteArray b;
        u32(b, 0); // the sheet's offset in the stream, filled in below
        u8(b, 0);  // visible
        u8(b, 0);  // worksheet
        byteString(b, sheetName_);
        sheetOffsetAt = out.size() + 4;
        record(out, kBoundsheet, b);
    }
    record(out, kEof, {});
    qToLittleEndian(quint32(out.size()), out.data() + sheetOffsetAt);

    // ---- The worksheet ----
    bof(out, 0x0010);
    {
        QByteArray b;
        u16(b, kDefaultColumnCharacters);
        record(out, kDefColWidth, b);
    }
    for (const auto& [column, width] : columnWidths_) {
        QByteArray b;
        u16(b, quint16(column));
        u16(b, quint16(column));
        u16(b, quint16(width));
        u16(b, kDefaultCellXf);
        u16(b, 0); // shown, no outline
        u16(b, 0);
        record(out, kColInfo, b);
    }
    {
        // Used area: first row, last row + 1, first column, last column + 1; all 0 when empty.
        QByteArray b;
        if (cells_.empty()) {
            b.fill('\0', 10);
        } else {
            int firstColumn = kColumns, lastColumn = 0;
            for (const auto& entry : cells_) {
                firstColumn = std::min(firstColumn, int(entry.first & 0xFF));
                lastColumn = std::max(lastColumn, int(entry.first & 0xFF));
            }
            u16(b, quint16(cells_.begin()->first >> 8));
            u16(b, quint16((cells_.rbegin()->first >> 8) + 1));
            u16(b, quint16(firstColumn));
            u16(b, quint16(lastColumn + 1));
            u16(b, 0);
        }
        record(out, kDimensions, b);
    }
    for (const auto& [k, cell] : cells_) {
        const quint16 row = quint16(k >> 8), column = quint16(k & 0xFF);
        const quint16 xfIndex =
            quint16(cell.style == kDefaultStyle ? kDefaultCellXf : kFirstOwnXf + cell.style - 1);
        if (cell.kind == Cell::Kind::Text) {
            u16(out, kLabel);
            u16(out, quint16(8 + cell.text.size()));
            u16(out, row);
            u16(out, column);
            u16(out, xfIndex);
            u16(out, quint16(cell.text.size()));
            out.append(cell.text);
        } else if (std::isfinite(cell.number)) {
            u16(out, kNumber);
            u16(out, 14);
            u16(out, row);
            u16(out, column);
            u16(out, xfIndex);
            f64(out, cell.number);
        } else { // a spreadsheet has no infinity or NaN: the cell shows #NUM!
            u16(out, kBoolErr);
            u16(out, 8);
            u16(out, row);
            u16(out, column);
            u16(out, xfIndex);
            u8(out, kNumErrorCode);
            u8(out, 1); // an error value, not a boolean
        }
    }
    {
        QByteArray b;
        u16(b, 0x06B6); // grid, headers, zeros, automatic grid colour, outline, selected, shown
        u16(b, 0);      // top row
        u16(b, 0);      // left column
        u32(b, 0);      // grid colour
        record(out, kWindow2, b);
    }
    record(out, kEof, {});
    return out;
}

QByteArray Workbook::fileContents() const {
    return compoundFileWithStream(QStringLiteral("Book"), bookStream());
}

bool Workbook::save(QString* error) const { return save(fileName_, error); }

bool Workbook::save(const QString& fileName, QString* error) const {
    // The workbook replaces the file only when every byte is on the disk.
    return device::saveFileSafely(fileName, fileContents(), error);
}

} // namespace spreadsheet
