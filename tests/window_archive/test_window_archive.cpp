// The Archive tab clicked as a person would, against the simulated meter on the pipe:
// "Читать" fills the memos, "Сохранить" writes through the real save dialog, "Шрифт" changes
// both memos' font.

#include "app/ProU.h"
#include "archive/ArchiveExport.h"
#include "sim/Sim.h"
#include "tests/support/Controls.h"
#include "tests/support/ModalDriver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringEncoder>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {
const QDate kToday(2015, 3, 15);

// The simulated meter on kToday with its clock at hour:minute.
sim::Options meterAt(int hour, int minute) {
    sim::Options o;
    o.contents.date = kToday;
    o.contents.hour = hour;
    o.contents.minute = minute;
    return o;
}
const QString kTextFilter = QStringLiteral("текстовый файл (*.txt)");
const QString kWorkbookFilter = QStringLiteral("таблица Excel (*.xls)");

// The dialog's Save button, as a click.
void pressSave(QFileDialog* dialog) {
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    QVERIFY(buttons);
    QPushButton* save = buttons->button(QDialogButtonBox::Save);
    QVERIFY(save && save->isEnabled());
    save->click();
}

// Types `name` into the save dialog, picks the filter entry, presses Save.
void answerSaveDialog(QFileDialog* dialog, const QString& filter, const QString& name) {
    QCOMPARE(dialog->objectName(), QStringLiteral("SaveDialog1"));
    // The text file and the Excel 5.0 workbook come first; CSV, xlsx and JSON follow them.
    QCOMPARE(dialog->nameFilters().mid(0, 2), (QStringList{kTextFilter, kWorkbookFilter}));
    QCOMPARE(dialog->nameFilters().size(), 5);
    dialog->selectNameFilter(filter);
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    // The name the dialog offers (the file saved last) is selected in its list; a person who
    // types another name leaves the list, as clicking its empty space does.
    dialog->findChild<QAbstractItemView*>(QStringLiteral("listView"))->clearSelection();
    edit->setText(name);
    pressSave(dialog);
}

