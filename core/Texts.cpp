#include "core/Texts.h"

#include <QCoreApplication>
#include <QDir>

namespace core {

namespace texts {
QString applicationTitle() { return QCoreApplication::translate("Zetra", "ЗЕТРА"); }
QString programVersion() { return QStringLiteral(ZETRA_VERSION); }
QString mainWindowCaption() {
    return QCoreApplication::translate("Zetra", "ЗЕТРА (автономный) v%1").arg(programVersion());
}
QString initialStatus() {
    return QCoreApplication::translate("Zetra", "Присоедините прибор и нажмите <Обновить>");
}
QString waiting() { return QCoreApplication::translate("Zetra", "Ждите..."); }
QString linkLost(const QString& reason) {
    return QCoreApplication::translate("Zetra", "Связь с прибором потеряна: ") + reason;
}
QString cannotOpenPort() {
    return QCoreApplication::translate("Zetra", "Не удаётся открыть порт ");
}
QString noAnswer() { return QCoreApplication::translate("Zetra", "Прибор не отвечает"); }
QString incompatibleDevice() {
    return QCoreApplication::translate("Zetra", "Несовместимое устройство");
}
QString completedOk() { return QCoreApplication::translate("Zetra", "Завершено успешно"); }
QString completedWithErrors() {
    return QCoreApplication::translate("Zetra", "Завершено с ошибками");
}
QString transferringParameters() {
    return QCoreApplication::translate("Zetra", "Передача параметров...");
}
QString attentionCaption() { return QCoreApplication::translate("Zetra", "Внимание"); }
QString errorCaption() { return QCoreApplication::translate("Zetra", "Ошибка"); }
QString savedTo(const QString& fileName) {
    return QCoreApplication::translate("Zetra", "Сохранено: %1")
        .arg(QDir::toNativeSeparators(fileName));
}
QString notSaved(const QString& fileName, const QString& reason) {
    const QString file = QDir::toNativeSeparators(fileName);
    if (reason.isEmpty())
        return QCoreApplication::translate("Zetra", "Файл не сохранён: %1").arg(file);
    return QCoreApplication::translate("Zetra", "Файл не сохранён: %1 (%2)").arg(file, reason);
}
QString statusReason(const QString& reason) {
    return QCoreApplication::translate("Zetra", "Причина: %1").arg(reason);
}
QString cancelled() { return QCoreApplication::translate("Zetra", "Прервано пользователем"); }

} // namespace texts

} // namespace core
