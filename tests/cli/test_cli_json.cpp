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

// A value inside the object by a path of keys and array indexes ("rows/7/text", -1 the last);
// a path ending in "#" gives the array's length. Undefined when the path leads nowhere.
QJsonValue valueAt(const QJsonObject& object, const QString& path) {
    QJsonValue v = object;
    for (const QString& step : path.split(QLatin1Char('/'))) {
        if (step == QLatin1String("#"))
            return v.isArray() ? QJsonValue(v.toArray().size()) : QJsonValue::Undefined;
        bool isIndex = false;
        int index = step.toInt(&isIndex);
        if (isIndex && v.isArray()) {
            const QJsonArray array = v.toArray();
            if (index < 0) // from the end
                index += int(array.size());
            v = index >= 0 && index < array.size() ? array.at(index) : QJsonValue::Undefined;
        } else if (v.isObject())
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
        // A settings file as the meter holds it, and one whose diameter is not a number.
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

        // Firmware 1.16 made on 05.03.2009, and a file of the wrong size.
        QByteArray image(7680, '\xFF');
        image[7676] = 1;
        image[7677] = 16;
        image[7678] = 5;
        image[7679] = char(0x32);
        writeFile(dir.filePath(QStringLiteral("fw.bin")), image);
        writeFile(dir.filePath(QStringLiteral("fw-short.bin")), "abc");
    }

    void commandAgreesWithItsTextRun_data();
    void commandAgreesWithItsTextRun() {
        QFETCH(QStringList, meterOptions);
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QJsonObject, expected);
        QFETCH(QStringList, absent);
        QVERIFY(!expected.isEmpty());

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
        // Standard error: a question that could not be asked (no message box: the text run says
        // it, and what answers it, before anything else), the message boxes, then the reason
        // behind the status, if any.
        QString boxes = text.err;
        const QString unasked = QStringLiteral("Ответ «Да» даёт параметр --yes\n");
        if (const auto end = boxes.indexOf(unasked); end >= 0)
            boxes.remove(0, end + unasked.size());
        QString err = messagesAsText(o.value(QLatin1String("messages")).toArray());
        // A file not saved names its reason in the status line itself.
        if (o.contains(QLatin1String("reason")) &&
            o.value(QLatin1String("outcome")).toString() != QLatin1String("save_failed"))
            err += QStringLiteral("Причина: ") + o.value(QLatin1String("reason")).toString() + '\n';
        QCOMPARE(err, boxes);
        // Every row that ends with a status line has it in the object too.
        if (!absent.contains(QLatin1String("status"))) {
            QVERIFY(o.contains(QLatin1String("status")));
            QCOMPARE(o.value(QLatin1String("status")).toString(), text.out.last());
        }

        for (auto it = expected.begin(); it != expected.end(); ++it) {
            QJsonValue want = it.value();
            if (want.isString())
                want = want.toString().replace(QLatin1String("{dir}"), folder);
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

    // A usage error with --json is one object too: the command it names, usage_error and the
    // message that standard error carries; exit 2.
    void usageErrorsAreObjects_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown option") << QStringList{"--json", "--bogus", "info"} << "info"
                                        << "неизвестный параметр --bogus";
        QTest::newRow("--json after the command")
            << QStringList{"daily", "01.03.2015", "--json"} << "daily"
            << "daily принимает две даты: FROM и TO";
        QTest::newRow("malformed date")
            << QStringList{"--json", "minute", "32.01.2015", "01.02.2015"} << "minute"
            << "неверная дата 32.01.2015 (нужно дд.мм.гггг или гггг-мм-дд)";
        QTest::newRow("no command") << QStringList{"--json"} << ""
                                    << "не указана команда";
    }
    void usageErrorsAreObjects() {
        QFETCH(QStringList, args);
        QFETCH(QString, command);
        QFETCH(QString, error);
        const CliRun r = CliRun::run(args);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.out.size(), 1);
        const QJsonObject o = QJsonDocument::fromJson(r.out.first().toUtf8()).object();
        QCOMPARE(o.value(QLatin1String("command")).toString(), command);
        QCOMPARE(o.value(QLatin1String("outcome")).toString(), QStringLiteral("usage_error"));
        QCOMPARE(o.value(QLatin1String("error")).toString(), error);
        QVERIFY2(r.err.contains(error), qPrintable(r.err));
    }
};

// The command lines and what each must give; defined here, after the class, for moc does
// not read raw string literals.
namespace {
// A row: the simulated meter's options, the command line ({dir} and {pty} filled in), the
// exit code, the values expected at their paths, and the paths that must be absent.
void row(const char* name, const char* meter, const char* args, int exitCode, const char* expected,
         const char* absent = "") {
    const auto words = [](const char* text) {
        return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    };
    QTest::newRow(name) << words(meter) << words(args) << exitCode
                        << QJsonDocument::fromJson(expected).object() << words(absent);
}
} // namespace

