#include "settings/SettingsImage.h"

#include "device/DeviceDates.h"
#include "device/DeviceFloat.h"
#include "device/NumberText.h"
#include "link/Protocol.h"
#include "settings/SettingsMap.h"
#include "settings/SettingsTexts.h"

#include <algorithm>

namespace settings {

namespace sm = map;
namespace st = texts;

void SettingsImage::put(int address, const quint8* data, int count) {
    for (int i = 0; i < count && address + i < kSize; ++i) {
        bytes[std::size_t(address + i)] = data[i];
        known[std::size_t(address + i)] = true;
    }
}

bool SettingsImage::allKnown(int address, int count) const {
    for (int i = 0; i < count; ++i)
        if (address + i >= kSize || !known[std::size_t(address + i)])
            return false;
    return true;
}

bool SettingsImage::equal(const SettingsImage& other, int address, int count, quint8 mask) const {
    if (!allKnown(address, count) || !other.allKnown(address, count))
        return false;
    for (int i = 0; i < count; ++i) {
        const auto a = std::size_t(address + i);
        if ((bytes[a] & mask) != (other.bytes[a] & mask))
            return false;
    }
    return true;
}

int settingsAreaReads(int first, int last) {
    const int count = last - first + 1;
    return (count + line::Protocol::kMaxReadCount - 1) / line::Protocol::kMaxReadCount;
}

QByteArray storedArea(const SettingsImage& image) {
    constexpr int count = kStoredAreaLast - kStoredAreaFirst + 1;
    if (!image.allKnown(kStoredAreaFirst, count))
        return {};
    return QByteArray(reinterpret_cast<const char*>(image.bytes.data() + kStoredAreaFirst), count);
}

int readSettingsArea(line::Protocol& p, int first, int last, SettingsImage& image) {
    int failed = 0;
    for (int address = first; address <= last; address += line::Protocol::kMaxReadCount) {
        const int count = std::min(line::Protocol::kMaxReadCount, last - address + 1);
        if (p.ReadSettingBytes(quint8(address), quint8(count)))
            image.put(address, p.buffer() + 1, count);
        else
            ++failed;
    }
    return failed;
}

namespace {

template <std::size_t N>
FieldBytes fieldBytes(const std::array<quint8, N>& data) {
    static_assert(N <= 4);
    FieldBytes f;
    std::copy(data.begin(), data.end(), f.bytes.begin());
    f.count = int(N);
    return f;
}

std::optional<FieldBytes> floatBytes(std::optional<long double> value) {
    if (!value)
        return std::nullopt;
    if (const auto bytes = sm::encodeFloat(*value))
        return fieldBytes(*bytes);
    return std::nullopt;
}

std::optional<FieldBytes> tenthsBytes(std::optional<long double> value) {
    if (!value)
        return std::nullopt;
    if (const auto stored = sm::encodeTenths(*value))
        return fieldBytes(sm::u16Bytes(*stored));
    return std::nullopt;
}

quint16 word(const SettingsImage& image, int address) {
    return quint16(image.bytes[std::size_t(address)] |
                   (image.bytes[std::size_t(address + 1)] << 8));
}

quint32 bigEndian32(const SettingsImage& image, int address) {
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | image.bytes[std::size_t(address + i)];
    return v;
}

std::optional<float> floatAt(const SettingsImage& image, int address) {
    if (!image.allKnown(address, 4))
        return std::nullopt;
    return device::decodeDeviceFloat(image.bytes.data() + address);
}

} // namespace

std::optional<FieldBytes> encodeField(FieldId id, const SettingsForm& form, const QLocale& locale) {
    auto number = [&locale](const QString& text) { return sm::parseTabNumber(text, locale); };
    switch (id) {
    case FieldId::Insertion:
        return fieldBytes(std::array<quint8, 1>{sm::encodeFlags(form)});
    case FieldId::Diameter:
        return tenthsBytes(number(form.diameter));
    case FieldId::Base:
        return tenthsBytes(number(form.base));
    case FieldId::Angle: {
        // With axial insertion the angle field is disabled and unchecked: it goes in as it
        // stands when it is a number that fits, else as 0.
        const auto angle = number(form.angle);
        if (const auto stored = angle ? sm::encodeHundredths(*angle) : std::nullopt)
            return fieldBytes(sm::u16Bytes(*stored));
        if (!form.diametral)
            return fieldBytes(sm::u16Bytes(0));
        return std::nullopt;
    }
    case FieldId::CableLength:
        return tenthsBytes(number(form.cableLength));
    case FieldId::K:
        return floatBytes(number(form.k));
    case FieldId::A:
        return floatBytes(number(form.a));
    case FieldId::B:
        return floatBytes(number(form.b));
    case FieldId::C:
        return floatBytes(number(form.c));
    case FieldId::ZeroCutoff: {
        const auto cutoff = number(form.zeroCutoff);
        const auto d = number(form.diameter);
        if (!cutoff || (form.cutoffInPercent && !d))
            return std::nullopt;
        return floatBytes(
            sm::zeroCutoffStored(*cutoff, form.cutoffInPercent, form.cutoffInPercent ? *d : 0));
    }
    case FieldId::PulseWeight: {
        const auto pulse = number(form.pulseWeight);
        if (const auto stored = pulse ? sm::encodeThousandths(*pulse) : std::nullopt)
            return fieldBytes(sm::u24Bytes(*stored));
        return std::nullopt;
    }
    case FieldId::ZeroOffset:
        return floatBytes(number(form.zeroOffset));
    case FieldId::WindowStart: {
        const auto l = number(form.base);
        if (!l)
            return std::nullopt;
        const long long start = sm::windowStart(*l, form.medium, form.windowOffset);
        if (start < 0 || start > sm::kMaxU16)
            return std::nullopt;
        return fieldBytes(sm::u16Bytes(quint16(start)));
    }
    case FieldId::PathDelay: {
        // The cable length's own limit keeps the delay well inside 32 bits.
        const auto cable = number(form.cableLength);
        if (!cable || !(*cable >= 0) || !sm::encodeTenths(*cable))
            return std::nullopt;
        return fieldBytes(sm::u32BigEndianBytes(quint32(sm::pathDelay(*cable, form.sensorsType3))));
    }
    case FieldId::DelayConstant:
        return fieldBytes(sm::u32BigEndianBytes(sm::kDelayConstantValue));
    case FieldId::CrossSection: {
        const auto d = number(form.diameter);
        return d ? floatBytes(sm::crossSection(*d)) : std::nullopt;
    }
    case FieldId::PathCoefficient: {
        const auto k = number(form.k);
        const auto l = number(form.base);
        const auto d = number(form.diameter);
        if (!k || !l || !d || *d == 0)
            return std::nullopt;
        return floatBytes(sm::pathCoefficient(*k, *l, *d, form.diametral));
    }
    case FieldId::Sensors:
    case FieldId::Medium:
    case FieldId::Period:
    case FieldId::WindowOffset:
    case FieldId::DateStamp:
    case FieldId::HourStamp:
        break;
    }
    return std::nullopt;
}

const std::vector<FieldId>& blockFields() {
    static const std::vector<FieldId> fields = {
        FieldId::Diameter,
        FieldId::Base,
        FieldId::Angle,
        FieldId::CableLength,
        FieldId::ZeroCutoff,
        FieldId::PulseWeight,
        FieldId::WindowStart,
        FieldId::PathDelay,
        FieldId::DelayConstant,
        FieldId::K,
        FieldId::A,
        FieldId::B,
        FieldId::C,
        FieldId::ZeroOffset,
        FieldId::CrossSection,
        FieldId::PathCoefficient,
        FieldId::Insertion,
    };
    return fields;
}

SettingsImage intendedImage(const SettingsForm& form, const QLocale& locale, quint8 versionByte) {
    SettingsImage image;
    for (const FieldId id : blockFields())
        if (const auto f = encodeField(id, form, locale))
            image.put(fieldRange(id, versionByte).address, f->bytes.data(), f->count);
    return image;
}

SettingsForm formFromImage(const SettingsImage& image, std::optional<quint8> versionByte,
                           const SettingsForm& current, const QLocale& locale) {
    SettingsForm f = current;
    auto show = [&locale](long double value, int precision, int decimals) {
        return device::formatFixed(double(value), precision, decimals, locale);
    };
    auto wordAt = [&image](int address) -> std::optional<quint16> {
        if (!image.allKnown(address, 2))
            return std::nullopt;
        return word(image, address);
    };
    auto showFloat = [&show](std::optional<float> value, int precision, int decimals) {
        return value ? show(*value, precision, decimals) : QString();
    };

    const auto diameter = wordAt(sm::kDiameter);
    f.diameter = diameter ? show(sm::diameterFromStored(*diameter), 5, 1) : QString();
    const auto base = wordAt(sm::kBase);
    f.base = base ? show(sm::baseFromStored(*base), 5, 1) : QString();
    const auto angle = wordAt(sm::kAngle);
    f.angle = angle ? show(sm::angleFromStored(*angle), 5, 2) : QString();
    const auto cable = wordAt(sm::kCableLength);
    f.cableLength = cable ? show(sm::cableLengthFromStored(*cable), 5, 1) : QString();

    f.zeroCutoff.clear();
    if (const auto cutoff = floatAt(image, sm::kZeroCutoff)) {
        if (!f.cutoffInPercent) {
            f.zeroCutoff = show(sm::zeroCutoffShown(*cutoff, false, 0), 15, 6);
        } else if (const auto d = sm::parseTabNumber(f.diameter, locale);
                   d && sm::referenceFlow(*d) != 0) {
            f.zeroCutoff = show(sm::zeroCutoffShown(*cutoff, true, *d), 15, 2);
        }
    }
    f.pulseWeight.clear();
    if (image.allKnown(sm::kPulseWeight, 3)) {
        const quint32 stored = image.bytes[sm::kPulseWeight] |
                               (quint32(image.bytes[sm::kPulseWeight + 1]) << 8) |
                               (quint32(image.bytes[sm::kPulseWeight + 2]) << 16);
        f.pulseWeight = show(sm::pulseWeightFromStored(stored), 6, 2);
    }
    f.k = showFloat(floatAt(image, sm::kK), 5, 4);
    f.b = showFloat(floatAt(image, sm::kB), 5, 4);
    const auto first = floatAt(image, sm::kFirstCoefficient);
    const auto second = floatAt(image, sm::kSecondCoefficient);
    if (!versionByte) {
        f.a.clear();
        f.c.clear();
    } else if (sm::coefficientsSwapped(*versionByte)) {
        f.c = showFloat(first, 5, 4);
        f.a = showFloat(second, 5, 4);
    } else {
        f.a = showFloat(first, 5, 4);
        f.c = showFloat(second, 5, 4);
    }
    f.zeroOffset = showFloat(floatAt(image, sm::kZeroOffset), 8, 4);

    if (image.allKnown(sm::kFlags, 1)) {
        sm::decodeFlags(image.bytes[sm::kFlags], f);
    } else {
        f.medium = SettingsForm::Medium::None;
        f.period = SettingsForm::Period::None;
    }
    f.windowOffset = 0;
    if (const auto start = wordAt(sm::kWindowStart))
        if (const auto l = sm::parseTabNumber(f.base, locale))
            f.windowOffset =
                form::clampWindowOffset(sm::windowOffsetFromStored(*start, *l, f.medium));
    return f;
}

namespace {

// Every field once: where it lives (A and C trade places from firmware version 6 on), the
// settings file's label line that names it (0: a name of its own), and for the fields the
// write derives, what they are worked out from.
struct FieldRow {
    FieldId id;
    FieldRange range;
    int fileLine;                // the label line; its value follows (the cutoff's unit first)
    QString SettingsForm::*text; // the form's text of a field typed in; null for the others
    QString (*ownLabel)();       // the name of a field the file does not hold
    std::vector<FieldId> derivedFrom;
};

const std::vector<FieldRow>& fieldRows() {
    using F = FieldId;
    using S = SettingsForm;
    static const std::vector<FieldRow> rows = {
        {F::Insertion, {sm::kFlags, 1, sm::flags::kDiametral}, 1, nullptr, nullptr, {}},
        {F::Sensors, {sm::kFlags, 1, sm::flags::kSensorsType3}, 3, nullptr, nullptr, {}},
        {F::Medium,
         {sm::kFlags, 1, quint8(sm::flags::kWater | sm::flags::kOil)},
         5,
         nullptr,
         nullptr,
         {}},
        {F::Period, {sm::kFlags, 1, sm::flags::kPeriod4s}, 7, nullptr, nullptr, {}},
        {F::Diameter, {sm::kDiameter, 2}, 9, &S::diameter, nullptr, {}},
        {F::Base, {sm::kBase, 2}, 11, &S::base, nullptr, {}},
        {F::Angle, {sm::kAngle, 2}, 13, &S::angle, nullptr, {}},
        {F::CableLength, {sm::kCableLength, 2}, 15, &S::cableLength, nullptr, {}},
        {F::K, {sm::kK, 4}, 17, &S::k, nullptr, {}},
        {F::A, {sm::kFirstCoefficient, 4}, 19, &S::a, nullptr, {}},
        {F::B, {sm::kB, 4}, 21, &S::b, nullptr, {}},
        {F::C, {sm::kSecondCoefficient, 4}, 23, &S::c, nullptr, {}},
        {F::ZeroCutoff, {sm::kZeroCutoff, 4}, 25, &S::zeroCutoff, nullptr, {}},
        {F::PulseWeight, {sm::kPulseWeight, 3}, 28, &S::pulseWeight, nullptr, {}},
        {F::ZeroOffset, {sm::kZeroOffset, 4}, 30, &S::zeroOffset, nullptr, {}},
        {F::WindowOffset, {sm::kWindowStart, 2}, 32, nullptr, nullptr, {}},
        {F::WindowStart,
         {sm::kWindowStart, 2},
         0,
         nullptr,
         &st::windowStartLabel,
         {F::Base, F::Medium, F::WindowOffset}},
        {F::PathDelay,
         {sm::kPathDelay, 4},
         0,
         nullptr,
         &st::pathDelayLabel,
         {F::CableLength, F::Sensors}},
        {F::DelayConstant, {sm::kDelayConstant, 4}, 0, nullptr, &st::delayConstantLabel, {}},
        {F::CrossSection,
         {sm::kCrossSection, 4},
         0,
         nullptr,
         &st::crossSectionLabel,
         {F::Diameter}},
        {F::PathCoefficient,
         {sm::kPathCoefficient, 4},
         0,
         nullptr,
         &st::pathCoefficientLabel,
         {F::K, F::Base, F::Diameter, F::Insertion}},
        {F::DateStamp, {sm::kDateStamp, 2}, 0, nullptr, &st::dateStampLabel, {}},
        {F::HourStamp, {sm::kHourStamp, 1}, 0, nullptr, &st::hourStampLabel, {}},
    };
    return rows;
}

const FieldRow& rowOf(FieldId id) {
    const auto& rows = fieldRows();
    return *std::find_if(rows.begin(), rows.end(), [id](const FieldRow& r) { return r.id == id; });
}

} // namespace

FieldRange fieldRange(FieldId id, quint8 versionByte) {
    FieldRange r = rowOf(id).range;
    if ((id == FieldId::A || id == FieldId::C) && sm::coefficientsSwapped(versionByte))
        r.address =
            r.address == sm::kFirstCoefficient ? sm::kSecondCoefficient : sm::kFirstCoefficient;
    return r;
}

QString fieldLabel(FieldId id) {
    const FieldRow& row = rowOf(id);
    return row.fileLine ? st::fileLabel(row.fileLine) : row.ownLabel ? row.ownLabel() : QString();
}

std::vector<FieldId> derivedFrom(FieldId id) { return rowOf(id).derivedFrom; }

QString SettingsForm::*typedText(FieldId id) { return rowOf(id).text; }

const std::vector<FieldId>& typedFields() {
    static const std::vector<FieldId> fields = [] {
        std::vector<FieldId> out;
        for (const FieldRow& row : fieldRows())
            if (row.text)
                out.push_back(row.id);
        return out;
    }();
    return fields;
}

int fileValueLine(FieldId id) {
    const FieldRow& row = rowOf(id);
    return row.fileLine + (id == FieldId::ZeroCutoff ? 2 : 1);
}

bool isDerived(FieldId id) { return id >= FieldId::WindowStart && id <= FieldId::PathCoefficient; }

std::vector<FieldId> comparedFields() {
    std::vector<FieldId> out;
    for (int i = 0; i <= int(FieldId::PathCoefficient); ++i)
        out.push_back(FieldId(i));
    return out;
}

std::vector<FieldId> writtenFields() {
    std::vector<FieldId> out = comparedFields();
    out.push_back(FieldId::DateStamp);
    out.push_back(FieldId::HourStamp);
    return out;
}

QString fieldText(FieldId id, const SettingsForm& shown, const SettingsImage& image,
                  quint8 versionByte, const QLocale& locale) {
    const FieldRange r = fieldRange(id, versionByte);
    if (!image.allKnown(r.address, r.count))
        return {};
    switch (id) {
    case FieldId::Insertion:
        return shown.diametral ? st::diametralInsertion() : st::axialInsertion();
    case FieldId::Sensors:
        return shown.sensorsType3 ? st::sensorsType3() : st::sensorsType6();
    case FieldId::Medium:
        return shown.medium == SettingsForm::Medium::Water ? st::water()
               : shown.medium == SettingsForm::Medium::Oil ? st::oil()
                                                           : QString();
    case FieldId::Period:
        return shown.period == SettingsForm::Period::OneSecond     ? st::periodOneSecond()
               : shown.period == SettingsForm::Period::FourSeconds ? st::periodFourSeconds()
                                                                   : QString();
    case FieldId::Diameter:
    case FieldId::Base:
    case FieldId::Angle:
    case FieldId::CableLength:
    case FieldId::K:
    case FieldId::A:
    case FieldId::B:
    case FieldId::C:
    case FieldId::ZeroCutoff:
    case FieldId::PulseWeight:
    case FieldId::ZeroOffset:
        return shown.*typedText(id);
    case FieldId::WindowOffset:
        return QString::number(shown.windowOffset);
    case FieldId::WindowStart:
        return QString::number(word(image, r.address));
    case FieldId::PathDelay:
    case FieldId::DelayConstant:
        return QString::number(bigEndian32(image, r.address));
    case FieldId::CrossSection:
        return device::formatFixed(double(*floatAt(image, r.address)), 8, 4, locale);
    case FieldId::PathCoefficient:
        return device::formatFixed(double(*floatAt(image, r.address)), 8, 1, locale);
    case FieldId::DateStamp:
        return locale.toString(device::dateFromDeviceDay(word(image, r.address)),
                               QLocale::ShortFormat);
    case FieldId::HourStamp:
        return QString::number(image.bytes[std::size_t(r.address)]);
    }
    return {};
}

} // namespace settings
