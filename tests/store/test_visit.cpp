// zetra-cli visit against zetra-sim: the round's JSON and store rows, the clock written only
// after a Yes and read back, the act read by poppler's pdftotext and pdffonts, the act made
// again from the store alone, and the settings changed since the last visit marked.

#include "core/Language.h"
#include "device/DeviceDates.h"
#include "documents/VisitAct.h"
#include "store/Location.h"
#include "store/Store.h"
#include "tests/cli/CliRun.h"
#include "tests/cli/SimProcess.h"

#include <QtTest>

namespace {

const QString kDate = QStringLiteral("2024-03-10");

QString sql(const QString& store, const QString& query) {
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), store, query});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QJsonObject json(const CliRun& r) {
    return QJsonDocument::fromJson(r.out.join(QLatin1Char('\n')).toUtf8()).object();
}

// A poppler program's standard output.
QString poppler(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The act's text, every run of blanks (non-breaking ones included) one blank.
QString actText(const QString& pdf) {
    return poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
        .replace(QChar(0x00A0), QLatin1Char(' '))
        .simplified();
}

// The meter's memory from the simulator's dump.
QByteArray memory(const QString& dump) {
    QFile f(dump);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QByteArray::fromHex(
        QJsonDocument::fromJson(f.readAll()).object()["memory"].toString().toLatin1());
}

} // namespace

