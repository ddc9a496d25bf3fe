// zetra-cli firmware-program against the zetra-sim program.

#include "tests/cli/CliRun.h"
#include "tests/cli/SimProcess.h"
#include "tests/support/FirmwareImageFile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class CliFirmwareTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString image;

private slots:
    void initTestCase() {
        image = test_images::write(dir.filePath(QStringLiteral("image.zet")));
        QVERIFY(!image.isEmpty());
    }

    void programsTheMeter() {
        SimProcess meter({"--dump", dir.filePath(QStringLiteral("dump.json"))});
        QVERIFY(meter.ready());
        const CliRun r = CliRun::run({"--yes", "--port", meter.pty(), "firmware-program", image});
        QCOMPARE(r.out.last(), QStringLiteral("Завершено успешно"));
        // Four bits of year reach 2022: a later year is named with the date stamped instead.
        QCOMPARE(r.out.size(), QDate::currentDate().year() > 2022 ? 2 : 1);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QStringLiteral("Обновление: Сейчас программа прибора будет перепрошита.\n"
                                       "Желательно закрыть другие работающие приложения.\n"
                                       "Это может занять некоторое время, пожалуйста дождитесь "
                                       "окончания\n"));
        QVERIFY(meter.finish());
        QFile dump(dir.filePath(QStringLiteral("dump.json")));
        QVERIFY(dump.open(QIODevice::ReadOnly));
        const QJsonObject state = QJsonDocument::fromJson(dump.readAll()).object();
        QCOMPARE(state.value(QStringLiteral("programmingFinished")).toInt(), 1);
        const QByteArray program =
            QByteArray::fromHex(state.value(QStringLiteral("program")).toString().toLatin1());
        QCOMPARE(program.left(7676), test_images::programBytes());
        QCOMPARE(program.mid(7676, 2), QByteArray::fromHex("0110"));
        const QDate today = QDate::currentDate();
        QCOMPARE(quint8(program[7678]), quint8(today.day()));
        QCOMPARE(quint8(program[7679]) >> 4, today.month());
    }

    void withoutYesNothingIsSent() {
        SimProcess meter;
        QVERIFY(meter.ready());
        const CliRun r = CliRun::run({"--port", meter.pty(), "firmware-program", image});
        QCOMPARE(r.out, QStringList{"Присоедините прибор и нажмите <Обновить>"});
        QCOMPARE(r.exitCode, 1);
    }

    void notOverThePipe() {
        SimProcess meter;
        QVERIFY(meter.ready());
        const CliRun r =
            CliRun::run({"--yes", "--pipe", meter.pipe(), "firmware-program", image, "--trace"});
        QCOMPARE(r.out, QStringList{"Не удаётся открыть порт "});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.exitCode, 1);
    }

    void meterThatDoesNotAcknowledge() {
        SimProcess meter({"--fault", "noack"});
        QVERIFY(meter.ready());
        const CliRun r =
            CliRun::run({"--yes", "--port", meter.pty(), "--trace", "firmware-program", image});
        QCOMPARE(r.out, QStringList{"Не удалось войти в режим программирования"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QStringLiteral("> 7E FF FF AF\n> FB\n<  (timeout)\n"));
    }
};

QTEST_GUILESS_MAIN(CliFirmwareTest)
#include "test_cli_firmware.moc"
