#include "core/Session.h"

#include "core/ExchangeLog.h"
#include "core/Frontend.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace core {

namespace {
QString targetText(const line::LinkTarget& target) {
    return target.isPipe()
               ? QCoreApplication::translate("ExchangeLog", "канал %1").arg(target.name)
               : QCoreApplication::translate("ExchangeLog", "порт %1").arg(target.name.trimmed());
}
} // namespace

QString openFailureReason(const line::OpenFailure& failure) {
    // The system's words without the Qt class that passed them on
    // ("QLocalSocket::connectToServer: ").
    static const QRegularExpression qtPrefix(QStringLiteral("^Q\\w+::\\w+: "));
    QString why = failure.reason.isEmpty()
                      ? QCoreApplication::translate("ExchangeLog", "порт не найден")
                      : QString(failure.reason).remove(qtPrefix);
    if (failure.permissionDenied)
        why += QCoreApplication::translate(
            "ExchangeLog", ". Нет прав на порт: добавьте пользователя в группу dialout "
                           "(sudo usermod -aG dialout $USER) и войдите в систему заново");
    return why;
}

Session::Session(Frontend& frontend) : frontend_(frontend) {
    protocol_.setCancelToken(&cancel_);
    // Each transaction steps the progress bar and lets the window breathe.
    protocol_.setProgressHook([this] {
        frontend_.stepProgress();
        frontend_.processEvents();
    });
}

void Session::setTraceHook(line::Protocol::TraceHook hook) {
    trace_ = std::move(hook);
    protocol_.setTraceHook(trace_);
}

void Session::setExchangeLog(ExchangeLog* log) {
    log_ = log;
    if (log)
        protocol_.setFrameHook([log](const line::Protocol::Frame& frame) { log->frame(frame); });
    else
        protocol_.setFrameHook({});
}

void Session::logEvent(const QString& text) {
    if (log_)
        log_->event(text);
}

// The outcome's own status text; an outcome that leaves the status as it was (a question
// answered No) is logged with that status.
void Session::logOutcome(const Outcome& outcome) {
    logEvent(QCoreApplication::translate("ExchangeLog", "Итог: %1")
                 .arg(statusText(outcome).value_or(frontend_.status())));
}

Outcome Session::run(const line::LinkTarget& target, const line::ReadTimeouts& serialTimeouts,
                     LinkUse use, const std::function<Outcome(line::Link&)>& action) {
    cancel_.reset();
    logEvent(QCoreApplication::translate("ExchangeLog", "Соединение: %1").arg(targetText(target)));
    line::OpenResult opened = use == LinkUse::SerialOnly
                                  ? line::opener::openSerial(target, serialTimeouts)
                                  : line::opener::open(target, serialTimeouts);
    if (!opened.link) {
        Outcome failed = Outcome::of(Outcome::Kind::PortNotOpened);
        failed.portName = opened.portName;
        failed.reason =
            use == LinkUse::SerialOnly && target.isPipe()
                ? QCoreApplication::translate("ExchangeLog",
                                              "через канал КВЗ-клиента прибор не программируется: "
                                              "нужен последовательный порт")
                : openFailureReason(opened.failure);
        finish(frontend_, failed);
        frontend_.setProgressPosition(0);
        if (log_) {
            logEvent(QCoreApplication::translate("ExchangeLog", "Не удаётся открыть %1: %2")
                         .arg(targetText(target), failed.reason));
            logOutcome(failed);
        }
        return failed;
    }
    line::Link& link = *opened.link;
    logEvent(QCoreApplication::translate("ExchangeLog", "Открыт: %1").arg(targetText(target)));
    link.setIdleHook([this] { frontend_.processEvents(); });
    link.setCancelToken(&cancel_);
    protocol_.setLink(&link);
    Outcome outcome = action(link);
    // A question answered No because the engineer stopped (a signal at the terminal's prompt).
    if (outcome.kind == Outcome::Kind::Declined && cancel_.stopNow())
        outcome = finish(frontend_, Outcome::of(Outcome::Kind::Cancelled));
    protocol_.setLink(nullptr);
    link.close();
    frontend_.setProgressPosition(0);
    logOutcome(outcome);
    logEvent(QCoreApplication::translate("ExchangeLog", "Закрыт: %1").arg(targetText(target)));
    return outcome;
}

} // namespace core
