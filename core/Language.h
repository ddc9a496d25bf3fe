#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace core {

// The language of the program's own texts. They are written in Russian, the default; the
// English translation is built into the programs and used only when asked for.
namespace language {

enum class Language { Russian, English };

// "ru" or "en", in any letter case; empty for any other name.
std::optional<Language> fromName(const QString& name);
// The names fromName knows, for usage messages: "ru, en".
QString knownNames();

// The language a command line asks for with "--lang NAME" or "--lang=NAME": Russian when the
// option is absent, empty when its value is missing or names no known language.
std::optional<Language> fromArguments(const QStringList& arguments);

// Makes the texts that are looked up from now on come in `language`, replacing the language
// used so far. Call it before any window or text is made: texts already shown stay as they
// are. False when the English translation could not be loaded (the texts stay Russian).
bool use(Language language);

// A system without a locale of its own (C or POSIX: containers, cron jobs, a bare machine)
// gets the Russian conventions for numbers and dates that the texts and the reports' columns
// are made for; a real system locale is kept. True when the conventions were set.
bool russianConventionsWithoutSystemLocale();

} // namespace language

} // namespace core
