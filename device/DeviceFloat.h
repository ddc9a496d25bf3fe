#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

namespace device {

// The meter's 4-byte floating-point format, sign-and-exponent byte first:
//   d0: bit 7 sign, bits 6..0 exponent e (bias 63)
//   d1: bit 7 explicit leading mantissa bit, bits 6..0 mantissa bits 22..16
//   d2, d3: mantissa bits 15..0
// It is an IEEE single whose exponent field is e + 64, so it covers magnitudes from 2^-63
// up to (but not including) 2^65.
using DeviceFloatBytes = std::array<quint8, 4>;

float decodeDeviceFloat(const quint8* bytes);

// Empty when the value has no representation (magnitude below 2^-63 or from 2^65 up,
// infinities and NaN). Zero encodes as four zero bytes.
std::optional<DeviceFloatBytes> encodeDeviceFloat(float value);

} // namespace device
