#include "store/Store.h"

#include "archive/ArchiveBuffers.h"

#include "core/Texts.h"
#include "store/StoreTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>

#include <atomic>
#include <cstring>
#include <map>

namespace store {

namespace {

std::atomic<int> connectionCount{0};

// How long a writer waits for another program's transaction before it gives up.
constexpr int kBusyTimeoutMs = 30000;

QVariant nullable(const std::optional<double>& v) { return v ? QVariant(*v) : QVariant(); }
QVariant nullable(const std::optional<qint64>& v) { return v ? QVariant(*v) : QVariant(); }
QVariant nullable(const std::optional<int>& v) { return v ? QVariant(*v) : QVariant(); }
QVariant nullableText(const QString& v) { return v.isNull() ? QVariant() : QVariant(v); }
QVariant dayValue(const QDate& d) {
    return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant();
}
QVariant localTime(const std::optional<QDateTime>& t) {
    return t ? QVariant(t->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))) : QVariant();
}
QString instant(const QDateTime& t) {
    return t.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
}

QByteArray rawBytes(const archive::Record& r) {
    return QByteArray(reinterpret_cast<const char*>(r.bytes.data()), int(r.bytes.size()));
}

archive::Record recordOf(const QByteArray& raw) {
    archive::Record r;
    std::memcpy(r.bytes.data(), raw.constData(), std::min(std::size_t(raw.size()), r.bytes.size()));
    return r;
}

} // namespace

QString ringName(Ring ring) {
    return ring == Ring::Daily ? QStringLiteral("daily") : QStringLiteral("minute");
}

QString positionText(Ring ring, Position p) {
    const QDate epoch(1899, 12, 30);
    if (ring == Ring::Daily)
        return epoch.addDays(p).toString(Qt::ISODate);
    const qint64 day = p / 1440;
    const int minute = int(p % 1440);
    return QStringLiteral("%1 %2:%3")
        .arg(epoch.addDays(day).toString(Qt::ISODate))
        .arg(minute / 60, 2, 10, QLatin1Char('0'))
        .arg(minute % 60, 2, 10, QLatin1Char('0'));
}

std::optional<Position> positionOfText(Ring ring, const QString& text) {
    const QDate epoch(1899, 12, 30);
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    const qint64 day = epoch.daysTo(date);
    if (ring == Ring::Daily)
        return day;
    const QTime time = QTime::fromString(text.mid(11, 5), QStringLiteral("HH:mm"));
    if (!time.isValid())
        return std::nullopt;
    return minutePosition(int(day), time.hour() * 60 + time.minute());
}

// The prepared statements of each connection, made on first use and kept: a sync prepares
// each of them once. Per thread, as the connections are.
namespace {
std::map<QString, std::map<QString, std::unique_ptr<QSqlQuery>>>& statementsOf() {
    static thread_local std::map<QString, std::map<QString, std::unique_ptr<QSqlQuery>>> all;
    return all;
}
} // namespace

QSqlQuery* Store::statement(const QString& text) {
    std::unique_ptr<QSqlQuery>& q = statementsOf()[connection_][text];
    if (!q) {
        auto made = std::make_unique<QSqlQuery>(QSqlDatabase::database(connection_, false));
        if (!made->prepare(text)) {
            fail(*made);
            return nullptr;
        }
        q = std::move(made);
    }
    return q.get();
}

Store::Store(const Location& location, Dialect dialect, QString connection)
    : location_(location), dialect_(dialect), connection_(std::move(connection)) {}

