#pragma once

#include "app/CalculatorErrorBox.h"
#include "calculators/PulseCalculator.h"

#include <QDialog>

#include <memory>

namespace Ui {
class Form5;
}

// The pulse-weight calculator dialog. The main window creates it once and keeps it:
//     form5->move(pos());
//     form5->prepare(diameter);
//     if (form5->exec() == QDialog::Accepted) Edit2->setText(form5->pulseWeightText());
class TForm5 : public QDialog {
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);
    ~TForm5() override;

    // Before each opening: the Settings tab's inner diameter text.
    void prepare(const QString& diameter);

    // The result field's text (it may have been edited by hand), copied unchanged into the
    // Settings tab after "OK".
    QString pulseWeightText() const;

    // The fields as they stand.
    calculators::PulseForm form() const;

    // Replaces the modal error box (for tests and other front ends).
    void setErrorReporter(CalculatorErrorReporter reporter);

public slots:
    void Button1Click(); // "Расчёт"

private slots:
    void RadioButton1Click();

private:
    std::unique_ptr<Ui::Form5> ui;
    CalculatorErrorReporter reportError_ = showCalculatorError;
};
