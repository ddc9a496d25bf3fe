#pragma once

#include <QString>

#include <functional>

class QWidget;

// How a calculator dialog reports the error that stopped a calculation.
using CalculatorErrorReporter = std::function<void(QWidget* parent, const QString& text)>;

// The program's own error report: a modal box with the error icon and the application's title
// as its caption.
void showCalculatorError(QWidget* parent, const QString& text);
