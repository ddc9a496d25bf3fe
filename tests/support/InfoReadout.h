#pragma once

#include "app/ProU.h"
#include "tests/support/Controls.h"

#include <QPushButton>

// Shows the window, points it at the meter's pipe and presses "Обновить" on the Info tab: the
// status the readout ended with.
inline QString readInfoOver(TForm1& w, const QString& pipe) {
    w.show();
    w.selectPipe(pipe);
    child<QPushButton>(w, "Button1")->click();
    return statusOf(w);
}
