// zetra-cli --json against the zetra-sim program: each command once with --json and once as
// text. The JSON run prints exactly one object and nothing on standard error; it agrees with
// the text run on the exit code, the status line and the message boxes; and it holds the
// command's values under the keys scripts read.

#include "tests/cli/CliRun.h"
#include "tests/cli/SimProcess.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList kMeterClock{"--date", "2010-02-17", "--time", "09:05"};

// A value inside the object by a path of keys and array indexes ("rows/7/text"); a path ending
// in "#" gives the array's length. Undefined when the path leads nowhere.
QJsonValue valueAt(const QJsonObject& object, const QString& path) {
    QJsonValue v = object;
    for (const QString& step : path.split(QLatin1Char('/'))) {
        if (step == QLatin1String("#"))
            return v.isArray() ? QJsonValue(v.toArray().size()) : QJsonValue::Undefined;
        bool isIndex = false;
        const int index = step.toInt(&isIndex);
        if (isIndex && v.isArray())
            v = index < v.toArray().size() ? v.toArray().at(index) : QJsonValue::Undefined;
        else if (v.isObject())
            v = v.toObject().value(step);
        else
            return QJsonValue::Undefined;
    }
    return v;
}

// The message boxes as the text run writes them to standard error.
QString messagesAsText(const QJsonArray& messages) {
    QString text;
    for (const QJsonValue& m : messages) {
        QString body = m[QLatin1String("text")].toString();
        body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        text += m[QLatin1String("caption")].toString() + QStringLiteral(": ") + body +
                QLatin1Char('\n');
    }
    return text;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QJsonObject runJson(const QStringList& args, int* exitCode) {
    const CliRun r = CliRun::run(QStringList{"--json"} + args);
    *exitCode = r.exitCode;
    [&] {
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out.size(), 1);
    }();
    if (r.out.size() != 1)
        return {};
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out.first().toUtf8(), &error);
    [&] { QVERIFY2(doc.isObject(), qPrintable(error.errorString())); }();
    return doc.object();
}

} // namespace

class CliJsonTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        // A settings file as the meter holds it, one whose diameter is not a number, and one
        // that is no settings file at all.
        SimProcess meter(kMeterClock);
        QVERIFY(meter.ready());
        const QString settings = dir.filePath(QStringLiteral("meter.dat"));
        QCOMPARE(CliRun::run({"--pipe", meter.pipe(), "--locale", "ru_RU", "settings-read",
                              "--save", settings})
                     .exitCode,
                 0);
        QFile f(settings);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = f.readAll().split('\n');
        lines[9] = "abc\r";
        writeFile(dir.filePath(QStringLiteral("diameter.dat")), lines.join('\n'));
        writeFile(dir.filePath(QStringLiteral("short.dat")), "x\r\n");

        // Firmware 1.16 made on 05.03.2009, and a file of the wrong size.
        QByteArray image(7680, '\xFF');
        image[7676] = 1;
        image[7677] = 16;
        image[7678] = 5;
        image[7679] = char(0x32);
        writeFile(dir.filePath(QStringLiteral("fw.bin")), image);
        writeFile(dir.filePath(QStringLiteral("fw-short.bin")), "abc");
    }

    void commandAgreesWithItsTextRun_data() {
        QTest::addColumn<QStringList>("meterOptions");
        QTest::addColumn<QStringList>("args"); // {dir} and {pty} are filled in
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QJsonObject>("expected"); // path -> value
        QTest::addColumn<QStringList>("absent");   // paths that must not be there

        const QStringList none;
        const QJsonValue null = QJsonValue::Null;
        const QStringList noData{"rows", "values", "archive", "saved", "lines"};

        QTest::newRow("ports") << none << QStringList{"ports"} << 0
                               << QJsonObject{{"ports/-1", null}, {"messages/#", 0}}
                               << QStringList{"outcome", "status"};
        QTest::newRow("info")
            << QStringList{"--firmware-version",   "5", "--serial", "12345", "--set",
                           "mem:1224=40420F000000"}
            << QStringList{"info"} << 0
            << QJsonObject{{"outcome", "ok"},
                           {"status", "Завершено успешно"},
                           {"rows/#", 12},
                           {"rows/7/caption", "Внутреннее время:"},
                           {"rows/7/text", "09:05"},
                           {"rows/2/text", "1,000"},
                           {"values/volume_m3", 1.0},
                           {"values/meter_date", "2010-02-17"},
                           {"values/meter_time", "09:05"},
                           {"values/serial", 12345},
                           {"values/firmware_version", 5},
                           {"values/manufactured", "2014-03-05"},
                           {"values/firmware_date", "2015-03-15"},
                           {"values/low_battery", false},
                           {"values/error", false},
                           {"values/lp", false}}
            << none;
        QTest::newRow("info, battery not read")
            << QStringList{"--fault", "drop@addr=1274"} << QStringList{"info"} << 1
            << QJsonObject{{"outcome", "errors"},
                           {"status", "Завершено с ошибками"},
                           {"rows/5/text", ""},
                           {"values/battery_v", null}}
            << none;
        QTest::newRow("info, low battery, low power")
            << QStringList{"--set", "mem:24=91"} << QStringList{"info"} << 0
            << QJsonObject{{"rows/0/text", "Low Battery"},
                           {"values/flow_m3h", null},
                           {"values/low_battery", true},
                           {"values/lp", true},
                           {"values/error", null}}
            << none;
        QTest::newRow("info, measurement error")
            << QStringList{"--set", "mem:23=03"} << QStringList{"info"} << 0
            << QJsonObject{{"rows/0/text", "Error"},
                           {"values/flow_m3h", null},
                           {"values/error", true}}
            << none;
        QTest::newRow("info, foreign device")
            << QStringList{"--identity", "1"} << QStringList{"info"} << 1
            << QJsonObject{{"outcome", "foreign_device"}, {"status", "Несовместимое устройство"}}
            << noData;
        QTest::newRow("info, silent meter")
            << QStringList{"--fault", "silence@all"} << QStringList{"info"} << 1
            << QJsonObject{{"outcome", "no_answer"}, {"status", "Прибор не отвечает"}} << noData;
        QTest::newRow("info, no such pipe")
            << none << QStringList{"info", "--pipe", "{dir}/nothing"} << 1
            << QJsonObject{{"outcome", "cannot_open"}, {"status", "Не удаётся открыть порт "}}
            << noData;
        QTest::newRow("clear-totals, question answered No")
            << none << QStringList{"clear-totals"} << 1
            << QJsonObject{{"outcome", "declined"}, {"status", "Ждите..."}, {"messages/#", 0}}
            << none;
        QTest::newRow("clear-totals, meter forbids")
            << QStringList{"--set", "mem:24=00"} << QStringList{"clear-totals", "--yes"} << 1
            << QJsonObject{{"outcome", "refused"}} << none;

        QTest::newRow("daily, saved")
            << none << QStringList{"daily", "10.02.2010", "17.02.2010", "--save", "{dir}/daily.xls"}
            << 0
            << QJsonObject{{"outcome", "ok"},
                           {"status", "Завершено успешно. Прочитано 8 записей"},
                           {"archive/archive", "daily"},
                           {"archive/records_read", 8},
                           {"saved", "{dir}/daily.xls"}}
            << none;
        QTest::newRow("daily, not saved")
            << none
            << QStringList{"daily", "2010-02-16", "2010-02-17", "--save",
                           "{dir}/no/such/folder/d.txt"}
            << 1 << QJsonObject{{"outcome", "ok"}, {"messages/0/caption", "Ошибка"}}
            << QStringList{"saved"};
        QTest::newRow("minute") << none << QStringList{"minute", "17.02.2010", "17.02.2010"} << 0
                                << QJsonObject{{"outcome", "ok"},
                                               {"archive/archive", "minute"},
                                               {"archive/records_read", 546}}
                                << QStringList{"saved"};
        QTest::newRow("daily, interval refused")
            << none << QStringList{"daily", "17.02.2010", "10.02.2010"} << 1
            << QJsonObject{{"outcome", "interval_refused"},
                           {"status", "Ошибка. Указана дата начала больше даты окончания"}}
            << QStringList{"archive"};

        QTest::newRow("settings-read")
            << none << QStringList{"settings-read", "--save", "{dir}/read"} << 0
            << QJsonObject{{"outcome", "ok"},          {"lines/#", 33},
                           {"lines/0", "тип врезки:"}, {"lines/9", "100,0"},
                           {"date", "2010-02-17"},     {"time", "09:05"},
                           {"saved", "{dir}/read.dat"}}
            << none;
        QTest::newRow("settings-read, clock not read")
            << QStringList{"--fault", "drop@addr=1240"} << QStringList{"settings-read"} << 1
            << QJsonObject{{"outcome", "errors"}, {"date", "2010-02-17"}, {"time", null}}
            << QStringList{"saved"};
        QTest::newRow("settings-write")
            << none << QStringList{"settings-write", "{dir}/meter.dat", "--yes"} << 0
            << QJsonObject{{"outcome", "ok"}, {"written", true}, {"mismatches/#", 0}} << none;
        QTest::newRow("settings-write, answered No")
            << none << QStringList{"settings-write", "{dir}/meter.dat"} << 1
            << QJsonObject{{"outcome", "declined"}, {"written", false}, {"messages/#", 0}} << none;
        QTest::newRow("settings-write, diameter refused")
            << none << QStringList{"settings-write", "{dir}/diameter.dat", "--yes"} << 1
            << QJsonObject{{"outcome", "input_refused"},
                           {"written", false},
                           {"messages/#", 1},
                           {"messages/0/caption", "Ошибка"},
                           {"messages/0/text", "Диаметр указан неверно\rabc - не число"}}
            << none;
        QTest::newRow("settings-write, file refused")
            << none << QStringList{"settings-write", "{dir}/short.dat"} << 1
            << QJsonObject{{"outcome", "input_refused"},
                           {"written", false},
                           {"messages/0/caption", "Ошибка"}}
            << none;

        QTest::newRow("firmware-info")
            << none << QStringList{"firmware-info", "{dir}/fw.bin"} << 0
            << QJsonObject{{"version", "1.16"}, {"date", "2009-03-05"}, {"messages/#", 0}}
            << QStringList{"outcome", "status"};
        QTest::newRow("firmware-info, file refused")
            << none << QStringList{"firmware-info", "{dir}/fw-short.bin"} << 1
            << QJsonObject{{"outcome", "input_refused"}, {"messages/#", 1}}
            << QStringList{"status", "version", "date"};

        QTest::newRow("firmware-program")
            << none << QStringList{"firmware-program", "{dir}/fw.bin", "--port", "{pty}", "--yes"}
            << 0
            << QJsonObject{{"outcome", "ok"},
                           {"messages/#", 1},
                           {"messages/0/caption", "Обновление"},
                           {"messages/0/text",
                            "Сейчас программа прибора будет перепрошита.\rЖелательно закрыть "
                            "другие работающие приложения.\rЭто может занять некоторое время, "
                            "пожалуйста дождитесь окончания"}}
            << none;
        QTest::newRow("firmware-program, answered No")
            << none << QStringList{"firmware-program", "{dir}/fw.bin", "--port", "{pty}"} << 1
            << QJsonObject{{"outcome", "declined"}, {"messages/#", 0}} << none;

        QTest::newRow("calc-pulse")
            << none << QStringList{"calc-pulse", "--diameter", "100", "--velocity", "2"} << 0
            << QJsonObject{{"fields/#", 3},
                           {"fields/1/label", "Расход макс., м3/ч:"},
                           {"fields/1/text", "56,549"},
                           {"fields/2/label",
                            "Минимальный допустимый вес импульса, литров/импульс:"}}
            << QStringList{"outcome", "status"};
        QTest::newRow("calc-channel, not a number")
            << none << QStringList{"calc-channel", "--t-down", "1", "--t-up", "x", "--temp", "20"}
            << 1
            << QJsonObject{{"outcome", "input_refused"},
                           {"messages/0/caption", "ЗЕТРА"},
                           {"messages/0/text", "'x' is not a valid floating point value"}}
            << QStringList{"status", "fields"};
    }
    void commandAgreesWithItsTextRun() {
        QFETCH(QStringList, meterOptions);
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QJsonObject, expected);
        QFETCH(QStringList, absent);

        SimProcess meter(kMeterClock + meterOptions);
        QVERIFY(meter.ready());
        const QString folder = dir.path();
        for (QString& a : args)
            a.replace(QLatin1String("{dir}"), folder).replace(QLatin1String("{pty}"), meter.pty());
        QStringList base{"--locale", "ru_RU"};
        if (!args.contains(QLatin1String("--pipe")) && !args.contains(QLatin1String("--port")))
            base << "--pipe" << meter.pipe();

        int jsonExit = -1;
        const QJsonObject o = runJson(base + args, &jsonExit);
        if (QTest::currentTestFailed())
            return;
        const CliRun text = CliRun::run(base + args);

        QCOMPARE(jsonExit, exitCode);
        QCOMPARE(text.exitCode, exitCode);
        QCOMPARE(o.value(QLatin1String("command")).toString(), args.first());
        QVERIFY(o.value(QLatin1String("messages")).isArray());
        QCOMPARE(messagesAsText(o.value(QLatin1String("messages")).toArray()), text.err);
        if (o.contains(QLatin1String("status")))
            QCOMPARE(o.value(QLatin1String("status")).toString(), text.out.last());

        for (auto it = expected.begin(); it != expected.end(); ++it) {
            QJsonValue want = it.value();
            if (want.isString())
                want = want.toString().replace(QLatin1String("{dir}"), folder);
            if (it.key() == QLatin1String("ports/-1")) { // the pseudo-port is the last entry
                const QJsonArray ports = o.value(QLatin1String("ports")).toArray();
                QVERIFY(!ports.isEmpty());
                QCOMPARE(
                    ports.last().toObject(),
                    (QJsonObject{{"entry", "КВЗ-клиент"}, {"kind", "pipe"}, {"name", "kwz_pipe"}}));
                QCOMPARE(ports.size(), text.out.size());
                continue;
            }
            QVERIFY2(valueAt(o, it.key()) == want,
                     qPrintable(it.key() + QStringLiteral(": ") +
                                QString::fromUtf8(QJsonDocument(o).toJson())));
        }
        for (const QString& path : absent)
            QVERIFY2(valueAt(o, path).isUndefined(), qPrintable(path));
    }

    // The meter's clock minus the PC's, within the minute the meter's clock resolves.
    void clockDrift_data() {
        QTest::addColumn<int>("offset");
        QTest::newRow("same time") << 0;
        QTest::newRow("a day ahead") << 86400;
        QTest::newRow("an hour and a half behind") << -5400;
    }
    void clockDrift() {
        QFETCH(int, offset);
        const QDateTime meterNow = QDateTime::currentDateTime().addSecs(offset);
        SimProcess meter({"--date", meterNow.date().toString(Qt::ISODate), "--time",
                          meterNow.time().toString(QStringLiteral("hh:mm"))});
        QVERIFY(meter.ready());
        int exit = -1;
        const QJsonObject o = runJson({"--pipe", meter.pipe(), "info"}, &exit);
        QCOMPARE(exit, 0);
        const QJsonValue drift = valueAt(o, QStringLiteral("values/clock_drift_s"));
        QVERIFY(drift.isDouble());
        // The meter keeps whole minutes and its clock stands still; the run takes a moment.
        QVERIFY2(drift.toInteger() <= offset && drift.toInteger() > offset - 90,
                 qPrintable(QString::number(drift.toInteger())));
    }
};

QTEST_GUILESS_MAIN(CliJsonTest)
#include "test_cli_json.moc"
