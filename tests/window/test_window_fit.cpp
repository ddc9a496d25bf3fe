// The window as a new user meets it: Qt's own dialogs in Russian, one font everywhere, the
// memos' font dialog, display-only calculator results, the port list that follows the PC's
// ports, and tabs that lay out at every size without clipping or overlap.

#include "app/MemoFontDialog.h"
#include "app/PortListWatcher.h"
#include "app/ProU.h"
#include "app/QtTranslation.h"
#include "link/PortList.h"
#include "tests/support/Controls.h"
#include "tests/support/ModalDriver.h"

#include "tests/support/Skips.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>

#include <QtTest>

namespace {
enum class Opened { QuestionBox, ErrorBox, FontDialog, SaveDialog, Form2, Form3, Form5 };

// Opens one of the window's modal windows, runs `inside` on it, then closes it.
void openModal(TForm1& w, Opened which, const std::function<void(QWidget&)>& inside) {
    modal::onNext<QDialog>([inside](QDialog& dialog) {
        inside(dialog);
        dialog.reject();
    });
    switch (which) {
    case Opened::QuestionBox:
        w.askYesNo(QStringLiteral("Внимание"), QStringLiteral("Очистить архивы?"));
        break;
    case Opened::ErrorBox:
        w.showError(QStringLiteral("Ошибка"), QStringLiteral("Неверное значение"));
        break;
    case Opened::FontDialog:
        child<QTabWidget>(w, "PageControl1")->setCurrentIndex(1);
        child<QPushButton>(w, "Button3")->click();
        break;
    case Opened::SaveDialog:
        child<QTabWidget>(w, "PageControl1")->setCurrentIndex(1);
        child<QPushButton>(w, "Button2")->click();
        break;
    case Opened::Form2:
        child<QRadioButton>(w, "RadioButton2")->click(); // diametral insertion
        child<QToolButton>(w, "Button7")->click();
        break;
    case Opened::Form3: {
        auto* medium = child<QComboBox>(w, "ComboBox2");
        medium->setCurrentIndex(0); // water
        emit medium->activated(0);
        child<QToolButton>(w, "Button6")->click();
        break;
    }
    case Opened::Form5:
        child<QToolButton>(w, "Button8")->click();
        break;
    }
}

QString withoutMnemonic(QString text) { return text.remove(QLatin1Char('&')); }

// The controls a person reads or types into, as laid out on `page`.
QList<QWidget*> controlsOn(QWidget* page) {
    QList<QWidget*> controls;
    for (QWidget* c : page->findChildren<QWidget*>()) {
        if (!c->isVisibleTo(page) ||
            !(qobject_cast<QLabel*>(c) || qobject_cast<QLineEdit*>(c) ||
              qobject_cast<QComboBox*>(c) || qobject_cast<QAbstractButton*>(c) ||
              qobject_cast<QAbstractSpinBox*>(c)))
            continue;
        // Parts of compound controls (a spin box's line, a tab bar's buttons) are not counted.
        if (qobject_cast<QAbstractSpinBox*>(c->parentWidget()) ||
            qobject_cast<QComboBox*>(c->parentWidget()) ||
            qobject_cast<QTabBar*>(c->parentWidget()))
            continue;
        controls.append(c);
    }
    return controls;
}

// Carries out the layout requests that showing a page posted, as the event loop would.
void settleLayouts() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

QRect rectOn(QWidget* page, QWidget* control) {
    return QRect(control->mapTo(page, QPoint(0, 0)), control->size());
}
} // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

    bool qtRussian = false; // Qt's own translation qtbase_ru.qm was found

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        qtRussian = qt_translation::install(QStringLiteral("ru"));
    }

    void qtsOwnWindowsSpeakRussian_data() {
        QTest::addColumn<int>("opened");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("question: yes") << int(Opened::QuestionBox) << "Yes"
                                       << "Да";
        QTest::newRow("question: no") << int(Opened::QuestionBox) << "No"
                                      << "Нет";
        QTest::newRow("save dialog: cancel") << int(Opened::SaveDialog) << "Cancel"
                                             << "Отмена";
        QTest::newRow("font dialog: caption") << int(Opened::FontDialog) << "caption"
                                              << "Выбор шрифта";
    }
    void qtsOwnWindowsSpeakRussian() {
        QFETCH(int, opened);
        QFETCH(QString, control);
        QFETCH(QString, text);
        if (!qtRussian)
            ZETRA_SKIP(qPrintable(QStringLiteral("no qtbase_ru.qm in %1 (qt6-translations-l10n, "
                                                 "which scripts/setup.sh installs)")
                                      .arg(qt_translation::folder())));
        TForm1 w;
        w.show();
        QString seen;
        openModal(w, Opened(opened), [&](QWidget& window) {
            if (control == QLatin1String("caption")) {
                seen = window.windowTitle();
            } else if (auto* box = qobject_cast<QMessageBox*>(&window)) {
                seen =
                    withoutMnemonic(box->button(control == QLatin1String("Yes") ? QMessageBox::Yes
                                                                                : QMessageBox::No)
                                        ->text());
            } else {
                for (QPushButton* b : window.findChildren<QPushButton*>())
                    if (withoutMnemonic(b->text()) == text)
                        seen = text;
            }
        });
        QCOMPARE(seen, text);
    }

    // Dialogs and message boxes are windows of their own; they read in the main window's font.
    void everyWindowUsesTheMainFont_data() {
        QTest::addColumn<int>("opened");
        QTest::newRow("question box") << int(Opened::QuestionBox);
        QTest::newRow("error box") << int(Opened::ErrorBox);
        QTest::newRow("font dialog") << int(Opened::FontDialog);
        QTest::newRow("save dialog") << int(Opened::SaveDialog);
        QTest::newRow("correction calculator") << int(Opened::Form2);
        QTest::newRow("channel calculator") << int(Opened::Form3);
        QTest::newRow("pulse calculator") << int(Opened::Form5);
    }
    void everyWindowUsesTheMainFont() {
        QFETCH(int, opened);
        TForm1 w;
        w.show();
        const QFontInfo main(w.font());
        QString family;
        int pixels = 0;
        openModal(w, Opened(opened), [&](QWidget& window) {
            const QFontInfo font(window.font());
            family = font.family();
            pixels = font.pixelSize();
        });
        QCOMPARE(family, main.family());
        QCOMPARE(pixels, main.pixelSize());
    }

    // The dialog opens on the font the memos are drawn in, so OK unchanged changes nothing; the
    // chosen font and colour go to both memos.
    void fontDialogOpensOnTheMemosFont_data() {
        QTest::addColumn<QFont>("memoFont");
        QTest::addColumn<QColor>("color");
        QTest::newRow("as at start") << QFont(QString()) << QColor(Qt::black);
        QTest::newRow("bold, larger")
            << QFont(QStringLiteral("DejaVu Sans Mono"), 11, QFont::Bold) << QColor(0x000080);
        QFont italic(QStringLiteral("Liberation Mono"), 9);
        italic.setItalic(true);
        QTest::newRow("italic") << italic << QColor(0x800000);
        QFont underlined(QStringLiteral("Courier New"), 10);
        underlined.setUnderline(true);
        QTest::newRow("underlined") << underlined << QColor(Qt::red);
    }
    void fontDialogOpensOnTheMemosFont() {
        QFETCH(QFont, memoFont);
        QFETCH(QColor, color);
        TForm1 w;
        w.show();
        auto* memo2 = child<QPlainTextEdit>(w, "Memo2");
        auto* memo3 = child<QPlainTextEdit>(w, "Memo3");
        // An empty family stands for the memos' font as the window starts with it.
        if (!memoFont.family().isEmpty())
            memo2->setFont(memoFont);
        const QFontInfo before(memo2->font());

        QFont offered;
        modal::onNext<MemoFontDialog>([&](MemoFontDialog& dialog) {
            offered = dialog.currentFont();
            dialog.findChild<QComboBox*>(QStringLiteral("ColorBox"))
                ->setCurrentIndex(
                    dialog.findChild<QComboBox*>(QStringLiteral("ColorBox"))->findData(color));
            dialog.accept();
        });
        child<QTabWidget>(w, "PageControl1")->setCurrentIndex(1);
        child<QPushButton>(w, "Button3")->click();

        const QFontInfo shown(offered);
        QCOMPARE(shown.family(), before.family());
        QCOMPARE(shown.styleName(), before.styleName());
        QCOMPARE(shown.pointSize(), before.pointSize());
        QCOMPARE(shown.italic(), before.italic());
        QCOMPARE(shown.bold(), before.bold());
        QCOMPARE(offered.underline(), memo2->font().underline());
        for (QPlainTextEdit* memo : {memo2, memo3}) {
            const QFontInfo after(memo->font());
            QCOMPARE(after.family(), before.family());
            QCOMPARE(after.pointSize(), before.pointSize());
            QCOMPARE(after.italic(), before.italic());
            QCOMPARE(after.bold(), before.bold());
            QCOMPARE(memo->font().underline(), before.underline());
            QCOMPARE(memo->palette().color(QPalette::Text), color);
        }
    }

    void resultFieldsAreDisplayOnly_data() {
        QTest::addColumn<int>("opened");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("K") << int(Opened::Form2) << "Edit16" << true;
        QTest::newRow("A") << int(Opened::Form2) << "Edit3" << true;
        QTest::newRow("B") << int(Opened::Form2) << "Edit4" << true;
        QTest::newRow("C") << int(Opened::Form2) << "Edit10" << true;
        QTest::newRow("channel length") << int(Opened::Form3) << "Edit4" << true;
        // The pulse weight may be corrected by hand before it is copied.
        QTest::newRow("pulse weight") << int(Opened::Form5) << "Edit3" << false;
    }
    void resultFieldsAreDisplayOnly() {
        QFETCH(int, opened);
        QFETCH(QString, field);
        QFETCH(bool, readOnly);
        TForm1 w;
        w.show();
        bool enabled = false, bold = false, wasReadOnly = !readOnly;
        openModal(w, Opened(opened), [&](QWidget& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(field);
            QVERIFY(edit);
            enabled = edit->isEnabled();
            bold = QFontInfo(edit->font()).bold();
            wasReadOnly = edit->isReadOnly();
        });
        QVERIFY(enabled);
        QVERIFY(bold);
        QCOMPARE(wasReadOnly, readOnly);
    }

    // A port plugged in or pulled out shows in the list; the selection stays on its port.
    void portListFollowsThePorts_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("selectedAfter");
        const QString pipe = line::port_list::pipeEntry();
        QTest::newRow("adapter plugged in before the selected port")
            << QStringList{"ttyS0", "ttyS1"} << "ttyS1 " << QStringList{"ttyACM0", "ttyS0", "ttyS1"}
            << "ttyS1 ";
        QTest::newRow("pipe stays selected")
            << QStringList{"ttyS0"} << pipe << QStringList{"ttyS0", "ttyUSB0"} << pipe;
        // Where the selection goes when ports go is the port list's own test.
        QTest::newRow("selected port pulled out")
            << QStringList{"ttyS0", "ttyUSB0"} << "ttyUSB0 " << QStringList{"ttyS0"} << "ttyS0 ";
    }
    void portListFollowsThePorts() {
        QFETCH(QStringList, before);
        QFETCH(QString, selected);
        QFETCH(QStringList, after);
        QFETCH(QString, selectedAfter);
        TForm1 w;
        auto* watcher = w.findChild<PortListWatcher*>(QStringLiteral("PortListWatcher"));
        QVERIFY(watcher);
        auto* list = child<QComboBox>(w, "ComboBox1");
        QStringList names = before;
        watcher->setSource([&names] {
            QList<line::port_list::Port> ports;
            for (const QString& name : names)
                ports.append({name, QString()});
            return ports;
        });
        watcher->refresh();
        list->setCurrentIndex(list->findText(selected));
        QCOMPARE(list->currentText(), selected);

        names = after;
        watcher->refresh();
        QStringList expected;
        for (const QString& name : after)
            expected.append(name + QLatin1Char(' '));
        expected.append(line::port_list::pipeEntry());
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown.append(list->itemText(i));
        QCOMPARE(shown, expected);
        QCOMPARE(list->currentText(), selectedAfter);
    }

    // While an action runs the list stays as it is, so the port in use does not move.
    void portListWaitsForTheAction() {
        TForm1 w;
        auto* watcher = w.findChild<PortListWatcher*>(QStringLiteral("PortListWatcher"));
        auto* list = child<QComboBox>(w, "ComboBox1");
        const int count = list->count();
        bool changed = true;
        modal::onNext<QFileDialog>(
            [&](QFileDialog& dialog) {
                // Loading a settings file is an action: a port appears while its dialog is open.
                watcher->setSource([] {
                    return QList<line::port_list::Port>{{"ttyFAKE0", QString()}};
                });
                watcher->refresh();
                changed = list->count() != count;
                dialog.reject();
            },
            QStringLiteral("OpenDialog2"));
        child<QTabWidget>(w, "PageControl1")->setCurrentIndex(2);
        child<QToolButton>(w, "SpeedButton1")->click();
        QVERIFY(!changed);
        watcher->refresh();
        QCOMPARE(list->itemText(0), QStringLiteral("ttyFAKE0 "));
    }

    // Every tab at the starting size, at the smallest size the window allows and maximised:
    // no control is smaller than it needs, no two overlap.
    void tabsLayOutAtEverySize_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QSize>("size");
        const char* names[] = {"Информация", "Архив", "Настройка прибора", "Обновление", "История"};
        for (int tab = 0; tab < 5; ++tab) {
            QTest::addRow("%s, start", names[tab]) << tab << QSize();
            QTest::addRow("%s, 640x400", names[tab]) << tab << QSize(640, 400);
            QTest::addRow("%s, 1280x900", names[tab]) << tab << QSize(1280, 900);
        }
    }
    void tabsLayOutAtEverySize() {
        QFETCH(int, tab);
        QFETCH(QSize, size);
        TForm1 w;
        // Values as long as the meter gives them.
        for (const char* name : {"Label22", "Label42", "Label23", "Label30", "Label31", "Label27",
                                 "Label39", "Label12", "Label25", "Label28", "Label29", "Label32"})
            child<QLabel>(w, name)->setText(QStringLiteral("12345678,901"));
        w.show();
        if (size.isValid())
            w.resize(size);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (size.isValid())
            QCOMPARE(w.size(), size);
        auto* tabs = child<QTabWidget>(w, "PageControl1");
        tabs->setCurrentIndex(tab);
        settleLayouts();
        QWidget* page = tabs->currentWidget();
        const QList<QWidget*> controls = controlsOn(page);
        QVERIFY(!controls.isEmpty());
        for (QWidget* c : controls) {
            QSize need = c->minimumSizeHint();
            // A list shows its longest entry; a field has room for a number.
            if (qobject_cast<QComboBox*>(c))
                need = need.expandedTo(c->sizeHint());
            else if (qobject_cast<QLineEdit*>(c) || qobject_cast<QAbstractSpinBox*>(c))
                need.setWidth(std::max(need.width(), 60));
            QVERIFY2(c->width() >= need.width() && c->height() >= need.height(),
                     qPrintable(QStringLiteral("%1 clipped: %2x%3 of %4x%5")
                                    .arg(c->objectName())
                                    .arg(c->width())
                                    .arg(c->height())
                                    .arg(need.width())
                                    .arg(need.height())));
        }
        for (int i = 0; i < controls.size(); ++i)
            for (int j = i + 1; j < controls.size(); ++j) {
                QWidget* a = controls[i];
                QWidget* b = controls[j];
                if (a->isAncestorOf(b) || b->isAncestorOf(a))
                    continue;
                QVERIFY2(
                    !rectOn(page, a).intersects(rectOn(page, b)),
                    qPrintable(a->objectName() + QStringLiteral(" overlaps ") + b->objectName()));
            }
    }

    // The Settings tab's lists show their longest entry whole.
    void listsShowTheirLongestEntry() {
        TForm1 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        child<QTabWidget>(w, "PageControl1")->setCurrentIndex(2);
        // The page's scroll area lays it out once it shows.
        settleLayouts();
        for (const char* name : {"ComboBox2", "ComboBox3"}) {
            auto* list = child<QComboBox>(w, name);
            int widest = 0;
            for (int i = 0; i < list->count(); ++i)
                widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
            QVERIFY2(list->width() >= widest + 30,
                     qPrintable(
                         QStringLiteral("%1: %2 for %3").arg(name).arg(list->width()).arg(widest)));
        }
    }

    // Maximised, the Settings tab's two columns share the width, and the Info values stay near
    // their captions.
    void maximisedTabsUseTheWidth() {
        TForm1 w;
        w.show();
        w.resize(1280, 900);
        auto* tabs = child<QTabWidget>(w, "PageControl1");
        tabs->setCurrentIndex(2);
        QApplication::processEvents();
        // Each column's fields grow with it: the cable length on the left, the zero offset on
        // the right.
        const int leftColumn = child<QGroupBox>(w, "GroupBox1")->width();
        const int rightColumn = child<QGroupBox>(w, "GroupBox3")->width();
        const int leftField = child<QLineEdit>(w, "Edit11")->width();
        const int rightField = child<QLineEdit>(w, "Edit12")->width();
        QVERIFY2(std::abs(leftColumn - rightColumn) < 60 && std::abs(leftField - rightField) < 60,
                 qPrintable(QStringLiteral("columns %1 / %2, fields %3 / %4")
                                .arg(leftColumn)
                                .arg(rightColumn)
                                .arg(leftField)
                                .arg(rightField)));
        QVERIFY2(leftField > 250, qPrintable(QString::number(leftField)));

        tabs->setCurrentIndex(0);
        QApplication::processEvents();
        auto* caption = child<QLabel>(w, "Label15");
        auto* value = child<QLabel>(w, "Label22");
        value->setText(QStringLiteral("12,345"));
        QApplication::processEvents();
        const int captionEnd = caption->mapTo(&w, QPoint(caption->sizeHint().width(), 0)).x();
        const int valueStart =
            value->mapTo(&w, QPoint(0, 0)).x() + value->width() - value->sizeHint().width();
        QVERIFY2(valueStart - captionEnd < 200,
                 qPrintable(QStringLiteral("%1 .. %2").arg(captionEnd).arg(valueStart)));
    }
};

ZETRA_TEST_MAIN(WindowFitTest)
#include "test_window_fit.moc"
