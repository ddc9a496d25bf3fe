#include "app/VisitDialog.h"

#include "app/DialogTitle.h"
#include "app/FileFolders.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const char* const kEngineerKey = "visit/engineer";

QSettings remembered() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zetra"),
                     QStringLiteral("zetra"));
}
} // namespace

VisitDialog::VisitDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("VisitDialog"));
    setWindowTitle(tr("Обслуживание"));
    engineer_ = new QLineEdit(this);
    engineer_->setObjectName(QStringLiteral("VisitEngineer"));
    engineer_->setText(remembered().value(QLatin1String(kEngineerKey)).toString());
    setClock_ = new QCheckBox(tr("Установить часы прибора по ПК"), this);
    setClock_->setObjectName(QStringLiteral("VisitSetClock"));
    file_ = new QLineEdit(this);
    file_->setObjectName(QStringLiteral("VisitActFile"));
    file_->setPlaceholderText(tr("без акта"));
    auto* browse = new QToolButton(this);
    browse->setObjectName(QStringLiteral("VisitActBrowse"));
    browse->setText(QStringLiteral("..."));
    connect(browse, &QToolButton::clicked, this, [this] {
        const QString name = QFileDialog::getSaveFileName(
            this, tr("Акт обслуживания"), file_folders::last(), tr("документ PDF (*.pdf)"), nullptr,
            QFileDialog::DontUseNativeDialog);
        if (!name.isEmpty())
            file_->setText(name);
    });
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(browse);

    auto* form = new QFormLayout;
    form->addRow(tr("Инженер:"), engineer_);
    form->addRow(QString(), setClock_);
    form->addRow(tr("Акт (PDF):"), fileRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Начать"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    widenForTitle(this);
}

QString VisitDialog::engineer() const { return engineer_->text().trimmed(); }

bool VisitDialog::setClock() const { return setClock_->isChecked(); }

QString VisitDialog::actFile() const {
    const QString name = file_->text().trimmed();
    if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + QStringLiteral(".pdf");
}

void VisitDialog::accept() {
    remembered().setValue(QLatin1String(kEngineerKey), engineer());
    if (!actFile().isEmpty())
        file_folders::remember(actFile());
    QDialog::accept();
}
