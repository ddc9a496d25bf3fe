#pragma once

#include "app/CalculatorErrorBox.h"
#include "calculators/CorrectionCalculator.h"

#include <QDialog>

#include <memory>

namespace Ui {
class Form2;
}

// The correction-coefficient calculator dialog. The main window creates it once and keeps it,
// so typed values stay from one opening to the next:
//     form2->move(pos());
//     form2->prepare(diameter, angle, water, firmwareVersion);
//     if (form2->exec() == QDialog::Accepted) { const auto r = form2->results(); ... }
class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    // Before each opening: the Settings tab's inner diameter and channel angle texts, whether
    // "вода" is the selected medium (only then the temperatures fill the viscosities), and the
    // meter's firmware version byte.
    void prepare(const QString& diameter, const QString& angle, bool water, int firmwareVersion);

    // The result fields' texts, copied unchanged into the Settings tab after "OK".
    struct Results {
        QString correctionK;
        QString coefficientA;
        QString coefficientB;
        QString coefficientC;
    };
    Results results() const;

    // The fields as they stand.
    calculators::CorrectionForm form() const;

    // Replaces the modal error box (for tests and other front ends).
    void setErrorReporter(CalculatorErrorReporter reporter);

public slots:
    void Button1Click(); // "Расчёт"

private slots:
    void Edit8Change();
    void Edit9Change();
    void RadioButton1Click();
    void RoughnessItemClick(int tag);
    void showRoughnessMenu(QWidget* source, const QPoint& position);

private:
    void showForm(const calculators::CorrectionForm& form);
    void report(const QString& error);

    std::unique_ptr<Ui::Form2> ui;
    int firmwareVersion_ = 0;
    CalculatorErrorReporter reportError_ = showCalculatorError;
};