Store::~Store() {
    if (inTransaction_)
        rollback();
    statementsOf().erase(connection_);
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

std::unique_ptr<Store> Store::open(const Location& location, QString* error) {
    const bool pg = location.kind == Location::Kind::Postgres;
    const QString driver = pg ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        *error = QStringLiteral("Qt SQL driver %1 is not installed").arg(driver);
        return nullptr;
    }
    const QString name = QStringLiteral("zetra-store-%1").arg(++connectionCount);
    std::unique_ptr<Store> s(new Store(
        location, Dialect(pg ? Dialect::Engine::Postgres : Dialect::Engine::Sqlite), name));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, name);
        if (pg) {
            db.setHostName(location.host);
            db.setPort(location.port);
            db.setUserName(location.user);
            db.setDatabaseName(location.database);
            db.setConnectOptions(QStringLiteral("connect_timeout=10"));
        } else {
            const QFileInfo file(location.path);
            if (!file.absoluteDir().exists() && !QDir().mkpath(file.absolutePath())) {
                *error = QStringLiteral("cannot make the folder %1").arg(file.absolutePath());
                return nullptr;
            }
            db.setDatabaseName(location.path);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        }
        if (!db.open()) {
            *error = db.lastError().text();
            return nullptr;
        }
        QSqlQuery q(db);
        const QStringList setup =
            pg ? QStringList{QStringLiteral("SET client_min_messages = warning")}
               : QStringList{QStringLiteral("PRAGMA busy_timeout = %1").arg(kBusyTimeoutMs),
                             QStringLiteral("PRAGMA foreign_keys = ON"),
                             QStringLiteral("PRAGMA journal_mode = WAL"),
                             QStringLiteral("PRAGMA synchronous = NORMAL")};
        for (const QString& statement : setup) {
            if (!q.exec(statement)) {
                *error = q.lastError().text();
                return nullptr;
            }
        }
    }
    if (!s->migrate()) {
        *error = s->error_;
        return nullptr;
    }
    return s;
}

bool Store::fail(const QSqlQuery& query) {
    error_ = query.lastError().text();
    if (error_.trimmed().isEmpty())
        error_ = QStringLiteral("SQL error");
    return false;
}

bool Store::migrate() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    int version = dialect_.schemaVersion(db, &error_);
    if (version < 0)
        return false;
    if (version > Dialect::kSchemaVersion) {
        error_ = texts::newerSchema(version, Dialect::kSchemaVersion);
        return false;
    }
    if (version == Dialect::kSchemaVersion)
        return true;
    if (!begin())
        return false;
    QSqlQuery q(db);
    if (!dialect_.migrationLock().isEmpty() && !q.exec(dialect_.migrationLock())) {
        fail(q);
        rollback();
        return false;
    }
    // Another program may have migrated while this one waited for the lock.
    version = dialect_.schemaVersion(db, &error_);
    if (version < 0 || version > Dialect::kSchemaVersion) {
        if (version > Dialect::kSchemaVersion)
            error_ = texts::newerSchema(version, Dialect::kSchemaVersion);
        rollback();
        return false;
    }
    for (int v = version + 1; v <= Dialect::kSchemaVersion; ++v) {
        for (const QString& statement : dialect_.migration(v)) {
            if (!q.exec(statement)) {
                fail(q);
                rollback();
                return false;
            }
        }
    }
    if (!dialect_.setSchemaVersion(db, Dialect::kSchemaVersion, &error_)) {
        rollback();
        return false;
    }
    return commit();
}

bool Store::begin() {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    if (!q.exec(dialect_.beginWrite()))
        return fail(q);
    inTransaction_ = true;
    return true;
}

