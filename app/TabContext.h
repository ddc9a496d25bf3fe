#pragma once

#include <functional>

class QWidget;

namespace core {
class Session;
}
namespace Ui {
class Form1;
}

// What every tab of the main window works with: the window (the dialogs' parent), its
// widgets, the meter session (whose frontend is the window) and the rule that enables an
// action control only while no action runs.
struct TabContext {
    QWidget& window;
    Ui::Form1& ui;
    core::Session& session;
    std::function<void(QWidget* control, bool enabled)> setActionEnabled;
};
