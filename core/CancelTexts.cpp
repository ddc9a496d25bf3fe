#include "core/CancelTexts.h"

#include <QCoreApplication>

namespace cancel_texts {
namespace {
QString tr(const char* text) { return QCoreApplication::translate("Cancel", text); }
} // namespace

QString cancelled() { return tr("Прервано пользователем"); }

QString cancelledAfterReading(int records) {
    return tr("Прервано пользователем. Прочитано %1 записей").arg(records);
}

QString cancelledAfterClearing(int cleared, int of) {
    return tr("Прервано пользователем. Очищено %1 записей из %2").arg(cleared).arg(of);
}

QString cancelButton() { return tr("Прервать"); }

QString cannotStopFirmware() {
    return tr("Прошивку нельзя прервать после команды стирания: прибор без полной программы "
              "не работает");
}

QString cannotStopSettings() {
    return tr("Запись настроек не прерывается: область настроек не должна остаться записанной "
              "наполовину");
}

QString closeQuestion() {
    return tr("Выполняется обмен с прибором. Прервать его и закрыть программу?");
}
} // namespace cancel_texts
