// The calculators beside the Settings tab's fields. Each dialog opens at the main window's
// corner and copies its results into the tab only when closed with OK.

#include "app/ProU.h"

#include "app/ActionStrip.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit5.h"
#include "ui_Form1.h"

void TForm1::setUpCalculators() {
    // The channel-length calculator serves water only, the correction calculator the
    // diametral insertion; both start disabled as the form's selections do.
    strip_->setActionEnabled(ui->Button6, false);
    strip_->setActionEnabled(ui->Button7, false);
    strip_->setActionEnabled(ui->Button8, true);
    connect(ui->Button6, &QToolButton::clicked, this, &TForm1::Button6Click);
    connect(ui->Button7, &QToolButton::clicked, this, &TForm1::Button7Click);
    connect(ui->Button8, &QToolButton::clicked, this, &TForm1::Button8Click);
}

void TForm1::Button6Click() {
    if (!Form3)
        Form3 = new TForm3(this);
    Form3->move(pos());
    if (Form3->exec() == QDialog::Accepted)
        ui->Edit4->setText(Form3->lengthText());
}

void TForm1::Button7Click() {
    if (!Form2)
        Form2 = new TForm2(this);
    Form2->move(pos());
    Form2->prepare(ui->Edit3->text(), ui->Edit5->text(), ui->ComboBox2->currentIndex() == 0,
                   session_->firmwareVersionByte());
    if (Form2->exec() != QDialog::Accepted)
        return;
    const TForm2::Results results = Form2->results();
    ui->Edit6->setText(results.correctionK);
    ui->Edit7->setText(results.coefficientA);
    ui->Edit8->setText(results.coefficientB);
    ui->Edit9->setText(results.coefficientC);
}

void TForm1::Button8Click() {
    if (!Form5)
        Form5 = new TForm5(this);
    Form5->move(pos());
    Form5->prepare(ui->Edit3->text());
    if (Form5->exec() == QDialog::Accepted)
        ui->Edit2->setText(Form5->pulseWeightText());
}
