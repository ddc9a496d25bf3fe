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

} // namespace

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

namespace {

using Bytes = std::optional<FieldBytes>;
std::optional<long double> number(const QString& text, const QLocale& locale) {
    return sm::parseTabNumber(text, locale);
}
Bytes tenthsOf(const QString& text, const QLocale& locale) {
    return tenthsBytes(number(text, locale));
}
template <QString SettingsForm::*text>
Bytes encodeTenthsField(const SettingsForm& f, const QLocale& locale) {
    return tenthsOf(f.*text, locale);
}
template <QString SettingsForm::*text>
Bytes encodeFloatField(const SettingsForm& f, const QLocale& locale) {
    return floatBytes(number(f.*text, locale));
}
Bytes encodeFlagsByte(const SettingsForm& f, const QLocale&) {
    return fieldBytes(std::array<quint8, 1>{sm::encodeFlags(f)});
}
// With axial insertion the angle field is disabled and unchecked: it goes in as it stands
// when it is a number that fits, else as 0.
Bytes encodeAngle(const SettingsForm& f, const QLocale& locale) {
    const auto angle = number(f.angle, locale);
    if (const auto stored = angle ? sm::encodeHundredths(*angle) : std::nullopt)
        return fieldBytes(sm::u16Bytes(*stored));
    if (!f.diametral)
        return fieldBytes(sm::u16Bytes(0));
    return std::nullopt;
}
Bytes encodeCutoff(const SettingsForm& f, const QLocale& locale) {
    const auto cutoff = number(f.zeroCutoff, locale);
    const auto d = number(f.diameter, locale);
    if (!cutoff || (f.cutoffInPercent && !d))
        return std::nullopt;
    return floatBytes(sm::zeroCutoffStored(*cutoff, f.cutoffInPercent, f.cutoffInPercent ? *d : 0));
}
Bytes encodePulseWeight(const SettingsForm& f, const QLocale& locale) {
    const auto pulse = number(f.pulseWeight, locale);
    if (const auto stored = pulse ? sm::encodeThousandths(*pulse) : std::nullopt)
        return fieldBytes(sm::u24Bytes(*stored));
    return std::nullopt;
}
Bytes encodeWindowStart(const SettingsForm& f, const QLocale& locale) {
    const auto l = number(f.base, locale);
    if (!l)
        return std::nullopt;
    const long long start = sm::windowStart(*l, f.medium, f.windowOffset);
    if (start < 0 || start > sm::kMaxU16)
        return std::nullopt;
    return fieldBytes(sm::u16Bytes(quint16(start)));
}
// The cable length's own limit keeps the delay well inside 32 bits.
Bytes encodePathDelay(const SettingsForm& f, const QLocale& locale) {
    const auto cable = number(f.cableLength, locale);
    if (!cable || !(*cable >= 0) || !sm::encodeTenths(*cable))
        return std::nullopt;
    return fieldBytes(sm::u32BigEndianBytes(quint32(sm::pathDelay(*cable, f.sensorsType3))));
}
Bytes encodeDelayConstant(const SettingsForm&, const QLocale&) {
    return fieldBytes(sm::u32BigEndianBytes(sm::kDelayConstantValue));
}
Bytes encodeCrossSection(const SettingsForm& f, const QLocale& locale) {
    const auto d = number(f.diameter, locale);
    return d ? floatBytes(sm::crossSection(*d)) : std::nullopt;
}
Bytes encodePathCoefficient(const SettingsForm& f, const QLocale& locale) {
    const auto k = number(f.k, locale);
    const auto l = number(f.base, locale);
    const auto d = number(f.diameter, locale);
    if (!k || !l || !d || *d == 0)
        return std::nullopt;
    return floatBytes(sm::pathCoefficient(*k, *l, *d, f.diametral));
}

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
    // The bytes a write of the form puts into the field: empty when its text is not a number
    // or its value does not fit. Null for the fields that share the flags byte with Insertion
    // and for those the write does not take from the form.
    std::optional<FieldBytes> (*encode)(const SettingsForm& form, const QLocale& locale) = nullptr;
    // The field's bytes (all known) into the form "Читать" fills, after the rows above it.
    void (*decode)(const quint8* bytes, SettingsForm& form, const QLocale& locale) = nullptr;
    // The field as the tab or the settings file shows it: `shown` is the decoded form, `bytes`
    // the field's own (all known).
    QString (*show)(const SettingsForm& shown, const quint8* bytes,
                    const QLocale& locale) = nullptr;
    const char* widget = nullptr; // the Settings tab's field of a typed text
    // The write's check of a typed value (none: any number), and why a value that passed the
    // checks cannot be written (its field cannot hold it).
    bool (*rule)(long double value) = nullptr;
    QString (*doesNotFit)() = nullptr;
};

