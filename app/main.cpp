#include "app/ProU.h"
#include "app/QtTranslation.h"
#include "core/Language.h"
#include "core/Texts.h"
#include "core/ToolkitMessages.h"

#include <QApplication>

#include <cstdio>

// zetra [--pipe NAME] [--lang ru|en]: the service window. --pipe selects the remote-access
// client's entry of the port list at start and reaches it through the pipe NAME (for
// demonstrations against the simulated meter). --lang en shows the program's own texts in
// English; Russian is the default.
int main(int argc, char* argv[]) {
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
    TForm1 form;
    const auto pipe = args.indexOf(QStringLiteral("--pipe"));
    if (pipe > 0 && pipe + 1 < args.size())
        form.selectPipe(args[pipe + 1]);
    form.show();
    return app.exec();
}