// The next save dialog is answered with `name` and the filter entry.
void saveAs(const QString& filter, const QString& name) {
    modal::onNext<QFileDialog>(
        [filter, name](QFileDialog& dialog) { answerSaveDialog(&dialog, filter, name); });
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class WindowArchiveTest : public QObject {
    Q_OBJECT

    static void openArchiveTab(TForm1& w, int subTab, const QDate& from, const QDate& to) {
        child<QTabWidget>(w, "PageControl1")->setCurrentIndex(1);
        child<QTabWidget>(w, "PageControl2")->setCurrentIndex(subTab);
        child<QDateEdit>(w, "DateTimePicker2")->setDate(from);
        child<QDateEdit>(w, "DateTimePicker3")->setDate(to);
    }

    // `w` on `meter`, shown, after a readout of today's minutes.
    static void readTodaysMinutes(TForm1& w, const sim::Server& meter) {
        w.selectPipe(meter.pipeName());
        w.show();
        openArchiveTab(w, 1, kToday, kToday);
        child<QPushButton>(w, "Button1")->click();
    }

    QTemporaryDir dir;
    QTimer watchdog;
    QPointer<QWidget> lastModal;
    QElapsedTimer modalShown;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        // A modal widget nobody answers within five seconds fails the test instead of
        // hanging it.
        connect(&watchdog, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != lastModal) {
                lastModal = modal;
                modalShown.start();
                return;
            }
            if (modal && modalShown.elapsed() > 5000) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                qWarning("unanswered %s: %s", modal->metaObject()->className(),
                         box ? qPrintable(box->text()) : "");
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
            }
        });
        watchdog.start(200);
    }

    void readFillsBothMemos() {
        sim::Options o;
        o.contents.date = kToday;
        o.contents.hour = 0;
        o.contents.minute = 1;
        o.contents.set(sim::Space::Memory, 1253, QByteArray::fromHex("40420F0000080700"));
        sim::Server meter(o);
        QVERIFY(meter.start());
        TForm1 w;
        w.selectPipe(meter.pipeName());
        w.show();
        openArchiveTab(w, 0, kToday, kToday);
        QVERIFY(child<QPushButton>(w, "Button1")->isEnabled());
        QVERIFY(child<QPushButton>(w, "Button2")->isEnabled());
        QVERIFY(child<QPushButton>(w, "Button3")->isEnabled());

        child<QPushButton>(w, "Button1")->click();
        QCOMPARE(statusOf(w), QStringLiteral("Завершено успешно. Прочитано 1 записей"));
        const QStringList daily = child<QPlainTextEdit>(w, "Memo2")->toPlainText().split('\n');
        QCOMPARE(daily.size(), 9);
        QCOMPARE(daily[0], QStringLiteral("Суточный архив с 15.03.2015 по 15.03.2015"));
        QCOMPARE(daily[6], QStringLiteral("15.03.2015    256,000     1,0"));
        QVERIFY(child<QPlainTextEdit>(w, "Memo3")->toPlainText().isEmpty());

        child<QTabWidget>(w, "PageControl2")->setCurrentIndex(1);
        child<QPushButton>(w, "Button1")->click();
        QCOMPARE(statusOf(w), QStringLiteral("Завершено успешно. Прочитано 2 записей"));
        const QStringList minute = child<QPlainTextEdit>(w, "Memo3")->toPlainText().split('\n');
        QCOMPARE(minute[0], QStringLiteral("Минутный архив с 15.03.2015 по 15.03.2015"));
        QVERIFY(minute[6].startsWith("15.03.2015 00:01 "));
        QVERIFY(minute[7].startsWith("15.03.2015 00:00 "));
        QCOMPARE(child<QPlainTextEdit>(w, "Memo2")->toPlainText().split('\n'), daily);

        // A refused interval leaves the memo as it was (the pickers reach no further than the
        // meter's today once it is known, so the end before the start is what is left to get
        // wrong).
        child<QDateEdit>(w, "DateTimePicker3")->setDate(kToday.addDays(1));
        QCOMPARE(child<QDateEdit>(w, "DateTimePicker3")->date(), kToday);
        child<QDateEdit>(w, "DateTimePicker3")->setDate(kToday.addDays(-1));
        child<QPushButton>(w, "Button1")->click();
        QCOMPARE(statusOf(w), QStringLiteral("Ошибка. Указана дата начала больше даты окончания"));
        QCOMPARE(child<QPlainTextEdit>(w, "Memo3")->toPlainText().split('\n'), minute);
    }

    // While a readout runs "Сохранить" cannot be pressed.
    void saveIsLockedDuringAReadout() {
        sim::Options o;
        o.contents.date = kToday;
        o.answerDelayMs = 2;
        sim::Server meter(o);
        QVERIFY(meter.start());
        TForm1 w;
        w.selectPipe(meter.pipeName());
        w.show();
        openArchiveTab(w, 0, kToday.addDays(-60), kToday.addDays(-1));
        bool sawLocked = false;
        QTimer probe;
        connect(&probe, &QTimer::timeout, [&] {
            if (w.actionRunning())
                sawLocked = sawLocked || !child<QPushButton>(w, "Button2")->isEnabled();
        });
        probe.start(5);
        child<QPushButton>(w, "Button1")->click();
        probe.stop();
        QVERIFY(sawLocked);
        QVERIFY(child<QPushButton>(w, "Button2")->isEnabled());
    }

    void saveBothFormats() {
        sim::Server meter(meterAt(10, 0));
        QVERIFY(meter.start());
        TForm1 w;
        w.selectPipe(meter.pipeName());
        w.show();
        openArchiveTab(w, 0, kToday.addDays(-3), kToday);
        child<QPushButton>(w, "Button1")->click();
        QVERIFY(statusOf(w).startsWith("Завершено успешно"));
        auto* memo = child<QPlainTextEdit>(w, "Memo2");
        // The text file saves the memo as the person left it.
        memo->appendPlainText(QStringLiteral("Примечание"));
        const QStringList lines = memo->toPlainText().split('\n');

        saveAs(kTextFilter, dir.filePath("daily"));
        child<QPushButton>(w, "Button2")->click();
        QStringEncoder encoder("windows-1251");
        QByteArray expected;
        for (const QString& line : lines)
            expected += QByteArray(encoder.encode(line)) + "\r\n";
        QCOMPARE(fileBytes(dir.filePath("daily.txt")), expected);
        // The status line confirms the save; the readout's status is in the report already.
        QCOMPARE(statusOf(w), "Сохранено: " + QDir::toNativeSeparators(dir.filePath("daily.txt")));
        auto* dialog = w.findChild<QFileDialog*>("SaveDialog1");
        QVERIFY(dialog->selectedFiles().value(0).endsWith("daily.txt"));

        saveAs(kWorkbookFilter, dir.filePath("daily"));
        child<QPushButton>(w, "Button2")->click();
        QVERIFY(fileBytes(dir.filePath("daily.xls")).startsWith("\xD0\xCF\x11\xE0"));
        QVERIFY(dialog->selectedFiles().value(0).endsWith("daily.xls"));

        // report.dat with the workbook entry stays report.dat and holds a workbook.
        saveAs(kWorkbookFilter, dir.filePath("report.dat"));
        child<QPushButton>(w, "Button2")->click();
        QVERIFY(fileBytes(dir.filePath("report.dat")).startsWith("\xD0\xCF\x11\xE0"));

        // A bare name whose extended file exists: the dialog asks before replacing it.
        QString question;
        modal::onNext<QFileDialog>([&](QFileDialog& d) {
            modal::answerBox(QMessageBox::Yes, &question);
            answerSaveDialog(&d, kTextFilter, dir.filePath("daily"));
        });
        memo->setPlainText(QStringLiteral("новый"));
        child<QPushButton>(w, "Button2")->click();
        QVERIFY2(question.contains("daily.txt"), qPrintable(question));
        QCOMPARE(fileBytes(dir.filePath("daily.txt")), QByteArray("\xED\xEE\xE2\xFB\xE9\r\n"));

        // Cancel writes nothing.
        modal::onNext<QFileDialog>([](QFileDialog& d) {
            d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText("cancelled");
            d.reject();
        });
        child<QPushButton>(w, "Button2")->click();
        QVERIFY(!QFile::exists(dir.filePath("cancelled.txt")));

        // The settings file's dialog opens in the folder saved to last.
        QString folder;
        modal::onNext<QFileDialog>([&](QFileDialog& d) {
            folder = d.directory().absolutePath();
            d.reject();
        });
        child<QTabWidget>(w, "PageControl1")->setCurrentIndex(2);
        child<QToolButton>(w, "SpeedButton2")->click();
        QCOMPARE(folder, QDir(dir.path()).absolutePath());
    }

    // The entries after the two first ones save the readout as data; a bare name gets the
    // entry's extension.
    void saveDataFormats_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QByteArray>("begins");
        QTest::newRow("csv") << 2 << "csv" << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("xlsx") << 3 << "xlsx" << QByteArray("PK");
        QTest::newRow("json") << 4 << "json" << QByteArray("{\n  \"archive\": \"minute\"");
    }
    void saveDataFormats() {
        QFETCH(int, entry);
        QFETCH(QString, extension);
        QFETCH(QByteArray, begins);
        sim::Server meter(meterAt(0, 5));
        QVERIFY(meter.start());
        TForm1 w;
        readTodaysMinutes(w, meter);
        QVERIFY(statusOf(w).startsWith("Завершено успешно"));
        const QString name = dir.filePath("minute-" + extension);
        modal::onNext<QFileDialog>([&](QFileDialog& d) {
            QCOMPARE(d.nameFilters().size(), 5);
            QCOMPARE(d.selectedNameFilter(), d.nameFilters().at(0)); // the text file stays first
            const QString filter = d.nameFilters().at(entry);
            QVERIFY(filter.endsWith("(*." + extension + ")"));
            answerSaveDialog(&d, filter, name);
        });
        child<QPushButton>(w, "Button2")->click();
        QVERIFY(fileBytes(name + "." + extension).startsWith(begins));
    }

    // A typed extension that names a format decides over the filter entry; the next dialog
    // offers the file under its format's entry.
    void typedExtensionDecides_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("begins");
        QTest::newRow(".txt under xlsx") << 3 << "minute_partial2.txt" << QByteArray("\xCC\xE8");
        QTest::newRow(".csv under text") << 0 << "m.csv" << QByteArray("\xEF\xBB\xBF");
        QTest::newRow(".dat under xlsx") << 3 << "m.dat" << QByteArray("PK");
    }
    void typedExtensionDecides() {
        QFETCH(int, entry);
        QFETCH(QString, name);
        QFETCH(QByteArray, begins);
        sim::Server meter(meterAt(0, 5));
        QVERIFY(meter.start());
        TForm1 w;
        readTodaysMinutes(w, meter);
        QVERIFY(statusOf(w).startsWith("Завершено успешно"));
        const QString path = dir.filePath(name);
        QFile::remove(path);
        modal::onNext<QFileDialog>(
            [&](QFileDialog& d) { answerSaveDialog(&d, d.nameFilters().at(entry), path); });
        child<QPushButton>(w, "Button2")->click();
        QVERIFY(fileBytes(path).startsWith(begins));
        auto* dialog = w.findChild<QFileDialog*>("SaveDialog1");
        QVERIFY(dialog->selectedNameFilter().contains("*." + QFileInfo(name).suffix()) ||
                !archive::typedFormat(name));
    }

    // An interval beyond the meter's archive: the status stays the specified one, a message
    // says what the meter holds, and from then on the pickers offer only those days.
    void refusedIntervalSaysWhatTheMeterHolds_data() {
        QTest::addColumn<int>("subTab");
        QTest::addColumn<QString>("holds");
        QTest::addColumn<QDate>("first");
        QTest::newRow("daily") << 0 << "Суточный архив прибора: с 14.03.2013 по 15.03.2015"
                               << QDate(2013, 3, 14);
        QTest::newRow("minute") << 1 << "Минутный архив прибора: с 11.03.2015 по 15.03.2015"
                                << QDate(2015, 3, 11);
    }
    void refusedIntervalSaysWhatTheMeterHolds() {
        QFETCH(int, subTab);
        QFETCH(QString, holds);
        QFETCH(QDate, first);
        sim::Server meter(meterAt(0, 5)); // behind the PC's clock
        QVERIFY(meter.start());
        TForm1 w;
        w.selectPipe(meter.pipeName());
        w.show();
        openArchiveTab(w, subTab, QDate::currentDate(), QDate::currentDate());
        QString message;
        modal::answerBox(QMessageBox::Ok, &message);
        child<QPushButton>(w, "Button1")->click();
        QCOMPARE(statusOf(w), QStringLiteral("Ошибка. Указан неверный интервал"));
        QCOMPARE(message, "Внимание: " + holds);
        for (const char* name : {"DateTimePicker2", "DateTimePicker3"}) {
            QCOMPARE(child<QDateEdit>(w, name)->maximumDate(), kToday);
            QCOMPARE(child<QDateEdit>(w, name)->minimumDate(), first);
            QCOMPARE(child<QDateEdit>(w, name)->date(), kToday);
        }
        // The pickers now hold an interval the meter has.
        child<QPushButton>(w, "Button1")->click();
        QVERIFY2(statusOf(w).startsWith("Завершено успешно"), qPrintable(statusOf(w)));
        // The other archive's reach follows its sub-tab.
        child<QTabWidget>(w, "PageControl2")->setCurrentIndex(1 - subTab);
        QCOMPARE(child<QDateEdit>(w, "DateTimePicker2")->minimumDate(),
                 subTab == 0 ? QDate(2015, 3, 11) : QDate(2013, 3, 14));
    }

    void workbookBeforeAnyReadoutIsRefused() {
        TForm1 w;
        w.show();
        openArchiveTab(w, 1, kToday, kToday);
        QString message;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        modal::onNext<QFileDialog>([&](QFileDialog& d) {
            modal::onNext<QMessageBox>([&](QMessageBox& box) {
                message = box.windowTitle() + ": " + box.text();
                icon = box.icon();
                box.accept();
            });
            answerSaveDialog(&d, kWorkbookFilter, dir.filePath("never"));
        });
        child<QPushButton>(w, "Button2")->click();
        QCOMPARE(message,
                 QStringLiteral("Ошибка: Архив не прочитан: нажмите «Читать», затем сохраните"));
        QCOMPARE(icon, QMessageBox::Critical);
        QVERIFY(!QFile::exists(dir.filePath("never.xls")));
    }

    void unwritableFileShowsTheReason() {
        TForm1 w;
        w.show();
        openArchiveTab(w, 0, kToday, kToday);
        child<QPlainTextEdit>(w, "Memo2")->setPlainText("x");
        // The folder goes away between the dialog and the writing (a stick pulled out): the
        // file cannot be created, even by the superuser.
        QVERIFY(QDir(dir.path()).mkpath("stick"));
        const QString path = dir.filePath("stick/r.txt");
        QString message;
        modal::onNext<QFileDialog>([&](QFileDialog& d) {
            modal::answerBox(QMessageBox::Ok, &message);
            answerSaveDialog(&d, kTextFilter, path);
            QVERIFY(QDir(dir.filePath("stick")).removeRecursively());
        });
        child<QPushButton>(w, "Button2")->click();
        QVERIFY2(message.startsWith("Ошибка: Не удаётся записать файл " + path + "\n"),
                 qPrintable(message));
        QVERIFY(message.size() > ("Ошибка: Не удаётся записать файл " + path + "\n").size());
        // The status line names the file and why, in place of «Сохранено».
        QVERIFY2(
            statusOf(w).startsWith("Файл не сохранён: " + QDir::toNativeSeparators(path) + " ("),
            qPrintable(statusOf(w)));
    }

    void fontAppliesToBothMemos() {
        TForm1 w;
        w.show();
        openArchiveTab(w, 0, kToday, kToday);
        auto* memo2 = child<QPlainTextEdit>(w, "Memo2");
        auto* memo3 = child<QPlainTextEdit>(w, "Memo3");
        QCOMPARE(memo2->font().family(), QStringLiteral("Courier New"));
        QFont chosen = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        chosen.setPointSize(13);
        chosen.setUnderline(true);
        QFont started;
        bool monospacedOnly = false;
        modal::onNext<QFontDialog>(
            [&](QFontDialog& dialog) {
                monospacedOnly = dialog.testOption(QFontDialog::MonospacedFonts);
                started = dialog.currentFont();
                dialog.setCurrentFont(chosen);
                dialog.accept();
            },
            QStringLiteral("FontDialog1"));
        child<QPushButton>(w, "Button3")->click();
        QVERIFY(monospacedOnly);
        QCOMPARE(started.pointSize(), 8);
        QCOMPARE(memo2->font().pointSize(), 13);
        QVERIFY(memo2->font().underline());
        QCOMPARE(memo3->font(), memo2->font());

        // Cancelled: nothing changes.
        modal::onNext<QFontDialog>([](QFontDialog& dialog) { dialog.reject(); });
        child<QPushButton>(w, "Button3")->click();
        QCOMPARE(memo2->font().pointSize(), 13);
    }
};

QTEST_MAIN(WindowArchiveTest)
#include "test_window_archive.moc"
