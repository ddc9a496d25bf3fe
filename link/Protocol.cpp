#include "link/Protocol.h"

#include "link/Crc8.h"

#include <QThread>

#include <cstring>

Protocol::Protocol() : pause_([](int ms) { QThread::msleep(ulong(ms)); }) {}

void Protocol::putData(const quint8* data, int count) {
    std::memcpy(buffer_.data() + 3, data, std::size_t(count));
}

quint64 Protocol::dataLE(int first, int count) const {
    quint64 value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | buffer_[std::size_t(first + i)];
    return value;
}

bool Protocol::refuse() {
    errorSeen_ = true;
    if (progressHook_)
        progressHook_();
    return false;
}

bool Protocol::ReadMemory(quint16 address, quint8 count) {
    if (count > kMaxReadCount)
        return refuse();
    buildRequest(kReadMemory, quint8(((address >> 8) & 0x0F) | (count << 4)), quint8(address), 0);
    return transact(4, count + 2, Answer::Data, false);
}

bool Protocol::WriteMemory(quint16 address, quint8 count) {
    if (count > kMaxWriteCount)
        return refuse();
    buildRequest(kWriteMemory, quint8(((address >> 8) & 0x0F) | (count << 4)), quint8(address),
                 count);
    return transact(count + 4, 1, Answer::Acknowledge, false);
}

bool Protocol::ReadSettingBytes(quint8 address, quint8 count) {
    if (count > kMaxReadCount)
        return refuse();
    buildRequest(kReadSettingBytes, count, address, 0);
    return transact(4, count + 2, Answer::Data, false);
}

bool Protocol::WriteSettingByte(quint8 address, quint8 value) {
    buildRequest(kWriteSettingByte, value, address, 0);
    return transact(4, 1, Answer::Acknowledge, false);
}

bool Protocol::ReadRecord(quint16 recordAddress) {
    buildRequest(kReadRecord, quint8(recordAddress >> 8), quint8(recordAddress), 0);
    return transact(4, kRecordSize + 2, Answer::Data, false);
}

bool Protocol::WriteRecord(quint16 recordAddress) {
    buildRequest(kWriteRecord, quint8(recordAddress >> 8), quint8(recordAddress), kRecordSize);
    return transact(kRecordSize + 4, 1, Answer::Acknowledge, true);
}

// The request is kept apart from the buffer: the answer is read into the buffer from
// position 0, so every attempt sends the frame as it was first built.
void Protocol::buildRequest(quint8 command, quint8 p1, quint8 p2, int dataCount) {
    request_[0] = command;
    request_[1] = p1;
    request_[2] = p2;
    std::memcpy(request_.data() + 3, buffer_.data() + 3, std::size_t(dataCount));
    request_[std::size_t(3 + dataCount)] = crc8(request_.data(), std::size_t(3 + dataCount));
}

bool Protocol::transact(int requestLength, int answerLength, Answer answer,
                        bool pauseAfterAttempt) {
    // After an attempt that was not answered in time, its answer (or that of the retry that
    // followed) may still be travelling. It belongs to an earlier request and must never pass
    // for this one's, so the line is drained until it has been quiet long enough.
    if (link_ && lateAnswerPossible_)
        link_->discardUntilQuiet(link_->quietPeriodMs(), kSettleLimitMs);
    lateAnswerPossible_ = false;
    bool ok = false;
    for (int i = 0; i < kAttempts && !ok; ++i) {
        ok = attempt(requestLength, answerLength, answer);
        if (pauseAfterAttempt)
            pause_(kWriteRecordPauseMs);
    }
    if (ok)
        replySeen_ = true;
    else
        errorSeen_ = true;
    if (progressHook_)
        progressHook_();
    return ok;
}

bool Protocol::attempt(int requestLength, int answerLength, Answer answer) {
    if (!link_)
        return false;
    // A late answer to an earlier request must never pass for this one.
    link_->discardInput();
    const bool sent = link_->write(request_.data(), requestLength);
    if (traceHook_)
        traceHook_(Direction::Sent,
                   QByteArray(reinterpret_cast<const char*>(request_.data()), requestLength),
                   false);
    if (!sent)
        return false;

    const int got = link_->read(buffer_.data(), answerLength);
    if (traceHook_)
        traceHook_(Direction::Received,
                   QByteArray(reinterpret_cast<const char*>(buffer_.data()), got),
                   got < answerLength);
    if (got < answerLength)
        lateAnswerPossible_ = true;
    if (got < 1 || buffer_[0] != kAcknowledge)
        return false;
    if (answer == Answer::Acknowledge)
        return true;
    // A read answer must be complete: the acknowledgement, every data byte and the CRC.
    return got == answerLength &&
           buffer_[std::size_t(got - 1)] == crc8(buffer_.data() + 1, std::size_t(got - 2));
}
