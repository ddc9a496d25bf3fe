#pragma once

#include "app/CalculatorErrorBox.h"
#include "calculators/ChannelCalculator.h"

#include <QDialog>

#include <memory>

namespace Ui {
class Form3;
}

// The channel-length calculator dialog. The main window creates it once and keeps it:
//     form3->move(pos());
//     if (form3->exec() == QDialog::Accepted) Edit4->setText(form3->lengthText());
class TForm3 : public QDialog {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    // The result field's text, copied unchanged into the Settings tab after "OK".
    QString lengthText() const;

    // The fields as they stand.
    calculators::ChannelForm form() const;

    // Replaces the modal error box (for tests and other front ends).
    void setErrorReporter(CalculatorErrorReporter reporter);

public slots:
    void Button1Click(); // "Расчёт"

private:
    std::unique_ptr<Ui::Form3> ui;
    CalculatorErrorReporter reportError_ = showCalculatorError;
};
