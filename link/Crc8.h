#pragma once

#include <QtGlobal>

#include <cstddef>

namespace line {

// CRC-8/MAXIM (Dallas 1-Wire): polynomial x^8 + x^5 + x^4 + 1, reflected (0x8C), initial value
// 0, no final XOR. Requests carry it over every byte before it, answers over their data bytes.
quint8 crc8(const quint8* data, std::size_t count);

} // namespace line
