// The Update tab: loading a firmware image and reprogramming the meter.

#include "app/ProU.h"
#include "core/Texts.h"
#include "firmware/FirmwareTexts.h"
#include "firmware/Programming.h"
#include "ui_Form1.h"

#include <QFileDialog>

void TForm1::setUpFirmwareTab() {
    OpenDialog1 = new QFileDialog(this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setNameFilter(firmware_texts::openDialogFilter());
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog1->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ReadOnly);
    // Programming is armed once an image is loaded.
    actionControls_[ui->Button10] = false;
    connect(ui->Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
    connect(ui->Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
}

void TForm1::Button9Click() {
    if (busy_)
        return;
    ActionScope scope(*this);
    if (OpenDialog1->exec() != QDialog::Accepted || OpenDialog1->selectedFiles().isEmpty())
        return;
    const QString path = OpenDialog1->selectedFiles().first();
    const ImageLoad load = loadFirmwareImage(path);
    if (!load.image) {
        showError(texts::errorCaption(), load.error);
        return;
    }
    firmwareImage_ = *load.image;
    ui->Edit10->setText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    ui->Label18->setText(firmwareImage_.versionText());
    ui->Label24->setText(firmwareImage_.creationDateText());
    setActionEnabled(ui->Button10, true);
}

void TForm1::Button10Click() {
    if (busy_)
        return;
    ActionScope scope(*this, true);
    programming::run(session_, linkTarget(), firmwareImage_, QDate::currentDate());
}
