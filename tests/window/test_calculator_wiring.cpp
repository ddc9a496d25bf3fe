// The calculators as the Settings tab opens them: fields taken on opening, results copied on
// OK only, the dialog kept with its typed values.

#include "app/ProU.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit5.h"
#include "tests/support/Controls.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class CalculatorWiringTest : public QObject {
    Q_OBJECT

    // Runs `step` inside the next modal dialog, then presses its button `buttonName`.
    static void inNextDialog(const std::function<void(QWidget&)>& step, const char* buttonName) {
        QTimer::singleShot(0, [step, buttonName] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            step(*dialog);
            child<QPushButton>(*dialog, buttonName)->click();
        });
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // Each calculator is wide enough for its whole title beside the title bar's buttons.
    void titlesFitTheDialogs_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("correction") << 2;
        QTest::newRow("channel length") << 3;
        QTest::newRow("pulse weight") << 5;
    }
    void titlesFitTheDialogs() {
        QFETCH(int, which);
        std::unique_ptr<QDialog> d;
        if (which == 2)
            d = std::make_unique<TForm2>();
        else if (which == 3)
            d = std::make_unique<TForm3>();
        else
            d = std::make_unique<TForm5>();
        d->show();
        QFont bold = QApplication::font();
        bold.setBold(true);
        QVERIFY(!d->windowTitle().isEmpty());
        QVERIFY2(d->width() >= QFontMetrics(bold).horizontalAdvance(d->windowTitle()) + 100,
                 qPrintable(QString::number(d->width())));
    }

    void pulseWeightCopiesOnOkOnly() {
        TForm1 w;
        w.show();
        child<QLineEdit>(w, "Edit3")->setText(QStringLiteral("100"));
        child<QLineEdit>(w, "Edit2")->setText(QStringLiteral("9,99"));

        inNextDialog(
            [](QWidget& d) {
                QCOMPARE(child<QLineEdit>(d, "Edit2")->text(), QStringLiteral("100"));
                child<QLineEdit>(d, "Edit11")->setText(QStringLiteral("3"));
                child<QPushButton>(d, "Button1")->click();
                QCOMPARE(child<QLineEdit>(d, "Edit3")->text(), QStringLiteral("1,473"));
            },
            "Button3"); // Отмена
        child<QToolButton>(w, "Button8")->click();
        QCOMPARE(child<QLineEdit>(w, "Edit2")->text(), QStringLiteral("9,99"));

        inNextDialog(
            [](QWidget& d) {
                // The same dialog again, with what was typed before.
                QCOMPARE(child<QLineEdit>(d, "Edit11")->text(), QStringLiteral("3"));
                QCOMPARE(d.pos(), d.parentWidget()->pos());
            },
            "Button2"); // OK
        child<QToolButton>(w, "Button8")->click();
        QCOMPARE(child<QLineEdit>(w, "Edit2")->text(), QStringLiteral("1,473"));
        QCOMPARE(w.findChildren<TForm5*>().size(), 1);
    }

    void correctionCoefficientsCopyAllFour() {
        TForm1 w;
        child<QLineEdit>(w, "Edit3")->setText(QStringLiteral("100"));
        child<QLineEdit>(w, "Edit5")->setText(QStringLiteral("45"));
        child<QComboBox>(w, "ComboBox2")->setCurrentIndex(0);
        // The correction calculator serves the diametral insertion only.
        auto* calculator = child<QToolButton>(w, "Button7");
        QVERIFY(!calculator->isEnabled());
        child<QRadioButton>(w, "RadioButton2")->click();
        QVERIFY(calculator->isEnabled());
        inNextDialog(
            [](QWidget& d) {
                QCOMPARE(child<QLineEdit>(d, "Edit1")->text(), QStringLiteral("100"));
                QCOMPARE(child<QLineEdit>(d, "Edit2")->text(), QStringLiteral("45"));
                QVERIFY(child<QLineEdit>(d, "Edit8")->isEnabled());
                child<QLineEdit>(d, "Edit5")->setText(QStringLiteral("0,10"));
                child<QLineEdit>(d, "Edit11")->setText(QStringLiteral("3"));
                child<QPushButton>(d, "Button1")->click();
            },
            "Button2");
        calculator->click();
        QCOMPARE(child<QLineEdit>(w, "Edit6")->text(), QStringLiteral("0,9387"));
        // Firmware version byte 0 (never read): the lowest span goes to A.
        QCOMPARE(child<QLineEdit>(w, "Edit7")->text(), QStringLiteral("0,9923"));
        QCOMPARE(child<QLineEdit>(w, "Edit8")->text(), QStringLiteral("0,9973"));
        QCOMPARE(child<QLineEdit>(w, "Edit9")->text(), QStringLiteral("0,9990"));
    }

    void channelLengthReplacesTheBase() {
        TForm1 w;
        child<QLineEdit>(w, "Edit4")->setText(QStringLiteral("200"));
        // The channel-length calculator is for water only: picked in the list, as a person does.
        auto* calculator = child<QToolButton>(w, "Button6");
        QVERIFY(!calculator->isEnabled());
        auto* medium = child<QComboBox>(w, "ComboBox2");
        medium->setCurrentIndex(0);
        emit medium->activated(0);
        QVERIFY(calculator->isEnabled());
        inNextDialog(
            [](QWidget& d) {
                child<QLineEdit>(d, "Edit1")->setText(QStringLiteral("100"));
                child<QLineEdit>(d, "Edit2")->setText(QStringLiteral("100"));
                child<QLineEdit>(d, "Edit3")->setText(QStringLiteral("20"));
                child<QPushButton>(d, "Button1")->click();
            },
            "Button2");
        calculator->click();
        QCOMPARE(child<QLineEdit>(w, "Edit4")->text(), QStringLiteral("148,2"));
    }
};

QTEST_MAIN(CalculatorWiringTest)
#include "test_calculator_wiring.moc"