class Visit : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        for (const char* program : {"sqlite3", "pdftotext", "pdffonts"}) {
            QProcess p;
            p.start(QString::fromLatin1(program), {QStringLiteral("-v")});
            if (!p.waitForFinished(5000))
                QSKIP(qPrintable(QStringLiteral("%1 is not installed (scripts/setup.sh installs "
                                                "sqlite3 and poppler-utils)")
                                     .arg(QLatin1String(program))));
        }
    }

    // The round in the store, the clock written only after a Yes, the act's contents.
    void round_data() {
        QTest::addColumn<QStringList>("globals");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("clockSet");
        QTest::addColumn<QString>("clockStep");
        QTest::newRow("no clock") << QStringList{} << QStringList{} << false << QString();
        QTest::newRow("set-clock, no answer")
            << QStringList{} << QStringList{"--set-clock"} << false << "declined";
        QTest::newRow("set-clock --yes")
            << QStringList{"--yes"} << QStringList{"--set-clock"} << true << "ok";
    }
    void round() {
        QFETCH(QStringList, globals);
        QFETCH(QStringList, options);
        QFETCH(bool, clockSet);
        QFETCH(QString, clockStep);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_');
        const QString store = dir_.filePath(tag + QStringLiteral(".sqlite"));
        const QString pdf = dir_.filePath(tag + QStringLiteral(".pdf"));
        const QString dump = dir_.filePath(tag + QStringLiteral(".json"));
        QDateTime before, after;
        CliRun r;
        {
            SimProcess sim({"--no-pty", "--date", kDate, "--time", "12:00", "--dump", dump});
            QVERIFY(sim.ready());
            before = QDateTime::currentDateTime();
            r = CliRun::run(
                QStringList{"--pipe", sim.pipe(), "--store", store, "--json"} + globals +
                QStringList{"visit", "--engineer", "Иванов И. \"О'Брайен\"", "--pdf", pdf} +
                options);
            after = QDateTime::currentDateTime();
            QVERIFY(sim.finish());
        }
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QJsonObject o = json(r);
        QCOMPARE(o["outcome"].toString(), QStringLiteral("ok"));
        QCOMPARE(o["pdf"].toString(), pdf);
        QCOMPARE(o["meter"]["serial"].toInt(), 12345);
        QCOMPARE(o["daily"]["new"].toInt(), 732);
        QCOMPARE(o["minute"]["new"].toInt(), 7199);
        const qint64 id = o["visit_id"].toInteger();
        QVERIFY(id > 0);
        // The meter stands at 10.03.2024 12:00: it is behind the PC by the time between.
        const qint64 drift = QDateTime::fromString(kDate + "T12:00:00", Qt::ISODate).secsTo(before);
        QVERIFY(-o["clock_drift_s"].toInteger() >= drift - 1);
        QVERIFY(-o["clock_drift_s"].toInteger() <= drift + before.secsTo(after) + 1);

        // One visit row that the records and the settings name.
        const QString v = QString::number(id);
        QCOMPARE(sql(store, "SELECT action || '|' || outcome || '|' || engineer || '|' || "
                            "clock_drift_s FROM visit"),
                 QStringLiteral("visit|ok|Иванов И. \"О'Брайен\"|%1")
                     .arg(o["clock_drift_s"].toInteger()));
        QCOMPARE(sql(store, "SELECT count(*) FROM daily WHERE visit_id = " + v), "732");
        QCOMPARE(sql(store, "SELECT count(*) FROM minute WHERE visit_id = " + v), "7199");
        QCOMPARE(sql(store, "SELECT phase FROM settings WHERE visit_id = " + v), "read");
        QCOMPARE(sql(store, "SELECT text FROM visit_item WHERE kind = 'step' AND item = 'clock'"),
                 clockStep);

        // The clock: the PC's date and time at the moment of writing, seconds 0, read back; and
        // nothing written without a Yes.
        const QByteArray mem = memory(dump);
        QCOMPARE(mem.size(), 4096);
        const QDate meterDate =
            device::dateFromDeviceDay(quint8(mem[1238]) | (quint8(mem[1239]) << 8));
        const QTime meterTime{int(quint8(mem[1240])), int(quint8(mem[1241]))};
        const QString setTo = o["clock_set_to"].toString();
        if (clockSet) {
            const QDateTime set(meterDate, meterTime);
            const QDateTime minute(before.date(),
                                   QTime(before.time().hour(), before.time().minute()));
            QVERIFY2(set >= minute && set <= after, qPrintable(set.toString(Qt::ISODate)));
            QCOMPARE(setTo, set.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
            QCOMPARE(sql(store, "SELECT clock_set_to FROM visit"), setTo);
        } else {
            QCOMPARE(meterDate, QDate(2024, 3, 10));
            QCOMPARE(meterTime, QTime(12, 0));
            QVERIFY(o["clock_set_to"].isNull());
        }

        // The act: the meter, the engineer, the drift, a settings label and value, a month's
        // volume as the store sums it, every font embedded.
        const QString text = actText(pdf);
        const QLocale ru(QLocale::Russian);
        const double february =
            sql(store, "SELECT sum(volume_m3) FROM daily WHERE day BETWEEN '2024-02-01' AND "
                       "'2024-02-29'")
                .toDouble();
        for (const QString& expected :
             {QStringLiteral("заводской № 12345"), QStringLiteral("Иванов И. \"О'Брайен\""),
              QStringLiteral("−%1 с (прибор отстаёт)").arg(-o["clock_drift_s"].toInteger()),
              QStringLiteral("Внутренний диаметр трубы, мм 100,0"),
              QStringLiteral("02.2024 ") +
                  ru.toString(february, 'f', 3).replace(QChar(0x00A0), QLatin1Char(' ')),
              QStringLiteral("Часы установлены ") +
                  (clockSet ? QDateTime::fromString(setTo, QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                  .toString(QStringLiteral("dd.MM.yyyy HH:mm"))
                            : QStringLiteral("нет"))})
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral("\n") + text));
        const QStringList fonts =
            poppler(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(fonts.size() > 2);
        for (const QString& line : fonts.mid(2)) {
            const QStringList columns = line.simplified().split(QLatin1Char(' '));
            QVERIFY2(columns.size() >= 7 && columns[columns.size() - 5] == QLatin1String("yes"),
                     qPrintable(line));
        }

        // Made again from the store alone, the act says the same.
        if (clockSet) {
            // As the window would make it: the program's Russian conventions on a C locale.
            core::language::russianConventionsWithoutSystemLocale();
            QString error;
            const std::optional<store::Location> location = store::parseLocation(store, &error);
            QVERIFY2(location, qPrintable(error));
            const auto opened = store::Store::open(*location, &error);
            QVERIFY2(opened, qPrintable(error));
            const QString again = dir_.filePath(tag + QStringLiteral("-again.pdf"));
            QCOMPARE(documents::writeVisitAct(*opened, id, again), QString());
            QCOMPARE(actText(again), text);
        }
    }

    // A second visit marks the settings that changed since the first, and reads only what is
    // new; English with --lang en.
    void secondVisit_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("ru") << "ru"
                            << QStringList{"Внутренний диаметр трубы, мм 150,0 *",
                                           "* изменено с прошлого визита"};
        QTest::newRow("en") << "en"
                            << QStringList{"Service act", "Pipe inner diameter, mm 150,0 *",
                                           "changed since the previous visit"};
    }
    void secondVisit() {
        QFETCH(QString, lang);
        QFETCH(QStringList, expected);
        const QString store = dir_.filePath("second-" + lang + ".sqlite");
        const QString pdf = dir_.filePath("second-" + lang + ".pdf");
        {
            SimProcess sim({"--no-pty", "--date", kDate, "--time", "12:00"});
            QVERIFY(sim.ready());
            QCOMPARE(CliRun::run({"--pipe", sim.pipe(), "--store", store, "visit"}).exitCode, 0);
        }
        // A day on, the diameter 150.0 mm (1500 in 0.1 mm).
        SimProcess sim(
            {"--no-pty", "--date", "2024-03-11", "--time", "12:00", "--set", "settings:16=DC05"});
        QVERIFY(sim.ready());
        const CliRun r = CliRun::run(
            {"--pipe", sim.pipe(), "--store", store, "--lang", lang, "visit", "--pdf", pdf});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QString text = actText(pdf);
        for (const QString& e : expected)
            QVERIFY2(text.contains(e), qPrintable(e + QStringLiteral("\n") + text));
    }

    // A step that fails is recorded and the round goes on: the settings unread, both rings
    // synced, the outcome the failed step's.
    void aFailedStepDoesNotEndTheRound() {
        const QString store = dir_.filePath(QStringLiteral("failed-step.sqlite"));
        SimProcess sim(
            {"--no-pty", "--date", kDate, "--time", "12:00", "--fault", "badcrc@cmd=3C"});
        QVERIFY(sim.ready());
        const CliRun r = CliRun::run({"--pipe", sim.pipe(), "--store", store, "--json", "visit"});
        QCOMPARE(r.exitCode, 1);
        const QJsonObject o = json(r);
        QCOMPARE(o["outcome"].toString(), QStringLiteral("errors"));
        QCOMPARE(o["daily"]["new"].toInt(), 732);
        QCOMPARE(sql(store, "SELECT item || '=' || text FROM visit_item WHERE kind = 'step' "
                            "ORDER BY item"),
                 QStringLiteral("info=ok\nsettings=errors\nsync=ok"));
        QCOMPARE(sql(store, "SELECT count(*) FROM settings"), QStringLiteral("0"));
        QCOMPARE(sql(store, "SELECT outcome FROM visit"), QStringLiteral("errors"));
    }

    // The visit needs the store: without one it ends before the link is opened.
    void needsTheStore() {
        const CliRun r = CliRun::run({"--pipe", dir_.filePath("nobody"), "--no-store", "visit"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("хранилище отключено")), qPrintable(r.err));
    }
};

QTEST_MAIN(Visit)
#include "test_visit.moc"
