// The Settings tab in the window: its starting state, its reactions, and the settings file
// through the two file buttons.

#include "app/ProU.h"
#include "settings/TabConversions.h"
#include "sim/Sim.h"
#include "tests/support/Controls.h"
#include "tests/support/ModalDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {
QLineEdit* edit(QWidget& w, const char* name) { return child<QLineEdit>(w, name); }

// Answers the next file dialog with `path` (or cancels it when empty); `check` looks at the
// dialog first.
void inNextFileDialog(const QString& path,
                      const std::function<void(QFileDialog&)>& check = nullptr) {
    modal::onNext<QFileDialog>([path, check](QFileDialog& dialog) {
        if (check)
            check(dialog);
        if (path.isEmpty()) {
            dialog.reject();
            return;
        }
        dialog.selectFile(path);
        if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        static_cast<QDialog&>(dialog).accept();
    });
}

// Answers the next message box with `button`, keeping its text and caption; `then` runs once
// the box is answered (to answer the box that follows it).
void inNextMessageBox(QMessageBox::StandardButton button, QString* text, QString* caption,
                      const std::function<void()>& then = nullptr) {
    modal::onNext<QMessageBox>([=](QMessageBox& box) {
        if (text)
            *text = box.text();
        if (caption)
            *caption = box.windowTitle();
        box.button(button)->click();
        if (then)
            then();
    });
}
} // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    static void openSettingsTab(TForm1& w) {
        w.show();
        child<QTabWidget>(w, "PageControl1")->setCurrentIndex(2);
    }

    // A window whose selected port is the simulated meter's pseudo-terminal.
    static void attach(TForm1& w, sim::Server& meter) {
        auto* ports = child<QComboBox>(w, "ComboBox1");
        ports->insertItem(0, meter.ptyPath() + QStringLiteral(" sim"));
        ports->setCurrentIndex(0);
    }

    static sim::Options meterOptions() {
        sim::Options o;
        o.servePipe = false;
        o.contents.date = QDate(2015, 3, 15);
        o.contents.hour = 10;
        o.contents.minute = 30;
        return o;
    }

    // The Settings tab shown on `meter`, its form filled.
    static void formOn(TForm1& w, sim::Server& meter) {
        openSettingsTab(w);
        attach(w, meter);
        fill(w);
    }

    static void fill(TForm1& w) {
        child<QRadioButton>(w, "RadioButton2")->click();
        child<QRadioButton>(w, "RadioButton4")->click();
        child<QComboBox>(w, "ComboBox2")->setCurrentIndex(0);
        child<QComboBox>(w, "ComboBox3")->setCurrentIndex(1);
        edit(w, "Edit3")->setText(QStringLiteral("100,0"));
        edit(w, "Edit4")->setText(QStringLiteral("200,0"));
        edit(w, "Edit5")->setText(QStringLiteral("45,00"));
        edit(w, "Edit11")->setText(QString());
        edit(w, "Edit6")->setText(QStringLiteral("1,0000"));
        edit(w, "Edit7")->setText(QStringLiteral("2,0000"));
        edit(w, "Edit8")->setText(QStringLiteral("3,0000"));
        edit(w, "Edit9")->setText(QStringLiteral("4,0000"));
        child<QRadioButton>(w, "RadioButton6")->click();
        edit(w, "Edit1")->setText(QStringLiteral("0,10"));
        edit(w, "Edit2")->setText(QStringLiteral("1,50"));
        edit(w, "Edit12")->setText(QStringLiteral("0,0000"));
        child<QSpinBox>(w, "RzSpinEdit1")->setValue(-7);
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        QVERIFY(dir.isValid());
    }

    void startingState() {
        // The window may open either side of midnight.
        const QDate before = QDate::currentDate();
        TForm1 w;
        openSettingsTab(w);
        const QDate after = QDate::currentDate();
        QCOMPARE(child<QComboBox>(w, "ComboBox2")->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(w, "ComboBox3")->currentIndex(), -1);
        QVERIFY(child<QRadioButton>(w, "RadioButton1")->isChecked());
        QVERIFY(child<QRadioButton>(w, "RadioButton3")->isChecked());
        QVERIFY(child<QRadioButton>(w, "RadioButton5")->isChecked());
        QVERIFY(!edit(w, "Edit5")->isEnabled());
        QVERIFY(!child<QLabel>(w, "Label6")->isEnabled());
        QVERIFY(!child<QToolButton>(w, "Button7")->isEnabled());
        QVERIFY(!child<QToolButton>(w, "Button6")->isEnabled());
        QVERIFY(child<QToolButton>(w, "SpeedButton1")->isEnabled());
        QVERIFY(child<QToolButton>(w, "SpeedButton2")->isEnabled());
        QVERIFY(child<QPushButton>(w, "Button1")->isEnabled());
        QVERIFY(child<QPushButton>(w, "Button2")->isEnabled());
        const QString time = edit(w, "Edit13")->text();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d$")).match(time).hasMatch(),
                 qPrintable(time));
        const QDate shown = child<QDateEdit>(w, "DateTimePicker1")->date();
        QVERIFY(shown == before || shown == after);
    }

    void insertionEnablesTheAngle() {
        TForm1 w;
        openSettingsTab(w);
        edit(w, "Edit5")->setText(QStringLiteral("30"));
        child<QRadioButton>(w, "RadioButton2")->click();
        QVERIFY(edit(w, "Edit5")->isEnabled());
        QVERIFY(child<QLabel>(w, "Label6")->isEnabled());
        QVERIFY(child<QToolButton>(w, "Button7")->isEnabled());
        child<QRadioButton>(w, "RadioButton1")->click();
        QVERIFY(!edit(w, "Edit5")->isEnabled());
        QVERIFY(!child<QLabel>(w, "Label6")->isEnabled());
        QVERIFY(!child<QToolButton>(w, "Button7")->isEnabled());
        QCOMPARE(edit(w, "Edit5")->text(), QStringLiteral("30"));
    }

    void mediumEnablesTheChannelCalculator() {
        TForm1 w;
        openSettingsTab(w);
        auto* medium = child<QComboBox>(w, "ComboBox2");
        auto* button6 = child<QToolButton>(w, "Button6");
        medium->setFocus();
        QTest::keyClick(medium, Qt::Key_Down); // the engineer picks "вода"
        QCOMPARE(medium->currentIndex(), 0);
        QVERIFY(button6->isEnabled());
        QTest::keyClick(medium, Qt::Key_Down); // then "нефтепродукты"
        QCOMPARE(medium->currentIndex(), 1);
        QVERIFY(!button6->isEnabled());
    }

    void cutoffFollowsItsUnit() {
        TForm1 w;
        openSettingsTab(w);
        edit(w, "Edit3")->setText(QStringLiteral("100"));
        edit(w, "Edit1")->setText(QStringLiteral("0,339292"));
        child<QRadioButton>(w, "RadioButton6")->click();
        QCOMPARE(edit(w, "Edit1")->text(), QStringLiteral("0,100000"));
        child<QRadioButton>(w, "RadioButton6")->click(); // already selected: nothing changes
        QCOMPARE(edit(w, "Edit1")->text(), QStringLiteral("0,100000"));
        child<QRadioButton>(w, "RadioButton5")->click();
        QCOMPARE(edit(w, "Edit1")->text(), QStringLiteral("0,339292"));

        edit(w, "Edit1")->clear();
        child<QRadioButton>(w, "RadioButton6")->click();
        QCOMPARE(edit(w, "Edit1")->text(), QString());
        QVERIFY(child<QRadioButton>(w, "RadioButton6")->isChecked());
        edit(w, "Edit1")->setText(QStringLiteral("много"));
        child<QRadioButton>(w, "RadioButton5")->click();
        QCOMPARE(edit(w, "Edit1")->text(), QStringLiteral("много"));
    }

    void doubleClickFillsTheTime() {
        TForm1 w;
        openSettingsTab(w);
        auto* time = edit(w, "Edit13");
        time->setText(QStringLiteral("xx"));
        const QString before = settings::conversions::timeFill(QTime::currentTime());
        QTest::mouseDClick(time, Qt::LeftButton);
        const QString after = settings::conversions::timeFill(QTime::currentTime());
        QVERIFY2(time->text() == before || time->text() == after, qPrintable(time->text()));
    }

    void windowOffsetIsClamped() {
        TForm1 w;
        openSettingsTab(w);
        auto* spin = child<QSpinBox>(w, "RzSpinEdit1");
        spin->setValue(150);
        QCOMPARE(spin->value(), 100);
        spin->setValue(-150);
        QCOMPARE(spin->value(), -100);
        spin->setValue(0);
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_PageUp);
        QCOMPARE(spin->value(), 10);
        QTest::keyClick(spin, Qt::Key_Up);
        QCOMPARE(spin->value(), 11);
    }

    void saveAndLoadThroughTheFileButtons() {
        TForm1 w;
        openSettingsTab(w);
        fill(w);

        const QString bare = dir.filePath(QStringLiteral("meter7"));
        inNextFileDialog(bare, [](QFileDialog& d) {
            QCOMPARE(d.objectName(), QStringLiteral("SaveDialog2"));
            QCOMPARE(d.nameFilters(), QStringList{QStringLiteral("файл с настройками (*.dat)")});
            QCOMPARE(d.acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(d.directory().absolutePath(),
                     QDir(QCoreApplication::applicationDirPath()).absolutePath());
        });
        child<QToolButton>(w, "SpeedButton2")->click();
        QFile saved(bare + QStringLiteral(".dat"));
        QVERIFY(saved.exists());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        saved.close();
        QCOMPARE(bytes.count("\r\n"), 33);

        // Saving over it asks first; No keeps the file as it was.
        edit(w, "Edit4")->setText(QStringLiteral("999,9"));
        QString question;
        inNextFileDialog(bare + QStringLiteral(".dat"), [&](QFileDialog& d) {
            // No to the overwrite question, then give up saving.
            inNextMessageBox(QMessageBox::No, &question, nullptr,
                             [&d] { QTimer::singleShot(0, &d, [&d] { d.reject(); }); });
        });
        child<QToolButton>(w, "SpeedButton2")->click();
        QVERIFY(!question.isEmpty());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), bytes);
        saved.close();

        // Loading brings every saved control back, the unit without converting the cutoff.
        TForm1 other;
        openSettingsTab(other);
        edit(other, "Edit3")->setText(QStringLiteral("1"));
        edit(other, "Edit1")->setText(QStringLiteral("5"));
        child<QCheckBox>(other, "CheckBox1")->setChecked(true);
        inNextFileDialog(bare + QStringLiteral(".dat"), [](QFileDialog& d) {
            QCOMPARE(d.objectName(), QStringLiteral("OpenDialog2"));
            QCOMPARE(d.fileMode(), QFileDialog::ExistingFile);
        });
        child<QToolButton>(other, "SpeedButton1")->click();
        QVERIFY(child<QRadioButton>(other, "RadioButton2")->isChecked());
        QVERIFY(child<QRadioButton>(other, "RadioButton4")->isChecked());
        QCOMPARE(child<QComboBox>(other, "ComboBox2")->currentIndex(), 0);
        QCOMPARE(child<QComboBox>(other, "ComboBox3")->currentIndex(), 1);
        QCOMPARE(edit(other, "Edit3")->text(), QStringLiteral("100,0"));
        QCOMPARE(edit(other, "Edit4")->text(), QStringLiteral("200,0"));
        QCOMPARE(edit(other, "Edit5")->text(), QStringLiteral("45,00"));
        QCOMPARE(edit(other, "Edit11")->text(), QString());
        QCOMPARE(edit(other, "Edit9")->text(), QStringLiteral("4,0000"));
        QVERIFY(child<QRadioButton>(other, "RadioButton6")->isChecked());
        QCOMPARE(edit(other, "Edit1")->text(), QStringLiteral("0,10"));
        QCOMPARE(edit(other, "Edit2")->text(), QStringLiteral("1,50"));
        QCOMPARE(child<QSpinBox>(other, "RzSpinEdit1")->value(), -7);
        QVERIFY(child<QCheckBox>(other, "CheckBox1")->isChecked()); // not in the file
        QVERIFY(edit(other, "Edit5")->isEnabled());
        QVERIFY(child<QToolButton>(other, "Button7")->isEnabled());
        QVERIFY(child<QToolButton>(other, "Button6")->isEnabled());

        // Cancel does nothing.
        edit(other, "Edit3")->setText(QStringLiteral("5"));
        inNextFileDialog(QString());
        child<QToolButton>(other, "SpeedButton1")->click();
        QCOMPARE(edit(other, "Edit3")->text(), QStringLiteral("5"));
    }

    void readFillsTheForm() {
        sim::Server meter(meterOptions());
        QVERIFY2(meter.start(), qPrintable(meter.errorString()));
        TForm1 w;
        openSettingsTab(w);
        attach(w, meter);
        child<QRadioButton>(w, "RadioButton2")->click();
        child<QPushButton>(w, "Button1")->click();
        QCOMPARE(statusOf(w), QStringLiteral("Завершено успешно"));
        QCOMPARE(edit(w, "Edit3")->text(), QStringLiteral("100,0"));
        QCOMPARE(edit(w, "Edit4")->text(), QStringLiteral("200,0"));
        QCOMPARE(edit(w, "Edit5")->text(), QStringLiteral("45,00"));
        QCOMPARE(edit(w, "Edit11")->text(), QStringLiteral("10,0"));
        QCOMPARE(edit(w, "Edit6")->text(), QStringLiteral("0,9387"));
        QCOMPARE(edit(w, "Edit7")->text(), QStringLiteral("0,9923"));
        QCOMPARE(edit(w, "Edit8")->text(), QStringLiteral("0,9973"));
        QCOMPARE(edit(w, "Edit9")->text(), QStringLiteral("0,9990"));
        QCOMPARE(edit(w, "Edit1")->text(), QStringLiteral("0,100000"));
        QCOMPARE(edit(w, "Edit2")->text(), QStringLiteral("1,00"));
        QCOMPARE(edit(w, "Edit12")->text(), QStringLiteral("0,5000"));
        QCOMPARE(edit(w, "Edit13")->text(), QStringLiteral("10:30"));
        QCOMPARE(child<QDateEdit>(w, "DateTimePicker1")->date(), QDate(2015, 3, 15));
        QCOMPARE(child<QSpinBox>(w, "RzSpinEdit1")->value(), 0);
        QCOMPARE(child<QComboBox>(w, "ComboBox2")->currentIndex(), 0);
        QCOMPARE(child<QComboBox>(w, "ComboBox3")->currentIndex(), 0);
        QVERIFY(child<QRadioButton>(w, "RadioButton1")->isChecked());
        QVERIFY(child<QRadioButton>(w, "RadioButton3")->isChecked());
        QVERIFY(!edit(w, "Edit5")->isEnabled());
        QVERIFY(!child<QToolButton>(w, "Button7")->isEnabled());
        QVERIFY(child<QToolButton>(w, "Button6")->isEnabled());
        QCOMPARE(meter.frameCount(), 17);
    }

    void applyAnsweredNoSendsNothing() {
        sim::Server meter(meterOptions());
        QVERIFY(meter.start());
        TForm1 w;
        formOn(w, meter);
        QString question, caption;
        inNextMessageBox(QMessageBox::No, &question, &caption);
        child<QPushButton>(w, "Button2")->click();
        QCOMPARE(caption, QStringLiteral("Внимание"));
        QCOMPARE(question,
                 QStringLiteral("Вы действительно хотите применить\nновые настройки к прибору?"));
        QCOMPARE(statusOf(w), QStringLiteral("Ждите..."));
        QCOMPARE(meter.frameCount(), 1); // the identity check only
    }

    void applyWritesTheMeter() {
        sim::Server meter(meterOptions());
        QVERIFY(meter.start());
        TForm1 w;
        formOn(w, meter);
        edit(w, "Edit11")->setText(QStringLiteral("10"));
        child<QDateEdit>(w, "DateTimePicker1")->setDate(QDate(2016, 6, 1));
        edit(w, "Edit13")->setText(QStringLiteral("07:45"));
        inNextMessageBox(QMessageBox::Yes, nullptr, nullptr);
        child<QPushButton>(w, "Button2")->click();
        QCOMPARE(statusOf(w), QStringLiteral("Завершено успешно"));
        meter.withMeter([](sim::Meter& m) {
            QCOMPARE(m.read(sim::Space::Settings, 16, 2), QByteArray::fromHex("E803"));
            QCOMPARE(m.read(sim::Space::Settings, 69, 1), QByteArray::fromHex("87"));
            QCOMPARE(m.read(sim::Space::Memory, 1238, 4), QByteArray::fromHex("6C17072D"));
        });

        // A form that does not pass: the error box, nothing written.
        const int frames = meter.frameCount();
        edit(w, "Edit2")->setText(QStringLiteral("0"));
        QString text, caption;
        inNextMessageBox(QMessageBox::Yes, nullptr, nullptr,
                         [&] { inNextMessageBox(QMessageBox::Ok, &text, &caption); });
        child<QPushButton>(w, "Button2")->click();
        QCOMPARE(caption, QStringLiteral("Ошибка"));
        QCOMPARE(text,
                 QStringLiteral("Вес импульса не может быть отрицательным числом\nили равен 0"));
        QCOMPARE(statusOf(w), QStringLiteral("Настройки не записаны"));
        QCOMPARE(meter.frameCount(), frames + 2); // identity and permission
    }

    // While the write runs, nothing that changes what it writes can be touched; after it,
    // everything is as it was.
    void writeLocksTheForm_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Edit3", "Edit5", "Edit12", "Edit13", "RadioButton1", "ComboBox2",
                                 "RzSpinEdit1", "DateTimePicker1", "CheckBox1", "SpeedButton3",
                                 "Button8", "DateTimePicker2", "Edit10"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void writeLocksTheForm() {
        QFETCH(QString, name);
        sim::Server meter(meterOptions());
        QVERIFY(meter.start());
        TForm1 w;
        formOn(w, meter);
        edit(w, "Edit11")->setText(QStringLiteral("10"));
        edit(w, "Edit13")->setText(QStringLiteral("07:45"));
        auto* control = w.findChild<QWidget*>(name);
        QVERIFY(control && control->isEnabled());
        bool atQuestion = true, whileSending = true;
        modal::onNext<QMessageBox>([&](QMessageBox& box) {
            atQuestion = control->isEnabled();
            QTimer::singleShot(0, &w, [&] { whileSending = control->isEnabled(); });
            box.button(QMessageBox::Yes)->click();
        });
        child<QPushButton>(w, "Button2")->click();
        QCOMPARE(statusOf(w), QStringLiteral("Завершено успешно"));
        QVERIFY(!atQuestion);
        QVERIFY(!whileSending);
        QVERIFY(control->isEnabled());
    }

    // The question before "Применить" says what else will happen, and Enter means No.
    void applyQuestionSaysWhatWillHappen() {
        sim::Server meter(meterOptions());
        QVERIFY(meter.start());
        TForm1 w;
        formOn(w, meter);
        child<QCheckBox>(w, "CheckBox1")->setChecked(true);
        child<QCheckBox>(w, "CheckBox2")->setChecked(true);
        child<QDateEdit>(w, "DateTimePicker1")->setDate(QDate(2016, 6, 1));
        edit(w, "Edit13")->setText(QStringLiteral("07:45"));
        QString text;
        bool noIsDefault = false;
        modal::onNext<QMessageBox>([&](QMessageBox& box) {
            text = box.text();
            noIsDefault = box.defaultButton() == box.button(QMessageBox::No);
            box.button(QMessageBox::No)->click();
        });
        child<QPushButton>(w, "Button2")->click();
        QVERIFY(noIsDefault);
        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.mid(0, 4),
                 QStringList({"Вы действительно хотите применить", "новые настройки к прибору?",
                              "Суточный архив будет очищен.", "Минутный архив будет очищен."}));
        QVERIFY2(lines[4].startsWith(QStringLiteral(
                     "Часы прибора будут установлены на 01.06.2016 07:45 (время ПК ")),
                 qPrintable(lines[4]));
        QCOMPARE(meter.frameCount(), 1); // the identity check only

        // Clearing the totals asks with No as its default too.
        child<QTabWidget>(w, "PageControl1")->setCurrentIndex(0);
        noIsDefault = false;
        modal::onNext<QMessageBox>([&](QMessageBox& box) {
            noIsDefault = box.defaultButton() == box.button(QMessageBox::No);
            box.button(QMessageBox::No)->click();
        });
        child<QPushButton>(w, "Button2")->click();
        QVERIFY(noIsDefault);
    }

    // "Сравнить" reads the meter and lists what differs from the form, which stays as it is.
    void compareListsTheDifferences() {
        sim::Server meter(meterOptions());
        QVERIFY(meter.start());
        TForm1 w;
        openSettingsTab(w);
        attach(w, meter);
        auto* compare = child<QPushButton>(w, "Button11");
        QVERIFY(compare->isVisible());
        QCOMPARE(compare->text(), QStringLiteral("Сравнить"));
        child<QPushButton>(w, "Button1")->click(); // "Читать"
        QCOMPARE(statusOf(w), QStringLiteral("Завершено успешно"));

        QString text, caption;
        inNextMessageBox(QMessageBox::Ok, &text, &caption);
        compare->click();
        QCOMPARE(caption, QStringLiteral("Сравнение"));
        QCOMPARE(text, QStringLiteral("Настройки прибора совпадают с формой"));

        edit(w, "Edit3")->setText(QStringLiteral("150,5"));
        child<QSpinBox>(w, "RzSpinEdit1")->setValue(4);
        QStringList rows;
        modal::onNext<QDialog>(
            [&](QDialog& dialog) {
                auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("CompareTable"));
                for (int r = 0; table && r < table->rowCount(); ++r)
                    rows << table->item(r, 0)->text() + QLatin1Char('|') +
                                table->item(r, 1)->text() + QLatin1Char('|') +
                                table->item(r, 2)->text();
                dialog.accept();
            },
            QStringLiteral("CompareDialog"));
        compare->click();
        QCOMPARE(rows, QStringList({"Внутренний диаметр трубы, мм:|100,0|150,5",
                                    "Смещение окна, мкс:|0|4"}));
        QCOMPARE(edit(w, "Edit3")->text(), QStringLiteral("150,5"));
        QCOMPARE(statusOf(w), QStringLiteral("Завершено успешно"));
        for (const auto& f : meter.frames())
            QVERIFY(f.command != 0x42 && f.command != 0x24 && f.command != 0x66);
    }

    // «ПК» sets the clock fields to the PC's date and time together (a date left behind would
    // set the meter a day wrong after midnight); the time field's double click fills the time.
    void pcButtonTakesThePcDateAndTime_data() {
        QTest::addColumn<bool>("button");
        QTest::addColumn<bool>("dateFilled");
        QTest::newRow("«ПК»") << true << true;
        QTest::newRow("double click on the time") << false << false;
    }
    void pcButtonTakesThePcDateAndTime() {
        QFETCH(bool, button);
        QFETCH(bool, dateFilled);
        TForm1 w;
        openSettingsTab(w);
        edit(w, "Edit13")->setText(QStringLiteral("00:00"));
        const QDate stale(2020, 1, 1);
        child<QDateEdit>(w, "DateTimePicker1")->setDate(stale);
        const QDateTime before = QDateTime::currentDateTime();
        if (button)
            child<QToolButton>(w, "SpeedButton3")->click();
        else
            QTest::mouseDClick(edit(w, "Edit13"), Qt::LeftButton);
        const QDateTime after = QDateTime::currentDateTime();
        const QString shown = edit(w, "Edit13")->text();
        QVERIFY2(shown == settings::conversions::timeFill(before.time()) ||
                     shown == settings::conversions::timeFill(after.time()),
                 qPrintable(shown));
        const QDate date = child<QDateEdit>(w, "DateTimePicker1")->date();
        if (dateFilled)
            QVERIFY(date == before.date() || date == after.date());
        else
            QCOMPARE(date, stale);
    }

    void clearingTheTotalsFromTheInfoTab() {
        sim::Server meter(meterOptions());
        QVERIFY(meter.start());
        TForm1 w;
        w.show();
        attach(w, meter);
        QString question;
        inNextMessageBox(QMessageBox::Yes, &question, nullptr);
        child<QPushButton>(w, "Button2")->click();
        QVERIFY(question.startsWith(QStringLiteral("Вы действительно хотите очистить значения\n")));
        QCOMPARE(statusOf(w), QStringLiteral("Завершено успешно"));
        meter.withMeter([](sim::Meter& m) {
            QCOMPARE(m.read(sim::Space::Memory, 1224, 14), QByteArray(14, '\0'));
        });
    }

    void refusedFileLeavesTheForm() {
        const QString path = dir.filePath(QStringLiteral("short.dat"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("\xF2\xE8\xEF \xE2\xF0\xE5\xE7\xEA\xE8:\r\n\xC2\xD2\xCA-\xC1\r\n");
        }
        TForm1 w;
        openSettingsTab(w);
        edit(w, "Edit3")->setText(QStringLiteral("123"));
        QString text, caption;
        inNextFileDialog(path,
                         [&](QFileDialog&) { inNextMessageBox(QMessageBox::Ok, &text, &caption); });
        child<QToolButton>(w, "SpeedButton1")->click();
        QCOMPARE(caption, QStringLiteral("Ошибка"));
        QCOMPARE(text, QStringLiteral("Файл настроек неполный (меньше 33 строк)\n") + path);
        QCOMPARE(edit(w, "Edit3")->text(), QStringLiteral("123"));
        QVERIFY(child<QRadioButton>(w, "RadioButton1")->isChecked());
    }
};

QTEST_MAIN(SettingsWindowTest)
#include "test_settings_window.moc"
