#include "cli/CliFrontend.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace {
QString withLineBreaks(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char('\n')); }

void writeToStandardError(const QString& caption, const QString& text) {
    const QByteArray line = (caption + QStringLiteral(": ") + withLineBreaks(text)).toUtf8();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
}

// The frontend of the command being run; zetra-cli runs one command per process.
CliFrontend* current = nullptr;
} // namespace

CliFrontend::CliFrontend(bool answerYes) : answerYes_(answerYes) { current = this; }

CliFrontend::~CliFrontend() {
    if (current == this)
        current = nullptr;
}

void CliFrontend::processEvents() { QCoreApplication::processEvents(); }

void CliFrontend::printMessage(const QString& caption, const QString& text) {
    if (current)
        current->show(caption, text);
    else
        writeToStandardError(caption, text);
}

void CliFrontend::show(const QString& caption, const QString& text) {
    messages_.push_back({caption, text});
    if (!keepOnly_)
        writeToStandardError(caption, text);
}

bool CliFrontend::askYesNo(const QString& caption, const QString& text,
                           DefaultButton defaultButton) {
    if (answerYes_)
        return true;
    if (!isatty(STDIN_FILENO))
        return false;
    const QByteArray question = (caption + QStringLiteral(": ") + withLineBreaks(text)).toUtf8();
    const bool yesByDefault = defaultButton == DefaultButton::Yes;
    std::fprintf(stderr, "%s %s ", question.constData(), yesByDefault ? "[Y/n]" : "[y/N]");
    std::fflush(stderr);
    char answer[64] = {};
    if (!std::fgets(answer, sizeof answer, stdin))
        return false;
    const QString reply = QString::fromUtf8(answer).trimmed().toLower();
    if (reply.isEmpty())
        return yesByDefault;
    return reply == QLatin1String("y") || reply == QLatin1String("yes") ||
           reply == QStringLiteral("д") || reply == QStringLiteral("да");
}

void CliFrontend::showInformation(const QString& caption, const QString& text) {
    show(caption, text);
}

void CliFrontend::showError(const QString& caption, const QString& text) { show(caption, text); }
