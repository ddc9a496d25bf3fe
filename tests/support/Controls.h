#pragma once

#include <QLabel>
#include <QWidget>

// Finds a window's control by its object name, as the forms name them; a missing control ends
// the test at once.
template <class T>
T* child(QWidget& window, const char* name) {
    T* control = window.findChild<T*>(QLatin1String(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

// The status bar's text, where every action says how it ended.
inline QString statusOf(QWidget& window) { return child<QLabel>(window, "StatusPanel0")->text(); }