bool positive(long double v) { return v > 0; }
bool notNegative(long double v) { return v >= 0; }
bool aboveSixty(long double v) { return v > 60; }
template <FieldId id>
QString outOfRange() {
    return st::outOfRange(id);
}

QString fixed(long double value, int precision, int decimals, const QLocale& locale) {
    return device::formatFixed(double(value), precision, decimals, locale);
}
quint16 wordOf(const quint8* b) { return quint16(b[0] | (b[1] << 8)); }
quint32 bigEndianOf(const quint8* b) {
    return (quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | b[3];
}

// A word field's text: the stored value through `fromStored`, with its digits.
template <QString SettingsForm::*text, long double (*fromStored)(quint16), int decimals>
void decodeWord(const quint8* b, SettingsForm& f, const QLocale& locale) {
    f.*text = fixed(fromStored(wordOf(b)), 5, decimals, locale);
}
template <QString SettingsForm::*text, int precision>
void decodeFloat(const quint8* b, SettingsForm& f, const QLocale& locale) {
    f.*text = fixed(device::decodeDeviceFloat(b), precision, 4, locale);
}
void decodeFlagsByte(const quint8* b, SettingsForm& f, const QLocale&) { sm::decodeFlags(*b, f); }
// The percent display needs the reference flow of the diameter just shown; without a
// diameter (or with a zero one) there is nothing to show.
void decodeCutoff(const quint8* b, SettingsForm& f, const QLocale& locale) {
    const float cutoff = device::decodeDeviceFloat(b);
    if (!f.cutoffInPercent) {
        f.zeroCutoff = fixed(sm::zeroCutoffShown(cutoff, false, 0), 15, 6, locale);
    } else if (const auto d = sm::parseTabNumber(f.diameter, locale);
               d && sm::referenceFlow(*d) != 0) {
        f.zeroCutoff = fixed(sm::zeroCutoffShown(cutoff, true, *d), 15, 2, locale);
    }
}
void decodePulseWeight(const quint8* b, SettingsForm& f, const QLocale& locale) {
    const quint32 stored = b[0] | (quint32(b[1]) << 8) | (quint32(b[2]) << 16);
    f.pulseWeight = fixed(sm::pulseWeightFromStored(stored), 6, 2, locale);
}
// The window offset is shown relative to the base's own window start; without a base it
// is 0, as after a failed read.
void decodeWindowOffset(const quint8* b, SettingsForm& f, const QLocale& locale) {
    if (const auto l = sm::parseTabNumber(f.base, locale))
        f.windowOffset =
            form::clampWindowOffset(sm::windowOffsetFromStored(wordOf(b), *l, f.medium));
}

QString showInsertion(const SettingsForm& f, const quint8*, const QLocale&) {
    return f.diametral ? st::diametralInsertion() : st::axialInsertion();
}
QString showSensors(const SettingsForm& f, const quint8*, const QLocale&) {
    return f.sensorsType3 ? st::sensorsType3() : st::sensorsType6();
}
QString showMedium(const SettingsForm& f, const quint8*, const QLocale&) {
    return f.medium == SettingsForm::Medium::Water ? st::water()
           : f.medium == SettingsForm::Medium::Oil ? st::oil()
                                                   : QString();
}
QString showPeriod(const SettingsForm& f, const quint8*, const QLocale&) {
    return f.period == SettingsForm::Period::OneSecond     ? st::periodOneSecond()
           : f.period == SettingsForm::Period::FourSeconds ? st::periodFourSeconds()
                                                           : QString();
}
QString showWindowOffset(const SettingsForm& f, const quint8*, const QLocale&) {
    return QString::number(f.windowOffset);
}
QString showWord(const SettingsForm&, const quint8* b, const QLocale&) {
    return QString::number(wordOf(b));
}
QString showBigEndian(const SettingsForm&, const quint8* b, const QLocale&) {
    return QString::number(bigEndianOf(b));
}
template <int decimals>
QString showFloat(const SettingsForm&, const quint8* b, const QLocale& locale) {
    return fixed(device::decodeDeviceFloat(b), 8, decimals, locale);
}
QString showDate(const SettingsForm&, const quint8* b, const QLocale& locale) {
    return locale.toString(device::dateFromDeviceDay(wordOf(b)), QLocale::ShortFormat);
}
QString showByte(const SettingsForm&, const quint8* b, const QLocale&) {
    return QString::number(*b);
}

const std::vector<FieldRow>& fieldRows() {
    using F = FieldId;
    using S = SettingsForm;
    const quint8 medium = sm::flags::kWater | sm::flags::kOil;
    // clang-format off
    static const std::vector<FieldRow> rows = {
        {F::Insertion, {sm::kFlags, 1, sm::flags::kDiametral}, 1, nullptr, nullptr, {},
         &encodeFlagsByte, &decodeFlagsByte, &showInsertion},
        {F::Sensors, {sm::kFlags, 1, sm::flags::kSensorsType3}, 3, nullptr, nullptr, {},
         nullptr, nullptr, &showSensors},
        {F::Medium, {sm::kFlags, 1, medium}, 5, nullptr, nullptr, {},
         nullptr, nullptr, &showMedium},
        {F::Period, {sm::kFlags, 1, sm::flags::kPeriod4s}, 7, nullptr, nullptr, {},
         nullptr, nullptr, &showPeriod},
        {F::Diameter, {sm::kDiameter, 2}, 9, &S::diameter, nullptr, {},
         &encodeTenthsField<&S::diameter>,
         &decodeWord<&S::diameter, &sm::diameterFromStored, 1>, nullptr, "Edit3",
         &positive, &st::diameterTooLarge},
        {F::Base, {sm::kBase, 2}, 11, &S::base, nullptr, {},
         &encodeTenthsField<&S::base>,
         &decodeWord<&S::base, &sm::baseFromStored, 1>, nullptr, "Edit4",
         &aboveSixty, &st::baseTooLarge},
        {F::Angle, {sm::kAngle, 2}, 13, &S::angle, nullptr, {},
         &encodeAngle,
         &decodeWord<&S::angle, &sm::angleFromStored, 2>, nullptr, "Edit5",
         &positive, &st::angleTooLarge},
        {F::CableLength, {sm::kCableLength, 2}, 15, &S::cableLength, nullptr, {},
         &encodeTenthsField<&S::cableLength>,
         &decodeWord<&S::cableLength, &sm::cableLengthFromStored, 1>, nullptr, "Edit11",
         &notNegative, &st::cableLengthTooLarge},
        {F::K, {sm::kK, 4}, 17, &S::k, nullptr, {},
         &encodeFloatField<&S::k>, &decodeFloat<&S::k, 5>, nullptr, "Edit6",
         &positive, &outOfRange<F::K>},
        {F::A, {sm::kFirstCoefficient, 4}, 19, &S::a, nullptr, {},
         &encodeFloatField<&S::a>, &decodeFloat<&S::a, 5>, nullptr, "Edit7",
         &positive, &outOfRange<F::A>},
        {F::B, {sm::kB, 4}, 21, &S::b, nullptr, {},
         &encodeFloatField<&S::b>, &decodeFloat<&S::b, 5>, nullptr, "Edit8",
         &positive, &outOfRange<F::B>},
        {F::C, {sm::kSecondCoefficient, 4}, 23, &S::c, nullptr, {},
         &encodeFloatField<&S::c>, &decodeFloat<&S::c, 5>, nullptr, "Edit9",
         &positive, &outOfRange<F::C>},
        {F::ZeroCutoff, {sm::kZeroCutoff, 4}, 25, &S::zeroCutoff, nullptr, {},
         &encodeCutoff, &decodeCutoff, nullptr, "Edit1", &notNegative, &outOfRange<F::ZeroCutoff>},
        {F::PulseWeight, {sm::kPulseWeight, 3}, 28, &S::pulseWeight, nullptr, {},
         &encodePulseWeight, &decodePulseWeight, nullptr, "Edit2",
         &positive, &st::pulseWeightTooLarge},
        {F::ZeroOffset, {sm::kZeroOffset, 4}, 30, &S::zeroOffset, nullptr, {},
         &encodeFloatField<&S::zeroOffset>, &decodeFloat<&S::zeroOffset, 8>, nullptr, "Edit12",
         nullptr, &outOfRange<F::ZeroOffset>},
        {F::WindowOffset, {sm::kWindowStart, 2}, 32, nullptr, nullptr, {},
         nullptr, &decodeWindowOffset, &showWindowOffset},
        {F::WindowStart, {sm::kWindowStart, 2}, 0, nullptr, &st::windowStartLabel,
         {F::Base, F::Medium, F::WindowOffset},
         &encodeWindowStart, nullptr, &showWord, nullptr, nullptr, &st::windowTooLarge},
        {F::PathDelay, {sm::kPathDelay, 4}, 0, nullptr, &st::pathDelayLabel,
         {F::CableLength, F::Sensors},
         &encodePathDelay, nullptr, &showBigEndian},
        {F::DelayConstant, {sm::kDelayConstant, 4}, 0, nullptr, &st::delayConstantLabel, {},
         &encodeDelayConstant, nullptr, &showBigEndian},
        {F::CrossSection, {sm::kCrossSection, 4}, 0, nullptr, &st::crossSectionLabel,
         {F::Diameter},
         &encodeCrossSection, nullptr, &showFloat<4>, nullptr, nullptr, &st::diameterTooSmall},
        {F::PathCoefficient, {sm::kPathCoefficient, 4}, 0, nullptr, &st::pathCoefficientLabel,
         {F::K, F::Base, F::Diameter, F::Insertion},
         &encodePathCoefficient, nullptr, &showFloat<1>,
         nullptr, nullptr, &st::pathCoefficientOutOfRange},
        {F::DateStamp, {sm::kDateStamp, 2}, 0, nullptr, &st::dateStampLabel, {},
         nullptr, nullptr, &showDate},
        {F::HourStamp, {sm::kHourStamp, 1}, 0, nullptr, &st::hourStampLabel, {},
         nullptr, nullptr, &showByte},
    };
    // clang-format on
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

const char* tabWidget(FieldId id) { return rowOf(id).widget; }

bool ruleHolds(FieldId id, long double value) {
    const FieldRow& row = rowOf(id);
    return !row.rule || row.rule(value);
}

QString doesNotFit(FieldId id) {
    const FieldRow& row = rowOf(id);
    return row.doesNotFit ? row.doesNotFit() : QString();
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

std::optional<FieldBytes> encodeField(FieldId id, const SettingsForm& form, const QLocale& locale) {
    const FieldRow& row = rowOf(id);
    return row.encode ? row.encode(form, locale) : std::nullopt;
}

QString fieldText(FieldId id, const SettingsForm& shown, const SettingsImage& image,
                  quint8 versionByte, const QLocale& locale) {
    const FieldRange r = fieldRange(id, versionByte);
    if (!image.allKnown(r.address, r.count))
        return {};
    const FieldRow& row = rowOf(id);
    if (row.text)
        return shown.*row.text;
    return row.show(shown, image.bytes.data() + r.address, locale);
}

SettingsForm formFromImage(const SettingsImage& image, std::optional<quint8> versionByte,
                           const SettingsForm& current, const QLocale& locale) {
    // What an unknown field leaves: no text, no medium or period, a zero window offset; the
    // insertion, the sensors and the cutoff's unit stay as they are.
    SettingsForm f = current;
    for (const FieldId id : typedFields())
        (f.*typedText(id)).clear();
    f.medium = SettingsForm::Medium::None;
    f.period = SettingsForm::Period::None;
    f.windowOffset = 0;
    for (const FieldRow& row : fieldRows()) {
        // With the version unknown, neither place of A and C can be trusted.
        if (!row.decode || (!versionByte && (row.id == FieldId::A || row.id == FieldId::C)))
            continue;
        const FieldRange r = fieldRange(row.id, versionByte.value_or(0));
        if (image.allKnown(r.address, r.count))
            row.decode(image.bytes.data() + r.address, f, locale);
    }
    return f;
}

} // namespace settings
