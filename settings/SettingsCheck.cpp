#include "settings/SettingsCheck.h"

#include "core/Frontend.h"
#include "core/Texts.h"
#include "device/DeviceDates.h"
#include "device/MemoryMap.h"
#include "link/Protocol.h"
#include "settings/SettingsMap.h"
#include "settings/SettingsTexts.h"
#include "settings/SettingsWriter.h"

#include <QStringList>

namespace settings {

namespace sm = map;
namespace st = texts;

namespace {

// A setting as the form holds it, the way the settings file writes it; a selection the form
// has not made is empty.
QString formText(FieldId id, const SettingsForm& form, const SettingsImage& intended,
                 quint8 versionByte, const QLocale& locale) {
    switch (id) {
    case FieldId::Medium:
        return form.medium == SettingsForm::Medium::None
                   ? QString()
                   : fieldText(id, form, intended, versionByte, locale);
    case FieldId::Period:
        return form.period == SettingsForm::Period::None
                   ? QString()
                   : fieldText(id, form, intended, versionByte, locale);
    case FieldId::Insertion:
        return form.diametral ? st::diametralInsertion() : st::axialInsertion();
    case FieldId::Sensors:
        return form.sensorsType3 ? st::sensorsType3() : st::sensorsType6();
    case FieldId::Diameter:
        return form.diameter;
    case FieldId::Base:
        return form.base;
    case FieldId::Angle:
        return form.angle;
    case FieldId::CableLength:
        return form.cableLength;
    case FieldId::K:
        return form.k;
    case FieldId::A:
        return form.a;
    case FieldId::B:
        return form.b;
    case FieldId::C:
        return form.c;
    case FieldId::ZeroCutoff:
        return form.zeroCutoff;
    case FieldId::PulseWeight:
        return form.pulseWeight;
    case FieldId::ZeroOffset:
        return form.zeroOffset;
    case FieldId::WindowOffset:
        return QString::number(form.windowOffset);
    default:
        return fieldText(id, form, intended, versionByte, locale);
    }
}

} // namespace

namespace {
// The field's bytes in the meter's order, as "[3F 80 00 01]".
QString fieldBytes(const SettingsImage& image, const FieldRange& r) {
    QStringList hex;
    for (int a = r.address; a < r.address + r.count; ++a)
        hex << (image.known[std::size_t(a)]
                    ? QStringLiteral("%1")
                          .arg(image.bytes[std::size_t(a)] & r.mask, 2, 16, QLatin1Char('0'))
                          .toUpper()
                    : QStringLiteral("??"));
    return QLatin1Char('[') + hex.join(QLatin1Char(' ')) + QLatin1Char(']');
}

// A difference whose two texts the field's display rounds to the same shows the bytes too.
FieldDifference shownApart(FieldDifference d, const SettingsImage& meter,
                           const SettingsImage& intended, const FieldRange& r) {
    if (d.meter == d.intended) {
        d.meter += QLatin1Char(' ') + fieldBytes(meter, r);
        d.intended += QLatin1Char(' ') + fieldBytes(intended, r);
    }
    return d;
}
} // namespace

std::vector<FieldDifference> differences(const SettingsImage& meter, quint8 versionByte,
                                         const SettingsForm& form, const QLocale& locale) {
    const SettingsImage intended = intendedImage(form, locale, versionByte);
    const SettingsForm shown = formFromImage(meter, versionByte, form, locale);

    auto equal = [&](FieldId id) {
        if (id == FieldId::WindowOffset) {
            // The offset counts from the base's own window start: equal offsets on another
            // base are left to the base's line.
            return meter.allKnown(sm::kWindowStart, 2) && shown.windowOffset == form.windowOffset;
        }
        const FieldRange r = fieldRange(id, versionByte);
        return meter.equal(intended, r.address, r.count, r.mask);
    };

    std::vector<FieldDifference> out;
    for (const FieldId id : comparedFields()) {
        if (equal(id))
            continue;
        if (isDerived(id)) {
            bool sourcesEqual = true;
            for (const FieldId source : derivedFrom(id))
                sourcesEqual = sourcesEqual && equal(source);
            if (!sourcesEqual)
                continue;
        }
        out.push_back(shownApart({fieldLabel(id), fieldText(id, shown, meter, versionByte, locale),
                                  formText(id, form, intended, versionByte, locale)},
                                 meter, intended, fieldRange(id, versionByte)));
    }
    return out;
}

CompareResult compare(line::Protocol& p, core::Frontend& frontend, const SettingsForm& form,
                      const QLocale& locale) {
    frontend.setStatus(core::texts::transferringParameters());
    frontend.processEvents();
    frontend.setProgressMaximum(kCompareProgressMaximum);
    p.clearFlags();

    CompareResult result;
    const bool versionKnown = p.ReadMemory(device::memory::kFirmwareVersion, 2);
    const quint8 version = p.at(1);
    SettingsImage& meter = result.meter;
    readSettingsArea(p, sm::kWrittenFirst, sm::kWrittenLast, meter);
    result.outcome = core::finish(frontend, core::Outcome::fromFlags(p));
    if (!versionKnown)
        return result;
    result.firmwareVersionByte = version;
    result.read = p.replySeen() && !p.errorSeen();
    if (result.read)
        result.differences = differences(meter, version, form, locale);
    return result;
}

QString comparisonReport(const std::vector<FieldDifference>& differences) {
    if (differences.empty())
        return st::settingsEqual();
    QString text = st::settingsDiffer(int(differences.size()));
    for (const FieldDifference& d : differences)
        text += QLatin1Char('\r') + st::differenceLine(d.label, d.meter, d.intended);
    return text;
}

std::vector<FieldDifference> writeMismatches(const SettingsImage& meter,
                                             std::optional<QDateTime> meterClock,
                                             const PreparedWrite& write, quint8 versionByte,
                                             const SettingsForm& form, const QLocale& locale) {
    const SettingsImage intended = writtenImage(write, versionByte);
    const SettingsForm meterShown = formFromImage(meter, versionByte, form, locale);
    const SettingsForm intendedShown = formFromImage(intended, versionByte, form, locale);

    std::vector<FieldDifference> out;
    for (const FieldId id : comparedFields()) {
        // The window start is shown as the offset, which has the same bytes.
        if (id == FieldId::WindowStart)
            continue;
        const FieldRange r = fieldRange(id, versionByte);
        if (meter.equal(intended, r.address, r.count, r.mask))
            continue;
        out.push_back(
            shownApart({fieldLabel(id), fieldText(id, meterShown, meter, versionByte, locale),
                        fieldText(id, intendedShown, intended, versionByte, locale)},
                       meter, intended, r));
    }
    for (const FieldId id : {FieldId::DateStamp, FieldId::HourStamp}) {
        const FieldRange r = fieldRange(id, versionByte);
        if (!meter.equal(intended, r.address, r.count))
            out.push_back(
                shownApart({fieldLabel(id), fieldText(id, meterShown, meter, versionByte, locale),
                            fieldText(id, intendedShown, intended, versionByte, locale)},
                           meter, intended, r));
    }

    // The clock was set to the form's date and time; by the read-back it may have run on.
    const QDateTime written(device::dateFromDeviceDay(write.deviceDay),
                            QTime(write.time.hours, write.time.minutes));
    const bool clockTook = meterClock && meterClock->isValid() &&
                           written.secsTo(*meterClock) >= 0 &&
                           written.secsTo(*meterClock) <= kClockToleranceSeconds;
    if (!clockTook) {
        const QString meterDate =
            meterClock ? locale.toString(meterClock->date(), QLocale::ShortFormat) : QString();
        const QString meterTime =
            meterClock && meterClock->time().isValid()
                ? device::formatClock(meterClock->time().hour(), meterClock->time().minute())
                : QString();
        const QString writtenDate = locale.toString(written.date(), QLocale::ShortFormat);
        const QString writtenTime = device::formatClock(write.time.hours, write.time.minutes);
        if (meterDate != writtenDate)
            out.push_back({st::clockDateLabel(), meterDate, writtenDate});
        if (meterTime != writtenTime || meterDate == writtenDate)
            out.push_back({st::clockTimeLabel(), meterTime, writtenTime});
    }
    return out;
}

std::vector<FieldDifference> readBack(line::Protocol& p, const PreparedWrite& write,
                                      quint8 versionByte, const SettingsForm& form,
                                      const QLocale& locale, SettingsImage* read) {
    SettingsImage meter;
    readSettingsArea(p, sm::kDateStamp, sm::kWrittenLast, meter);
    if (read)
        *read = meter;
    std::optional<QDateTime> clock;
    if (p.ReadMemory(device::memory::kDate, 2)) {
        const QDate date = device::dateFromDeviceDay(int(p.dataLE(1, 2)));
        if (p.ReadMemory(device::memory::kClock, 2))
            clock = QDateTime(date, QTime(p.at(1), p.at(2)));
    } else {
        p.ReadMemory(device::memory::kClock, 2);
    }
    return writeMismatches(meter, clock, write, versionByte, form, locale);
}

QString mismatchReport(const std::vector<FieldDifference>& mismatches) {
    QString text = st::writeNotVerified(int(mismatches.size()));
    for (const FieldDifference& d : mismatches)
        text += QLatin1Char('\r') + st::mismatchLine(d.label, d.meter, d.intended);
    return text;
}

QString applyQuestion(const SettingsForm& form, const QDateTime& now, const QLocale& locale) {
    QString text = st::applyQuestion();
    if (form.clearDaily)
        text += QLatin1Char('\r') + st::dailyWillBeCleared();
    if (form.clearMinute)
        text += QLatin1Char('\r') + st::minuteWillBeCleared();
    const auto time = parseClockTime(form.time);
    if (time && form.date.isValid()) {
        const QDateTime set(form.date, QTime(time->hours, time->minutes));
        if (std::abs(set.secsTo(now)) > kClockToleranceSeconds)
            text += QLatin1Char('\r') +
                    st::clockWillBeSet(
                        locale.toString(form.date, QLocale::ShortFormat) + QLatin1Char(' ') +
                            device::formatClock(time->hours, time->minutes),
                        locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                            device::formatClock(now.time().hour(), now.time().minute()));
    }
    return text;
}

} // namespace settings