bool Store::commit() {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    inTransaction_ = false;
    if (!q.exec(QStringLiteral("COMMIT"))) {
        fail(q);
        QSqlQuery(QSqlDatabase::database(connection_, false)).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return true;
}

void Store::rollback() {
    inTransaction_ = false;
    QSqlQuery(QSqlDatabase::database(connection_, false)).exec(QStringLiteral("ROLLBACK"));
}

std::optional<qint64> Store::meterId(const MeterIdentity& identity) {
    QSqlQuery* insertp = statement(QStringLiteral("INSERT INTO meter (serial, manufactured) VALUES "
                                                  "(?, ?) ON CONFLICT (serial, manufactured) DO "
                                                  "NOTHING"));
    if (!insertp)
        return std::nullopt;
    QSqlQuery& insert = *insertp;
    insert.bindValue(0, identity.serial);
    insert.bindValue(1, dayValue(identity.manufactured));
    if (!insert.exec()) {
        fail(insert);
        return std::nullopt;
    }
    QSqlQuery* selectp =
        statement(QStringLiteral("SELECT id FROM meter WHERE serial = ? AND manufactured = ?"));
    if (!selectp)
        return std::nullopt;
    QSqlQuery& select = *selectp;
    select.bindValue(0, identity.serial);
    select.bindValue(1, dayValue(identity.manufactured));
    if (!select.exec() || !select.next()) {
        fail(select);
        return std::nullopt;
    }
    const qint64 id = select.value(0).toLongLong();
    select.finish();
    return id;
}

std::optional<qint64> Store::beginVisit(qint64 meterId, const QString& action, const QString& link,
                                        const QDateTime& startedUtc) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("INSERT INTO visit (meter_id, started_utc, action, link, "
                             "program_version) VALUES (?, ?, ?, ?, ?) RETURNING id"));
    q.addBindValue(meterId);
    q.addBindValue(instant(startedUtc));
    q.addBindValue(action);
    q.addBindValue(nullableText(link));
    q.addBindValue(core::texts::programVersion());
    if (!q.exec() || !q.next()) {
        fail(q);
        return std::nullopt;
    }
    return q.value(0).toLongLong();
}

bool Store::endVisit(qint64 visitId, const VisitFacts& f, const QDateTime& endedUtc) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral(
        "UPDATE visit SET ended_utc = ?, outcome = ?, pc_time = ?, meter_time = ?, "
        "clock_drift_s = ?, clock_set_to = ?, firmware_version = ?, firmware_date = ?, "
        "battery_v = ?, volume_m3 = ?, work_hours = ?, idle_hours = ?, engineer = ? "
        "WHERE id = ?"));
    q.addBindValue(instant(endedUtc));
    q.addBindValue(nullableText(f.outcome));
    q.addBindValue(localTime(f.pcTime));
    q.addBindValue(localTime(f.meterTime));
    q.addBindValue(nullable(f.clockDriftSeconds));
    q.addBindValue(localTime(f.clockSetTo));
    q.addBindValue(nullable(f.firmwareVersion));
    q.addBindValue(dayValue(f.firmwareDate));
    q.addBindValue(nullable(f.batteryVolts));
    q.addBindValue(nullable(f.volumeM3));
    q.addBindValue(nullable(f.workHours));
    q.addBindValue(nullable(f.idleHours));
    q.addBindValue(nullableText(f.engineer));
    q.addBindValue(visitId);
    return q.exec() || fail(q);
}

bool Store::putSettings(qint64 visitId, const QString& phase, const QByteArray& bytes,
                        const QStringList& lines) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("INSERT INTO settings (visit_id, phase, bytes, lines) VALUES (?, ?, "
                             "?, ?) ON CONFLICT (visit_id, phase) DO UPDATE SET bytes = "
                             "excluded.bytes, lines = excluded.lines"));
    q.addBindValue(visitId);
    q.addBindValue(phase);
    q.addBindValue(bytes.isEmpty() ? QVariant() : QVariant(bytes));
    q.addBindValue(lines.join(QLatin1Char('\n')));
    return q.exec() || fail(q);
}

