#include "app/ProU.h"
#include "app/QtTranslation.h"
#include "core/Language.h"
#include "core/Texts.h"
#include "core/ToolkitMessages.h"
#include "store/Location.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// --help and --version are answered before any window system is reached: they work without a
// display.
bool asksForText(int argc, char* argv[], const char* option) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0)
            return true;
    }
    return false;
}

int printHelp(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const auto lang = core::language::fromArguments(QCoreApplication::arguments());
    if (lang)
        core::language::use(*lang);
    const QString text =
        QCoreApplication::translate("main", "Использование: zetra [--pipe NAME] [--lang LANG]") +
        QLatin1Char('\n') +
        QCoreApplication::translate(
            "main", "Окно сервисной программы расходомера ЗЕТРА: показания, архивы, настройки, "
                    "прошивка и расчёты.") +
        QStringLiteral("\n\n") + QCoreApplication::translate("main", "Параметры:") +
        QLatin1Char('\n') +
        QCoreApplication::translate("main", "  --pipe NAME   начать с канала КВЗ-клиента NAME") +
        QLatin1Char('\n') +
        QCoreApplication::translate(
            "main", "  --lang LANG   язык текстов программы: ru (по умолчанию) или en") +
        QLatin1Char('\n') + QCoreApplication::translate("main", "  --help        эта справка") +
        QLatin1Char('\n') +
        QCoreApplication::translate("main", "  --version     версия программы") +
        QStringLiteral("\n\n") +
        QCoreApplication::translate("main", "Окну нужен дисплей; параметры Qt (-platform, "
                                            "-display) также действуют.") +
        QLatin1Char('\n');
    std::fputs(text.toUtf8().constData(), stdout);
    return 0;
}

} // namespace

// zetra [--pipe NAME] [--lang ru|en] [--store S | --no-store]: the service window. --pipe selects
// the remote-access client's entry of the port list at start and reaches it through the pipe NAME
// (for demonstrations against the simulated meter). --lang en shows the program's own texts in
// English; Russian is the default. --store names the meter store (a file or a PostgreSQL
// server; default $ZETRA_STORE, else meters.sqlite in the data folder), --no-store turns it off.
int main(int argc, char* argv[]) {
    if (asksForText(argc, argv, "--help") || asksForText(argc, argv, "-h"))
        return printHelp(argc, argv);
    if (asksForText(argc, argv, "--version")) {
        std::printf("zetra %s\n", qPrintable(core::texts::programVersion()));
        return 0;
    }
    core::keepToolkitMessagesToDevelopers();
    QApplication app(argc, argv);
    core::language::russianConventionsWithoutSystemLocale();
    const QStringList args = QApplication::arguments();
    const auto lang = core::language::fromArguments(args);
    if (!lang) {
        std::fprintf(stderr, "zetra: --lang takes one of: %s\n",
                     core::language::knownNames().toUtf8().constData());
        return 2;
    }
    if (!core::language::use(*lang))
        std::fprintf(stderr, "zetra: the English translation could not be loaded\n");
    QApplication::setApplicationName(core::texts::applicationTitle());
    // Qt's standard dialogs and buttons speak Russian like the rest of the window, whatever the
    // PC's locale is.
    if (*lang == core::language::Language::Russian &&
        !qt_translation::install(QStringLiteral("ru")))
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate(
                                    "main", "Перевод стандартных окон Qt не найден в %1")
                                    .arg(qt_translation::folder())));
    std::optional<QString> storeOption;
    if (const auto at = args.indexOf(QStringLiteral("--store")); at > 0 && at + 1 < args.size())
        storeOption = args[at + 1];
    QString storeError;
    const std::optional<store::Location> storeLocation = store::resolveLocation(
        storeOption, args.contains(QStringLiteral("--no-store")), &storeError);
    if (!storeLocation) {
        std::fprintf(stderr, "zetra: --store: %s\n", storeError.toUtf8().constData());
        return 2;
    }
    TForm1 form;
    form.attachStore(*storeLocation);
    const auto pipe = args.indexOf(QStringLiteral("--pipe"));
    if (pipe > 0 && pipe + 1 < args.size())
        form.selectPipe(args[pipe + 1]);
    form.show();
    return app.exec();
}
