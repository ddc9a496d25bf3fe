#pragma once

#include <QByteArray>

namespace spreadsheet {

// Column widths, in 1/256 of a character: the unit of the worksheet's column records, where a
// character is the digit width of the workbook's first font (Arial, 10 points).
constexpr int kColumnWidthUnit = 256;
constexpr int kDefaultColumnCharacters = 8; // the worksheet's default width
constexpr int kMaxColumnCharacters = 255;

// The width a column needs to show `cp1251Text` whole in the given font, never less than the
// default width. The text is measured with Arial's advance widths as a 96-dpi screen shows them
// (other font names are measured as Arial), plus a little air for the cell margins, and rounded
// up to whole characters.
int fittingColumnWidth(const QByteArray& cp1251Text, double points, bool bold);

} // namespace spreadsheet
