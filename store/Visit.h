#pragma once

#include "core/Outcome.h"
#include "link/LinkOpener.h"
#include "store/Location.h"
#include "store/RecordWriter.h"
#include "store/Store.h"

#include <QDateTime>

#include <memory>
#include <optional>

namespace core {
class Session;
}

namespace store {

// The JSON outcome words that scripts read: ok, errors, no_answer, cannot_open, ...; the
// visit rows keep the same words.
QString outcomeWord(core::Outcome::Kind kind);

// The store as a front end attaches it to its meter session: where it lives, opened on first
// use and kept for the run.
struct Attachment {
    Location location; // Kind::None: the store is off
    std::unique_ptr<Store> store;
    QString openError; // why the store could not be opened
    // An action could not open or write the store (zetra-cli then exits 1).
    bool failed = false;

    // The open store; null when it is off or cannot be opened (openError says why).
    Store* get();
    // The "Ошибка" message when get() gave null: the store and why it is not there.
    QString unavailable() const;
};
Attachment& attachment(core::Session& session);

// The store's part in one meter action: right after the identity check it reads the meter's
// serial number and manufacture date (one ReadMemory 1267 4) unless the action reads them
// itself, opens the visit row, and closes it with the outcome when the action ends. With the
// store off it does nothing at all, so the exchange stays the one without a store. A store
// that cannot be opened or written never stops the action: one "Ошибка" message names it at
// the end.
class Visit {
public:
    // `action`: sync, daily, minute, settings-read, ...; `target`: the link as given.
    Visit(core::Session& session, QString action, const line::LinkTarget& target);
    ~Visit();
    Visit(const Visit&) = delete;
    Visit& operator=(const Visit&) = delete;

    bool enabled() const { return attachment_.location.enabled(); }

    // Reads the identity and starts the visit; false when the store is off, the read failed
    // or the store failed. Call it first in the connection's branch.
    bool identify();
    // For an action that read the identity itself.
    void identified(const MeterIdentity& identity);

    std::optional<qint64> meterId() const { return meterId_; }
    std::optional<qint64> visitId() const { return visitId_; }
    std::optional<MeterIdentity> identity() const { return identity_; }
    Store* store() const { return store_; }

    // A writer of the visit's records of a ring; null while no visit runs.
    RecordWriter* writer(Ring ring);

    // What the visit row keeps besides the outcome.
    VisitFacts facts;

    // The settings the visit read or wrote: phase read, before, written or after; `bytes` the
    // settings area 13..69 when the action has it (else null), `lines` the settings file's.
    void noteSettings(const QString& phase, const QByteArray& bytes, const QStringList& lines);

    // Ends the visit row; shows the store's failure, if any, once.
    void end(const core::Outcome& outcome);
    // The store failed during this action.
    void failed(const QString& reason);
    bool storeFailed() const { return !failure_.isEmpty(); }

private:
    core::Session& session_;
    Attachment& attachment_;
    QString action_;
    QString link_;
    Store* store_ = nullptr;
    std::optional<MeterIdentity> identity_;
    std::optional<qint64> meterId_, visitId_;
    std::unique_ptr<RecordWriter> daily_, minute_;
    QString failure_;
    bool ended_ = false;
};

} // namespace store
