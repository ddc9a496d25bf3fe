#include "app/Unit3.h"

#include "app/DialogTitle.h"
#include "calculators/CalculatorTexts.h"

#include "ui_Form3.h"

using namespace calculators;

TForm3::TForm3(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::Form3>()) {
    ui->setupUi(this);

    setWindowTitle(channelCaption());
    widenForTitle(this);
    ui->Label1->setText(timeDownLabel());
    ui->Label2->setText(timeUpLabel());
    ui->Label3->setText(temperatureLabel());
    ui->Label4->setText(lengthLabel());
    ui->Button1->setText(calculateButton());
    ui->Button2->setText(okButton());
    ui->Button3->setText(cancelButton());

    connect(ui->Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->Button3, &QPushButton::clicked, this, &QDialog::reject);
}

TForm3::~TForm3() = default;

QString TForm3::lengthText() const { return ui->Edit4->text(); }

ChannelForm TForm3::form() const {
    ChannelForm f;
    f.timeDown = ui->Edit1->text();
    f.timeUp = ui->Edit2->text();
    f.temperature = ui->Edit3->text();
    f.length = ui->Edit4->text();
    return f;
}

void TForm3::setErrorReporter(CalculatorErrorReporter reporter) {
    reportError_ = reporter ? std::move(reporter) : showCalculatorError;
}

void TForm3::Button1Click() {
    ChannelForm f = form();
    const QString error = calculateChannel(f, QLocale());
    ui->Edit4->setText(f.length);
    if (!error.isEmpty())
        reportError_(this, error);
}