std::optional<Put> Store::put(Ring ring, qint64 meterId, Position position,
                              const archive::Record& record, bool partial, qint64 visitId) {
    if (!record.present() || record.unreadable())
        return Put::Skipped;
    const bool daily = ring == Ring::Daily;
    const QString at = positionText(ring, position);
    const QByteArray raw = rawBytes(record);
    QSqlQuery* selectp = statement(
        daily ? QStringLiteral("SELECT raw, partial FROM daily WHERE meter_id = ? AND day = ?")
              : QStringLiteral("SELECT raw, 0 FROM minute WHERE meter_id = ? AND at = ?"));
    if (!selectp)
        return std::nullopt;
    QSqlQuery& select = *selectp;
    // Most records of a sync are new: one statement stores them; only a record the store
    // already holds is compared.
    QSqlQuery* insertp = statement(
        daily ? QStringLiteral("INSERT INTO daily (meter_id, day, raw, volume_m3, work_hours, "
                               "event_bits, partial, visit_id) VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON "
                               "CONFLICT (meter_id, day) DO NOTHING")
              : QStringLiteral("INSERT INTO minute (meter_id, at, raw, volume_m3, work_s, "
                               "event_bits, visit_id) VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT "
                               "(meter_id, at) DO NOTHING"));
    if (!insertp)
        return std::nullopt;
    QSqlQuery& insert = *insertp;
    for (int attempt = 0; attempt < 2; ++attempt) {
        int i = 0;
        insert.bindValue(i++, meterId);
        insert.bindValue(i++, at);
        insert.bindValue(i++, raw);
        insert.bindValue(i++, record.volumeCubicMetres());
        if (daily)
            insert.bindValue(i++, record.workingTime() / archive::kDailyTimeUnitsPerHour);
        else
            insert.bindValue(i++, int(record.workingTime()));
        insert.bindValue(i++, int(record.events()));
        if (daily)
            insert.bindValue(i++, partial ? 1 : 0);
        insert.bindValue(i++, visitId);
        if (!insert.exec()) {
            fail(insert);
            return std::nullopt;
        }
        if (insert.numRowsAffected() > 0)
            return Put::New;
        select.bindValue(0, meterId);
        select.bindValue(1, at);
        if (!select.exec()) {
            fail(select);
            return std::nullopt;
        }
        if (!select.next()) { // gone meanwhile: store it again
            select.finish();
            continue;
        }
        const QByteArray stored = select.value(0).toByteArray();
        const bool storedPartial = select.value(1).toInt() != 0;
        select.finish();
        if (storedPartial) {
            if (stored == raw && partial)
                return Put::Same;
            QSqlQuery* updatep = statement(
                QStringLiteral("UPDATE daily SET raw = ?, volume_m3 = ?, work_hours = ?, "
                               "event_bits = ?, partial = ?, visit_id = ? WHERE meter_id = ? AND "
                               "day = ? AND partial = 1"));
            if (!updatep)
                return std::nullopt;
            QSqlQuery& update = *updatep;
            update.bindValue(0, raw);
            update.bindValue(1, record.volumeCubicMetres());
            update.bindValue(2, record.workingTime() / archive::kDailyTimeUnitsPerHour);
            update.bindValue(3, int(record.events()));
            update.bindValue(4, partial ? 1 : 0);
            update.bindValue(5, visitId);
            update.bindValue(6, meterId);
            update.bindValue(7, at);
            if (!update.exec()) {
                fail(update);
                return std::nullopt;
            }
            if (update.numRowsAffected() > 0)
                return partial ? Put::Replaced : Put::New;
            continue; // completed by another program meanwhile
        }
        if (stored == raw)
            return Put::Same;
        QSqlQuery* conflictp = statement(
            QStringLiteral("INSERT INTO conflict (meter_id, archive, at, stored_raw, read_raw, "
                           "visit_id) VALUES (?, ?, ?, ?, ?, ?)"));
        if (!conflictp)
            return std::nullopt;
        QSqlQuery& conflict = *conflictp;
        conflict.bindValue(0, meterId);
        conflict.bindValue(1, ringName(ring));
        conflict.bindValue(2, at);
        conflict.bindValue(3, stored);
        conflict.bindValue(4, raw);
        conflict.bindValue(5, visitId);
        if (!conflict.exec()) {
            fail(conflict);
            return std::nullopt;
        }
        return Put::Conflict;
    }
    error_ = QStringLiteral("the record of %1 changed while it was stored").arg(at);
    return std::nullopt;
}

