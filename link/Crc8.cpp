#include "link/Crc8.h"

#include <array>

namespace line {

namespace {
constexpr std::array<quint8, 256> makeTable() {
    std::array<quint8, 256> table{};
    for (int i = 0; i < 256; ++i) {
        quint8 crc = quint8(i);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint8((crc >> 1) ^ 0x8C) : quint8(crc >> 1);
        table[std::size_t(i)] = crc;
    }
    return table;
}
constexpr std::array<quint8, 256> kTable = makeTable();
} // namespace

quint8 crc8(const quint8* data, std::size_t count) {
    quint8 crc = 0;
    for (std::size_t i = 0; i < count; ++i)
        crc = kTable[crc ^ data[i]];
    return crc;
}

} // namespace line
