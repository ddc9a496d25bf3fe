#pragma once

#include "core/Outcome.h"
#include "settings/SettingsForm.h"
#include "settings/SettingsImage.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

namespace core {
class Frontend;
}
namespace line {
class Protocol;
}

namespace settings {

struct PreparedWrite;

// ---- Comparing the meter with the form, before any write ----

// The fields whose bytes in the meter differ from what a write of `form` would put there, in
// the settings file's order, with the form's texts. A derived field is listed only when it
// differs while every field it is derived from is equal.
std::vector<FieldDifference> differences(const SettingsImage& meter, quint8 versionByte,
                                         const SettingsForm& form, const QLocale& locale);

constexpr int kCompareProgressMaximum = 5; // the version and 16..69 in four frames

struct CompareResult {
    core::Outcome outcome;
    bool read = false; // every transaction answered
    std::optional<quint8> firmwareVersionByte;
    std::vector<FieldDifference> differences;
    SettingsImage meter; // the area 16..69 as read
};

// "Сравнить" on the Settings tab, entered with the link open and the identity confirmed: reads
// the firmware version and the settings area 16..69 and compares them with `form`, which it
// leaves as it is. Sets the final status.
CompareResult compare(line::Protocol& protocol, core::Frontend& frontend, const SettingsForm& form,
                      const QLocale& locale);

// The dialog's text: the differences one a line, or that the meter holds the form's values.
QString comparisonReport(const std::vector<FieldDifference>& differences);

// ---- Reading back what a write sent ----

// The read-back after the hour stamp: 13..69 in frames of at most 15 bytes, the date, the
// clock.
constexpr int kReadBackTransactions = 6;
// The meter's clock may have run on between the write and its read-back.
constexpr int kClockToleranceSeconds = 120;

// What the meter holds after a write of `write` with `versionByte`, compared field by field:
// the fields that did not take or could not be read back, with what the write sent. `form`
// is the form written (the unit of the zero cutoff).
// `read` receives the bytes read back.
std::vector<FieldDifference> readBack(line::Protocol& protocol, const PreparedWrite& write,
                                      quint8 versionByte, const SettingsForm& form,
                                      const QLocale& locale, SettingsImage* read = nullptr);

// The comparison of readBack, on bytes and a clock already read (empty when not read).
std::vector<FieldDifference> writeMismatches(const SettingsImage& meter,
                                             std::optional<QDateTime> meterClock,
                                             const PreparedWrite& write, quint8 versionByte,
                                             const SettingsForm& form, const QLocale& locale);

// The "Ошибка" box after a write whose read-back disagreed.
QString mismatchReport(const std::vector<FieldDifference>& mismatches);

// ---- The question before "Применить" ----

// The question, a line for each archive that will be cleared, and, when the clock fields are
// more than two minutes from the PC's clock `now`, the clock value that will be set.
QString applyQuestion(const SettingsForm& form, const QDateTime& now, const QLocale& locale);

} // namespace settings
