#include "app/ProU.h"
#include "link/PortList.h"
#include "sim/Sim.h"
#include "tests/support/Controls.h"
#include "tests/support/InfoReadout.h"
#include "tests/support/PtyLine.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void startsOnTheInfoTab() {
        TForm1 w;
        QCOMPARE(w.windowTitle(), QStringLiteral("ЗЕТРА (автономный) v1.16"));
        // The program's icon, drawn from its SVG even where no icon theme has it.
        QVERIFY(!w.windowIcon().pixmap(32, 32).isNull());
        QCOMPARE(child<QTabWidget>(w, "PageControl1")->currentIndex(), 0);
        QCOMPARE(statusOf(w), QStringLiteral("Присоедините прибор и нажмите <Обновить>"));
        QCOMPARE(child<QLabel>(w, "Label15")->text(), QStringLiteral("Текущий расход, м3/ч:"));
        QCOMPARE(child<QLabel>(w, "Label34")->text(), QStringLiteral("Дата последней прошивки:"));
        auto* ports = child<QComboBox>(w, "ComboBox1");
        QVERIFY(ports->count() >= 1);
        QCOMPARE(ports->itemText(ports->count() - 1), line::port_list::pipeEntry());
        QCOMPARE(ports->currentIndex(), 0);
        QCOMPARE(child<QProgressBar>(w, "ProgressBar1")->maximum(), 500);
        QCOMPARE(child<QProgressBar>(w, "ProgressBar1")->parentWidget(),
                 static_cast<QWidget*>(child<QStatusBar>(w, "StatusBar1")));
    }

    void captionsAndVisibilityFollowTheTab_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("button1");
        QTest::addColumn<QString>("button2");
        QTest::addColumn<bool>("buttonsShown");
        QTest::addColumn<bool>("fileButtonsShown");
        QTest::newRow("Информация") << 0 << "Обновить"
                                    << "Очистить" << true << false;
        QTest::newRow("Архив") << 1 << "Читать"
                               << "Сохранить" << true << false;
        QTest::newRow("Настройка прибора") << 2 << "Читать"
                                           << "Применить" << true << true;
    }
    void captionsAndVisibilityFollowTheTab() {
        QFETCH(int, tab);
        QFETCH(QString, button1);
        QFETCH(QString, button2);
        QFETCH(bool, buttonsShown);
        QFETCH(bool, fileButtonsShown);
        TForm1 w;
        w.show();
        auto* tabs = child<QTabWidget>(w, "PageControl1");
        tabs->setCurrentIndex(3);
        QVERIFY(!child<QPushButton>(w, "Button1")->isVisible());
        QVERIFY(!child<QPushButton>(w, "Button2")->isVisible());
        QVERIFY(!child<QToolButton>(w, "SpeedButton1")->isVisible());
        tabs->setCurrentIndex(tab);
        QCOMPARE(child<QPushButton>(w, "Button1")->text(), button1);
        QCOMPARE(child<QPushButton>(w, "Button2")->text(), button2);
        QCOMPARE(child<QPushButton>(w, "Button1")->isVisible(), buttonsShown);
        QCOMPARE(child<QToolButton>(w, "SpeedButton1")->isVisible(), fileButtonsShown);
        QCOMPARE(child<QToolButton>(w, "SpeedButton2")->isVisible(), fileButtonsShown);
    }

    void updateTabKeepsTheCaptions() {
        TForm1 w;
        auto* tabs = child<QTabWidget>(w, "PageControl1");
        tabs->setCurrentIndex(1);
        tabs->setCurrentIndex(3);
        QCOMPARE(child<QPushButton>(w, "Button1")->text(), QStringLiteral("Читать"));
    }

    void progressBarFollowsTheWindowWidth() {
        TForm1 w;
        w.show();
        w.resize(700, 400);
        QCoreApplication::processEvents();
        auto* bar = child<QProgressBar>(w, "ProgressBar1");
        const int before = bar->width();
        QCOMPARE(before, w.width() - 300 - 28);
        QCOMPARE(bar->x(), 300);
        w.resize(w.width() + 100, 400);
        QCoreApplication::processEvents();
        QCOMPARE(bar->width(), before + 100);
    }

    void pipeNotServed() {
        TForm1 w;
        w.selectPipe(QStringLiteral("/nonexistent/zetra-test-pipe"));
        child<QPushButton>(w, "Button1")->click();
        QCOMPARE(statusOf(w), QStringLiteral("Не удаётся открыть порт "));
        QCOMPARE(child<QProgressBar>(w, "ProgressBar1")->value(), 0);
    }

    void refreshFillsTheInfoTab() {
        sim::Options o;
        o.contents.date = QDate(2010, 2, 17);
        o.contents.hour = 14;
        o.contents.minute = 30;
        o.contents.set(sim::Space::Memory, 1274, QByteArray::fromHex("0004"));
        sim::Server meter(o);
        QVERIFY2(meter.start(), qPrintable(meter.errorString()));
        TForm1 w;
        w.show();
        w.selectPipe(meter.pipeName());
        QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
        QCOMPARE(statusOf(w), QStringLiteral("Завершено успешно"));
        QCOMPARE(child<QLabel>(w, "Label39")->text(), QStringLiteral("17.02.2010"));
        QCOMPARE(child<QLabel>(w, "Label12")->text(), QStringLiteral("14:30"));
        QCOMPARE(child<QLabel>(w, "Label27")->text(), QStringLiteral("3,79"));
        QCOMPARE(child<QLabel>(w, "Label29")->text(), QStringLiteral("6"));
        for (const char* value : {"Label22", "Label42", "Label23", "Label30", "Label31", "Label25",
                                  "Label28", "Label32"})
            QVERIFY2(!child<QLabel>(w, value)->text().isEmpty(), value);
        QCOMPARE(child<QProgressBar>(w, "ProgressBar1")->value(), 0);

        // A foreign meter leaves the values of the last readout in place.
        meter.withMeter([](sim::Meter& m) { m.write(sim::Space::Memory, 1271, QByteArray(1, 1)); });
        child<QPushButton>(w, "Button1")->click();
        QCOMPARE(statusOf(w), QStringLiteral("Несовместимое устройство"));
        QCOMPARE(child<QLabel>(w, "Label39")->text(), QStringLiteral("17.02.2010"));
    }

    // A failed "Обновить" after a good one: the status keeps its words, the system's reason is
    // in its tooltip, and the earlier values are greyed with the time they were read. The next
    // good readout makes them current again.
    void failedRefreshMarksEarlierValues() {
        sim::Server meter;
        QVERIFY2(meter.start(), qPrintable(meter.errorString()));
        TForm1 w;
        QCOMPARE(readInfoOver(w, meter.pipeName()), QStringLiteral("Завершено успешно"));
        QVERIFY(child<QLabel>(w, "Label39")->isEnabled());
        QCOMPARE(child<QLabel>(w, "StatusPanel0")->toolTip(), QString());
        const QString date = child<QLabel>(w, "Label39")->text();

        w.selectPipe(QStringLiteral("/nonexistent/zetra-test-pipe"));
        child<QPushButton>(w, "Button1")->click();
        QCOMPARE(statusOf(w), QStringLiteral("Не удаётся открыть порт "));
        const QString reason = child<QLabel>(w, "StatusPanel0")->toolTip();
        QVERIFY2(reason.startsWith("Причина: ") && reason.size() > 12, qPrintable(reason));
        QVERIFY(!reason.contains("QLocalSocket"));
        QCOMPARE(child<QLabel>(w, "Label39")->text(), date);
        QVERIFY(!child<QLabel>(w, "Label39")->isEnabled());
        QVERIFY(!child<QLabel>(w, "Label22")->isEnabled());
        const QString when = child<QLabel>(w, "Label45")->text();
        QVERIFY2(when.startsWith("Значения прочитаны ") && when.endsWith(", не текущие"),
                 qPrintable(when));

        QCOMPARE(readInfoOver(w, meter.pipeName()), QStringLiteral("Завершено успешно"));
        QVERIFY(child<QLabel>(w, "Label39")->isEnabled());
        QCOMPARE(child<QLabel>(w, "StatusPanel0")->toolTip(), QString());
        QVERIFY(!child<QLabel>(w, "Label45")->text().startsWith("Значения"));
    }

    // Beside the meter's time, how far it is from the PC's; nothing when they agree.
    void clockDifferenceBesideTheTime_data() {
        QTest::addColumn<int>("minutesOff");
        QTest::addColumn<QString>("expected"); // what the text ends with
        QTest::newRow("in step") << 0 << QString();
        QTest::newRow("twenty minutes behind") << -20 << "прибор отстаёт на ";
        QTest::newRow("two hours ahead") << 120 << "прибор спешит на ";
    }
    void clockDifferenceBesideTheTime() {
        QFETCH(int, minutesOff);
        QFETCH(QString, expected);
        const QDateTime meterClock = QDateTime::currentDateTime().addSecs(60 * minutesOff);
        sim::Options o;
        o.contents.date = meterClock.date();
        o.contents.hour = meterClock.time().hour();
        o.contents.minute = meterClock.time().minute();
        sim::Server meter(o);
        QVERIFY2(meter.start(), qPrintable(meter.errorString()));
        TForm1 w;
        QCOMPARE(readInfoOver(w, meter.pipeName()), QStringLiteral("Завершено успешно"));
        const QString text = child<QLabel>(w, "Label45")->text();
        if (expected.isEmpty()) {
            QCOMPARE(text, QString());
        } else {
            QVERIFY2(text.startsWith(QStringLiteral("ПК: ")) && text.contains(expected),
                     qPrintable(text));
        }
    }

    // While a connection runs, no second action can start and the window stays open.
    void actionsAreLockedWhileAConnectionRuns() {
        PtyLine line; // nobody answers on it: a meter that is not there
        TForm1 w;
        w.show();
        auto* ports = child<QComboBox>(w, "ComboBox1");
        ports->insertItem(0, line.path + QStringLiteral(" test line"));
        ports->setCurrentIndex(0);

        bool checked = false;
        QTimer probe;
        probe.setInterval(5);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            if (checked || !w.actionRunning())
                return;
            checked = true;
            QVERIFY(!child<QPushButton>(w, "Button1")->isEnabled());
            QVERIFY(!child<QPushButton>(w, "Button5")->isEnabled());
            QVERIFY(!ports->isEnabled());
            QVERIFY(!child<QTabWidget>(w, "PageControl1")
                         ->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly)
                         ->isEnabled());
            QCOMPARE(statusOf(w), QStringLiteral("Ждите..."));
            QVERIFY(!w.close());
            QVERIFY(w.isVisible());
        });
        probe.start();
        child<QPushButton>(w, "Button1")->click();
        probe.stop();
        QVERIFY(checked);
        QCOMPARE(statusOf(w), QStringLiteral("Прибор не отвечает"));
        QVERIFY(child<QPushButton>(w, "Button1")->isEnabled());
        QVERIFY(ports->isEnabled());
        QCOMPARE(child<QProgressBar>(w, "ProgressBar1")->value(), 0);
        QVERIFY(w.close());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
