#include "app/SettingsTab.h"

#include "actions/Actions.h"
#include "app/FileFolders.h"
#include "core/Frontend.h"
#include "core/Outcome.h"
#include "core/Texts.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsImage.h"
#include "settings/SettingsReadout.h"
#include "settings/SettingsTexts.h"
#include "settings/SettingsWriter.h"
#include "settings/TabConversions.h"
#include "ui_Form1.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>

namespace {

using Medium = settings::SettingsForm::Medium;
using Period = settings::SettingsForm::Period;

// The lists' items in their order: "вода", "нефтепродукты"; "1", "4".
int mediumIndex(Medium m) { return m == Medium::Water ? 0 : m == Medium::Oil ? 1 : -1; }
Medium mediumAt(int index) {
    return index == 0 ? Medium::Water : index == 1 ? Medium::Oil : Medium::None;
}
int periodIndex(Period p) { return p == Period::OneSecond ? 0 : p == Period::FourSeconds ? 1 : -1; }
Period periodAt(int index) {
    return index == 0 ? Period::OneSecond : index == 1 ? Period::FourSeconds : Period::None;
}

QFileDialog* settingsDialog(QWidget* parent, const char* name, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(parent);
    dialog->setObjectName(QLatin1String(name));
    dialog->setNameFilter(settings::texts::fileFilter());
    dialog->setAcceptMode(mode);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    if (mode == QFileDialog::AcceptOpen) {
        dialog->setFileMode(QFileDialog::ExistingFile);
    } else {
        // The save dialog asks before it overwrites, and a bare name gets ".dat".
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setDefaultSuffix(QLatin1String(settings::file::kSuffix));
    }
    return dialog;
}

// The text field of each typed setting, as the field table names it.
QLineEdit* editOf(QWidget& window, settings::FieldId id) {
    return window.findChild<QLineEdit*>(QLatin1String(settings::tabWidget(id)));
}

} // namespace

SettingsTab::SettingsTab(const TabContext& context) : c_(context) {
    // Both lists start with nothing selected.
    c_.ui.ComboBox2->setCurrentIndex(-1);
    c_.ui.ComboBox3->setCurrentIndex(-1);

    OpenDialog2 = settingsDialog(&c_.window, "OpenDialog2", QFileDialog::AcceptOpen);
    SaveDialog2 = settingsDialog(&c_.window, "SaveDialog2", QFileDialog::AcceptSave);
    c_.setActionEnabled(c_.ui.SpeedButton1, true);
    c_.setActionEnabled(c_.ui.SpeedButton2, true);
    applyInsertionRule();
    applyMediumRule();
}

void SettingsTab::setFolder(const QString& folder) {
    OpenDialog2->setDirectory(folder);
    SaveDialog2->setDirectory(folder);
}

settings::SettingsForm SettingsTab::form() const {
    settings::SettingsForm f;
    f.diametral = !c_.ui.RadioButton1->isChecked();
    f.sensorsType3 = !c_.ui.RadioButton3->isChecked();
    f.medium = mediumAt(c_.ui.ComboBox2->currentIndex());
    f.period = periodAt(c_.ui.ComboBox3->currentIndex());
    for (const settings::FieldId id : settings::typedFields())
        f.*settings::typedText(id) = editOf(c_.window, id)->text();
    f.cutoffInPercent = !c_.ui.RadioButton5->isChecked();
    f.windowOffset = c_.ui.RzSpinEdit1->value();
    f.date = c_.ui.DateTimePicker1->date();
    f.time = c_.ui.Edit13->text();
    f.clearDaily = c_.ui.CheckBox1->isChecked();
    f.clearMinute = c_.ui.CheckBox2->isChecked();
    return f;
}

void SettingsTab::show(const settings::SettingsForm& f) {
    (f.diametral ? c_.ui.RadioButton2 : c_.ui.RadioButton1)->setChecked(true);
    (f.sensorsType3 ? c_.ui.RadioButton4 : c_.ui.RadioButton3)->setChecked(true);
    c_.ui.ComboBox2->setCurrentIndex(mediumIndex(f.medium));
    c_.ui.ComboBox3->setCurrentIndex(periodIndex(f.period));
    {
        // The cutoff's text already is in the form's unit: no conversion.
        const QSignalBlocker block5(c_.ui.RadioButton5);
        const QSignalBlocker block6(c_.ui.RadioButton6);
        (f.cutoffInPercent ? c_.ui.RadioButton6 : c_.ui.RadioButton5)->setChecked(true);
    }
    for (const settings::FieldId id : settings::typedFields())
        editOf(c_.window, id)->setText(f.*settings::typedText(id));
    c_.ui.RzSpinEdit1->setValue(f.windowOffset);
    if (f.date.isValid())
        c_.ui.DateTimePicker1->setDate(f.date);
    c_.ui.Edit13->setText(f.time);
    c_.ui.CheckBox1->setChecked(f.clearDaily);
    c_.ui.CheckBox2->setChecked(f.clearMinute);
    applyInsertionRule();
    applyMediumRule();
}

