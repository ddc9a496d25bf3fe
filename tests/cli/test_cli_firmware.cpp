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

    // The date the meter keeps: day, month and the year counted from 2007 in four bits; a
    // later year is named, on the text line and as stamped_date in JSON.
    void programsTheMeter_data() {
        QTest::addColumn<bool>("json");
        QTest::newRow("text") << false;
        QTest::newRow("json") << true;
    }
    void programsTheMeter() {
        QFETCH(bool, json);
        const QString dumpFile = dir.filePath(QStringLiteral("dump.json"));
        SimProcess meter({"--dump", dumpFile});
        QVERIFY(meter.ready());
        QStringList args{"--yes", "--port", meter.pty(), "firmware-program", image};
        if (json)
            args.prepend(QStringLiteral("--json"));
        // The run may pass midnight: the date stamped is one of the two.
        const QDate before = QDate::currentDate();
        const CliRun r = CliRun::run(args);
        const QDate after = QDate::currentDate();
        QVERIFY2(r.exitCode == 0, qPrintable(r.out.join(QLatin1Char('\n')) + r.err));
        // With --json the notice goes into the object.
        QCOMPARE(r.err,
                 json ? QString()
                      : QStringLiteral("Обновление: Сейчас программа прибора будет перепрошита.\n"
                                       "Желательно закрыть другие работающие приложения.\n"
                                       "Это может занять некоторое время, пожалуйста дождитесь "
                                       "окончания\n"));
        QVERIFY(meter.finish());
        QFile dump(dumpFile);
        QVERIFY(dump.open(QIODevice::ReadOnly));
        const QJsonObject state = QJsonDocument::fromJson(dump.readAll()).object();
        QCOMPARE(state.value(QStringLiteral("programmingFinished")).toInt(), 1);
        const QByteArray program =
            QByteArray::fromHex(state.value(QStringLiteral("program")).toString().toLatin1());
        QCOMPARE(program.left(7676), test_images::programBytes());
        QCOMPARE(program.mid(7676, 2), QByteArray::fromHex("0110"));
        const quint8 day = quint8(program[7678]);
        const quint8 monthYear = quint8(program[7679]);
        const QDate today =
            day == before.day() && monthYear >> 4 == before.month() ? before : after;
        QCOMPARE(day, quint8(today.day()));
        QCOMPARE(monthYear >> 4, today.month());
        QCOMPARE(monthYear & 0x0F, (today.year() - 2007) % 16);
        const QDate kept(2007 + (monthYear & 0x0F), today.month(), today.day());
        const QString note =
            QStringLiteral("Год даты прошивки %1 не помещается в прибор, записана дата %2г.")
                .arg(today.toString(QStringLiteral("dd.MM.yyyy")),
                     kept.toString(QStringLiteral("dd.MM.yyyy")));
        if (json) {
            const QJsonObject o = QJsonDocument::fromJson(r.out.last().toUtf8()).object();
            QCOMPARE(o.value(QStringLiteral("outcome")).toString(), QStringLiteral("ok"));
            QCOMPARE(o.value(QStringLiteral("stamped_date")).toString(),
                     kept.toString(Qt::ISODate));
            return;
        }
        QCOMPARE(r.out.last(), QStringLiteral("Завершено успешно"));
        QCOMPARE(r.out.size(), today.year() > 2022 ? 2 : 1);
        if (today.year() > 2022)
            QCOMPARE(r.out.first(), note);
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
        QCOMPARE(r.err,
                 QStringLiteral("Причина: через канал КВЗ-клиента прибор не программируется: "
                                "нужен последовательный порт\n"));
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
