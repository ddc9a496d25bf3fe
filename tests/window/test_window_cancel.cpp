// The window while a meter action runs: "Прервать" shows only then and Esc presses it, closing
// the window asks first, and the exchange log shows and saves the frames of an Info readout.

#include "app/ExchangeLogWindow.h"
#include "app/ProU.h"
#include "link/Link.h"
#include "sim/Sim.h"
#include "tests/support/Controls.h"
#include "tests/support/Frames.h"
#include "tests/support/InfoReadout.h"
#include "tests/support/ModalDriver.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

namespace {
// A remote-access pipe whose far end takes every frame and never answers: each attempt would
// wait its 4 s.
class DeadPipe {
public:
    DeadPipe() {
        server_.listen(dir_.filePath(QStringLiteral("dead_pipe")));
        QObject::connect(&server_, &QLocalServer::newConnection, [this] {
            while (QLocalSocket* s = server_.nextPendingConnection())
                QObject::connect(s, &QLocalSocket::readyRead, s,
                                 [this, s] { taken_ += int(s->readAll().size()); });
        });
    }
    QString name() const { return server_.fullServerName(); }
    int bytesTaken() const { return taken_; }

private:
    QTemporaryDir dir_;
    QLocalServer server_;
    int taken_ = 0;
};

// Opens the exchange log's window with Ctrl+L; its text view, or null when it did not open.
QPlainTextEdit* openLog(TForm1& w) {
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w))
        return nullptr;
    QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier);
    auto* log = w.findChild<ExchangeLogWindow*>(QStringLiteral("ExchangeLogWindow"));
    if (!log || !QTest::qWaitFor([log] { return log->isVisible(); }))
        return nullptr;
    return log->findChild<QPlainTextEdit*>(QStringLiteral("ExchangeLogView"));
}

// Runs `during` once, the first time the window's action is running (and `ready` holds).
void whileRunning(
    TForm1& w, std::function<void()> during, std::function<bool()> ready = [] { return true; }) {
    auto* probe = new QTimer(&w);
    probe->setInterval(20);
    QObject::connect(probe, &QTimer::timeout, [&w, probe, during, ready] {
        if (!w.actionRunning() || !ready())
            return;
        probe->stop();
        during();
    });
    probe->start();
}
} // namespace

class WindowCancelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // "Прервать" is hidden until an action runs; pressing it or Esc stops a readout whose
    // meter has gone silent at once, and it hides again.
    void cancelStopsADeadPipe_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("button") << false;
        QTest::newRow("Esc") << true;
    }
    void cancelStopsADeadPipe() {
        QFETCH(bool, escape);
        DeadPipe pipe;
        TForm1 w;
        w.show();
        w.selectPipe(pipe.name());
        auto* cancel = child<QPushButton>(w, "CancelButton");
        QVERIFY(!cancel->isVisible());
        bool shown = false;
        whileRunning(
            w,
            [&] {
                shown = cancel->isVisible() && cancel->isEnabled() &&
                        cancel->text() == QStringLiteral("Прервать");
                if (escape)
                    QTest::keyClick(&w, Qt::Key_Escape);
                else
                    cancel->click();
            },
            // once the first request is on its way and its attempt waits for the answer
            [&pipe] { return pipe.bytesTaken() >= 4; });
        child<QPushButton>(w, "Button1")->click();
        QVERIFY(shown);
        QCOMPARE(statusOf(w), QStringLiteral("Прервано пользователем"));
        QVERIFY(!cancel->isVisible());
        QVERIFY(child<QPushButton>(w, "Button1")->isEnabled());
        // Ended by the press, not by the attempt's 4 s without an answer: by the exchange
        // log's own stamps, the attempt under way gave up early and no other followed.
        QPlainTextEdit* view = openLog(w);
        QVERIFY(view);
        QTRY_VERIFY2(view->toPlainText().contains(QStringLiteral("Закрыт")),
                     qPrintable(view->toPlainText()));
        const QStringList lines = view->toPlainText().split(QLatin1Char('\n'));
        const QDateTime asked = test_frames::stampOf(lines, QStringLiteral(" 1/3"));
        const QDateTime gaveUp = test_frames::stampOf(lines, QStringLiteral("<   timeout"));
        QVERIFY2(asked.isValid() && gaveUp.isValid(), qPrintable(lines.join('\n')));
        QVERIFY2(asked.msecsTo(gaveUp) < line::kPipeTimeouts.totalConstantMs,
                 qPrintable(lines.join('\n')));
        QVERIFY2(!lines.join('\n').contains(QLatin1String(" 2/3")), qPrintable(lines.join('\n')));
    }

    // The close box during an action asks; No lets the action go on, Yes stops it and the
    // window closes once it has ended.
    void closeAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No") << false;
        QTest::newRow("Yes") << true;
    }
    void closeAsksFirst() {
        QFETCH(bool, yes);
        DeadPipe pipe;
        TForm1 w;
        w.show();
        w.selectPipe(pipe.name());
        QString question;
        bool runningAfterNo = false;
        whileRunning(w, [&] {
            modal::onNext<QMessageBox>([&](QMessageBox& box) {
                question = box.windowTitle() + QStringLiteral(": ") + box.text();
                box.button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
                if (yes)
                    return;
                // The action goes on after No, until "Прервать".
                QTimer::singleShot(100, &w, [&] {
                    runningAfterNo = w.actionRunning() && w.isVisible();
                    child<QPushButton>(w, "CancelButton")->click();
                });
            });
            QVERIFY(!w.close());
        });
        child<QPushButton>(w, "Button1")->click();
        QCOMPARE(question, QStringLiteral("Внимание: Выполняется обмен с прибором. Прервать его "
                                          "и закрыть программу?"));
        QCOMPARE(statusOf(w), QStringLiteral("Прервано пользователем"));
        if (yes)
            QTRY_VERIFY(!w.isVisible());
        else
            QVERIFY(runningAfterNo && w.isVisible());
    }

    // The log window (Ctrl+L) shows every frame of an Info readout with its meaning, and saves
    // exactly the lines it shows.
    void logOfAnInfoReadout() {
        sim::Server meter;
        QVERIFY2(meter.start(), qPrintable(meter.errorString()));
        TForm1 w;
        QCOMPARE(readInfoOver(w, meter.pipeName()), QStringLiteral("Завершено успешно"));

        QPlainTextEdit* view = openLog(w);
        QVERIFY(view);
        auto* log = w.findChild<ExchangeLogWindow*>(QStringLiteral("ExchangeLogWindow"));
        QTRY_VERIFY(view->toPlainText().contains(QLatin1String("ReadMemory 1261 4 1/3")));
        const QStringList lines = view->toPlainText().split(QLatin1Char('\n'));
        static const QRegularExpression shape(
            QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} [<>*] "));
        for (const QString& line : lines)
            QVERIFY2(shape.match(line).hasMatch(), qPrintable(line));
        QVERIFY(lines[0].endsWith(QStringLiteral("* Соединение: канал ") + meter.pipeName()));
        QVERIFY(lines[2].endsWith(QLatin1String("> 18 24 F7 62  ReadMemory 1271 2 1/3")));
        QVERIFY(lines[3].contains(QLatin1String(" < 64 00 ")) && lines[3].endsWith("  ok"));
        QVERIFY2(lines.last().contains(QStringLiteral("* Закрыт")), qPrintable(lines.last()));
        QVERIFY(lines[lines.size() - 2].endsWith(QStringLiteral("Итог: Завершено успешно")));
        QVERIFY(lines.filter(QRegularExpression(QStringLiteral(" > .*  ReadMemory \\d+ \\d+ 1/3$")))
                    .size() >= 10);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("exchange.txt"));
        QVERIFY(log->saveTo(path));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()), lines.join(QLatin1Char('\n')) + "\n");

        child<QPushButton>(*log, "ClearLogButton")->click();
        QVERIFY(view->toPlainText().isEmpty());
    }

    // The log opens beside the main window where the screen has room, narrowed to a side when
    // it must be, and over the window only when neither side holds a readable log.
    void logOpensBesideTheWindow_data() {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QRect>("expected");
        const QRect screen(0, 0, 1280, 900);
        QTest::newRow("room on the right") << QRect(0, 100, 400, 300) << QRect(408, 100, 760, 420);
        QTest::newRow("room on the left") << QRect(850, 100, 430, 300) << QRect(82, 100, 760, 420);
        QTest::newRow("narrowed to the right")
            << QRect(100, 0, 500, 300) << QRect(608, 0, 672, 420);
        QTest::newRow("kept on the screen vertically")
            << QRect(0, 700, 400, 200) << QRect(408, 480, 760, 420);
        QTest::newRow("maximised: over it") << screen << QRect(520, 0, 760, 420);
    }
    void logOpensBesideTheWindow() {
        QFETCH(QRect, main);
        QFETCH(QRect, expected);
        QCOMPARE(ExchangeLogWindow::besideRect(main, QSize(760, 420), QRect(0, 0, 1280, 900)),
                 expected);
    }

    // Esc closes the log; its save dialog offers a .log name and, next time, the last folder.
    void logWindowEscapeAndSave() {
        TForm1 w;
        w.move(0, 0);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier);
        auto* log = w.findChild<ExchangeLogWindow*>(QStringLiteral("ExchangeLogWindow"));
        QVERIFY(log);
        QTRY_VERIFY(log->isVisible());
        // The test screen is small: where the log goes is the table's business above.
        const QRect place = ExchangeLogWindow::besideRect(w.frameGeometry(), QSize(760, 420),
                                                          w.screen()->availableGeometry());
        // (the platform may shift the frame by its border)
        QVERIFY((log->frameGeometry().topLeft() - place.topLeft()).manhattanLength() <= 8);

        QTemporaryDir dir;
        QStringList offered;
        for (const QString& name : {QStringLiteral("first.log"), QStringLiteral("second")}) {
            modal::onNext<QFileDialog>(
                [&, name](QFileDialog& d) {
                    offered << d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text()
                            << d.directory().absolutePath();
                    modal::chooseFile(QStringLiteral("SaveLogDialog"), dir.filePath(name));
                },
                QStringLiteral("SaveLogDialog"));
            child<QPushButton>(*log, "SaveLogButton")->click();
        }
        QCOMPARE(offered.size(), 4);
        QVERIFY2(offered[0].startsWith("zetra-") && offered[0].endsWith(".log"),
                 qPrintable(offered[0]));
        QCOMPARE(offered[3], QDir(dir.path()).absolutePath());
        QVERIFY(QFile::exists(dir.filePath("first.log")));
        QVERIFY(QFile::exists(dir.filePath("second.log")));

        log->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(log));
        QTest::keyClick(log, Qt::Key_Escape);
        QVERIFY(!log->isVisible());
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(WindowCancelTest)
#include "test_window_cancel.moc"
