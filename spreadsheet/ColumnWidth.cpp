#include "spreadsheet/ColumnWidth.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace spreadsheet {

namespace {
// Advance widths of Arial (regular and bold) in 1/2048 em for each Windows-1251 byte from 0x20
// (Liberation Sans has the same metrics). Unassigned bytes carry the width of '?', which is what
// a reader shows for them.
constexpr std::array<short, 224> kRegular = {
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
    682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
    1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196, 1139,
    1771, 1109, 455,  747,  682,  2048, 1139, 1139, 1139, 2048, 2165, 682,  2069, 1193, 1749, 1472,
    1139, 455,  455,  682,  682,  717,  1139, 2048, 1139, 2048, 1856, 682,  1664, 896,  1139, 1131,
    569,  1301, 1024, 1024, 1139, 1001, 532,  1139, 1367, 1509, 1472, 1139, 1196, 682,  1509, 569,
    819,  1124, 569,  455,  842,  1180, 1100, 682,  1139, 2197, 1045, 1139, 455,  1366, 1024, 569,
    1366, 1344, 1366, 1109, 1387, 1366, 1891, 1237, 1472, 1472, 1193, 1344, 1706, 1479, 1593, 1472,
    1366, 1479, 1251, 1301, 1557, 1366, 1515, 1365, 1877, 1920, 1621, 1813, 1344, 1472, 2069, 1479,
    1139, 1173, 1088, 747,  1195, 1139, 1370, 939,  1144, 1144, 896,  1195, 1408, 1131, 1139, 1109,
    1139, 1024, 938,  1024, 1685, 1024, 1173, 1067, 1643, 1685, 1280, 1472, 1067, 1045, 1536, 1109,
};
constexpr std::array<short, 224> kBold = {
    569,  682,  971,  1139, 1139, 1821, 1479, 487,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 682,  682,  1196, 1196, 1196, 1251,
    1997, 1479, 1479, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1139, 1479, 1251, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 682,  569,  682,  1196, 1139,
    682,  1139, 1251, 1139, 1251, 1139, 682,  1251, 1251, 569,  569,  1139, 569,  1821, 1251, 1251,
    1251, 1251, 797,  1139, 682,  1251, 1139, 1593, 1139, 1139, 1024, 797,  573,  797,  1196, 1251,
    1813, 1161, 569,  853,  1024, 2048, 1139, 1139, 1139, 2048, 2240, 682,  2176, 1250, 1792, 1472,
    1251, 569,  569,  1024, 1024, 717,  1139, 2048, 1251, 2048, 1984, 682,  1856, 1025, 1251, 1237,
    569,  1274, 1139, 1139, 1139, 997,  573,  1139, 1370, 1509, 1457, 1139, 1196, 682,  1509, 565,
    819,  1124, 569,  569,  915,  1180, 1139, 682,  1139, 2283, 1131, 1139, 569,  1366, 1139, 576,
    1479, 1472, 1479, 1161, 1459, 1366, 1851, 1283, 1472, 1472, 1250, 1437, 1706, 1479, 1593, 1472,
    1366, 1479, 1251, 1274, 1748, 1366, 1496, 1439, 2058, 2087, 1781, 2005, 1472, 1457, 2112, 1472,
    1139, 1265, 1259, 853,  1300, 1139, 1452, 1018, 1259, 1259, 1025, 1301, 1515, 1237, 1251, 1237,
    1251, 1139, 1003, 1139, 1792, 1139, 1259, 1189, 1707, 1728, 1493, 1749, 1259, 1131, 1749, 1195,
};
constexpr int kDigitAdvance = 1139; // '0' in both weights

// A 96-dpi screen: 10 points are 13.33 pixels per em, and Arial's digit comes out 7 pixels wide;
// that digit is the character the column widths count.
constexpr double kPixelsPerPoint = 96.0 / 72.0;
const int kDigitPixels = int(std::lround(kDigitAdvance * 10 * kPixelsPerPoint / 2048));
constexpr int kMarginPixels = 4; // the cell's inner margins and the grid line
} // namespace

int fittingColumnWidth(const QByteArray& cp1251Text, double points, bool bold) {
    const auto& advances = bold ? kBold : kRegular;
    const double pixelsPerUnit = points * kPixelsPerPoint / 2048;
    long long pixels = 0;
    for (const char c : cp1251Text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x20) // control characters take no room
            pixels += std::lround(advances[byte - 0x20] * pixelsPerUnit);
    }
    const long long characters = (pixels + kMarginPixels + kDigitPixels - 1) / kDigitPixels;
    return int(std::clamp<long long>(characters, kDefaultColumnCharacters, kMaxColumnCharacters)) *
           kColumnWidthUnit;
}

} // namespace spreadsheet
