#pragma once

#include <QString>

namespace core {

// The statuses of an action the engineer stopped part way, and what the window says about
// stopping ("Прервано пользователем" alone is texts::cancelled()).
namespace texts::cancel {
QString cancelled();                        // "Прервано пользователем"
QString cancelledAfterReading(int records); // "... Прочитано N записей"
QString cancelledAfterClearing(int cleared, int of); // "... Очищено N записей из M"
QString cancelButton();                              // "Прервать"
QString cannotStopFirmware(); // why "Прервать" is disabled from the erase command on
QString cannotStopSettings(); // why it is disabled while the settings are written
QString closeQuestion();      // closing the window while an action runs
} // namespace texts::cancel

} // namespace core
