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
namespace settings::file {

constexpr int kLineCount = 33;
inline const char* kSuffix = "dat";
// Larger files are refused unread: a settings file is well under a kilobyte.
constexpr qint64 kMaxFileSize = 64 * 1024;

// The file's text: UTF-8 when the bytes are valid UTF-8 holding Cyrillic letters or starting
// with a byte-order mark, else Windows-1251 (the encoding the file is written in).
QString decode(const QByteArray& bytes);

// The 33 lines of a form, without line ends.
QStringList lines(const SettingsForm& form);
// The file's bytes.
QByteArray contents(const SettingsForm& form);

struct LoadResult {
    std::optional<SettingsForm> form; // the form with the file applied
    QString error;                    // the "Ошибка" message when the file is refused
};

// Applies a whole file to a copy of `current`, or refuses it without changing anything: a
// file of fewer than 33 lines, a label line whose text before the colon is not its label
// (case and surrounding blanks aside), a selection line holding neither of its two choices,
// or a last value that is not a number. A selection line holding a choice selects it.
LoadResult parse(const QByteArray& contents, const SettingsForm& current, const QLocale& locale,
                 const QString& path);
LoadResult load(const QString& path, const SettingsForm& current, const QLocale& locale);

// Writes the file completely or not at all; empty on success, else the "Ошибка" message (and
// the system's reason in `reason`).
QString save(const QString& path, const SettingsForm& form, QString* reason = nullptr);

// A name without an extension gets ".dat".
QString withDefaultSuffix(const QString& path);

} // namespace settings::file
