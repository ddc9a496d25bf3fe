#pragma once

#include <QString>

namespace core {

// What the window says about stopping; the status of a stopped action is the outcome's
// (core::statusText).
namespace texts::cancel {
QString cancelled();          // "Прервано пользователем"
QString cancelButton();       // "Прервать"
QString cannotStopFirmware(); // why "Прервать" is disabled from the erase command on
QString cannotStopSettings(); // why it is disabled while the settings are written
QString closeQuestion();      // closing the window while an action runs
} // namespace texts::cancel

} // namespace core
