#pragma once

#include "archive/ArchiveRecord.h"
#include "store/Dialect.h"
#include "store/Location.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <QSqlQuery>

#include <memory>
#include <optional>
#include <vector>

// The meter store: one connection to an SQLite file or a PostgreSQL server, with the schema
// migrated forward on open. A Store is used on the thread that opened it (each thread opens
// its own). Every value reaches SQL as a bound parameter.
namespace store {

// Which ring: the daily archive counts days, the minute archive minutes.
enum class Ring { Daily, Minute };
QString ringName(Ring ring); // "daily", "minute"

// A ring position: a day number (days since 1899-12-30) in the daily ring, minutes since
// 1899-12-30 00:00 in the minute ring.
using Position = qint64;
inline Position minutePosition(int dayNumber, int minuteOfDay) {
    return Position(dayNumber) * 1440 + minuteOfDay;
}
QString positionText(Ring ring, Position position); // "YYYY-MM-DD" or "YYYY-MM-DD hh:mm"
std::optional<Position> positionOfText(Ring ring, const QString& text);

struct MeterIdentity {
    int serial = 0;
    QDate manufactured;
};

// What a visit learnt, written when it ends. Empty values stay null.
struct VisitFacts {
    QString outcome;                            // the JSON outcome word
    std::optional<QDateTime> pcTime, meterTime; // local, at the clock read
    std::optional<qint64> clockDriftSeconds;
    std::optional<QDateTime> clockSetTo;
    std::optional<int> firmwareVersion;
    QDate firmwareDate;
    std::optional<double> batteryVolts, volumeM3, workHours, idleHours;
    QString engineer;
};

// How a record read met the store.
enum class Put {
    New,      // stored for the first time (or a running day's figures became the whole day)
    Replaced, // a running day's figures replaced by later ones
    Same,     // the store already held these bytes
    Conflict, // the store holds a complete record with other bytes: kept, the read noted
    Skipped,  // empty or unreadable: never stored
};

struct StoredRecord {
    Position position = 0;
    archive::Record record;
    bool partial = false;
};

// One visit as the history lists it.
struct VisitSummary {
    qint64 id = 0;
    QDateTime startedUtc;
    QString action, outcome; // outcome empty while the visit has not ended
    std::optional<qint64> clockDriftSeconds;
};

// A stored visit, whole, as its act shows it.
struct VisitRecord {
    qint64 id = 0;
    qint64 meterId = 0;
    MeterIdentity identity;
    QDateTime startedUtc, endedUtc; // endedUtc invalid while the visit has not ended
    QString action, link, programVersion;
    VisitFacts facts;
};

// One fact of a visit beyond its row (table visit_item): an Info row as shown, a step's
// outcome word, a ring's sync figure.
struct VisitItem {
    QString kind, item, text;
};

// A visit's settings of one phase: the settings-file lines (bytes when the action had them).
struct VisitSettings {
    qint64 visitId = 0;
    QString phase;
    QByteArray bytes;
    QStringList lines;
};

struct UnreadRange {
    qint64 id = 0;
    Position first = 0, last = 0;
};

struct MeterSummary {
    qint64 id = 0;
    MeterIdentity identity;
    std::optional<Position> dailyFrom, dailyTo, minuteFrom, minuteTo;
    QDateTime lastVisitUtc; // invalid when none
    std::optional<qint64> clockDriftSeconds;
};

class Store {
public:
    // Opens (and makes, or migrates forward) the store; empty with `error` set when it cannot.
    static std::unique_ptr<Store> open(const Location& location, QString* error);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    const Location& location() const { return location_; }
    const Dialect& dialect() const { return dialect_; }
    // The reason of the last failed call.
    const QString& error() const { return error_; }

    // Write transactions. Calls outside one commit on their own.
    bool begin();
    bool commit();
    void rollback();

    std::optional<qint64> meterId(const MeterIdentity& identity); // made on first use
    std::optional<qint64> beginVisit(qint64 meterId, const QString& action, const QString& link,
                                     const QDateTime& startedUtc);
    bool endVisit(qint64 visitId, const VisitFacts& facts, const QDateTime& endedUtc);
    bool putSettings(qint64 visitId, const QString& phase, const QByteArray& bytes,
                     const QStringList& lines);

    // Stores a record read from the ring (or, with `partial`, the running day's figures) by
    // the store's rules. Empty when the store failed.
    std::optional<Put> put(Ring ring, qint64 meterId, Position position,
                           const archive::Record& record, bool partial, qint64 visitId);

    std::optional<StoredRecord> newestComplete(Ring ring, qint64 meterId);
    std::optional<std::vector<StoredRecord>> records(Ring ring, qint64 meterId, Position from,
                                                     Position to);

    std::optional<std::vector<UnreadRange>> unread(Ring ring, qint64 meterId);
    std::optional<qint64> addUnread(Ring ring, qint64 meterId, Position first, Position last);
    bool setUnreadLast(qint64 id, Position last);
    bool removeUnread(qint64 id);

    bool putItem(qint64 visitId, const QString& kind, const QString& item, const QString& text);

    std::optional<std::vector<MeterSummary>> meters();
    // One visit; empty with the error empty when there is no such visit.
    std::optional<VisitRecord> visit(qint64 visitId);
    std::optional<std::vector<VisitItem>> items(qint64 visitId);
    // The visit's settings, every phase it holds.
    std::optional<std::vector<VisitSettings>> settings(qint64 visitId);
    // The settings the meter held at its newest visit before `visitId` that read or wrote
    // them (phase read, or after a write); an empty list when there was none.
    std::optional<std::vector<VisitSettings>> previousSettings(qint64 meterId, qint64 visitId);
    // A meter's visits, the newest first.
    std::optional<std::vector<VisitSummary>> visits(qint64 meterId);

private:
    Store(const Location& location, Dialect dialect, QString connection);
    bool migrate();
    bool fail(const QSqlQuery& query);
    // A statement prepared once per connection; null (error set) when it cannot be.
    QSqlQuery* statement(const QString& text);

    Location location_;
    Dialect dialect_;
    QString connection_;
    QString error_;
    bool inTransaction_ = false;
};

} // namespace store
