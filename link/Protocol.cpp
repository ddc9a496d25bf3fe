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
    describe(address, count);
    buildRequest(kReadMemory, quint8(((address >> 8) & 0x0F) | (count << 4)), quint8(address), 0);
    return transact(4, count + 2, Answer::Data, false);
}

bool Protocol::WriteMemory(quint16 address, quint8 count) {
    if (count > kMaxWriteCount)
        return refuse();
    describe(address, count);
    buildRequest(kWriteMemory, quint8(((address >> 8) & 0x0F) | (count << 4)), quint8(address),
                 count);
    return transact(count + 4, 1, Answer::Acknowledge, false);
}

bool Protocol::ReadSettingBytes(quint8 address, quint8 count) {
    if (count > kMaxReadCount)
        return refuse();
    describe(address, count);
    buildRequest(kReadSettingBytes, count, address, 0);
    return transact(4, count + 2, Answer::Data, false);
}

bool Protocol::WriteSettingByte(quint8 address, quint8 value) {
    describe(address, value);
    buildRequest(kWriteSettingByte, value, address, 0);
    return transact(4, 1, Answer::Acknowledge, false);
}

bool Protocol::ReadRecord(quint16 recordAddress) {
    describe(recordAddress, 0);
    buildRequest(kReadRecord, quint8(recordAddress >> 8), quint8(recordAddress), 0);
    return transact(4, kRecordSize + 2, Answer::Data, false);
}

bool Protocol::WriteRecord(quint16 recordAddress) {
    describe(recordAddress, 0);
    buildRequest(kWriteRecord, quint8(recordAddress >> 8), quint8(recordAddress), kRecordSize);
    return transact(kRecordSize + 4, 1, Answer::Acknowledge, true);
}

void Protocol::describe(quint16 address, int countOrValue) {
    if (!frameHook_)
        return;
    current_.address = address;
    current_.countOrValue = countOrValue;
}

// The request is kept apart from the buffer: the answer is read into the buffer from
// position 0, so every attempt sends the frame as it was first built.
void Protocol::buildRequest(quint8 command, quint8 p1, quint8 p2, int dataCount) {
    current_.command = command;
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
    if (link_ && lateAnswerPossible_ && !stopRequested())
        link_->discardUntilQuiet(link_->quietPeriodMs(), kSettleLimitMs);
    lateAnswerPossible_ = false;
    bool ok = false;
    for (int i = 0; i < kAttempts && !ok && !stopRequested(); ++i) {
        ok = attempt(requestLength, answerLength, answer, i + 1);
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

bool Protocol::attempt(int requestLength, int answerLength, Answer answer, int number) {
    if (!link_)
        return false;
    // A late answer to an earlier request must never pass for this one.
    link_->discardInput();
    const bool sent = link_->write(request_.data(), requestLength);
    if (traceHook_)
        traceHook_(Direction::Sent,
                   QByteArray(reinterpret_cast<const char*>(request_.data()), requestLength),
                   false);
    reportFrame(Direction::Sent, request_.data(), requestLength, number, Verdict::Ok);
    if (!sent)
        return false;

    const int got = link_->read(buffer_.data(), answerLength);
    if (traceHook_)
        traceHook_(Direction::Received,
                   QByteArray(reinterpret_cast<const char*>(buffer_.data()), got),
                   got < answerLength);
    if (got < answerLength)
        lateAnswerPossible_ = true;

    Verdict verdict = Verdict::Ok;
    if (got < 1)
        verdict = Verdict::Timeout;
    else if (buffer_[0] != kAcknowledge)
        verdict = Verdict::WrongAcknowledge;
    else if (answer == Answer::Acknowledge)
        verdict = Verdict::Ok;
    // A read answer must be complete: the acknowledgement, every data byte and the CRC.
    else if (got < answerLength)
        verdict = Verdict::Short;
    else if (buffer_[std::size_t(got - 1)] != crc8(buffer_.data() + 1, std::size_t(got - 2)))
        verdict = Verdict::BadCrc;
    reportFrame(Direction::Received, buffer_.data(), got, number, verdict);
    return verdict == Verdict::Ok;
}

void Protocol::reportFrame(Direction direction, const quint8* data, int count, int number,
                           Verdict verdict) {
    if (!frameHook_)
        return;
    current_.direction = direction;
    current_.bytes = QByteArray(reinterpret_cast<const char*>(data), count);
    current_.attempt = number;
    current_.verdict = verdict;
    frameHook_(current_);
}

QString Protocol::transactionText(const Frame& f) {
    switch (f.command) {
    case kReadMemory:
        return QStringLiteral("ReadMemory %1 %2").arg(f.address).arg(f.countOrValue);
    case kWriteMemory:
        return QStringLiteral("WriteMemory %1 %2").arg(f.address).arg(f.countOrValue);
    case kReadSettingBytes:
        return QStringLiteral("ReadSettingBytes %1 %2").arg(f.address).arg(f.countOrValue);
    case kWriteSettingByte:
        return QStringLiteral("WriteSettingByte %1=0x%2")
            .arg(f.address)
            .arg(QString::number(f.countOrValue, 16).rightJustified(2, QLatin1Char('0')).toUpper());
    case kReadRecord:
        return QStringLiteral("ReadRecord %1").arg(f.address);
    case kWriteRecord:
        return QStringLiteral("WriteRecord %1").arg(f.address);
    default:
        return QStringLiteral("0x%1").arg(
            QString::number(f.command, 16).rightJustified(2, QLatin1Char('0')).toUpper());
    }
}

QString Protocol::verdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::Ok:
        return QStringLiteral("ok");
    case Verdict::Timeout:
        return QStringLiteral("timeout");
    case Verdict::Short:
        return QStringLiteral("short");
    case Verdict::WrongAcknowledge:
        return QStringLiteral("wrong acknowledgement");
    case Verdict::BadCrc:
        return QStringLiteral("bad CRC");
    }
    return {};
}
