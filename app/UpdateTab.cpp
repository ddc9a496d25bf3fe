#include "app/UpdateTab.h"

#include "app/FileFolders.h"
#include "core/Frontend.h"
#include "core/Texts.h"
#include "firmware/FirmwareTexts.h"
#include "firmware/Programming.h"
#include "ui_Form1.h"

#include <QFileDialog>

UpdateTab::UpdateTab(const TabContext& context) : c_(context) {
    OpenDialog1 = new QFileDialog(&c_.window);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setNameFilter(firmware::texts::openDialogFilter());
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog1->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ReadOnly);
    // Programming is armed once an image is loaded.
    c_.setActionEnabled(c_.ui.Button10, false);
}

void UpdateTab::setFolder(const QString& folder) {
    OpenDialog1->setDirectory(folder);
    c_.ui.Edit10->setText(folder);
}

void UpdateTab::loadImage() {
    file_folders::openIn(OpenDialog1);
    if (OpenDialog1->exec() != QDialog::Accepted || OpenDialog1->selectedFiles().isEmpty())
        return;
    const QString path = OpenDialog1->selectedFiles().first();
    file_folders::remember(path);
    const firmware::ImageLoad load = firmware::loadFirmwareImage(path);
    if (!load.image) {
        c_.session.frontend().showError(core::texts::errorCaption(), load.error);
        return;
    }
    firmwareImage_ = *load.image;
    c_.ui.Edit10->setText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    c_.ui.Label18->setText(firmwareImage_.versionText());
    c_.ui.Label24->setText(firmwareImage_.creationDateText());
    c_.setActionEnabled(c_.ui.Button10, true);
}

void UpdateTab::program(const line::LinkTarget& target) {
    firmware::programming::run(c_.session, target, firmwareImage_,
                               std::function<QDate()>(&QDate::currentDate));
}
