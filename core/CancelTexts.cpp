#include "core/CancelTexts.h"

#include <QCoreApplication>

namespace core {

namespace texts::cancel {
QString cancelButton() { return QCoreApplication::translate("Cancel", "Прервать"); }

QString cannotStopFirmware() {
    return QCoreApplication::translate(
        "Cancel", "Прошивку нельзя прервать после команды стирания: прибор без полной программы "
                  "не работает");
}

QString cannotStopSettings() {
    return QCoreApplication::translate(
        "Cancel", "Запись настроек не прерывается: область настроек не должна остаться записанной "
                  "наполовину");
}

QString closeQuestion() {
    return QCoreApplication::translate(
        "Cancel", "Выполняется обмен с прибором. Прервать его и закрыть программу?");
}
} // namespace texts::cancel

} // namespace core
