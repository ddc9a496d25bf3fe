#include "cli/CliFrontend.h"

#include "cli/Interrupt.h"
#include "core/CancelTexts.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace {
QString withLineBreaks(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char('\n')); }

void printLine(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    std::fflush(stderr);
}
} // namespace

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
    const CancelToken::Effect effect = cancel_->request();
    if (effect != CancelToken::Effect::AfterPhase && effect != CancelToken::Effect::CannotStop)
        return;
    if (progress_)
        progress_->erase();
    if (effect == CancelToken::Effect::AfterPhase)
        printLine(cancel_texts::cannotStopSettings() + QStringLiteral(". ") +
                  QCoreApplication::translate("Cancel",
                                              "Действие будет прервано, когда запись завершится"));
    else
        printLine(cancel_texts::cannotStopFirmware() + QStringLiteral(". ") +
                  QCoreApplication::translate("Cancel", "Прошивка будет доведена до конца"));
}

void CliFrontend::printMessage(const QString& caption, const QString& text) {
    const QByteArray line = (caption + QStringLiteral(": ") + withLineBreaks(text)).toUtf8();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
}

bool CliFrontend::askYesNo(const QString& caption, const QString& text) {
    if (progress_)
        progress_->erase();
    if (answerYes_)
        return true;
    if (!isatty(STDIN_FILENO))
        return false;
    const QByteArray question = (caption + QStringLiteral(": ") + withLineBreaks(text)).toUtf8();
    std::fprintf(stderr, "%s [y/N] ", question.constData());
    std::fflush(stderr);
    char answer[64] = {};
    // A signal while the question waits is its No (and the cancel that follows).
    if (!std::fgets(answer, sizeof answer, stdin)) {
        std::fputc('\n', stderr);
        takeSignals();
        return false;
    }
    const QString reply = QString::fromUtf8(answer).trimmed().toLower();
    return reply == QLatin1String("y") || reply == QLatin1String("yes") ||
           reply == QStringLiteral("д") || reply == QStringLiteral("да");
}

void CliFrontend::showInformation(const QString& caption, const QString& text) {
    if (progress_)
        progress_->erase();
    printMessage(caption, text);
}

void CliFrontend::showError(const QString& caption, const QString& text) {
    if (progress_)
        progress_->erase();
    printMessage(caption, text);
}
