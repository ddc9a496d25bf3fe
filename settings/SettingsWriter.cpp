#include "settings/SettingsWriter.h"

#include "core/CancelTexts.h"
#include "core/Frontend.h"
#include "core/Permission.h"
#include "core/Texts.h"
#include "device/ArchiveLayout.h"
#include "device/DeviceDates.h"
#include "device/MemoryMap.h"
#include "link/Protocol.h"
#include "settings/SettingsCheck.h"
#include "settings/SettingsTexts.h"

#include <algorithm>

namespace settings {

namespace sm = map;

std::optional<ClockTime> parseClockTime(const QString& text) {
    if (text.size() < 5)
        return std::nullopt;
    auto digit = [&text](int i) -> int {
        const char16_t c = text[i].unicode();
        return (c >= u'0' && c <= u'9') ? int(c - u'0') : -1;
    };
    const int h1 = digit(0), h2 = digit(1), m1 = digit(3), m2 = digit(4);
    if (h1 < 0 || h2 < 0 || m1 < 0 || m2 < 0)
        return std::nullopt;
    const ClockTime t{10 * h1 + h2, 10 * m1 + m2};
    if (t.hours > 23 || t.minutes > 59)
        return std::nullopt;
    return t;
}

namespace {

Preparation refuse(const QString& message) {
    Preparation p;
    p.error = message;
    return p;
}

} // namespace

Preparation prepareWrite(const SettingsForm& form, const QLocale& locale) {
    auto number = [&locale](const QString& text) { return sm::parseTabNumber(text, locale); };

    // The checks, in the order the engineer reads the form; the first one that fails speaks.
    // With axial insertion the angle field is disabled and not checked.
    for (const FieldId id : typedFields()) {
        if (id == FieldId::Angle && !form.diametral)
            continue;
        const QString& text = form.*typedText(id);
        const auto value = number(text);
        if (!value)
            return refuse(texts::notANumber(id, text));
        if (!ruleHolds(id, *value))
            return refuse(texts::ruleBroken(id));
        if (id == FieldId::Angle && !(*value < 90))
            return refuse(texts::angleNotBelow90());
    }
    const long double l = *number(form.base);
    const auto time = parseClockTime(form.time);
    if (!time)
        return refuse(texts::timeInvalid());
    if (!(form.windowOffset + (l / sm::soundSpeedDivisor(form.medium) - 38) > 0))
        return refuse(texts::windowTooSmall());

    // Each value must fit its field, so that the meter gets what the form says. The derived
    // fields come last, so that a bad field is named before what it feeds. The block holds A
    // and C where firmware below version 6 has them; settingBytes places them by the version.
    // The bytes are the dry run's own: what the comparison expects is what is sent.
    const SettingsImage intended = intendedImage(form, locale, 0);
    for (const FieldId id : blockFields()) {
        const FieldRange r = fieldRange(id, 0);
        if (!intended.allKnown(r.address, r.count))
            return refuse(doesNotFit(id));
    }
    PreparedWrite w;
    std::copy_n(intended.bytes.begin() + sm::kWrittenFirst, sm::kWrittenBytes, w.block.begin());

    if (!form.date.isValid() || form.date < device::dateFromDeviceDay(0))
        return refuse(texts::dateTooEarly());
    if (form.date > device::dateFromDeviceDay(int(sm::kMaxU16)))
        return refuse(texts::dateTooLate());
    w.deviceDay = quint16(device::dateFromDeviceDay(0).daysTo(form.date));
    w.time = *time;

    Preparation p;
    p.write = w;
    return p;
}

SettingsImage writtenImage(const PreparedWrite& write, quint8 versionByte) {
    SettingsImage image;
    for (const auto& [address, value] : settingBytes(write, versionByte))
        image.put(address, &value, 1);
    const auto day = sm::u16Bytes(write.deviceDay);
    image.put(sm::kDateStamp, day.data(), 2);
    const quint8 hour = quint8(write.time.hours);
    image.put(sm::kHourStamp, &hour, 1);
    return image;
}

std::vector<SettingByte> settingBytes(const PreparedWrite& write, quint8 firmwareVersionByte) {
    std::array<quint8, sm::kWrittenBytes> bytes = write.block;
    if (sm::coefficientsSwapped(firmwareVersionByte)) {
        const auto first = bytes.begin() + (sm::kFirstCoefficient - sm::kWrittenFirst);
        const auto second = bytes.begin() + (sm::kSecondCoefficient - sm::kWrittenFirst);
        std::swap_ranges(first, first + 4, second);
    }
    std::vector<SettingByte> out;
    out.reserve(bytes.size());
    for (int i = 0; i < sm::kWrittenBytes; ++i)
        out.emplace_back(quint8(sm::kWrittenFirst + i), bytes[std::size_t(i)]);
    return out;
}

bool setClock(line::Protocol& p, quint16 deviceDay, ClockTime time, bool stamp) {
    // The clock is read first (the answers are not needed), then set.
    p.ReadMemory(device::memory::kDate, 2);
    p.ReadMemory(device::memory::kClock, 1);
    const auto day = sm::u16Bytes(deviceDay);
    p.putData(day.data(), 2);
    bool written = p.WriteMemory(device::memory::kDate, 2);
    if (stamp) {
        p.WriteSettingByte(sm::kDateStamp, day[0]);
        p.WriteSettingByte(sm::kDateStamp + 1, day[1]);
    }
    const quint8 clock[3] = {quint8(time.hours), quint8(time.minutes), 0};
    p.putData(clock, 3);
    written = p.WriteMemory(device::memory::kClock, 3) && written;
    if (stamp)
        p.WriteSettingByte(sm::kHourStamp, quint8(time.hours));
    return written;
}

namespace {

void sendSettings(line::Protocol& p, const PreparedWrite& w, quint8 version) {
    for (const auto& [address, value] : settingBytes(w, version))
        p.WriteSettingByte(address, value);

    // The same date and hour go into the settings area as the stamp of this write.
    setClock(p, w.deviceDay, w.time, true);
}

// Zeroes every record of an area, then, when every write was acknowledged, reads them back:
// a meter that acknowledges a write and keeps the old record shows here. Both passes end at
// the engineer's stop and when the meter has fallen silent (the record whose acknowledgement
// the stop cut short is not counted).
AreaClearing clearArea(line::Protocol& p, core::Frontend& frontend, const QString& status,
                       int progressMaximum, quint16 first, int records) {
    frontend.setProgressPosition(0);
    frontend.setStatus(status);
    frontend.processEvents();
    p.clearFlags();
    frontend.setProgressMaximum(progressMaximum);
    p.endAfterSilence(line::Protocol::kSilentTransactionsLimit);
    constexpr int size = device::archive_layout::kRecordSize;
    static const quint8 zeros[size] = {};
    AreaClearing result;
    for (int i = 0; i < records && !p.halted(); ++i) {
        p.putData(zeros, size);
        if (p.WriteRecord(quint16(first + i * size)))
            ++result.cleared;
    }
    if (p.halted() || p.errorSeen())
        return result;
    result.checked = true;
    for (int i = 0; i < records && !p.halted(); ++i)
        if (p.ReadRecord(quint16(first + i * size)) &&
            std::any_of(p.buffer() + 1, p.buffer() + 1 + size, [](quint8 b) { return b != 0; }))
            ++result.notCleared;
    return result;
}

// The outcome of a clearing the engineer stopped, with how far it got.
core::Outcome stoppedClearing(core::Frontend& frontend, int cleared, int records) {
    core::Outcome o =
        core::Outcome::of(core::Outcome::Kind::Cancelled, core::Outcome::Detail::RecordsCleared);
    o.done = cleared;
    o.total = records;
    return core::finish(frontend, o);
}

} // namespace

AreaClearing clearDailyArchive(line::Protocol& p, core::Frontend& frontend) {
    return clearArea(p, frontend, texts::clearingDaily(), kDailyClearProgressMaximum,
                     device::archive_layout::kDailyFirst, device::archive_layout::kDailyRecords);
}

AreaClearing clearMinuteArchive(line::Protocol& p, core::Frontend& frontend) {
    return clearArea(p, frontend, texts::clearingMinute(), kMinuteClearProgressMaximum,
                     device::archive_layout::kMinuteFirst, device::archive_layout::kMinuteRecords);
}

namespace {
// A clearing that ran through: with errors when a record was not acknowledged, no answer
// when the meter fell silent before acknowledging any.
core::Outcome clearingOutcome(const line::Protocol& p) {
    using Kind = core::Outcome::Kind;
    return core::Outcome::of(p.meterSilent() && !p.replySeen() ? Kind::NoAnswer
                             : p.errorSeen()                   ? Kind::FinishedWithErrors
                                                               : Kind::Succeeded);
}

} // namespace

core::Outcome clearArchives(line::Protocol& p, core::Frontend& frontend, bool daily, bool minute,
                            NotCleared* notCleared) {
    using core::Outcome;
    const bool stateRead = p.ReadMemory(device::memory::kDeviceState, 1);
    frontend.setProgressPosition(0);
    if (p.stopRequested())
        return core::finish(frontend, Outcome::of(Outcome::Kind::Cancelled));
    // Without the archive state nothing is cleared.
    if (!stateRead)
        return core::finish(frontend, Outcome::of(Outcome::Kind::FinishedWithErrors));
    if (p.at(1) & device::state::kArchiveUnavailable)
        return core::finish(frontend, Outcome::of(Outcome::Kind::RefusedByMeter,
                                                  Outcome::Detail::ArchiveNotCleared));
    // Records that read back not empty end the clearing with errors, named per archive.
    auto kept = [&](const AreaClearing& c, std::optional<int>* count, const QString& archive) {
        if (!c.checked)
            return false;
        *count = c.notCleared;
        if (c.notCleared == 0)
            return false;
        frontend.showError(core::texts::errorCaption(),
                           texts::archiveNotCleared(archive, c.notCleared));
        return true;
    };
    NotCleared found;
    if (notCleared == nullptr)
        notCleared = &found;
    if (daily) {
        const AreaClearing c = clearDailyArchive(p, frontend);
        if (p.stopRequested())
            return stoppedClearing(frontend, c.cleared, device::archive_layout::kDailyRecords);
        if (kept(c, &notCleared->daily, texts::dailyArchiveName()))
            return core::finish(frontend, Outcome::of(Outcome::Kind::FinishedWithErrors));
        if (p.errorSeen())
            return core::finish(frontend, clearingOutcome(p));
    }
    if (minute) {
        const AreaClearing c = clearMinuteArchive(p, frontend);
        if (p.stopRequested())
            return stoppedClearing(frontend, c.cleared, device::archive_layout::kMinuteRecords);
        if (kept(c, &notCleared->minute, texts::minuteArchiveName()))
            return core::finish(frontend, Outcome::of(Outcome::Kind::FinishedWithErrors));
        return core::finish(frontend, clearingOutcome(p));
    }
    return core::finish(frontend, Outcome::of(Outcome::Kind::Succeeded));
}

WriteResult write(line::Protocol& p, core::Frontend& frontend, const SettingsForm& form,
                  const QLocale& locale, const QDateTime& now) {
    using core::Outcome;
    WriteResult result;
    result.outcome = Outcome::of(Outcome::Kind::Declined);
    if (!frontend.askYesNo(core::texts::attentionCaption(), applyQuestion(form, now, locale),
                           core::Frontend::DefaultButton::No))
        return result;
    result.confirmed = true;

    if (const auto refusal = core::refuseUnlessChangesPermitted(
            p, frontend, Outcome::Detail::ProgrammingForbidden)) {
        result.outcome = *refusal;
        return result;
    }

    const Preparation prepared = prepareWrite(form, locale);
    if (!prepared.write) {
        frontend.showError(core::texts::errorCaption(), prepared.error);
        result.outcome = core::finish(frontend, Outcome::of(Outcome::Kind::InputRefused,
                                                            Outcome::Detail::SettingsNotWritten));
        return result;
    }

    // A stop asked while the connection started is honoured before the first settings byte.
    if (p.stopRequested()) {
        result.outcome = core::finish(frontend, Outcome::of(Outcome::Kind::Cancelled));
        return result;
    }

    frontend.setStatus(texts::writingSettings());
    frontend.processEvents();
    frontend.setProgressMaximum(kWriteProgressMaximum);
    p.clearFlags();
    p.endAfterSilence(line::Protocol::kSilentTransactionsLimit);

    Outcome written = Outcome::of(Outcome::Kind::Succeeded);
    {
        // From the version read to the read-back the settings area is never left half written
        // or unchecked by choice: a stop asked meanwhile waits for the end of the write.
        line::CancelToken::Scope wholeWrite(p.cancelToken(), line::CancelToken::Phase::Deferred);
        // Where A and C go depends on the firmware: without its version nothing is written.
        if (!p.ReadMemory(device::memory::kFirmwareVersion, 2)) {
            result.outcome = core::finish(frontend, Outcome::of(Outcome::Kind::NoAnswer));
            return result;
        }
        const quint8 version = p.at(1);
        result.firmwareVersionByte = version;
        sendSettings(p, *prepared.write, version);
        result.written = true;
        // What the meter now holds is read back: a byte lost on the line shows here, field by
        // field, and no archive is cleared after a write that did not take.
        result.mismatches = readBack(p, *prepared.write, version, form, locale, &result.readBack);
        result.writtenBytes = storedArea(writtenImage(*prepared.write, version));
        result.readBackBytes = storedArea(result.readBack);
        written = Outcome::fromFlags(p);
    }

    // The stop is honoured now: nothing more is done, the archives are not cleared. Fields that
    // did not take are still reported.
    if (p.stopRequested() || !result.mismatches.empty()) {
        result.outcome = core::finish(
            frontend, Outcome::of(p.stopRequested() ? Outcome::Kind::Cancelled
                                                    : Outcome::Kind::FinishedWithErrors));
        if (!result.mismatches.empty())
            frontend.showError(core::texts::errorCaption(), mismatchReport(result.mismatches));
        return result;
    }
    if (!written.succeeded() || (!form.clearDaily && !form.clearMinute)) {
        result.outcome = core::finish(frontend, written);
        return result;
    }
    result.outcome =
        clearArchives(p, frontend, form.clearDaily, form.clearMinute, &result.notCleared);
    return result;
}

} // namespace settings
