#include "app/core/Texts.h"

#include "link/Protocol.h"

#include <QCoreApplication>

namespace texts {
namespace {
QString tr(const char* text) { return QCoreApplication::translate("Zetra", text); }
} // namespace

QString applicationTitle() { return tr("ЗЕТРА"); }
QString mainWindowCaption() { return tr("ЗЕТРА (автономный) v1.16"); }
QString initialStatus() { return tr("Присоедините прибор и нажмите <Обновить>"); }
QString waiting() { return tr("Ждите..."); }
QString linkLost(const QString& reason) { return tr("Связь с прибором потеряна: ") + reason; }
QString cannotOpenPort() { return tr("Не удаётся открыть порт "); }
QString noAnswer() { return tr("Прибор не отвечает"); }
QString incompatibleDevice() { return tr("Несовместимое устройство"); }
QString completedOk() { return tr("Завершено успешно"); }
QString completedWithErrors() { return tr("Завершено с ошибками"); }
QString transferringParameters() { return tr("Передача параметров..."); }
QString attentionCaption() { return tr("Внимание"); }
QString errorCaption() { return tr("Ошибка"); }

QString outcome(const Protocol& protocol) {
    if (!protocol.replySeen())
        return noAnswer();
    if (protocol.errorSeen())
        return completedWithErrors();
    return completedOk();
}
} // namespace texts
