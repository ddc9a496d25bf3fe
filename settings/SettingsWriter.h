#pragma once

#include "core/Outcome.h"
#include "settings/SettingsForm.h"
#include "settings/SettingsImage.h"
#include "settings/SettingsMap.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace core {
class Frontend;
}
namespace line {
class Protocol;
}

namespace settings {

// The writes and the read-back of what they sent.
constexpr int kWriteProgressMaximum = 61 + 6;
// An archive clearing: the writes, then the read-back of every record.
constexpr int kDailyClearProgressMaximum = 2 * 731 - 1;
constexpr int kMinuteClearProgressMaximum = 2 * 7200 - 1;

// Records the read-back after an archive clearing found not empty, per archive whose
// read-back ran.
struct NotCleared {
    std::optional<int> daily;
    std::optional<int> minute;
};

// One area's clearing: the records acknowledged, whether they were all read back, and how
// many of them then were not empty.
struct AreaClearing {
    int cleared = 0;
    bool checked = false;
    int notCleared = 0;
};

struct ClockTime {
    int hours = 0;
    int minutes = 0;
};

// The time field: characters 1, 2, 4 and 5 are digits (the third is not looked at), hours at
// most 23, minutes at most 59. Empty when the text breaks the rule.
std::optional<ClockTime> parseClockTime(const QString& text);

// Everything a settings write sends, worked out from the form before the first byte goes.
struct PreparedWrite {
    // Addresses 16..69, with A at 53..56 and C at 61..64 (the placement below version 6).
    std::array<quint8, map::kWrittenBytes> block{};
    quint16 deviceDay = 0; // the clock date and the date stamp
    ClockTime time;
};

struct Preparation {
    std::optional<PreparedWrite> write;
    QString error; // the "Ошибка" message when the form is refused
};

// The checks of the form in their order, then whether each value fits its field.
Preparation prepareWrite(const SettingsForm& form, const QLocale& locale);

// What a write of `write` leaves in 13..69 when the firmware has `versionByte`: the block with
// A and C placed by the version, and the date and hour stamps.
SettingsImage writtenImage(const PreparedWrite& write, quint8 versionByte);

// The setting bytes of a write in the order they are sent: addresses 16 to 69 rising, A and C
// placed by the firmware version byte.
using SettingByte = std::pair<quint8, quint8>; // address, value
std::vector<SettingByte> settingBytes(const PreparedWrite& write, quint8 firmwareVersionByte);

// Sets the meter's clock to `deviceDay` and `time` (seconds 0) as a settings write does: the
// date and clock are read first (the answers are not needed), then written. With `stamp` the
// same date and hour also go into the settings area as the stamp of a settings write. True
// when both writes were acknowledged.
bool setClock(line::Protocol& protocol, quint16 deviceDay, ClockTime time, bool stamp);

struct WriteResult {
    bool confirmed = false;                    // the question was answered Yes
    bool written = false;                      // the settings bytes were sent
    std::optional<quint8> firmwareVersionByte; // when the version could be read
    // The fields the read-back found different from what was sent (label, meter, intended).
    std::vector<FieldDifference> mismatches;
    NotCleared notCleared;
    core::Outcome outcome;
    // For the meter store: the settings area 13..69 as sent and as read back (storedArea).
    QByteArray writtenBytes, readBackBytes;
    SettingsImage readBack; // what the read-back found, for its settings-file lines
};

// "Применить" on the Settings tab, entered with the link open and the identity confirmed: the
// question, the permission, the checks, the settings bytes, the clock, the read-back of both
// and, when everything took and the form asks for it, the archive clearing. Sets the final
// status (nothing when the question is answered No). `now` is the PC's clock for the question.
WriteResult write(line::Protocol& protocol, core::Frontend& frontend, const SettingsForm& form,
                  const QLocale& locale, const QDateTime& now = QDateTime::currentDateTime());

// Clears the daily and/or minute archive after a settings write: the archive state first,
// then eight zero bytes into every record of each chosen area, oldest address first. Sets the
// final status.
// Once every write of an area was acknowledged its records are read back; one not empty ends
// the clearing with errors and an error message naming the archive and the count.
core::Outcome clearArchives(line::Protocol& protocol, core::Frontend& frontend, bool daily,
                            bool minute, NotCleared* notCleared = nullptr);

// One area's clearing, without the archive-state read: the daily or the minute area, with its
// read-back. Both stop at the engineer's stop.
AreaClearing clearDailyArchive(line::Protocol& protocol, core::Frontend& frontend);
AreaClearing clearMinuteArchive(line::Protocol& protocol, core::Frontend& frontend);

} // namespace settings
