#include "store/RecordWriter.h"

namespace store {

bool RecordWriter::fail() {
    failed_ = true;
    error_ = store_->error();
    if (inChunk_)
        store_->rollback();
    inChunk_ = false;
    pending_ = 0;
    return false;
}

bool RecordWriter::open() {
    if (failed_ || !store_)
        return false;
    if (!inChunk_) {
        if (!store_->begin())
            return fail();
        inChunk_ = true;
    }
    return true;
}

void RecordWriter::put(Position position, const archive::Record& record, bool partial) {
    if (!record.present() || record.unreadable() || !open())
        return;
    const std::optional<Put> result =
        store_->put(ring_, meterId_, position, record, partial, visitId_);
    if (!result) {
        fail();
        return;
    }
    if (*result == Put::New)
        ++fresh_;
    else if (*result == Put::Conflict)
        ++conflicts_;
    if (++pending_ >= kChunk)
        flush();
}

bool RecordWriter::within(const std::function<bool(Store&)>& work) {
    if (!open())
        return false;
    return work(*store_) || fail();
}

bool RecordWriter::flush() {
    if (failed_ || !inChunk_)
        return !failed_;
    if (beforeCommit_ && !beforeCommit_(*store_))
        return fail();
    inChunk_ = false;
    pending_ = 0;
    if (!store_->commit())
        return fail();
    return true;
}

} // namespace store
