#pragma once

#include <QString>

namespace core {

// Texts of the program and of every connection, shared by the window and zetra-cli.
namespace texts {
QString applicationTitle();  // "ЗЕТРА"
QString programVersion();    // "1.16", the project's version
QString mainWindowCaption(); // "ЗЕТРА (автономный) v1.16"
QString initialStatus(); // "Присоедините прибор и нажмите <Обновить>"
QString waiting();       // "Ждите..."
QString cannotOpenPort(); // "Не удаётся открыть порт " (the port name follows)
QString noAnswer();       // "Прибор не отвечает"
// The port or pipe went away; the reason in the system's words follows.
QString linkLost(const QString& reason);
QString incompatibleDevice();                // "Несовместимое устройство"
QString completedOk();                       // "Завершено успешно"
QString completedWithErrors();               // "Завершено с ошибками"
QString transferringParameters();            // "Передача параметров..."
QString attentionCaption();                  // "Внимание"
QString errorCaption();                      // "Ошибка"
QString statusReason(const QString& reason); // "Причина: " and the system's reason
QString savedTo(const QString& fileName);    // the window's status after a file is saved
// The status after a save that failed: the file and why it was not written.
QString notSaved(const QString& fileName, const QString& reason);
QString cancelled(); // "Прервано пользователем"
} // namespace texts

} // namespace core
