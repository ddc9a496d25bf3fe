#include "app/Unit2.h"

#include "app/DialogTitle.h"
#include "calculators/CalculatorTables.h"
#include "calculators/CalculatorTexts.h"

#include "ui_Form2.h"

#include <QStyle>

using namespace calculators;

TForm2::TForm2(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::Form2>()) {
    ui->setupUi(this);

    setWindowTitle(correctionCaption());
    widenForTitle(this);
    ui->Label1->setText(diameterLabel());
    ui->Label2->setText(angleLabel());
    ui->Label5->setText(roughnessLabel());
    ui->Label8->setText(temperatureMaxLabel());
    ui->Label9->setText(temperatureMinLabel());
    ui->Label6->setText(viscosityMinLabel());
    ui->Label7->setText(viscosityMaxLabel());
    ui->RadioButton1->setText(velocityMaxLabel());
    ui->RadioButton2->setText(flowMaxLabel());
    ui->Label16->setText(correctionKLabel());
    ui->Label3->setText(coefficientALabel());
    ui->Label4->setText(coefficientBLabel());
    ui->Label13->setText(coefficientCLabel());
    ui->Button1->setText(calculateButton());
    ui->Button2->setText(okButton());
    ui->Button3->setText(cancelButton());

    // The viscosity defaults follow the default temperatures in the locale's notation.
    const CorrectionForm defaults = defaultCorrectionForm(QLocale());
    ui->Edit6->setText(defaults.viscosityMin);
    ui->Edit7->setText(defaults.viscosityMax);

    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    ui->Image1->setPixmap(
        style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(iconSize, iconSize));
    for (QWidget* source : {static_cast<QWidget*>(ui->Edit5), static_cast<QWidget*>(ui->Image1)}) {
        source->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(source, &QWidget::customContextMenuRequested, this,
                [this, source](const QPoint& position) { showRoughnessMenu(source, position); });
    }
    for (QAction* item : findChildren<QAction*>()) {
        const QVariant tag = item->property("Tag");
        if (tag.isValid())
            connect(item, &QAction::triggered, this,
                    [this, tag = tag.toInt()] { RoughnessItemClick(tag); });
    }

    connect(ui->Edit8, &QLineEdit::textChanged, this, &TForm2::Edit8Change);
    connect(ui->Edit9, &QLineEdit::textChanged, this, &TForm2::Edit9Change);
    connect(ui->RadioButton1, &QRadioButton::toggled, this, &TForm2::RadioButton1Click);
    connect(ui->Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->Button3, &QPushButton::clicked, this, &QDialog::reject);
    RadioButton1Click();
}

TForm2::~TForm2() = default;

void TForm2::prepare(const QString& diameter, const QString& angle, bool water,
                     int firmwareVersion) {
    ui->Edit1->setText(diameter);
    ui->Edit2->setText(angle);
    ui->Edit8->setEnabled(water);
    ui->Edit9->setEnabled(water);
    firmwareVersion_ = firmwareVersion;
    ui->Label10->setText(QString::number(firmwareVersion));
}

TForm2::Results TForm2::results() const {
    return {ui->Edit16->text(), ui->Edit3->text(), ui->Edit4->text(), ui->Edit10->text()};
}

CorrectionForm TForm2::form() const {
    CorrectionForm f;
    f.diameter = ui->Edit1->text();
    f.angle = ui->Edit2->text();
    f.roughness = ui->Edit5->text();
    f.temperatureMax = ui->Edit8->text();
    f.temperatureMin = ui->Edit9->text();
    f.viscosityMin = ui->Edit6->text();
    f.viscosityMax = ui->Edit7->text();
    f.byVelocity = ui->RadioButton1->isChecked();
    f.velocityMax = ui->Edit11->text();
    f.flowMax = ui->Edit12->text();
    f.correctionK = ui->Edit16->text();
    f.coefficientA = ui->Edit3->text();
    f.coefficientB = ui->Edit4->text();
    f.coefficientC = ui->Edit10->text();
    f.firmwareVersion = firmwareVersion_;
    return f;
}

// Only the fields a calculation writes.
void TForm2::showForm(const CorrectionForm& f) {
    ui->Edit11->setText(f.velocityMax);
    ui->Edit12->setText(f.flowMax);
    ui->Edit16->setText(f.correctionK);
    ui->Edit3->setText(f.coefficientA);
    ui->Edit4->setText(f.coefficientB);
    ui->Edit10->setText(f.coefficientC);
}

void TForm2::setErrorReporter(CalculatorErrorReporter reporter) {
    reportError_ = reporter ? std::move(reporter) : showCalculatorError;
}

void TForm2::report(const QString& error) {
    if (!error.isEmpty())
        reportError_(this, error);
}

void TForm2::Button1Click() {
    CorrectionForm f = form();
    const QString error = calculateCorrection(f, QLocale());
    showForm(f);
    report(error);
}

void TForm2::Edit8Change() {
    const ViscosityLookup lookup = viscosityForTemperature(ui->Edit8->text(), QLocale());
    if (lookup.changes)
        ui->Edit6->setText(lookup.viscosity);
    report(lookup.error);
}

void TForm2::Edit9Change() {
    const ViscosityLookup lookup = viscosityForTemperature(ui->Edit9->text(), QLocale());
    if (lookup.changes)
        ui->Edit7->setText(lookup.viscosity);
    report(lookup.error);
}

void TForm2::RadioButton1Click() {
    const bool byVelocity = ui->RadioButton1->isChecked();
    ui->Edit11->setEnabled(byVelocity);
    ui->Edit12->setEnabled(!byVelocity);
}

void TForm2::RoughnessItemClick(int tag) {
    const QString text = roughnessText(tag, QLocale());
    if (!text.isEmpty())
        ui->Edit5->setText(text);
}

void TForm2::showRoughnessMenu(QWidget* source, const QPoint& position) {
    ui->PopupMenu1->popup(source->mapToGlobal(position));
}
