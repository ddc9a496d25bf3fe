#include "app/CalculatorErrorBox.h"

#include "core/Texts.h"

#include <QMessageBox>

void showCalculatorError(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, core::texts::applicationTitle(), text, QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("CalculatorErrorBox"));
    box.exec();
}
