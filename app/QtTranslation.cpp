#include "app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace qt_translation {

QString folder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool install(const QString& language) {
    if (language == QLatin1String("en"))
        return true;
    bool base = false;
    // qtbase holds the dialogs and buttons, qtserialport the serial port's error texts.
    for (const char* module : {"qtbase", "qtserialport"}) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(QLatin1String(module) + QLatin1Char('_') + language, folder())) {
            delete translator;
            continue;
        }
        QCoreApplication::installTranslator(translator);
        if (QLatin1String(module) == QLatin1String("qtbase"))
            base = true;
    }
    return base;
}

} // namespace qt_translation
