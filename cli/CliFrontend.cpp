#include "cli/CliFrontend.h"

#include "cli/Interrupt.h"
#include "core/CancelTexts.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace cli {

namespace {
QString withLineBreaks(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char('\n')); }

void printLine(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    std::fflush(stderr);
}

void writeToStandardError(const QString& caption, const QString& text) {
    printLine(caption + QStringLiteral(": ") + withLineBreaks(text));
}

// The frontend of the command being run; zetra-cli runs one command per process.
CliFrontend* current = nullptr;
} // namespace

CliFrontend::CliFrontend(bool answerYes) : answerYes_(answerYes) { current = this; }

CliFrontend::~CliFrontend() {
    if (current == this)
        current = nullptr;
}

void CliFrontend::setProgressMaximum(int maximum) {
    if (progress_)
        progress_->setMaximum(maximum);
}

void CliFrontend::setProgressPosition(int position) {
    if (progress_)
        progress_->setPosition(position);
}

void CliFrontend::stepProgress() {
    if (progress_)
        progress_->step();
}

void CliFrontend::planWork(qint64 totalUnits) {
    if (progress_)
        progress_->follower().planWork(totalUnits);
}

void CliFrontend::workDone(qint64 units) {
    if (progress_)
        progress_->follower().workDone(units);
}

void CliFrontend::endWork() {
    if (progress_)
        progress_->follower().endPlan();
}

void CliFrontend::processEvents() {
    takeSignals();
    QCoreApplication::processEvents();
}

void CliFrontend::takeSignals() {
    if (interrupt::take() == 0 || !cancel_)
        return;
    const line::CancelToken::Effect effect = cancel_->request();
    if (effect != line::CancelToken::Effect::AfterPhase &&
        effect != line::CancelToken::Effect::CannotStop)
        return;
    if (progress_)
        progress_->erase();
    if (quiet_)
        return;
    if (effect == line::CancelToken::Effect::AfterPhase)
        printLine(core::texts::cancel::cannotStopSettings() + QStringLiteral(". ") +
                  QCoreApplication::translate("Cancel",
                                              "Действие будет прервано, когда запись завершится"));
    else
        printLine(core::texts::cancel::cannotStopFirmware() + QStringLiteral(". ") +
                  QCoreApplication::translate("Cancel", "Прошивка будет доведена до конца"));
}

void CliFrontend::printMessage(const QString& caption, const QString& text) {
    if (current)
        current->show(caption, text, true);
    else
        writeToStandardError(caption, text);
}

// A message box: kept for --json, printed unless only kept; the progress line gives way first.
void CliFrontend::show(const QString& caption, const QString& text, bool essential) {
    messages_.push_back({caption, text});
    if (keepOnly_ || (quiet_ && !essential))
        return;
    if (progress_)
        progress_->erase();
    writeToStandardError(caption, text);
}

bool CliFrontend::askYesNo(const QString& caption, const QString& text,
                           DefaultButton defaultButton) {
    if (progress_)
        progress_->erase();
    if (answerYes_)
        return true;
    if (!isatty(STDIN_FILENO)) {
        // The question could not be asked: its No is said, with what answers Yes.
        if (!keepOnly_) {
            writeToStandardError(caption, text);
            printLine(QCoreApplication::translate(
                "cli", "Ответ «Нет»: стандартный ввод — не терминал. Ответ «Да» даёт параметр "
                       "--yes"));
        }
        return false;
    }
    const QByteArray question = (caption + QStringLiteral(": ") + withLineBreaks(text)).toUtf8();
    const bool yesByDefault = defaultButton == DefaultButton::Yes;
    std::fprintf(stderr, "%s %s ", question.constData(), yesByDefault ? "[Y/n]" : "[y/N]");
    std::fflush(stderr);
    char answer[64] = {};
    // A signal while the question waits is its No (and the cancel that follows).
    if (!std::fgets(answer, sizeof answer, stdin)) {
        std::fputc('\n', stderr);
        takeSignals();
        return false;
    }
    const QString reply = QString::fromUtf8(answer).trimmed().toLower();
    if (reply.isEmpty())
        return yesByDefault;
    return reply == QLatin1String("y") || reply == QLatin1String("yes") ||
           reply == QStringLiteral("д") || reply == QStringLiteral("да");
}

void CliFrontend::showInformation(const QString& caption, const QString& text) {
    show(caption, text, false);
}

void CliFrontend::showError(const QString& caption, const QString& text) {
    show(caption, text, true);
}

} // namespace cli
