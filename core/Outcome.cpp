#include "core/Outcome.h"

#include "core/Frontend.h"
#include "core/Texts.h"
#include "link/Protocol.h"

#include <QCoreApplication>

namespace core {

Outcome Outcome::fromFlags(const line::Protocol& protocol) {
    // Transactions cut short by the engineer's stop: the group ends as stopped.
    if (protocol.stopRequested())
        return of(Kind::Cancelled);
    if (!protocol.replySeen())
        return of(Kind::NoAnswer);
    if (protocol.errorSeen())
        return of(Kind::FinishedWithErrors);
    return of(Kind::Succeeded);
}

// The texts keep the translation contexts of the tabs they belong to.
std::optional<QString> statusText(const Outcome& o) {
    using Detail = Outcome::Detail;
    switch (o.detail) {
    case Detail::None:
        break;
    case Detail::RecordsRead:
        if (o.kind == Outcome::Kind::Cancelled)
            return QCoreApplication::translate("Cancel",
                                               "Прервано пользователем. Прочитано %1 записей")
                .arg(o.done);
        if (o.failed == 0)
            return QCoreApplication::translate("Archive", "Завершено успешно. Прочитано ") +
                   QString::number(o.done) + QCoreApplication::translate("Archive", " записей");
        // The letter after "Завершено " is the Latin c, as the meter's users know the text.
        return QCoreApplication::translate("Archive", "Завершено c ") + QString::number(o.failed) +
               QCoreApplication::translate("Archive", " ошибками при передаче");
    case Detail::RecordsCleared:
        return QCoreApplication::translate("Cancel",
                                           "Прервано пользователем. Очищено %1 записей из %2")
            .arg(o.done)
            .arg(o.total);
    case Detail::ArchiveUnavailable:
        return QCoreApplication::translate("Archive", "Архив недоступен");
    case Detail::ArchiveNotCleared:
        return QCoreApplication::translate("Settings",
                                           "Архив прибора недоступен, очистка не выполнена");
    case Detail::IntervalInvalid:
        return QCoreApplication::translate("Archive", "Ошибка. Указан неверный интервал");
    case Detail::IntervalReversed:
        return QCoreApplication::translate("Archive",
                                           "Ошибка. Указана дата начала больше даты окончания");
    case Detail::MeterClockInvalid:
        return QCoreApplication::translate("Archive", "Ошибка. Прибор сообщил неверное время");
    case Detail::ProgrammingForbidden:
        return QCoreApplication::translate("Settings", "Программирование запрещено");
    case Detail::ClearingForbidden:
        return QCoreApplication::translate("Settings", "Очистка запрещена");
    case Detail::SettingsNotWritten:
        return QCoreApplication::translate("Settings", "Настройки не записаны");
    case Detail::NoProgrammingMode:
        return QCoreApplication::translate("Firmware", "Не удалось войти в режим программирования");
    case Detail::ProgrammingFailed:
        return QCoreApplication::translate("Firmware", "Завершено c ошибками. Повторите");
    }
    switch (o.kind) {
    case Outcome::Kind::Succeeded:
        return texts::completedOk();
    case Outcome::Kind::FinishedWithErrors:
        return texts::completedWithErrors();
    case Outcome::Kind::NoAnswer:
        return texts::noAnswer();
    case Outcome::Kind::PortNotOpened:
        return texts::cannotOpenPort() + o.portName;
    case Outcome::Kind::ForeignDevice:
        return texts::incompatibleDevice();
    case Outcome::Kind::Cancelled:
        return texts::cancelled();
    case Outcome::Kind::SaveFailed:
        return texts::notSaved(o.fileName, o.reason);
    case Outcome::Kind::RefusedByMeter:
    case Outcome::Kind::InputRefused:
    case Outcome::Kind::IntervalRefused:
    case Outcome::Kind::Declined:
        break;
    }
    return std::nullopt;
}

Outcome withSave(const Outcome& action, const Outcome& save) {
    const bool ran =
        action.kind == Outcome::Kind::Succeeded || action.kind == Outcome::Kind::FinishedWithErrors;
    return ran && save.kind == Outcome::Kind::SaveFailed ? save : action;
}

Outcome finish(Frontend& frontend, Outcome outcome) {
    if (const auto text = statusText(outcome)) {
        frontend.setStatus(*text);
        frontend.setStatusReason(outcome.reason);
    }
    return outcome;
}

} // namespace core
