#pragma once

#include "settings/SettingsForm.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The settings file (extension dat): 33 lines of labels and values in Windows-1251 with CR LF
// line ends. It keeps the tab's texts and selections, not the meter's bytes; the date, the
// time and the archive check boxes are not kept.
namespace settings_file {

constexpr int kLineCount = 33;
inline const char* kSuffix = "dat";

// The 33 lines of a form, without line ends.
QStringList lines(const SettingsForm& form);
// The file's bytes.
QByteArray contents(const SettingsForm& form);

struct LoadResult {
    std::optional<SettingsForm> form; // the form with the file applied
    QString error;                    // the "Ошибка" message when the file is refused
};

// Applies a whole file to a copy of `current`, or refuses it without changing anything: a
// file of fewer than 33 lines, or whose last value is not a number. Label lines are skipped
// unread; the selections follow what their lines contain.
LoadResult parse(const QByteArray& contents, const SettingsForm& current, const QLocale& locale,
                 const QString& path);
LoadResult load(const QString& path, const SettingsForm& current, const QLocale& locale);

// Writes the file completely or not at all; empty on success, else the "Ошибка" message.
QString save(const QString& path, const SettingsForm& form);

// A name without an extension gets ".dat".
QString withDefaultSuffix(const QString& path);

} // namespace settings_file
