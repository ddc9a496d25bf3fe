#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit5.h"
#include "calculators/CalculatorTables.h"
#include "calculators/CalculatorTexts.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

using namespace calculators;

namespace {

template <typename T = QLineEdit>
T* child(QWidget* dialog, const char* name) {
    T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

QString text(QWidget* dialog, const char* name) { return child(dialog, name)->text(); }

void setText(QWidget* dialog, const char* name, const QString& value) {
    child(dialog, name)->setText(value);
}

void click(QWidget* dialog, const char* name) {
    QTest::mouseClick(child<QAbstractButton>(dialog, name), Qt::LeftButton);
}

// Runs `action` (which opens something modal) and, once a widget of type T is the active modal
// one, hands it to `handle`, which must close it.
template <typename T>
void whenModal(const std::function<void(T*)>& handle) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, handle] {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            handle(modal);
        }
    });
    timer->start();
}

// Collects the errors a dialog reports instead of showing them.
struct ErrorLog {
    QStringList errors;
    CalculatorErrorReporter reporter() {
        return [this](QWidget*, const QString& error) { errors << error; };
    }
};

// The menu titles above every leaf of a menu, keyed by the leaf's Tag.
void collectLeaves(QMenu* menu, const QStringList& above, QMap<int, QStringList>& paths,
                   QMap<int, QString>& names) {
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu()) {
            collectLeaves(sub, above + QStringList{sub->title()}, paths, names);
        } else {
            const int tag = action->property("Tag").toInt();
            paths[tag] = above + QStringList{action->text()};
            names[tag] = action->objectName();
        }
    }
}

} // namespace

class CalculatorDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void correctionDialogStartsWithItsDefaults() {
        TForm2 form;
        QCOMPARE(form.objectName(), QStringLiteral("Form2"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Калькулятор коэффициента коррекции"));
        const QList<std::pair<const char*, const char*>> fields{
            {"Edit1", "0"},  {"Edit2", "0"},      {"Edit5", "0"},      {"Edit8", "80"},
            {"Edit9", "10"}, {"Edit6", "0,3653"}, {"Edit7", "1,3080"}, {"Edit11", "0"},
            {"Edit12", "0"}, {"Edit16", "0"},     {"Edit3", "0"},      {"Edit4", "0"},
            {"Edit10", "0"},
        };
        for (const auto& [name, value] : fields)
            QCOMPARE(text(&form, name), QString::fromUtf8(value));
        QCOMPARE(child<QLabel>(&form, "Label10")->text(), QStringLiteral("0"));
        QVERIFY(child<QRadioButton>(&form, "RadioButton1")->isChecked());
        QVERIFY(child(&form, "Edit11")->isEnabled());
        QVERIFY(!child(&form, "Edit12")->isEnabled());
        // Display-only results: read-only, yet enabled so they read black on white.
        for (const char* name : {"Edit16", "Edit3", "Edit4", "Edit10"}) {
            QVERIFY(child(&form, name)->isReadOnly());
            QVERIFY(child(&form, name)->isEnabled());
        }
        for (const char* name : {"Edit16", "Edit3", "Edit4", "Edit10"})
            QVERIFY(child(&form, name)->font().bold());
        // The hot end red, the cold end blue, in shades white text reads well on.
        const QColor hot = child(&form, "Edit8")->palette().color(QPalette::Base);
        const QColor cold = child(&form, "Edit9")->palette().color(QPalette::Base);
        QVERIFY2(hot.hue() < 15 && hot.value() < 200, qPrintable(hot.name()));
        QVERIFY2(cold.hue() > 200 && cold.hue() < 240 && cold.value() < 200,
                 qPrintable(cold.name()));
        for (const char* name : {"Edit8", "Edit9"})
            QCOMPARE(child(&form, name)->palette().color(QPalette::Text), QColor(Qt::white));

        // Each field's label, as zetra-cli prints it too.
        const QList<std::pair<const char*, QString>> labels{
            {"Edit1", diameterLabel()},       {"Edit2", angleLabel()},
            {"Edit5", roughnessLabel()},      {"Edit8", temperatureMaxLabel()},
            {"Edit9", temperatureMinLabel()}, {"Edit6", viscosityMinLabel()},
            {"Edit7", viscosityMaxLabel()},   {"Edit16", correctionKLabel()},
            {"Edit3", coefficientALabel()},   {"Edit4", coefficientBLabel()},
            {"Edit10", coefficientCLabel()},
        };
        for (const auto& [name, label] : labels) {
            QLabel* found = nullptr;
            for (QLabel* l : form.findChildren<QLabel*>()) {
                if (l->buddy() == child(&form, name))
                    found = l;
            }
            QVERIFY2(found, name);
            QCOMPARE(found->text(), label);
        }
        QCOMPARE(child<QRadioButton>(&form, "RadioButton1")->text(), velocityMaxLabel());
        QCOMPARE(child<QRadioButton>(&form, "RadioButton2")->text(), flowMaxLabel());
    }

    void correctionRadioButtonsChooseTheGivenMaximum() {
        TForm2 form;
        click(&form, "RadioButton2");
        QVERIFY(!child(&form, "Edit11")->isEnabled());
        QVERIFY(child(&form, "Edit12")->isEnabled());
        click(&form, "RadioButton1");
        QVERIFY(child(&form, "Edit11")->isEnabled());
        QVERIFY(!child(&form, "Edit12")->isEnabled());
    }

    void typingATemperatureFillsItsViscosity() {
        TForm2 form;
        ErrorLog log;
        form.setErrorReporter(log.reporter());
        QLineEdit* tmax = child(&form, "Edit8");
        tmax->selectAll();
        QTest::keyClicks(tmax, "150");
        QCOMPARE(text(&form, "Edit6"), QStringLiteral("max 149°С"));
        tmax->selectAll();
        QTest::keyClicks(tmax, "149");
        QCOMPARE(text(&form, "Edit6"), QStringLiteral("0,1993"));
        QCOMPARE(text(&form, "Edit7"), QStringLiteral("1,3080"));

        QLineEdit* tmin = child(&form, "Edit9");
        tmin->selectAll();
        QTest::keyClicks(tmin, "0");
        QCOMPARE(text(&form, "Edit7"), QStringLiteral("1,7980"));
        tmin->clear();
        QCOMPARE(text(&form, "Edit7"), QStringLiteral("1,7980"));
        QVERIFY(log.errors.isEmpty());

        QTest::keyClicks(tmin, "x");
        QCOMPARE(log.errors, QStringList{"'x' is not a valid integer value"});
        QCOMPARE(text(&form, "Edit7"), QStringLiteral("1,7980"));
    }

    void roughnessMenuMatchesTheTable() {
        TForm2 form;
        auto* menu = child<QMenu>(&form, "PopupMenu1");
        QMap<int, QStringList> paths;
        QMap<int, QString> names;
        collectLeaves(menu, {}, paths, names);
        QCOMPARE(paths.size(), kLastRoughnessTag);
        for (int tag = kFirstRoughnessTag; tag <= kLastRoughnessTag; ++tag) {
            QCOMPARE(paths.value(tag), roughnessMenuPath(tag));
            QCOMPARE(names.value(tag), roughnessMenuItem(tag));
        }
    }

    void roughnessMenuItemSetsTheRoughness() {
        TForm2 form;
        child<QAction>(&form, "N11")->trigger(); // "чугун" / "с накипью"
        QCOMPARE(text(&form, "Edit5"), QStringLiteral("1,50"));
        child<QAction>(&form, "N15")->trigger();
        QCOMPARE(text(&form, "Edit5"), QStringLiteral("0,03"));
    }

    void roughnessMenuOpensFromTheFieldAndTheIcon() {
        TForm2 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* menu = child<QMenu>(&form, "PopupMenu1");
        for (const char* name : {"Edit5", "Image1"}) {
            QWidget* source = child<QWidget>(&form, name);
            QCOMPARE(source->contextMenuPolicy(), Qt::CustomContextMenu);
            emit source->customContextMenuRequested(QPoint(2, 2));
            QTRY_VERIFY(menu->isVisible());
            menu->close();
            QTRY_VERIFY(!menu->isVisible());
        }
    }

    void calculationFillsTheResults_data() {
        QTest::addColumn<int>("firmware");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("c");
        QTest::newRow("version 5") << 5 << "0,9923"
                                   << "0,9990";
        QTest::newRow("version 6") << 6 << "0,9990"
                                   << "0,9923";
    }
    void calculationFillsTheResults() {
        QFETCH(int, firmware);
        QFETCH(QString, a);
        QFETCH(QString, c);
        TForm2 form;
        form.prepare("100", "45", true, firmware);
        QCOMPARE(child<QLabel>(&form, "Label10")->text(), QString::number(firmware));
        setText(&form, "Edit5", "0,10");
        setText(&form, "Edit11", "3");
        click(&form, "Button1");
        QCOMPARE(text(&form, "Edit12"), QStringLiteral("84,823"));
        const TForm2::Results r = form.results();
        QCOMPARE(r.correctionK, QStringLiteral("0,9387"));
        QCOMPARE(r.coefficientA, a);
        QCOMPARE(r.coefficientB, QStringLiteral("0,9973"));
        QCOMPARE(r.coefficientC, c);
        QCOMPARE(text(&form, "Edit3"), a);
        QCOMPARE(text(&form, "Edit10"), c);
    }

    void calculationErrorShowsABoxUnderTheProgramTitle() {
        TForm2 form;
        form.prepare("100", "0", true, 0);
        setText(&form, "Edit5", "0,10");
        setText(&form, "Edit11", "3");
        QString caption, message;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            caption = box->windowTitle();
            message = box->text();
            icon = box->icon();
            box->accept();
        });
        click(&form, "Button1");
        QCOMPARE(caption, QStringLiteral("ЗЕТРА"));
        QCOMPARE(message, QStringLiteral("Invalid floating point operation"));
        QCOMPARE(icon, QMessageBox::Critical);
        // The flow and K were written before the 0/0; the coefficients stay.
        QCOMPARE(text(&form, "Edit12"), QStringLiteral("84,823"));
        QCOMPARE(text(&form, "Edit16"), QStringLiteral("0,0000"));
        QCOMPARE(text(&form, "Edit3"), QStringLiteral("0"));
        QCOMPARE(text(&form, "Edit10"), QStringLiteral("0"));
    }

    void okAcceptsAndCancelRejects() {
        TForm2 form;
        whenModal<TForm2>([](TForm2* dialog) { click(dialog, "Button2"); });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        whenModal<TForm2>([](TForm2* dialog) { click(dialog, "Button3"); });
        QCOMPARE(form.exec(), int(QDialog::Rejected));
    }

    void typedValuesSurviveTheNextOpening() {
        TForm2 form;
        form.prepare("100", "45", true, 6);
        setText(&form, "Edit5", "0,10");
        setText(&form, "Edit11", "3");
        whenModal<TForm2>([](TForm2* dialog) {
            click(dialog, "Button1");
            click(dialog, "Button3");
        });
        QCOMPARE(form.exec(), int(QDialog::Rejected));

        // Opened again for an oil pipe: the diameter, angle and version are taken afresh, the
        // temperatures are locked, everything else is as it was left.
        form.prepare("200", "30", false, 5);
        whenModal<TForm2>([](TForm2* dialog) { click(dialog, "Button2"); });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QCOMPARE(text(&form, "Edit1"), QStringLiteral("200"));
        QCOMPARE(text(&form, "Edit2"), QStringLiteral("30"));
        QCOMPARE(child<QLabel>(&form, "Label10")->text(), QStringLiteral("5"));
        QVERIFY(!child(&form, "Edit8")->isEnabled());
        QVERIFY(!child(&form, "Edit9")->isEnabled());
        QCOMPARE(text(&form, "Edit5"), QStringLiteral("0,10"));
        QCOMPARE(text(&form, "Edit6"), QStringLiteral("0,3653"));
        QCOMPARE(text(&form, "Edit11"), QStringLiteral("3"));
        QCOMPARE(form.results().correctionK, QStringLiteral("0,9387"));
        QCOMPARE(form.results().coefficientA, QStringLiteral("0,9990"));
        form.prepare("200", "30", true, 5);
        QVERIFY(child(&form, "Edit8")->isEnabled());
    }

    void channelDialog() {
        TForm3 form;
        ErrorLog log;
        form.setErrorReporter(log.reporter());
        QCOMPARE(form.objectName(), QStringLiteral("Form3"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Калькулятор длины канала"));
        for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"})
            QCOMPARE(text(&form, name), QStringLiteral("0"));
        QVERIFY(child(&form, "Edit4")->isReadOnly());
        QVERIFY(child(&form, "Edit4")->isEnabled());
        QVERIFY(child(&form, "Edit4")->font().bold());
        QCOMPARE(child<QLabel>(&form, "Label1")->text(), QStringLiteral("tпо, мкс:"));
        QCOMPARE(child<QLabel>(&form, "Label4")->text(), lengthLabel());

        setText(&form, "Edit1", "100");
        setText(&form, "Edit2", "102");
        setText(&form, "Edit3", "20");
        click(&form, "Button1");
        QCOMPARE(form.lengthText(), QStringLiteral("149,7"));

        setText(&form, "Edit3", "95");
        click(&form, "Button1");
        setText(&form, "Edit2", "abc");
        click(&form, "Button1");
        QCOMPARE(log.errors, (QStringList{"Температура должна быть от 1,0 до 89,9 °С",
                                          "'abc' is not a valid floating point value"}));
        QCOMPARE(form.lengthText(), QStringLiteral("149,7"));

        whenModal<TForm3>([](TForm3* dialog) { click(dialog, "Button2"); });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QCOMPARE(form.lengthText(), QStringLiteral("149,7"));
        QCOMPARE(text(&form, "Edit2"), QStringLiteral("abc"));
    }

    void pulseDialogDefaultsAndRadioButtons() {
        TForm5 form;
        QCOMPARE(form.objectName(), QStringLiteral("Form5"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Калькулятор веса импульса"));
        QCOMPARE(text(&form, "Edit1"), QStringLiteral("16"));
        for (const char* name : {"Edit2", "Edit11", "Edit12", "Edit3"})
            QCOMPARE(text(&form, name), QStringLiteral("0"));
        QVERIFY(child(&form, "Edit3")->font().bold());
        QVERIFY(child(&form, "Edit3")->isEnabled());
        QVERIFY(!child(&form, "Edit3")->isReadOnly());
        QCOMPARE(child<QLabel>(&form, "Label1")->text(), pulseRateLabel());
        QCOMPARE(child<QLabel>(&form, "Label3")->text(),
                 QStringLiteral("Минимальный допустимый вес\nимпульса, литров/импульс:"));

        QVERIFY(!child(&form, "Edit12")->isEnabled());
        click(&form, "RadioButton2");
        for (const char* name : {"Edit2", "Edit11"})
            QVERIFY(!child(&form, name)->isEnabled());
        QVERIFY(!child<QLabel>(&form, "Label2")->isEnabled());
        QVERIFY(child(&form, "Edit12")->isEnabled());
        click(&form, "RadioButton1");
        for (const char* name : {"Edit2", "Edit11"})
            QVERIFY(child(&form, name)->isEnabled());
        QVERIFY(child<QLabel>(&form, "Label2")->isEnabled());
        QVERIFY(!child(&form, "Edit12")->isEnabled());
    }

    void pulseDialogCalculatesAndKeepsItsValues() {
        TForm5 form;
        ErrorLog log;
        form.setErrorReporter(log.reporter());
        form.prepare("100");
        setText(&form, "Edit11", "3");
        click(&form, "Button1");
        QCOMPARE(text(&form, "Edit12"), QStringLiteral("84,823"));
        QCOMPARE(form.pulseWeightText(), QStringLiteral("1,473"));

        click(&form, "RadioButton2");
        setText(&form, "Edit12", "3,6");
        setText(&form, "Edit1", "1");
        click(&form, "Button1");
        QCOMPARE(text(&form, "Edit11"), QStringLiteral("0,127"));
        QCOMPARE(form.pulseWeightText(), QStringLiteral("1,000"));

        setText(&form, "Edit1", "0");
        setText(&form, "Edit12", "7,2");
        click(&form, "Button1");
        QCOMPARE(log.errors, QStringList{"Floating point division by zero"});
        QCOMPARE(text(&form, "Edit11"), QStringLiteral("0,255"));
        QCOMPARE(form.pulseWeightText(), QStringLiteral("1,000"));

        // The result may be edited by hand; the rate and the mode stay for the next opening,
        // the diameter comes afresh.
        setText(&form, "Edit1", "2");
        setText(&form, "Edit3", "5,00");
        whenModal<TForm5>([](TForm5* dialog) { click(dialog, "Button3"); });
        QCOMPARE(form.exec(), int(QDialog::Rejected));
        form.prepare("50");
        whenModal<TForm5>([](TForm5* dialog) { click(dialog, "Button2"); });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QCOMPARE(form.pulseWeightText(), QStringLiteral("5,00"));
        QCOMPARE(text(&form, "Edit1"), QStringLiteral("2"));
        QCOMPARE(text(&form, "Edit2"), QStringLiteral("50"));
        QVERIFY(child<QRadioButton>(&form, "RadioButton2")->isChecked());
    }
};

QTEST_MAIN(CalculatorDialogs)
#include "test_calculator_dialogs.moc"
