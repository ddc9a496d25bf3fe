#include "app/Unit5.h"

#include "app/DialogTitle.h"
#include "calculators/CalculatorTexts.h"

#include "ui_Form5.h"

using namespace calculators;

TForm5::TForm5(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::Form5>()) {
    ui->setupUi(this);

    setWindowTitle(pulseCaption());
    widenForTitle(this);
    ui->Label2->setText(diameterLabel());
    ui->RadioButton1->setText(velocityMaxLabel());
    ui->RadioButton2->setText(flowMaxLabel());
    ui->Label1->setText(pulseRateLabel());
    ui->Label3->setText(pulseWeightLabelLine1() + QLatin1Char('\n') + pulseWeightLabelLine2());
    ui->Button1->setText(calculateButton());
    ui->Button2->setText(okButton());
    ui->Button3->setText(cancelButton());

    connect(ui->RadioButton1, &QRadioButton::toggled, this, &TForm5::RadioButton1Click);
    connect(ui->Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->Button3, &QPushButton::clicked, this, &QDialog::reject);
    RadioButton1Click();
}

TForm5::~TForm5() = default;

void TForm5::prepare(const QString& diameter) { ui->Edit2->setText(diameter); }

QString TForm5::pulseWeightText() const { return ui->Edit3->text(); }

PulseForm TForm5::form() const {
    PulseForm f;
    f.diameter = ui->Edit2->text();
    f.byVelocity = ui->RadioButton1->isChecked();
    f.velocityMax = ui->Edit11->text();
    f.flowMax = ui->Edit12->text();
    f.pulseRate = ui->Edit1->text();
    f.pulseWeight = ui->Edit3->text();
    return f;
}

void TForm5::setErrorReporter(CalculatorErrorReporter reporter) {
    reportError_ = reporter ? std::move(reporter) : showCalculatorError;
}

void TForm5::Button1Click() {
    PulseForm f = form();
    const QString error = calculatePulseWeight(f, QLocale());
    ui->Edit11->setText(f.velocityMax);
    ui->Edit12->setText(f.flowMax);
    ui->Edit3->setText(f.pulseWeight);
    if (!error.isEmpty())
        reportError_(this, error);
}

// In flow mode the diameter only serves to show the velocity, so it is not typed then.
void TForm5::RadioButton1Click() {
    const bool byVelocity = ui->RadioButton1->isChecked();
    ui->Edit2->setEnabled(byVelocity);
    ui->Label2->setEnabled(byVelocity);
    ui->Edit11->setEnabled(byVelocity);
    ui->Edit12->setEnabled(!byVelocity);
}
