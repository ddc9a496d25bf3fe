#include "store/Dialect.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace store {

namespace {

// Version 1: the tables of the store. {ID} an automatic key, {DAY} a date, {TIME} a local
// date and time or a UTC instant, {BLOB} bytes, {REAL} a double, {INT} an integer; {KEYED}
// ends a table that is stored in the order of its key (the records: SQLite then keeps no
// second copy of the key, which halves the file).
const char* const kVersion1[] = {
    "CREATE TABLE IF NOT EXISTS meter ("
    " id {ID},"
    " serial INTEGER NOT NULL,"
    " manufactured {DAY} NOT NULL,"
    " UNIQUE (serial, manufactured))",

    "CREATE TABLE IF NOT EXISTS visit ("
    " id {ID},"
    " meter_id {INT} NOT NULL REFERENCES meter (id),"
    " started_utc {TIME} NOT NULL,"
    " ended_utc {TIME},"
    " action TEXT NOT NULL,"
    " link TEXT,"
    " outcome TEXT,"
    " pc_time {TIME},"
    " meter_time {TIME},"
    " clock_drift_s {INT},"
    " clock_set_to {TIME},"
    " firmware_version INTEGER,"
    " firmware_date {DAY},"
    " battery_v {REAL},"
    " volume_m3 {REAL},"
    " work_hours {REAL},"
    " idle_hours {REAL},"
    " engineer TEXT,"
    " program_version TEXT)",

    "CREATE INDEX IF NOT EXISTS visit_meter ON visit (meter_id, started_utc)",

    "CREATE TABLE IF NOT EXISTS daily ("
    " meter_id {INT} NOT NULL REFERENCES meter (id),"
    " day {DAY} NOT NULL,"
    " raw {BLOB} NOT NULL,"
    " volume_m3 {REAL} NOT NULL,"
    " work_hours {REAL} NOT NULL,"
    " event_bits INTEGER NOT NULL,"
    " partial INTEGER NOT NULL DEFAULT 0,"
    " visit_id {INT} REFERENCES visit (id),"
    " PRIMARY KEY (meter_id, day)){KEYED}",

    "CREATE TABLE IF NOT EXISTS minute ("
    " meter_id {INT} NOT NULL REFERENCES meter (id),"
    " at {TIME} NOT NULL,"
    " raw {BLOB} NOT NULL,"
    " volume_m3 {REAL} NOT NULL,"
    " work_s INTEGER NOT NULL,"
    " event_bits INTEGER NOT NULL,"
    " visit_id {INT} REFERENCES visit (id),"
    " PRIMARY KEY (meter_id, at)){KEYED}",

    "CREATE TABLE IF NOT EXISTS conflict ("
    " meter_id {INT} NOT NULL REFERENCES meter (id),"
    " archive TEXT NOT NULL,"
    " at TEXT NOT NULL,"
    " stored_raw {BLOB} NOT NULL,"
    " read_raw {BLOB} NOT NULL,"
    " visit_id {INT} REFERENCES visit (id))",

    "CREATE TABLE IF NOT EXISTS settings ("
    " visit_id {INT} NOT NULL REFERENCES visit (id),"
    " phase TEXT NOT NULL,"
    " bytes {BLOB},"
    " lines TEXT,"
    " PRIMARY KEY (visit_id, phase))",

    // Ranges of ring positions a sync has still to read: records whose transfer failed, and
    // the older part of a ring that an interrupted sync did not reach. Positions are day
    // numbers (daily) or minutes since 1899-12-30 (minute).
    "CREATE TABLE IF NOT EXISTS unread ("
    " id {ID},"
    " meter_id {INT} NOT NULL REFERENCES meter (id),"
    " archive TEXT NOT NULL,"
    " first_at {INT} NOT NULL,"
    " last_at {INT} NOT NULL)",
};

// Version 2: what a service visit learnt beyond the visit row, so that its act can be made
// again from the store alone. `kind` is `info` (an Info tab row as shown, `item` its name),
// `step` (a step of the round, `text` its outcome word) or `sync` (a ring's counts and range
// as `sync --json` gives them, `item` e.g. `daily.read`).
const char* const kVersion2[] = {
    "CREATE TABLE IF NOT EXISTS visit_item ("
    " visit_id {INT} NOT NULL REFERENCES visit (id),"
    " kind TEXT NOT NULL,"
    " item TEXT NOT NULL,"
    " text TEXT,"
    " PRIMARY KEY (visit_id, kind, item))",
};

bool run(QSqlDatabase& db, const QString& statement, QString* error) {
    QSqlQuery q(db);
    if (q.exec(statement))
        return true;
    *error = q.lastError().text();
    return false;
}

} // namespace

