#include "app/ProU.h"
#include "app/QtTranslation.h"
#include "core/Texts.h"

#include <QApplication>

// zetra [--pipe NAME]: the service window. --pipe selects the remote-access client's entry of
// the port list at start and reaches it through the pipe NAME (for demonstrations against the
// simulated meter).
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(texts::applicationTitle());
    // Qt's standard dialogs and buttons speak Russian like the rest of the window, whatever the
    // PC's locale is.
    if (!qt_translation::install(QStringLiteral("ru")))
        qWarning("%s", qPrintable(QCoreApplication::translate(
                                      "main", "Перевод стандартных окон Qt не найден в %1")
                                      .arg(qt_translation::folder())));
    TForm1 form;
    const QStringList args = QApplication::arguments();
    const auto pipe = args.indexOf(QStringLiteral("--pipe"));
    if (pipe > 0 && pipe + 1 < args.size())
        form.selectPipe(args[pipe + 1]);
    form.show();
    return app.exec();
}
