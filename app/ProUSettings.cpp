// The Settings tab: reading the meter's settings into the tab, writing them back with the clock
// and the archive clearing, the settings file, and the tab's own reactions; also clearing the
// totals from the Info tab.

#include "app/ProU.h"
#include "app/frame/Actions.h"
#include "core/Texts.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsReadout.h"
#include "settings/SettingsTexts.h"
#include "settings/SettingsWriter.h"
#include "settings/TabConversions.h"
#include "ui_Form1.h"

#include <QEvent>
#include <QFileDialog>
#include <QSignalBlocker>

#include <functional>

namespace {

// A double click on a text field, which has no signal of its own for it.
class DoubleClickFilter : public QObject {
public:
    DoubleClickFilter(QObject* parent, std::function<void()> onDoubleClick)
        : QObject(parent), onDoubleClick_(std::move(onDoubleClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) {
            onDoubleClick_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onDoubleClick_;
};

using Medium = SettingsForm::Medium;
using Period = SettingsForm::Period;

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
    dialog->setNameFilter(settings_texts::fileFilter());
    dialog->setAcceptMode(mode);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    if (mode == QFileDialog::AcceptOpen) {
        dialog->setFileMode(QFileDialog::ExistingFile);
    } else {
        // The save dialog asks before it overwrites, and a bare name gets ".dat".
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setDefaultSuffix(QLatin1String(settings_file::kSuffix));
    }
    return dialog;
}

} // namespace

void TForm1::setUpSettingsTab() {
    // Both lists start with nothing selected.
    ui->ComboBox2->setCurrentIndex(-1);
    ui->ComboBox3->setCurrentIndex(-1);

    OpenDialog2 = settingsDialog(this, "OpenDialog2", QFileDialog::AcceptOpen);
    SaveDialog2 = settingsDialog(this, "SaveDialog2", QFileDialog::AcceptSave);
    actionControls_[ui->SpeedButton1] = true;
    actionControls_[ui->SpeedButton2] = true;
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(ui->SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);

    // The reactions run when the engineer moves a selection, not when the tab is filled.
    connect(ui->RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton1Click();
    });
    connect(ui->RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton2Click();
    });
    connect(ui->RadioButton5, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton5Click();
    });
    connect(ui->RadioButton6, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton6Click();
    });
    connect(ui->ComboBox2, &QComboBox::activated, this, &TForm1::ComboBox2Change);
    ui->Edit13->installEventFilter(new DoubleClickFilter(ui->Edit13, [this] { Edit13DblClick(); }));

    applyInsertionRule();
    applyMediumRule();
}

SettingsForm TForm1::settingsForm() const {
    SettingsForm f;
    f.diametral = !ui->RadioButton1->isChecked();
    f.sensorsType3 = !ui->RadioButton3->isChecked();
    f.medium = mediumAt(ui->ComboBox2->currentIndex());
    f.period = periodAt(ui->ComboBox3->currentIndex());
    f.diameter = ui->Edit3->text();
    f.base = ui->Edit4->text();
    f.angle = ui->Edit5->text();
    f.cableLength = ui->Edit11->text();
    f.k = ui->Edit6->text();
    f.a = ui->Edit7->text();
    f.b = ui->Edit8->text();
    f.c = ui->Edit9->text();
    f.zeroCutoff = ui->Edit1->text();
    f.cutoffInPercent = !ui->RadioButton5->isChecked();
    f.pulseWeight = ui->Edit2->text();
    f.zeroOffset = ui->Edit12->text();
    f.windowOffset = ui->RzSpinEdit1->value();
    f.date = ui->DateTimePicker1->date();
    f.time = ui->Edit13->text();
    f.clearDaily = ui->CheckBox1->isChecked();
    f.clearMinute = ui->CheckBox2->isChecked();
    return f;
}