std::optional<StoredRecord> Store::newestComplete(Ring ring, qint64 meterId) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(ring == Ring::Daily
                  ? QStringLiteral("SELECT %1, raw FROM daily WHERE meter_id = ? AND partial = 0 "
                                   "ORDER BY day DESC LIMIT 1")
                        .arg(dialect_.dayText(QStringLiteral("day")))
                  : QStringLiteral("SELECT %1, raw FROM minute WHERE meter_id = ? ORDER BY at "
                                   "DESC LIMIT 1")
                        .arg(dialect_.minuteText(QStringLiteral("at"))));
    q.addBindValue(meterId);
    if (!q.exec()) {
        fail(q);
        return std::nullopt;
    }
    error_.clear();
    if (!q.next())
        return std::nullopt;
    const std::optional<Position> p = positionOfText(ring, q.value(0).toString());
    if (!p)
        return std::nullopt;
    return StoredRecord{*p, recordOf(q.value(1).toByteArray()), false};
}

std::optional<std::vector<StoredRecord>> Store::records(Ring ring, qint64 meterId, Position from,
                                                        Position to) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    q.prepare(ring == Ring::Daily
                  ? QStringLiteral("SELECT %1, raw, partial FROM daily WHERE meter_id = ? AND day "
                                   "BETWEEN ? AND ? ORDER BY day")
                        .arg(dialect_.dayText(QStringLiteral("day")))
                  : QStringLiteral("SELECT %1, raw, 0 FROM minute WHERE meter_id = ? AND at "
                                   "BETWEEN ? AND ? ORDER BY at")
                        .arg(dialect_.minuteText(QStringLiteral("at"))));
    q.addBindValue(meterId);
    q.addBindValue(positionText(ring, from));
    q.addBindValue(positionText(ring, to));
    if (!q.exec()) {
        fail(q);
        return std::nullopt;
    }
    std::vector<StoredRecord> out;
    while (q.next()) {
        if (const std::optional<Position> p = positionOfText(ring, q.value(0).toString()))
            out.push_back({*p, recordOf(q.value(1).toByteArray()), q.value(2).toInt() != 0});
    }
    return out;
}

std::optional<std::vector<UnreadRange>> Store::unread(Ring ring, qint64 meterId) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("SELECT id, first_at, last_at FROM unread WHERE meter_id = ? AND "
                             "archive = ? ORDER BY last_at DESC"));
    q.addBindValue(meterId);
    q.addBindValue(ringName(ring));
    if (!q.exec()) {
        fail(q);
        return std::nullopt;
    }
    std::vector<UnreadRange> out;
    while (q.next())
        out.push_back({q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong()});
    return out;
}

std::optional<qint64> Store::addUnread(Ring ring, qint64 meterId, Position first, Position last) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("INSERT INTO unread (meter_id, archive, first_at, last_at) VALUES "
                             "(?, ?, ?, ?) RETURNING id"));
    q.addBindValue(meterId);
    q.addBindValue(ringName(ring));
    q.addBindValue(first);
    q.addBindValue(last);
    if (!q.exec() || !q.next()) {
        fail(q);
        return std::nullopt;
    }
    return q.value(0).toLongLong();
}

bool Store::setUnreadLast(qint64 id, Position last) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("UPDATE unread SET last_at = ? WHERE id = ?"));
    q.addBindValue(last);
    q.addBindValue(id);
    return q.exec() || fail(q);
}

bool Store::removeUnread(qint64 id) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("DELETE FROM unread WHERE id = ?"));
    q.addBindValue(id);
    return q.exec() || fail(q);
}

