// The History tab clicked as the engineer does: the store off or unreachable, then a sync
// against the simulated meter, its meter, its visit and the stored history's report; the
// service visit from the Info tab and its act made again from the History tab.
#include "app/HistoryTab.h"
#include "app/ProU.h"
#include "app/VisitDialog.h"
#include "archive/ArchiveExport.h"
#include "sim/Sim.h"
#include "store/History.h"
#include "tests/support/Controls.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RecordingFrontend.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class HistoryTabTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    static void openHistory(TForm1& w) { child<QTabWidget>(w, "PageControl1")->setCurrentIndex(4); }

    // The simulated meter at 10.03.2024 12:00.
    static sim::Options at10March2024() {
        sim::Options o;
        o.contents.date = QDate(2024, 3, 10);
        o.contents.hour = 12;
        o.contents.minute = 0;
        return o;
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        // The engineer's name the visit dialog remembers goes to a settings file of the test's.
        QStandardPaths::setTestModeEnabled(true);
    }

    void saysWhyWithoutAStore_data() {
        QTest::addColumn<QString>("store");
        QTest::addColumn<QString>("note");
        QTest::newRow("off") << "none"
                             << "недоступно: хранилище отключено (--no-store, ZETRA_STORE=none)";
        QTest::newRow("cannot open") << "/proc/zetra-no-such/meters.sqlite"
                                     << "Хранилище /proc/zetra-no-such/meters.sqlite недоступно";
    }
    void saysWhyWithoutAStore() {
        QFETCH(QString, store);
        QFETCH(QString, note);
        TForm1 w;
        QString error;
        w.attachStore(*store::resolveLocation(store, false, &error));
        openHistory(w);
        QVERIFY2(child<QLabel>(w, "HistoryNote")->text().contains(note),
                 qPrintable(child<QLabel>(w, "HistoryNote")->text()));
        QCOMPARE(child<QListWidget>(w, "HistoryMeters")->count(), 0);
        QVERIFY(!child<QPushButton>(w, "HistorySync")->isEnabled());
    }

    void syncFillsMetersVisitsAndReports() {
        sim::Server meter(at10March2024());
        QVERIFY2(meter.start(), qPrintable(meter.errorString()));
        const QString path = dir_.filePath(QStringLiteral("meters.sqlite"));
        QString error;
        const store::Location location = *store::resolveLocation(path, false, &error);
        TForm1 w;
        w.show();
        w.attachStore(location);
        w.selectPipe(meter.pipeName());
        openHistory(w);
        QCOMPARE(child<QListWidget>(w, "HistoryMeters")->count(), 0);

        child<QPushButton>(w, "HistorySync")->click();
        QVERIFY2(statusOf(w).startsWith(QStringLiteral("Завершено успешно")),
                 qPrintable(statusOf(w)));
        auto* meters = child<QListWidget>(w, "HistoryMeters");
        QCOMPARE(meters->count(), 1);
        QVERIFY2(meters->item(0)->text().startsWith(QStringLiteral("№ 12345 от ")),
                 qPrintable(meters->item(0)->text()));
        auto* visits = child<QTableWidget>(w, "HistoryVisits");
        QCOMPARE(visits->rowCount(), 1);
        QCOMPARE(visits->item(0, 1)->text(), QStringLiteral("sync"));
        QCOMPARE(visits->item(0, 2)->text(), QStringLiteral("ok"));
        QVERIFY(!visits->item(0, 3)->text().isEmpty()); // the clock was read

        // The visit chosen in the list is told to whoever acts on it.
        QSignalSpy chosen(&w.historyTab(), &HistoryTab::visitSelected);
        QVERIFY(!w.historyTab().selectedVisitId());
        visits->selectRow(0);
        QCOMPARE(chosen.count(), 1);
        QVERIFY(w.historyTab().selectedVisitId());

        // Each archive's report is the one the stored records make over all stored days (of
        // the minutes, what one report holds).
        std::unique_ptr<store::Store> s = store::Store::open(location, &error);
        QVERIFY2(s, qPrintable(error));
        const store::MeterSummary m = s->meters()->front();
        auto* kinds = child<QTabWidget>(w, "HistoryKinds");
        struct Expected {
            archive::Kind kind;
            store::Position from, to;
            const char* memo;
        };
        const Expected expected[] = {
            {archive::Kind::Daily, *m.dailyFrom, *m.dailyTo, "HistoryDailyMemo"},
            {archive::Kind::Minute, store::minutePosition(int(*m.minuteFrom / 1440), 0),
             store::minutePosition(int(*m.minuteTo / 1440), 1439), "HistoryMinuteMemo"},
        };
        std::optional<store::history::Built> built;
        for (const Expected& e : expected) {
            kinds->setCurrentIndex(e.kind == archive::Kind::Daily ? 0 : 1);
            built = store::history::build(*s, m.id, e.kind, e.from, e.to, QLocale());
            QVERIFY(built && built->lines.size() > 3);
            QCOMPARE(child<QPlainTextEdit>(w, e.memo)->toPlainText(),
                     built->lines.join(QLatin1Char('\n')));
        }

        // Saving goes the archive tabs' way: their formats, the same bytes.
        const QString saved = dir_.filePath(QStringLiteral("history.csv"));
        modal::onNext<QFileDialog>([&](QFileDialog& d) {
            d.selectNameFilter(d.nameFilters().value(int(archive::ExportFormat::Csv)));
            d.findChild<QAbstractItemView*>(QStringLiteral("listView"))->clearSelection();
            d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(saved);
            d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        });
        child<QPushButton>(w, "HistorySave")->click();
        RecordingFrontend f;
        const QString expectedFile = dir_.filePath(QStringLiteral("expected.csv"));
        QVERIFY(archive::exportArchive(f, archive::Kind::Minute, archive::ExportFormat::Csv,
                                       expectedFile, built->lines, built->archives, QLocale())
                    .succeeded());
        QFile a(saved), b(expectedFile);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), b.readAll());
    }

    // «Обслуживание…» on the Info tab: the dialog, the clock question, the values shown, the
    // act written; the visit in the history, whose act is made again from there.
    void visitFromTheInfoTab() {
        sim::Server meter(at10March2024());
        QVERIFY2(meter.start(), qPrintable(meter.errorString()));
        QString error;
        const store::Location location =
            *store::resolveLocation(dir_.filePath(QStringLiteral("visit.sqlite")), false, &error);
        TForm1 w;
        w.show();
        w.attachStore(location);
        w.selectPipe(meter.pipeName());
        auto* pages = child<QTabWidget>(w, "PageControl1");
        auto* button = child<QPushButton>(w, "VisitButton");
        pages->setCurrentIndex(2);
        QVERIFY(!button->isVisible());
        pages->setCurrentIndex(0);
        QVERIFY(button->isVisible());

        const QString act = dir_.filePath(QStringLiteral("visit"));
        modal::onNext<VisitDialog>([&](VisitDialog& d) {
            QVERIFY(!d.findChild<QCheckBox*>(QStringLiteral("VisitSetClock"))->isChecked());
            d.findChild<QLineEdit*>(QStringLiteral("VisitEngineer"))
                ->setText(QStringLiteral("Петров"));
            d.findChild<QCheckBox*>(QStringLiteral("VisitSetClock"))->setChecked(true);
            d.findChild<QLineEdit*>(QStringLiteral("VisitActFile"))->setText(act);
            d.accept();
        });
        QString question;
        modal::answerBox(QMessageBox::Yes, &question);
        button->click();
        QVERIFY2(statusOf(w).startsWith(QStringLiteral("Завершено успешно")),
                 qPrintable(statusOf(w)));
        QVERIFY2(question.contains(QStringLiteral("Установить часы прибора по времени ПК?")),
                 qPrintable(question));
        QCOMPARE(child<QLabel>(w, "Label25")->text(), QStringLiteral("12345"));
        QFile pdf(act + QStringLiteral(".pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        // The name is offered again next time.
        VisitDialog again(&w);
        QCOMPARE(again.engineer(), QStringLiteral("Петров"));

        // The history lists the visit; its act is made again from the store alone.
        pages->setCurrentIndex(4);
        auto* visits = child<QTableWidget>(w, "HistoryVisits");
        QCOMPARE(visits->rowCount(), 1);
        QCOMPARE(visits->item(0, 1)->text(), QStringLiteral("visit"));
        auto* actButton = child<QPushButton>(w, "HistoryAct");
        QVERIFY(!actButton->isEnabled());
        visits->selectRow(0);
        QVERIFY(actButton->isEnabled());
        const QString remade = dir_.filePath(QStringLiteral("remade.pdf"));
        modal::onNext<QFileDialog>([&](QFileDialog& d) {
            d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(remade);
            d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        });
        actButton->click();
        QVERIFY2(
            child<QLabel>(w, "HistoryNote")->text().contains(QStringLiteral("Акт визита записан")),
            qPrintable(child<QLabel>(w, "HistoryNote")->text()));
        QVERIFY(QFileInfo(remade).size() > 10000);
    }
};

QTEST_MAIN(HistoryTabTest)
#include "test_history_tab.moc"
