// The store's rules, data-driven, against SQLite or (under pg_virtualenv, see CMakeLists.txt)
// against a throw-away PostgreSQL server: the same tables, the same statements.

#include "core/Language.h"
#include "store/History.h"
#include "store/Store.h"
#include "store/StoreTexts.h"
#include "store/Sync.h"

#include <QtTest>

namespace {

archive::Record rec(quint8 volume, quint8 events = 0x80) {
    archive::Record r;
    r.bytes[0] = volume;
    r.bytes[5] = 30; // one minute of work in a day record
    r.bytes[7] = events;
    return r;
}

} // namespace

class StoreRules : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    store::Location location_;
    std::unique_ptr<store::Store> store_;
    int serial_ = 1000;

    qint64 newMeter() {
        const std::optional<qint64> id = store_->meterId({++serial_, QDate(2015, 3, 5)});
        return id.value_or(-1);
    }

private slots:
    void initTestCase() {
        const QByteArray pg = qgetenv("ZETRA_TEST_PG");
        if (pg == "skip")
            QSKIP(qPrintable(QStringLiteral("PostgreSQL: ") +
                             QString::fromLocal8Bit(qgetenv("ZETRA_TEST_PG_REASON"))));
        QString error;
        const QString text =
            pg.isEmpty()
                ? dir_.filePath(QStringLiteral("rules.sqlite"))
                : QStringLiteral("postgresql://%1@%2:%3/%4")
                      .arg(qEnvironmentVariable("PGUSER"), qEnvironmentVariable("PGHOST"),
                           qEnvironmentVariable("PGPORT"), qEnvironmentVariable("PGDATABASE"));
        location_ = *store::parseLocation(text, &error);
        store_ = store::Store::open(location_, &error);
        QVERIFY2(store_, qPrintable(error));
    }

    // What one read does to what the store holds.
    void put_data() {
        QTest::addColumn<int>("storedVolume"); // -1: nothing stored
        QTest::addColumn<bool>("storedPartial");
        QTest::addColumn<int>("readVolume");
        QTest::addColumn<int>("readEvents");
        QTest::addColumn<bool>("readPartial");
        QTest::addColumn<int>("expected");   // store::Put
        QTest::addColumn<int>("keptVolume"); // -1: still nothing stored
        QTest::addColumn<int>("conflicts");
        using P = store::Put;
        QTest::newRow("new record") << -1 << false << 5 << 0x80 << false << int(P::New) << 5 << 0;
        QTest::newRow("same bytes again")
            << 5 << false << 5 << 0x80 << false << int(P::Same) << 5 << 0;
        QTest::newRow("other bytes: conflict, stored kept")
            << 5 << false << 6 << 0x80 << false << int(P::Conflict) << 5 << 1;
        QTest::newRow("empty record never stored")
            << -1 << false << 7 << 0x00 << false << int(P::Skipped) << -1 << 0;
        QTest::newRow("empty over stored: no conflict")
            << 5 << false << 0 << 0x00 << false << int(P::Skipped) << 5 << 0;
        QTest::newRow("unreadable never stored")
            << -1 << false << 0 << 0xC0 << false << int(P::Skipped) << -1 << 0;
        QTest::newRow("unreadable over stored: no conflict")
            << 5 << false << 0 << 0xC0 << false << int(P::Skipped) << 5 << 0;
        QTest::newRow("running day replaced by a later running day")
            << 5 << true << 9 << 0x80 << true << int(P::Replaced) << 9 << 0;
        QTest::newRow("running day completed by the ring's record")
            << 5 << true << 9 << 0x80 << false << int(P::New) << 9 << 0;
        QTest::newRow("running figures over a complete day: conflict")
            << 5 << false << 9 << 0x80 << true << int(P::Conflict) << 5 << 1;
    }
    void put() {
        QFETCH(int, storedVolume);
        QFETCH(bool, storedPartial);
        QFETCH(int, readVolume);
        QFETCH(int, readEvents);
        QFETCH(bool, readPartial);
        QFETCH(int, expected);
        QFETCH(int, keptVolume);
        QFETCH(int, conflicts);
        const qint64 meter = newMeter();
        const std::optional<qint64> visit = store_->beginVisit(
            meter, QStringLiteral("daily"), QStringLiteral("p"), QDateTime::currentDateTimeUtc());
        QVERIFY(visit);
        const store::Position day = 45000;
        if (storedVolume >= 0)
            QVERIFY(store_->put(store::Ring::Daily, meter, day, rec(quint8(storedVolume)),
                                storedPartial, *visit));
        const std::optional<store::Put> got =
            store_->put(store::Ring::Daily, meter, day, rec(quint8(readVolume), quint8(readEvents)),
                        readPartial, *visit);
        QVERIFY2(got, qPrintable(store_->error()));
        QCOMPARE(int(*got), expected);
        const auto rows = store_->records(store::Ring::Daily, meter, day, day);
        QVERIFY(rows);
        QCOMPARE(rows->empty() ? -1 : int(rows->front().record.bytes[0]), keptVolume);
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("zetra-store-1")));
        q.prepare(QStringLiteral("SELECT count(*) FROM conflict WHERE meter_id = ?"));
        q.addBindValue(meter);
        QVERIFY(q.exec() && q.next());
        QCOMPARE(q.value(0).toInt(), conflicts);

        // The minute ring keeps the same rules (it has no running figures).
        if (!storedPartial && !readPartial) {
            if (storedVolume >= 0)
                QVERIFY(store_->put(store::Ring::Minute, meter, day * 1440,
                                    rec(quint8(storedVolume)), false, *visit));
            const auto m = store_->put(store::Ring::Minute, meter, day * 1440,
                                       rec(quint8(readVolume), quint8(readEvents)), false, *visit);
            QVERIFY(m);
            QCOMPARE(int(*m), expected);
        }
    }

    // Texts that look like SQL are stored as typed.
    void boundValues_data() {
        QTest::addColumn<QString>("link");
        QTest::newRow("quotes") << QStringLiteral("it's \"a\" port");
        QTest::newRow("statement") << QStringLiteral("x'); DROP TABLE meter; --");
        QTest::newRow("backslash") << QStringLiteral("\\\\.\\pipe\\kwz_pipe");
    }
    void boundValues() {
        QFETCH(QString, link);
        const qint64 meter = newMeter();
        const std::optional<qint64> visit = store_->beginVisit(meter, QStringLiteral("info"), link,
                                                               QDateTime::currentDateTimeUtc());
        QVERIFY2(visit, qPrintable(store_->error()));
        store::VisitFacts facts;
        facts.engineer = link;
        QVERIFY(store_->endVisit(*visit, facts, QDateTime::currentDateTimeUtc()));
        QVERIFY(store_->meters()); // the tables are all still there
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("zetra-store-1")));
        q.prepare(QStringLiteral("SELECT link, engineer FROM visit WHERE id = ?"));
        q.addBindValue(*visit);
        QVERIFY(q.exec() && q.next());
        QCOMPARE(q.value(0).toString(), link);
        QCOMPARE(q.value(1).toString(), link);
    }

    // What a sync reads besides its main range: the noted ranges, within the ring and not
    // read twice.
    void pendingRanges_data() {
        QTest::addColumn<QList<qint64>>("unread"); // first, last pairs
        QTest::addColumn<QList<qint64>>("main");   // empty: no main range
        QTest::addColumn<QList<qint64>>("expected");
        const QList<qint64> none;
        QTest::newRow("nothing noted") << none << QList<qint64>{90, 99} << none;
        QTest::newRow("older part not reached")
            << QList<qint64>{10, 40} << QList<qint64>{98, 99} << QList<qint64>{10, 40};
        QTest::newRow("clipped to the ring")
            << QList<qint64>{-20, 5} << none << QList<qint64>{0, 5};
        QTest::newRow("gone from the ring") << QList<qint64>{-20, -1} << none << none;
        QTest::newRow("inside the main range")
            << QList<qint64>{50, 60} << QList<qint64>{40, 99} << none;
        QTest::newRow("overlapping the main range")
            << QList<qint64>{30, 60} << QList<qint64>{50, 99} << QList<qint64>{30, 49};
        QTest::newRow("overlapping notes read once")
            << QList<qint64>{10, 20, 15, 30, 50, 50} << none << QList<qint64>{50, 50, 10, 30};
    }
    void pendingRanges() {
        QFETCH(QList<qint64>, unread);
        QFETCH(QList<qint64>, main);
        QFETCH(QList<qint64>, expected);
        std::vector<store::UnreadRange> noted;
        for (int i = 0; i + 1 < unread.size(); i += 2)
            noted.push_back({0, unread[i], unread[i + 1]});
        std::optional<std::pair<store::Position, store::Position>> m;
        if (!main.isEmpty())
            m = std::pair(main[0], main[1]);
        QList<qint64> got;
        for (const auto& [first, last] : store::sync::pendingRanges(noted, {0, 99}, m))
            got << first << last;
        QCOMPARE(got, expected);
    }

    // A store written by a newer program is refused, never migrated back.
    void newerSchemaRefused() {
        if (location_.kind != store::Location::Kind::Sqlite)
            QSKIP("the SQLite file's user_version");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("newer.sqlite"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "newer");
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 99"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("newer"));
        QString error;
        QVERIFY(!store::Store::open(*store::parseLocation(path, &error), &error));
        QVERIFY2(error.contains(QLatin1String("99")), qPrintable(error));
    }

    // The stored days as a readout's buffer: gaps are empty entries, the report's heading
    // names the range asked for.
    void historyAsReadout() {
        const qint64 meter = newMeter();
        const auto visit = store_->beginVisit(meter, QStringLiteral("sync"), QString(),
                                              QDateTime::currentDateTimeUtc());
        QVERIFY(visit);
        QVERIFY(store_->put(store::Ring::Daily, meter, 45000, rec(1), false, *visit));
        QVERIFY(store_->put(store::Ring::Daily, meter, 45003, rec(2), false, *visit));
        const auto built = store::history::build(*store_, meter, archive::Kind::Daily, 44999, 45003,
                                                 QLocale(QLocale::Russian, QLocale::Russia));
        QVERIFY(built);
        const archive::DailyArchive& a = built->archives.daily;
        QCOMPARE(int(a.summary.recordCount), 5);
        QCOMPARE(a.summary.endDate, 45003);
        QCOMPARE(int(a.entries[0].bytes[0]), 2);
        QVERIFY(!a.entries[1].present());
        QCOMPARE(int(a.entries[3].bytes[0]), 1);
        QCOMPARE(built->lines.first(), QStringLiteral("Суточный архив с 14.03.2023 по 18.03.2023"));
    }

    // The sync lines count records in the language's plural form.
    void syncLineCounts_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("line");
        const QList<std::pair<int, QString>> ru{
            {1, "прочитана 1 запись"},    {2, "прочитано 2 записи"},   {5, "прочитано 5 записей"},
            {11, "прочитано 11 записей"}, {21, "прочитана 21 запись"}, {42, "прочитано 42 записи"}};
        for (const auto& [n, words] : ru)
            QTest::addRow("ru %d", n) << false << n << "Суточный архив: " + words + ", новых 1";
        for (int n : {1, 2, 5, 11, 21, 42})
            QTest::addRow("en %d", n) << true << n
                                      << QStringLiteral("Daily archive: %1 record%2 read, 1 new")
                                             .arg(n)
                                             .arg(n == 1 ? "" : "s");
    }
    void syncLineCounts() {
        QFETCH(bool, english);
        QFETCH(int, count);
        QFETCH(QString, line);
        QVERIFY(core::language::use(english ? core::language::Language::English
                                            : core::language::Language::Russian));
        QCOMPARE(store::texts::syncLine(true, count, 1, 0, 0), line);
        core::language::use(core::language::Language::Russian);
    }
};

QTEST_GUILESS_MAIN(StoreRules)
#include "test_store_rules.moc"