std::optional<std::vector<MeterSummary>> Store::meters() {
    const Dialect& d = dialect_;
    const QString lastVisit =
        QStringLiteral("FROM visit v WHERE v.meter_id = m.id ORDER BY v.started_utc DESC, v.id "
                       "DESC LIMIT 1");
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    if (!q.exec(QStringLiteral("SELECT m.id, m.serial, %1,"
                               " (SELECT %2 FROM daily d WHERE d.meter_id = m.id),"
                               " (SELECT %3 FROM daily d WHERE d.meter_id = m.id),"
                               " (SELECT %4 FROM minute n WHERE n.meter_id = m.id),"
                               " (SELECT %5 FROM minute n WHERE n.meter_id = m.id),"
                               " (SELECT %6 %7), (SELECT v.clock_drift_s %7)"
                               " FROM meter m ORDER BY m.serial, m.manufactured")
                    .arg(d.dayText(QStringLiteral("m.manufactured")),
                         d.dayText(QStringLiteral("min(d.day)")),
                         d.dayText(QStringLiteral("max(d.day)")),
                         d.minuteText(QStringLiteral("min(n.at)")),
                         d.minuteText(QStringLiteral("max(n.at)")),
                         d.instantText(QStringLiteral("v.started_utc")), lastVisit))) {
        fail(q);
        return std::nullopt;
    }
    std::vector<MeterSummary> out;
    while (q.next()) {
        MeterSummary m;
        m.id = q.value(0).toLongLong();
        m.identity.serial = q.value(1).toInt();
        m.identity.manufactured = QDate::fromString(q.value(2).toString(), Qt::ISODate);
        m.dailyFrom = positionOfText(Ring::Daily, q.value(3).toString());
        m.dailyTo = positionOfText(Ring::Daily, q.value(4).toString());
        m.minuteFrom = positionOfText(Ring::Minute, q.value(5).toString());
        m.minuteTo = positionOfText(Ring::Minute, q.value(6).toString());
        m.lastVisitUtc = QDateTime::fromString(q.value(7).toString(), Qt::ISODate);
        if (!q.value(8).isNull())
            m.clockDriftSeconds = q.value(8).toLongLong();
        out.push_back(m);
    }
    return out;
}

std::optional<std::vector<VisitSummary>> Store::visits(qint64 meterId) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id, %1, action, outcome, clock_drift_s FROM visit WHERE "
                             "meter_id = ? ORDER BY started_utc DESC, id DESC")
                  .arg(dialect_.instantText(QStringLiteral("started_utc"))));
    q.addBindValue(meterId);
    if (!q.exec()) {
        fail(q);
        return std::nullopt;
    }
    std::vector<VisitSummary> out;
    while (q.next()) {
        VisitSummary v;
        v.id = q.value(0).toLongLong();
        v.startedUtc = QDateTime::fromString(q.value(1).toString(), Qt::ISODate);
        v.startedUtc.setTimeZone(QTimeZone::utc());
        v.action = q.value(2).toString();
        v.outcome = q.value(3).toString();
        if (!q.value(4).isNull())
            v.clockDriftSeconds = q.value(4).toLongLong();
        out.push_back(v);
    }
    return out;
}

bool Store::putItem(qint64 visitId, const QString& kind, const QString& item, const QString& text) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("INSERT INTO visit_item (visit_id, kind, item, text) VALUES (?, ?, ?, "
                             "?) ON CONFLICT (visit_id, kind, item) DO UPDATE SET text = "
                             "excluded.text"));
    q.addBindValue(visitId);
    q.addBindValue(kind);
    q.addBindValue(item);
    q.addBindValue(nullableText(text));
    return q.exec() || fail(q);
}

