#include "app/ProU.h"
#include "core/Texts.h"

#include <QApplication>

// zetra [--pipe NAME]: the service window. --pipe selects the remote-access client's entry of
// the port list at start and reaches it through the pipe NAME (for demonstrations against the
// simulated meter).
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(texts::applicationTitle());
    TForm1 form;
    const QStringList args = QApplication::arguments();
    const auto pipe = args.indexOf(QStringLiteral("--pipe"));
    if (pipe > 0 && pipe + 1 < args.size())
        form.selectPipe(args[pipe + 1]);
    form.show();
    return app.exec();
}