void SettingsTab::applyInsertionRule() {
    const bool diametral = !c_.ui.RadioButton1->isChecked();
    c_.setActionEnabled(c_.ui.Button7, diametral);
    c_.ui.Label6->setEnabled(diametral);
    c_.ui.Edit5->setEnabled(diametral);
}

void SettingsTab::applyMediumRule() {
    c_.setActionEnabled(c_.ui.Button6, mediumAt(c_.ui.ComboBox2->currentIndex()) == Medium::Water);
}

void SettingsTab::read(const line::LinkTarget& target) {
    const actions::SettingsRun run = actions::readSettings(c_.session, target, form(), QLocale());
    if (run.form)
        show(*run.form);
}

void SettingsTab::write(const line::LinkTarget& target) {
    actions::writeSettings(c_.session, target, form(), QLocale(), QDateTime::currentDateTime());
}

void SettingsTab::compare(const line::LinkTarget& target) {
    const actions::SettingsCompareRun run =
        actions::compareSettings(c_.session, target, form(), QLocale());
    if (!run.read)
        return; // the status line says why
    if (run.differences.empty()) {
        c_.session.frontend().showInformation(settings::texts::compareCaption(),
                                              settings::texts::settingsEqual());
        return;
    }
    // One row per differing setting: its label, the meter's value, the form's.
    QDialog dialog(&c_.window);
    dialog.setObjectName(QStringLiteral("CompareDialog"));
    dialog.setWindowTitle(settings::texts::compareCaption());
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        new QLabel(settings::texts::settingsDiffer(int(run.differences.size())), &dialog));
    auto* table = new QTableWidget(int(run.differences.size()), 3, &dialog);
    table->setObjectName(QStringLiteral("CompareTable"));
    table->setHorizontalHeaderLabels({QCoreApplication::translate("TForm1", "Параметр"),
                                      QCoreApplication::translate("TForm1", "В приборе"),
                                      QCoreApplication::translate("TForm1", "В форме")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < int(run.differences.size()); ++row) {
        const settings::FieldDifference& d = run.differences[std::size_t(row)];
        table->setItem(row, 0, new QTableWidgetItem(d.label));
        table->setItem(row, 1, new QTableWidgetItem(d.meter));
        table->setItem(row, 2, new QTableWidgetItem(d.intended));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.resize(560, 120 + 30 * int(run.differences.size()));
    dialog.exec();
}

void SettingsTab::loadFile() {
    file_folders::openIn(OpenDialog2);
    if (OpenDialog2->exec() != QDialog::Accepted || OpenDialog2->selectedFiles().isEmpty())
        return;
    file_folders::remember(OpenDialog2->selectedFiles().first());
    const settings::file::LoadResult r =
        settings::file::load(OpenDialog2->selectedFiles().first(), form(), QLocale());
    if (!r.form) {
        c_.session.frontend().showError(core::texts::errorCaption(), r.error);
        return;
    }
    show(*r.form);
}

void SettingsTab::saveFile() {
    file_folders::openIn(SaveDialog2);
    if (SaveDialog2->exec() != QDialog::Accepted || SaveDialog2->selectedFiles().isEmpty())
        return;
    const QString path = settings::file::withDefaultSuffix(SaveDialog2->selectedFiles().first());
    file_folders::remember(path);
    QString reason;
    const QString error = settings::file::save(path, form(), &reason);
    if (!error.isEmpty()) {
        c_.session.frontend().showError(core::texts::errorCaption(), error);
        core::finish(c_.session.frontend(), core::Outcome::saveFailed(path, reason));
    } else {
        c_.session.frontend().setStatus(core::texts::savedTo(path));
    }
}

void SettingsTab::convertZeroCutoff(bool toPercent) {
    if (const auto text = settings::conversions::convertZeroCutoff(
            c_.ui.Edit1->text(), c_.ui.Edit3->text(), toPercent, QLocale()))
        c_.ui.Edit1->setText(*text);
}

void SettingsTab::fillTime() {
    c_.ui.Edit13->setText(settings::conversions::timeFill(QTime::currentTime()));
}

void SettingsTab::fillDateAndTime() {
    // One reading of the clock for both fields, so that a press at midnight cannot pair
    // yesterday's date with today's time.
    const QDateTime now = QDateTime::currentDateTime();
    c_.ui.DateTimePicker1->setDate(now.date());
    c_.ui.Edit13->setText(settings::conversions::timeFill(now.time()));
}