void TForm1::showSettingsForm(const SettingsForm& f) {
    (f.diametral ? ui->RadioButton2 : ui->RadioButton1)->setChecked(true);
    (f.sensorsType3 ? ui->RadioButton4 : ui->RadioButton3)->setChecked(true);
    ui->ComboBox2->setCurrentIndex(mediumIndex(f.medium));
    ui->ComboBox3->setCurrentIndex(periodIndex(f.period));
    ui->Edit3->setText(f.diameter);
    ui->Edit4->setText(f.base);
    ui->Edit5->setText(f.angle);
    ui->Edit11->setText(f.cableLength);
    ui->Edit6->setText(f.k);
    ui->Edit7->setText(f.a);
    ui->Edit8->setText(f.b);
    ui->Edit9->setText(f.c);
    {
        // The cutoff's text already is in the form's unit: no conversion.
        const QSignalBlocker block5(ui->RadioButton5);
        const QSignalBlocker block6(ui->RadioButton6);
        (f.cutoffInPercent ? ui->RadioButton6 : ui->RadioButton5)->setChecked(true);
    }
    ui->Edit1->setText(f.zeroCutoff);
    ui->Edit2->setText(f.pulseWeight);
    ui->Edit12->setText(f.zeroOffset);
    ui->RzSpinEdit1->setValue(f.windowOffset);
    if (f.date.isValid())
        ui->DateTimePicker1->setDate(f.date);
    ui->Edit13->setText(f.time);
    ui->CheckBox1->setChecked(f.clearDaily);
    ui->CheckBox2->setChecked(f.clearMinute);
    applyInsertionRule();
    applyMediumRule();
}

void TForm1::applyInsertionRule() {
    const bool diametral = !ui->RadioButton1->isChecked();
    setActionEnabled(ui->Button7, diametral);
    ui->Label6->setEnabled(diametral);
    ui->Edit5->setEnabled(diametral);
}

void TForm1::applyMediumRule() {
    setActionEnabled(ui->Button6, mediumAt(ui->ComboBox2->currentIndex()) == Medium::Water);
}

void TForm1::runSettingsRead() {
    const frame::SettingsRun run =
        frame::readSettings(session_, linkTarget(), settingsForm(), QLocale());
    if (run.form)
        showSettingsForm(*run.form);
}

void TForm1::runSettingsWrite() {
    frame::writeSettings(session_, linkTarget(), settingsForm(), QLocale());
}

void TForm1::runTotalsClearing() { frame::clearTotals(session_, linkTarget()); }

void TForm1::SpeedButton1Click() {
    if (busy_)
        return;
    ActionScope scope(*this);
    if (OpenDialog2->exec() != QDialog::Accepted || OpenDialog2->selectedFiles().isEmpty())
        return;
    const settings_file::LoadResult r =
        settings_file::load(OpenDialog2->selectedFiles().first(), settingsForm(), QLocale());
    if (!r.form) {
        showError(texts::errorCaption(), r.error);
        return;
    }
    showSettingsForm(*r.form);
}

void TForm1::SpeedButton2Click() {
    if (busy_)
        return;
    ActionScope scope(*this);
    if (SaveDialog2->exec() != QDialog::Accepted || SaveDialog2->selectedFiles().isEmpty())
        return;
    const QString path = settings_file::withDefaultSuffix(SaveDialog2->selectedFiles().first());
    const QString error = settings_file::save(path, settingsForm());
    if (!error.isEmpty())
        showError(texts::errorCaption(), error);
}

void TForm1::RadioButton1Click() { applyInsertionRule(); }

void TForm1::RadioButton2Click() { applyInsertionRule(); }

void TForm1::RadioButton5Click() { convertZeroCutoff(false); }

void TForm1::RadioButton6Click() { convertZeroCutoff(true); }

void TForm1::convertZeroCutoff(bool toPercent) {
    if (const auto text = tab_conversions::convertZeroCutoff(ui->Edit1->text(), ui->Edit3->text(),
                                                             toPercent, QLocale()))
        ui->Edit1->setText(*text);
}

void TForm1::ComboBox2Change() { applyMediumRule(); }

void TForm1::Edit13DblClick() {
    ui->Edit13->setText(tab_conversions::timeFill(QTime::currentTime()));
}
