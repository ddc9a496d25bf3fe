#include "device/DeviceFloat.h"

#include <cstring>

namespace device {

namespace {
constexpr quint32 kExponentBias = 64; // IEEE exponent field = device exponent + 64
}

float decodeDeviceFloat(const quint8* b) {
    if (b[0] == 0 && b[1] == 0 && b[2] == 0 && b[3] == 0)
        return 0.0f;
    const quint32 sign = quint32(b[0] & 0x80) << 24;
    const quint32 exponent = (quint32(b[0] & 0x7F) + kExponentBias) << 23;
    const quint32 mantissa = (quint32(b[1] & 0x7F) << 16) | (quint32(b[2]) << 8) | b[3];
    const quint32 bits = sign | exponent | mantissa;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::optional<DeviceFloatBytes> encodeDeviceFloat(float value) {
    if (value == 0.0f)
        return DeviceFloatBytes{0, 0, 0, 0};
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    const quint32 exponentField = (bits >> 23) & 0xFF;
    if (exponentField < kExponentBias || exponentField > kExponentBias + 127)
        return std::nullopt;
    DeviceFloatBytes out;
    out[0] = quint8(exponentField - kExponentBias);
    if (bits & 0x80000000u)
        out[0] |= 0x80;
    out[1] = quint8(0x80 | ((bits >> 16) & 0x7F));
    out[2] = quint8(bits >> 8);
    out[3] = quint8(bits);
    return out;
}

} // namespace device
