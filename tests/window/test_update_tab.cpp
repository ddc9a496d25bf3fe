// The Update tab: loading an image through the real open dialog, refusing a bad one, and a
// programming run that keeps the window alive.

#include "app/ProU.h"
#include "sim/Sim.h"
#include "tests/support/Controls.h"
#include "tests/support/ModalDriver.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class UpdateTabTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString imageFile(const char* name, int size, const QByteArray& trailer) {
        const QString path = dir.filePath(QLatin1String(name));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", name);
        f.write(QByteArray(size - trailer.size(), '\x11') + trailer);
        return path;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void loadingArmsProgramming() {
        TForm1 w;
        w.show();
        child<QTabWidget>(w, "PageControl1")->setCurrentIndex(3);
        auto* start = child<QPushButton>(w, "Button10");
        QVERIFY(!start->isEnabled());
        const QString path = imageFile("good.zet", 7680, QByteArray::fromHex("01100532"));
        modal::chooseFile(QStringLiteral("OpenDialog1"), path);
        child<QPushButton>(w, "Button9")->click();
        QCOMPARE(child<QLabel>(w, "Label18")->text(), QStringLiteral("1.16"));
        QCOMPARE(child<QLabel>(w, "Label24")->text(), QStringLiteral("05.03.2009г."));
        QCOMPARE(child<QLineEdit>(w, "Edit10")->text(), QDir::toNativeSeparators(path));
        QVERIFY(start->isEnabled());

        // A file of the wrong size is refused and changes nothing.
        const QString bad = imageFile("short.zet", 100, QByteArray::fromHex("02000101"));
        modal::chooseFile(QStringLiteral("OpenDialog1"), bad);
        QString message;
        modal::answerBox(QMessageBox::Ok, &message);
        child<QPushButton>(w, "Button9")->click();
        QVERIFY(message.startsWith(QStringLiteral("Ошибка: Файл прошивки должен содержать 7680")));
        QCOMPARE(child<QLabel>(w, "Label18")->text(), QStringLiteral("1.16"));
        QCOMPARE(child<QLineEdit>(w, "Edit10")->text(), QDir::toNativeSeparators(path));
        QVERIFY(start->isEnabled());
    }

    void programmingKeepsTheWindowAlive() {
        sim::Server meter;
        QVERIFY(meter.start());
        TForm1 w;
        w.show();
        auto* ports = child<QComboBox>(w, "ComboBox1");
        ports->insertItem(0, meter.ptyPath() + QStringLiteral(" simulated meter"));
        ports->setCurrentIndex(0);
        child<QTabWidget>(w, "PageControl1")->setCurrentIndex(3);
        modal::chooseFile(QStringLiteral("OpenDialog1"),
                          imageFile("run.zet", 7680, QByteArray::fromHex("01100532")));
        child<QPushButton>(w, "Button9")->click();

        QString question, notice;
        modal::answerBox(QMessageBox::Yes, &question);
        // The notice comes once the meter has acknowledged; answer it when it shows.
        QTimer::singleShot(100, [&] { modal::answerBox(QMessageBox::Ok, &notice); });
        // A timer of the window's own keeps firing while the image goes out and comes back:
        // the window handles its messages throughout and never freezes.
        QList<int> positions;
        bool lockedThroughout = true;
        bool sawImageGoing = false;
        bool stopRefused = true;
        QElapsedTimer sinceTick;
        qint64 longestGap = 0;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (sinceTick.isValid())
                longestGap = std::max(longestGap, sinceTick.elapsed());
            sinceTick.start();
            positions.append(child<QProgressBar>(w, "ProgressBar1")->value());
            lockedThroughout = lockedThroughout && !child<QPushButton>(w, "Button9")->isEnabled();
            // Once the image goes out the stop button stays, disabled, and says why.
            if (positions.last() > 0) {
                const auto* stop = child<QPushButton>(w, "CancelButton");
                sawImageGoing = true;
                stopRefused =
                    stopRefused && stop->isVisible() && !stop->isEnabled() &&
                    stop->toolTip().startsWith(QStringLiteral("Прошивку нельзя прервать"));
            }
        });
        watch.start(10);
        QElapsedTimer run;
        run.start();
        child<QPushButton>(w, "Button10")->click();
        const qint64 runMs = run.elapsed();
        watch.stop();
        qDebug("programming run %lld ms, %lld ticks, longest gap %lld ms", runMs,
               qint64(positions.size()), longestGap);
        QCOMPARE(question, QStringLiteral("Внимание: Вы действительно хотите начать прошивку?"));
        QVERIFY(notice.startsWith(QStringLiteral("Обновление: Сейчас программа прибора")));
        QCOMPARE(child<QLabel>(w, "StatusPanel0")->text(), QStringLiteral("Завершено успешно"));
        // The timer ticked during the run and saw the bar at two places on its way at least:
        // a window that froze while the image went out would see it only before and after.
        QVERIFY(positions.size() >= 5);
        const QSet<int> places(positions.begin(), positions.end());
        QVERIFY2(places.size() >= 3, qPrintable(QString::number(places.size())));
        QVERIFY(lockedThroughout);
        QVERIFY(sawImageGoing);
        QVERIFY(stopRefused);
        QVERIFY(!child<QPushButton>(w, "CancelButton")->isVisible());
        QVERIFY(std::adjacent_find(positions.begin(), positions.end(), std::not_equal_to<>()) !=
                positions.end()); // the bar moved
        QCOMPARE(child<QProgressBar>(w, "ProgressBar1")->value(), 0);
        QVERIFY(child<QPushButton>(w, "Button10")->isEnabled());
    }
};

QTEST_MAIN(UpdateTabTest)
#include "test_update_tab.moc"
