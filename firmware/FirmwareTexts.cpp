#include "firmware/FirmwareTexts.h"

#include <QCoreApplication>

namespace firmware_texts {
namespace {
QString tr(const char* text) { return QCoreApplication::translate("Firmware", text); }
} // namespace

QString versionCaption() { return tr("Версия прошивки:"); }
QString creationDateCaption() { return tr("Дата создания:"); }
QString openDialogFilter() { return tr("файл прошивки ЗЕТРА (*.zet)"); }

QString cannotReadImage(const QString& path, const QString& reason) {
    return tr("Не удаётся прочитать файл прошивки\r%1\r%2").arg(path, reason);
}

QString notARegularFile() { return tr("это не обычный файл"); }

QString wrongImageSize(const QString& path, qint64 size) {
    return tr("Файл прошивки должен содержать 7680 байт,\rа в файле %1 их %2").arg(path).arg(size);
}

QString startQuestion() { return tr("Вы действительно хотите начать прошивку?"); }
QString noticeCaption() { return tr("Обновление"); }
QString notice() {
    return tr("Сейчас программа прибора будет перепрошита.\rЖелательно закрыть другие работающие "
              "приложения.\rЭто может занять некоторое время, пожалуйста дождитесь окончания");
}
QString cannotEnter() { return tr("Не удалось войти в режим программирования"); }
QString programming() { return tr("Программирование..."); }
QString verifying() { return tr("Проверка..."); }
QString completedWithErrorsRepeat() { return tr("Завершено c ошибками. Повторите"); }
} // namespace firmware_texts