void CliJsonTest::commandAgreesWithItsTextRun_data() {
    QTest::addColumn<QStringList>("meterOptions");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QJsonObject>("expected");
    QTest::addColumn<QStringList>("absent");
    const char* noData = "rows values archive saved lines";

    // clang-format off
    row("ports", "", "ports", 0,
        R"({"ports/-1/entry": "КВЗ-клиент", "ports/-1/kind": "pipe", "ports/-1/name": "kwz_pipe",
            "messages/#": 0})", "outcome status");
    row("info", "--firmware-version 5 --serial 12345 --set mem:1224=40420F000000", "info", 0,
        R"({"outcome": "ok", "status": "Завершено успешно", "rows/#": 12,
            "rows/7/caption": "Внутреннее время:", "rows/7/text": "09:05", "rows/2/text": "1,000",
            "values/volume_m3": 1.0, "values/meter_date": "2010-02-17", "values/meter_time": "09:05",
            "values/serial": 12345, "values/firmware_version": 5, "values/manufactured": "2014-03-05",
            "values/firmware_date": "2015-03-15", "values/low_battery": false, "values/error": false,
            "values/lp": false})");
    // The failed items on the pty, where an attempt gives up after 32 ms, not 4 s.
    row("info, battery not read", "--fault badcrc@addr=1274", "info --port {pty}", 1,
        R"({"outcome": "errors", "status": "Завершено с ошибками", "rows/5/text": "",
            "values/battery_v": null})");
    row("info, low battery, low power", "--set mem:24=91", "info", 0,
        R"({"rows/0/text": "Low Battery", "values/flow_m3h": null, "values/low_battery": true,
            "values/lp": true, "values/error": null})");
    row("info, measurement error", "--set mem:23=03", "info", 0,
        R"({"rows/0/text": "Error", "values/flow_m3h": null, "values/error": true})");
    row("info, foreign device", "--identity 1", "info", 1,
        R"({"outcome": "foreign_device", "status": "Несовместимое устройство"})", noData);
    row("info, no such pipe", "", "info --pipe {dir}/nothing", 1,
        R"({"outcome": "cannot_open", "status": "Не удаётся открыть порт "})", noData);
    row("clear-totals, answered No", "", "clear-totals", 1,
        R"({"outcome": "declined", "status": "Ждите...", "messages/#": 0})");
    row("clear-totals, meter forbids", "--set mem:24=00", "clear-totals --yes", 1,
        R"({"outcome": "refused"})");

    row("daily, saved", "", "daily 10.02.2010 17.02.2010 --save {dir}/daily.xls", 0,
        R"({"outcome": "ok", "status": "Завершено успешно. Прочитано 8 записей",
            "archive/archive": "daily", "archive/records_read": 8, "saved": "{dir}/daily.xls"})");
    row("daily, not saved", "", "daily 2010-02-16 2010-02-17 --save {dir}/no/such/folder/d.txt", 1,
        R"({"outcome": "save_failed", "messages/0/caption": "Ошибка"})", "saved");
    row("minute", "", "minute 17.02.2010 17.02.2010", 0,
        R"({"outcome": "ok", "archive/archive": "minute", "archive/records_read": 546})", "saved");
    row("daily, interval refused", "", "daily 17.02.2010 10.02.2010", 1,
        R"({"outcome": "interval_refused",
            "status": "Ошибка. Указана дата начала больше даты окончания"})", "archive");

    row("settings-read", "", "settings-read --save {dir}/read", 0,
        R"({"outcome": "ok", "lines/#": 33, "lines/0": "тип врезки:", "lines/9": "100,0",
            "date": "2010-02-17", "time": "09:05", "saved": "{dir}/read.dat"})");
    row("settings-read, clock not read", "--fault drop@addr=1240", "settings-read --port {pty}", 1,
        R"({"outcome": "errors", "date": "2010-02-17", "time": null})", "saved");
    row("settings-write", "", "settings-write {dir}/meter.dat --yes", 0,
        R"({"outcome": "ok", "written": true, "mismatches/#": 0})");
    row("settings-write, answered No", "", "settings-write {dir}/meter.dat", 1,
        R"({"outcome": "declined", "written": false, "messages/#": 0})");
    row("settings-write, diameter refused", "", "settings-write {dir}/diameter.dat --yes", 1,
        R"({"outcome": "input_refused", "written": false, "messages/#": 1,
            "messages/0/caption": "Ошибка",
            "messages/0/text": "Диаметр указан неверно\rabc - не число"})");

    row("firmware-info", "", "firmware-info {dir}/fw.bin", 0,
        R"({"version": "1.16", "date": "2009-03-05", "messages/#": 0})", "outcome status");
    row("firmware-info, file refused", "", "firmware-info {dir}/fw-short.bin", 1,
        R"({"outcome": "input_refused", "messages/#": 1})", "status version date");
    row("firmware-program", "", "firmware-program {dir}/fw.bin --port {pty} --yes", 0,
        R"({"outcome": "ok", "messages/#": 1, "messages/0/caption": "Обновление",
            "messages/0/text": "Сейчас программа прибора будет перепрошита.\rЖелательно закрыть другие работающие приложения.\rЭто может занять некоторое время, пожалуйста дождитесь окончания"})");

    row("calc-pulse", "", "calc-pulse --diameter 100 --velocity 2", 0,
        R"({"fields/#": 3, "fields/1/label": "Расход макс., м3/ч:", "fields/1/text": "56,549",
            "fields/2/label": "Минимальный допустимый вес импульса, литров/импульс:"})",
        "outcome status");
    row("calc-channel, not a number", "", "calc-channel --t-down 1 --t-up x --temp 20", 1,
        R"({"outcome": "input_refused", "messages/0/caption": "ЗЕТРА",
            "messages/0/text": "'x' is not a valid floating point value"})", "status fields");
    // clang-format on
}

QTEST_GUILESS_MAIN(CliJsonTest)
#include "test_cli_json.moc"
