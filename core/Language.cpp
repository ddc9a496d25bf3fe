#include "core/Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace core {

namespace language {
namespace {
// The English translation of every text, built from translations/zetra_en.ts into the
// programs' resources so that it travels with them wherever they are installed.
const char kEnglishTranslation[] = ":/translations/zetra_en.qm";

QPointer<QTranslator> current;
} // namespace

std::optional<Language> fromName(const QString& name) {
    const QString lower = name.toLower();
    if (lower == QLatin1String("ru"))
        return Language::Russian;
    if (lower == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

QString knownNames() { return QStringLiteral("ru, en"); }

std::optional<Language> fromArguments(const QStringList& arguments) {
    const QString option = QStringLiteral("--lang");
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == option)
            return i + 1 < arguments.size() ? fromName(arguments[i + 1]) : std::nullopt;
        if (arguments[i].startsWith(option + QLatin1Char('=')))
            return fromName(arguments[i].mid(option.size() + 1));
    }
    return Language::Russian;
}

bool use(Language language) {
    if (current) {
        QCoreApplication::removeTranslator(current);
        delete current;
    }
    if (language == Language::Russian)
        return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QString::fromLatin1(kEnglishTranslation))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    current = translator;
    return true;
}

bool russianConventionsWithoutSystemLocale() {
    if (QLocale::system().language() != QLocale::C)
        return false;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    return true;
}

} // namespace language

} // namespace core
