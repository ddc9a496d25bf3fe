#include "firmware/FirmwareTexts.h"

#include <QCoreApplication>

namespace firmware::texts {
QString versionCaption() { return QCoreApplication::translate("Firmware", "Версия прошивки:"); }
QString creationDateCaption() { return QCoreApplication::translate("Firmware", "Дата создания:"); }
QString openDialogFilter() {
    return QCoreApplication::translate("Firmware", "файл прошивки ЗЕТРА (*.zet)");
}

QString cannotReadImage(const QString& path, const QString& reason) {
    return QCoreApplication::translate("Firmware", "Не удаётся прочитать файл прошивки\r%1\r%2")
        .arg(path, reason);
}

QString notARegularFile() { return QCoreApplication::translate("Firmware", "это не обычный файл"); }

QString wrongImageSize(const QString& path, qint64 size) {
    return QCoreApplication::translate(
               "Firmware", "Файл прошивки должен содержать 7680 байт,\rа в файле %1 их %2")
        .arg(path)
        .arg(size);
}

QString startQuestion() {
    return QCoreApplication::translate("Firmware", "Вы действительно хотите начать прошивку?");
}
QString noticeCaption() { return QCoreApplication::translate("Firmware", "Обновление"); }
QString notice() {
    return QCoreApplication::translate(
        "Firmware",
        "Сейчас программа прибора будет перепрошита.\rЖелательно закрыть другие работающие "
        "приложения.\rЭто может занять некоторое время, пожалуйста дождитесь окончания");
}
QString programming() { return QCoreApplication::translate("Firmware", "Программирование..."); }
QString verifying() { return QCoreApplication::translate("Firmware", "Проверка..."); }
QString stampedDateNote(const QString& today, const QString& stamped) {
    return QCoreApplication::translate(
               "Firmware", "Год даты прошивки %1 не помещается в прибор, записана дата %2")
        .arg(today, stamped);
}

} // namespace firmware::texts