std::optional<VisitRecord> Store::visit(qint64 visitId) {
    const Dialect& d = dialect_;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("SELECT v.id, v.meter_id, m.serial, %1, %2, %3, v.action, v.link, "
                             "v.outcome, %4, %5, v.clock_drift_s, %6, v.firmware_version, %7, "
                             "v.battery_v, v.volume_m3, v.work_hours, v.idle_hours, v.engineer, "
                             "v.program_version FROM visit v JOIN meter m ON m.id = v.meter_id "
                             "WHERE v.id = ?")
                  .arg(d.dayText(QStringLiteral("m.manufactured")),
                       d.instantText(QStringLiteral("v.started_utc")),
                       d.instantText(QStringLiteral("v.ended_utc")),
                       d.localTimeText(QStringLiteral("v.pc_time")),
                       d.localTimeText(QStringLiteral("v.meter_time")),
                       d.localTimeText(QStringLiteral("v.clock_set_to")),
                       d.dayText(QStringLiteral("v.firmware_date"))));
    q.addBindValue(visitId);
    error_.clear();
    if (!q.exec()) {
        fail(q);
        return std::nullopt;
    }
    if (!q.next())
        return std::nullopt;
    const auto utc = [&](int i) {
        QDateTime t = QDateTime::fromString(q.value(i).toString(), Qt::ISODate);
        t.setTimeZone(QTimeZone::utc());
        return t;
    };
    const auto local = [&](int i) -> std::optional<QDateTime> {
        const QDateTime t =
            QDateTime::fromString(q.value(i).toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return t.isValid() ? std::optional(t) : std::nullopt;
    };
    const auto real = [&](int i) -> std::optional<double> {
        return q.value(i).isNull() ? std::nullopt : std::optional(q.value(i).toDouble());
    };
    VisitRecord v;
    v.id = q.value(0).toLongLong();
    v.meterId = q.value(1).toLongLong();
    v.identity.serial = q.value(2).toInt();
    v.identity.manufactured = QDate::fromString(q.value(3).toString(), Qt::ISODate);
    v.startedUtc = utc(4);
    if (!q.value(5).isNull())
        v.endedUtc = utc(5);
    v.action = q.value(6).toString();
    v.link = q.value(7).toString();
    VisitFacts& f = v.facts;
    f.outcome = q.value(8).toString();
    f.pcTime = local(9);
    f.meterTime = local(10);
    if (!q.value(11).isNull())
        f.clockDriftSeconds = q.value(11).toLongLong();
    f.clockSetTo = local(12);
    if (!q.value(13).isNull())
        f.firmwareVersion = q.value(13).toInt();
    f.firmwareDate = QDate::fromString(q.value(14).toString(), Qt::ISODate);
    f.batteryVolts = real(15);
    f.volumeM3 = real(16);
    f.workHours = real(17);
    f.idleHours = real(18);
    f.engineer = q.value(19).toString();
    v.programVersion = q.value(20).toString();
    return v;
}

std::optional<std::vector<VisitItem>> Store::items(qint64 visitId) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral(
        "SELECT kind, item, text FROM visit_item WHERE visit_id = ? ORDER BY kind, item"));
    q.addBindValue(visitId);
    if (!q.exec()) {
        fail(q);
        return std::nullopt;
    }
    std::vector<VisitItem> out;
    while (q.next())
        out.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
    return out;
}

namespace {
std::vector<VisitSettings> settingsRows(QSqlQuery& q) {
    std::vector<VisitSettings> out;
    while (q.next()) {
        const QString lines = q.value(3).toString();
        out.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toByteArray(),
                       lines.isEmpty() ? QStringList() : lines.split(QLatin1Char('\n'))});
    }
    return out;
}
} // namespace

std::optional<std::vector<VisitSettings>> Store::settings(qint64 visitId) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("SELECT visit_id, phase, bytes, lines FROM settings WHERE visit_id = "
                             "? ORDER BY phase"));
    q.addBindValue(visitId);
    if (!q.exec()) {
        fail(q);
        return std::nullopt;
    }
    return settingsRows(q);
}

std::optional<std::vector<VisitSettings>> Store::previousSettings(qint64 meterId, qint64 visitId) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("SELECT s.visit_id, s.phase, s.bytes, s.lines FROM settings s JOIN "
                             "visit v ON v.id = s.visit_id WHERE v.meter_id = ? AND v.id < ? AND "
                             "s.phase IN ('read', 'after') ORDER BY v.id DESC, s.phase LIMIT 1"));
    q.addBindValue(meterId);
    q.addBindValue(visitId);
    if (!q.exec()) {
        fail(q);
        return std::nullopt;
    }
    return settingsRows(q);
}

} // namespace store