QString Dialect::types(QString s) const {
    const bool pg = postgres();
    s.replace(QLatin1String("{ID}"),
              pg ? QLatin1String("BIGSERIAL PRIMARY KEY") : QLatin1String("INTEGER PRIMARY KEY"));
    s.replace(QLatin1String("{DAY}"), pg ? QLatin1String("DATE") : QLatin1String("TEXT"));
    s.replace(QLatin1String("{TIME}"),
              pg ? QLatin1String("TIMESTAMP WITHOUT TIME ZONE") : QLatin1String("TEXT"));
    s.replace(QLatin1String("{BLOB}"), pg ? QLatin1String("BYTEA") : QLatin1String("BLOB"));
    s.replace(QLatin1String("{REAL}"),
              pg ? QLatin1String("DOUBLE PRECISION") : QLatin1String("REAL"));
    s.replace(QLatin1String("{INT}"), pg ? QLatin1String("BIGINT") : QLatin1String("INTEGER"));
    s.replace(QLatin1String("{KEYED}"), pg ? QLatin1String("") : QLatin1String(" WITHOUT ROWID"));
    return s;
}

QStringList Dialect::migration(int version) const {
    QStringList statements;
    if (version == 1) {
        for (const char* s : kVersion1)
            statements << types(QString::fromLatin1(s));
    } else if (version == 2) {
        for (const char* s : kVersion2)
            statements << types(QString::fromLatin1(s));
    }
    return statements;
}

QString Dialect::beginWrite() const {
    return postgres() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE");
}

QString Dialect::migrationLock() const {
    // Any fixed number: the key of the store's one advisory lock.
    return postgres() ? QStringLiteral("SELECT pg_advisory_xact_lock(720120)") : QString();
}

int Dialect::schemaVersion(QSqlDatabase& db, QString* error) const {
    QSqlQuery q(db);
    if (!postgres()) {
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
            *error = q.lastError().text();
            return -1;
        }
        return q.value(0).toInt();
    }
    // Only looks: two programs opening a new store at once would race on a CREATE here.
    // The table is made under the migration lock, by setSchemaVersion.
    if (!q.exec(QStringLiteral("SELECT to_regclass('zetra_schema') IS NOT NULL")) || !q.next()) {
        *error = q.lastError().text();
        return -1;
    }
    if (!q.value(0).toBool())
        return 0;
    if (!q.exec(QStringLiteral("SELECT version FROM zetra_schema"))) {
        *error = q.lastError().text();
        return -1;
    }
    return q.next() ? q.value(0).toInt() : 0;
}

bool Dialect::setSchemaVersion(QSqlDatabase& db, int version, QString* error) const {
    if (!postgres()) // a number of the program's own, never a value from outside
        return run(db, QStringLiteral("PRAGMA user_version = %1").arg(version), error);
    if (!run(db,
             QStringLiteral("CREATE TABLE IF NOT EXISTS zetra_schema (version INTEGER NOT NULL)"),
             error) ||
        !run(db, QStringLiteral("DELETE FROM zetra_schema"), error))
        return false;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO zetra_schema (version) VALUES (?)"));
    q.addBindValue(version);
    if (q.exec())
        return true;
    *error = q.lastError().text();
    return false;
}

QString Dialect::dayText(const QString& column) const {
    return postgres() ? QStringLiteral("to_char(%1, 'YYYY-MM-DD')").arg(column) : column;
}

QString Dialect::minuteText(const QString& column) const {
    return postgres() ? QStringLiteral("to_char(%1, 'YYYY-MM-DD HH24:MI')").arg(column) : column;
}

QString Dialect::instantText(const QString& column) const {
    return postgres() ? QStringLiteral("to_char(%1, 'YYYY-MM-DD\"T\"HH24:MI:SS\"Z\"')").arg(column)
                      : column;
}

QString Dialect::localTimeText(const QString& column) const {
    return postgres() ? QStringLiteral("to_char(%1, 'YYYY-MM-DD HH24:MI:SS')").arg(column) : column;
}

} // namespace store
