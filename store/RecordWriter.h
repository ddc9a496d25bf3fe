#pragma once

#include "store/Store.h"

#include <functional>

// The records of one readout stored as they are read: at most 100 to a transaction, so a lost
// link, a stop or a killed program keeps what was read. The first failure of the store ends
// the storing (the readout goes on) and is kept for the one message at the end.
namespace store {

class RecordWriter {
public:
    static constexpr int kChunk = 100;

    RecordWriter(Store* store, Ring ring, qint64 meterId, qint64 visitId)
        : store_(store), ring_(ring), meterId_(meterId), visitId_(visitId) {}
    ~RecordWriter() { flush(); }

    // Stores one record by the store's rules; nothing once the store failed.
    void put(Position position, const archive::Record& record, bool partial = false);
    // Runs `work` inside the open chunk (one is begun if none is open); false when it failed.
    bool within(const std::function<bool(Store&)>& work);
    // Runs before each chunk commits, inside its transaction (the sync notes its progress).
    void setBeforeCommit(std::function<bool(Store&)> hook) { beforeCommit_ = std::move(hook); }
    // Commits what is pending.
    bool flush();

    bool failed() const { return failed_; }
    const QString& error() const { return error_; }
    int fresh() const { return fresh_; }
    int conflicts() const { return conflicts_; }

private:
    bool open();
    bool fail();

    Store* store_;
    Ring ring_;
    qint64 meterId_;
    qint64 visitId_;
    std::function<bool(Store&)> beforeCommit_;
    bool inChunk_ = false;
    int pending_ = 0;
    bool failed_ = false;
    QString error_;
    int fresh_ = 0;
    int conflicts_ = 0;
};

} // namespace store
