#pragma once

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>

#include <algorithm>

// A dialog wide enough for its whole title in the title bar, beside the window's own buttons:
// a window manager cuts a longer title in its middle ("Калькулятор… ины канала").
inline void widenForTitle(QDialog* dialog) {
    QFont font = QApplication::font();
    font.setBold(true); // most title bars set their title in bold
    constexpr int kTitleBarButtons = 120;
    const int needed =
        QFontMetrics(font).horizontalAdvance(dialog->windowTitle()) * 5 / 4 + kTitleBarButtons;
    dialog->setMinimumWidth(std::max(dialog->minimumWidth(), needed));
}
