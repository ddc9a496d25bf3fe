#pragma once

#include <QString>
#include <QStringList>

#include <QSqlDatabase>

// What differs between SQLite and PostgreSQL, and nothing else: column types, how a write
// transaction begins, where the schema version lives, and how dates read back as text. The
// statements above this seam are the same for both (the upsert `INSERT ... ON CONFLICT` and
// `RETURNING` included).
namespace store {

class Dialect {
public:
    enum class Engine { Sqlite, Postgres };
    explicit Dialect(Engine engine) : engine_(engine) {}

    Engine engine() const { return engine_; }
    bool postgres() const { return engine_ == Engine::Postgres; }

    // The schema this program writes; a store of a higher version is refused.
    static constexpr int kSchemaVersion = 2;
    // The statements that take a store from version - 1 to `version`.
    QStringList migration(int version) const;

    // Begins a transaction that writes: SQLite takes the write lock at once, so two writers
    // wait for each other (busy time-out) instead of failing on the upgrade of a read lock.
    QString beginWrite() const;
    // Inside a write transaction: only one program migrates at a time.
    QString migrationLock() const; // empty when beginWrite already holds the lock

    // The schema version (0 for a new store) and setting it, inside the migration.
    int schemaVersion(QSqlDatabase& db, QString* error) const;
    bool setSchemaVersion(QSqlDatabase& db, int version, QString* error) const;

    // A column as text: day "YYYY-MM-DD", minute "YYYY-MM-DD hh:mm", instant
    // "YYYY-MM-DDThh:mm:ssZ", local time "YYYY-MM-DD hh:mm:ss".
    QString dayText(const QString& column) const;
    QString minuteText(const QString& column) const;
    QString instantText(const QString& column) const;
    QString localTimeText(const QString& column) const;

private:
    QString types(QString statement) const;
    Engine engine_;
};

} // namespace store
